#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>

#include "files/file_io.h"
#include "files/roster_file.h"
#include "tests/files/files_test_support.h"
#include "tests/files/posix_test_support.h"

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

std::size_t CountTemporaries(const testing::TempFolder& folder) {
  const auto names = folder.Entries();
  return static_cast<std::size_t>(std::count_if(
      names.begin(), names.end(), [](const auto& name) { return name.starts_with(".zelmora-"); }));
}

// Kills a child in the middle of saving, at random moments around the
// duration of a save, so that kills land before and after the rename alike:
// the delays stretch after a kill that kept the old file and shrink after
// one that found the new file. Every time the target is the old or the new
// file, and the next save clears what a killed one left behind.
class CrashSafeSavingTest : public ::testing::TestWithParam<Temporary> {};

TEST_P(CrashSafeSavingTest, SaveKilledAtAnyMomentLeavesTheOldOrTheNewFileAndNoTemporary) {
  testing::TempFolder folder;
  const std::string path = folder.File("party.qvr");
  const std::string old_bytes = RosterBytes('o');
  const std::string new_bytes = RosterBytes('n');
  const auto start = std::chrono::steady_clock::now();
  ASSERT_FALSE(WriteFileSafely(path, old_bytes, GetParam()));
  double scale_us = static_cast<double>(std::chrono::duration_cast<std::chrono::microseconds>(
                                            std::chrono::steady_clock::now() - start)
                                            .count()) *
                    2;

  constexpr int kRounds = 200;
  std::mt19937 random(12345);
  std::uniform_real_distribution<double> fraction(0, 1);
  int kept_old = 0, got_new = 0;
  std::size_t left_behind = 0;
  for (int round = 0; round < kRounds; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      WriteFileSafely(path, new_bytes, GetParam());
      _exit(0);
    }
    usleep(static_cast<useconds_t>(fraction(random) * scale_us));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    const ReadResult now = ReadFileBytes(path);
    ASSERT_FALSE(now.error) << now.error->reason;
    const bool is_new = now.bytes == new_bytes;
    ASSERT_TRUE(is_new || now.bytes == old_bytes)
        << "round " << round << ": " << now.bytes.size() << " bytes";
    left_behind += CountTemporaries(folder);
    if (is_new) {
      ++got_new;
      scale_us /= 1.2;
      ASSERT_FALSE(WriteFileSafely(path, old_bytes, GetParam()));
    } else {
      ++kept_old;
      scale_us *= 1.2;
    }
  }
  ASSERT_FALSE(WriteFileSafely(path, old_bytes, GetParam()));
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"party.qvr"});
  EXPECT_GE(kept_old, kRounds / 5);
  EXPECT_GE(got_new, kRounds / 5);
  RecordProperty("kept_old", kept_old);
  RecordProperty("got_new", got_new);
  RecordProperty("temporaries_left_by_kills", static_cast<int>(left_behind));
  std::printf("kills before the rename %d, after %d; temporaries left by kills %zu\n", kept_old,
              got_new, left_behind);
}

INSTANTIATE_TEST_SUITE_P(BothTemporaries, CrashSafeSavingTest,
                         ::testing::Values(Temporary::kUnnamedWherePossible, Temporary::kNamed),
                         [](const auto& test) {
                           return test.param == Temporary::kNamed ? std::string("Named")
                                                                  : std::string("Unnamed");
                         });

}  // namespace
}  // namespace zelmora
