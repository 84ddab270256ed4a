// Rosters and monster sheets that are no such thing: every one must give a
// message naming the file at once and change nothing. A read that blocks is
// ended by the alarm, which fails the test.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "files/error_reason.h"
#include "files/file_io.h"
#include "files/monster_sheet.h"
#include "files/roster_file.h"
#include "tests/files/files_test_support.h"
#include "tests/files/posix_test_support.h"

namespace zelmora {
namespace {

using testing::TempFolder;

class HostileReadTest : public ::testing::Test {
 protected:
  void SetUp() override { alarm(30); }
  void TearDown() override { alarm(0); }

  // Loading `path` as a roster and as a sheet gives `reason` and keeps the
  // records as they were.
  static void ExpectRefused(const std::string& path, const std::string& reason) {
    Encounter encounter;
    encounter.attacker(1).name = "kept";
    EXPECT_EQ(LoadAll(path, encounter).error, (FileError{path, reason}));
    EXPECT_EQ(encounter.attacker(1).name, "kept");
    Defender defender;
    defender.melee_evasion = 7;
    EXPECT_EQ(ImportMonsterSheet(path, defender), (FileError{path, reason}));
    EXPECT_EQ(defender.melee_evasion, 7);
  }

  TempFolder folder_;
};

TEST_F(HostileReadTest, FifoDeviceAndOversizedSparseFileAreRefusedAtOnce) {
  const std::string fifo = folder_.File("fifo.qvr");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  ExpectRefused(fifo, std::string(kNotRegularFileReason));
  ExpectRefused("/dev/zero", std::string(kNotRegularFileReason));

  const std::string sparse = folder_.File("sparse.qvm");
  const int fd = open(sparse.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, off_t{100} << 30), 0);  // 100 GB of nothing
  close(fd);
  ExpectRefused(sparse, std::string(kTooLargeToReadReason));
}

TEST_F(HostileReadTest, ALimitSizedRosterLoadsAndOneByteMoreIsRefused) {
  const std::string path = folder_.File("large.qvr");
  std::string bytes(kMaxReadBytes, '\n');
  bytes.replace(0, 9, "P,1,\"a\"\r\n");
  testing::Put(path, bytes);
  Encounter encounter;
  EXPECT_EQ(LoadAll(path, encounter).error, std::nullopt);
  EXPECT_EQ(encounter.attacker(1).name, "a");

  std::ofstream(path, std::ios::app) << '\n';
  ExpectRefused(path, std::string(kTooLargeToReadReason));
}

// A sheet uses its first 24 lines; what follows is never read.
TEST_F(HostileReadTest, SheetIsReadOnlyAsFarAsItsLines) {
  const std::string path = folder_.File("long.txt");
  std::string bytes;
  for (int line = 0; line < 40; ++line) bytes += std::string(100000, 'x') + "\r\n";
  testing::Put(path, bytes);
  const ReadResult read = ReadFileBytes(path, kMonsterSheetLines);
  ASSERT_EQ(read.error, std::nullopt);
  EXPECT_GE(testing::CountLines(read.bytes), kMonsterSheetLines);
  EXPECT_LT(read.bytes.size(), bytes.size());
  EXPECT_EQ(read.bytes, bytes.substr(0, read.bytes.size()));
}

// Memory that runs out while reading is a message too, never an abort. The
// address space limit would cripple the sanitizers' own allocator.
#if defined(__SANITIZE_ADDRESS__)
#define ZELMORA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELMORA_ADDRESS_SANITIZER 1
#endif
#endif
TEST_F(HostileReadTest, RunningOutOfMemoryWhileReadingIsReported) {
#ifdef ZELMORA_ADDRESS_SANITIZER
  GTEST_SKIP() << "an address space limit breaks AddressSanitizer";
#endif
  const std::string path = folder_.File("big.qvr");
  testing::Put(path, std::string(kMaxReadBytes - 1, 'P'));
  const int status = testing::WaitStatusOfChild([&] {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    // Room for small allocations, none for the file.
    const rlim_t room =
        static_cast<rlim_t>(pages) * static_cast<rlim_t>(getpagesize()) + (16 << 20);
    const struct rlimit limit = {room, room};
    if (setrlimit(RLIMIT_AS, &limit) != 0) return 2;
    return ReadFileBytes(path).error == FileError{path, ErrorReason(ENOMEM)} ? 0 : 1;
  });
  EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace zelmora
