#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "files/file_io.h"
#include "files/roster_file.h"

namespace zelmora {
namespace {

// A roster whose names make the file large enough that a save takes long
// enough to be killed in the middle of it.
std::string RosterBytes(char fill) {
  Encounter e;
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    e.attacker(slot).name.assign(100000, fill);
    e.defender(slot).name.assign(100000, fill);
    e.attacker(slot).judgment_value = slot;
  }
  return SaveAllBytes(e);
}

TEST(CrashSafeSavingTest, SaveKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("zelmora-crash-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "party.qvr").string();
  const std::string old_bytes = RosterBytes('o');
  const std::string new_bytes = RosterBytes('n');
  ASSERT_FALSE(WriteFileSafely(path, old_bytes));

  std::mt19937 random(12345);
  std::uniform_int_distribution<int> delay_us(0, 3000);
  int kept_old = 0, got_new = 0;
  for (int round = 0; round < 200; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      WriteFileSafely(path, new_bytes);
      _exit(0);
    }
    usleep(static_cast<useconds_t>(delay_us(random)));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    const ReadResult now = ReadFileBytes(path);
    ASSERT_FALSE(now.error) << now.error->reason;
    const bool is_old = now.bytes == old_bytes;
    const bool is_new = now.bytes == new_bytes;
    ASSERT_TRUE(is_old || is_new) << "round " << round << ": " << now.bytes.size() << " bytes";
    if (is_new) {
      ++got_new;
      ASSERT_FALSE(WriteFileSafely(path, old_bytes));
    } else {
      ++kept_old;
    }
  }
  std::filesystem::remove_all(folder);
  RecordProperty("kept_old", kept_old);
  RecordProperty("got_new", got_new);
}

}  // namespace
}  // namespace zelmora
