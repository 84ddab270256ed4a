#include "files/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/files/files_test_support.h"

namespace zelmora {
namespace {

using testing::Slurp;
using testing::TempFolder;

const std::string kOld = "P,1,\"old\",1,2,3\r\n";

class SafeWriterTest : public ::testing::Test {
 protected:
  TempFolder folder_;
};

TEST_F(SafeWriterTest, WritesNewFilesAndReplacesOldOnesLeavingNoTemporary) {
  const std::string path = folder_.File("party.qvr");
  ASSERT_EQ(WriteFileSafely(path, kOld), std::nullopt);
  EXPECT_EQ(Slurp(path), kOld);

  const std::string bigger(3 << 20, 'x');  // several writes' worth
  ASSERT_EQ(WriteFileSafely(path, bigger), std::nullopt);
  EXPECT_EQ(Slurp(path), bigger);
  ASSERT_EQ(WriteFileSafely(path, ""), std::nullopt);
  EXPECT_EQ(Slurp(path), "");
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"party.qvr"});
}

TEST_F(SafeWriterTest, NewFileTakesTheUmaskAndAReplacedFileKeepsItsMode) {
  const mode_t old_mask = umask(022);
  const std::string fresh = folder_.File("fresh.txt");
  ASSERT_EQ(WriteFileSafely(fresh, "a"), std::nullopt);
  struct stat info;
  ASSERT_EQ(stat(fresh.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);

  ASSERT_EQ(chmod(fresh.c_str(), 0640), 0);
  ASSERT_EQ(WriteFileSafely(fresh, "b"), std::nullopt);
  ASSERT_EQ(stat(fresh.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  umask(old_mask);
}

TEST_F(SafeWriterTest, SavingThroughALinkReplacesTheFileItPointsTo) {
  const std::string real = folder_.File("real.qvr");
  const std::string link = folder_.File("link.qvr");
  ASSERT_EQ(WriteFileSafely(real, kOld), std::nullopt);
  ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
  ASSERT_EQ(WriteFileSafely(link, "new\r\n"), std::nullopt);
  struct stat info;
  ASSERT_EQ(lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(Slurp(real), "new\r\n");
}

TEST_F(SafeWriterTest, RelativePathWritesIntoTheWorkingFolder) {
  const std::string before = std::filesystem::current_path().string();
  std::filesystem::current_path(folder_.path());
  const auto error = WriteFileSafely("here.htm", "<HTML>\r\n");
  std::filesystem::current_path(before);
  ASSERT_EQ(error, std::nullopt);
  EXPECT_EQ(Slurp(folder_.File("here.htm")), "<HTML>\r\n");
}

TEST_F(SafeWriterTest, FailuresNameTheFileAndTheReasonAndLeaveNothingBehind) {
  const std::string regular = folder_.File("plain");
  testing::Put(regular, kOld);
  const std::string under_file = regular + "/report.txt";
  EXPECT_EQ(WriteFileSafely(under_file, "x"), (FileError{under_file, strerror(ENOTDIR)}));

  const std::string vanished_folder = folder_.File("gone");
  ASSERT_EQ(mkdir(vanished_folder.c_str(), 0700), 0);
  ASSERT_EQ(rmdir(vanished_folder.c_str()), 0);
  const std::string in_vanished = vanished_folder + "/party.qvr";
  EXPECT_EQ(WriteFileSafely(in_vanished, "x"), (FileError{in_vanished, strerror(ENOENT)}));

  // The rename fails: the target is a folder.
  const std::string folder_target = folder_.File("folder");
  ASSERT_EQ(mkdir(folder_target.c_str(), 0700), 0);
  const auto error = WriteFileSafely(folder_target, "x");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->path, folder_target);
  EXPECT_EQ(error->reason, strerror(EISDIR));

  EXPECT_EQ(Slurp(regular), kOld);
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"folder", "plain"}));
}

// A file size limit makes the writes fail part-way, first short, then with
// EFBIG: the old file must survive byte for byte.
TEST_F(SafeWriterTest, FailedWriteKeepsTheOldFileByteIdentical) {
  const std::string path = folder_.File("party.qvr");
  testing::Put(path, kOld);

  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit limited = saved;
  limited.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const auto error = WriteFileSafely(path, std::string(5000, 'y'));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, old_handler);

  EXPECT_EQ(error, (FileError{path, strerror(EFBIG)}));
  EXPECT_EQ(Slurp(path), kOld);
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"party.qvr"});
}

TEST(DescriptorWriterTest, ReportsAFullDevice) {
  const int fd = open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(WriteToDescriptor(fd, "report\r\n", "standard output"),
            (FileError{"standard output", strerror(ENOSPC)}));
  EXPECT_EQ(WriteToDescriptor(fd, "", "standard output"), std::nullopt);  // nothing to write
  close(fd);
}

TEST(ReadFileTest, ReadsEveryByteAndNamesFailures) {
  TempFolder folder;
  const std::string path = folder.File("nul.qvr");
  const std::string bytes("P\0,1\r\n\x81", 7);
  testing::Put(path, bytes);
  const ReadResult read = ReadFileBytes(path);
  EXPECT_EQ(read.error, std::nullopt);
  EXPECT_EQ(read.bytes, bytes);

  const std::string empty = folder.File("empty.qvr");
  testing::Put(empty, "");
  EXPECT_EQ(ReadFileBytes(empty).bytes, "");
  EXPECT_EQ(ReadFileBytes(empty).error, std::nullopt);

  const std::string missing = folder.File("missing.qvr");
  EXPECT_EQ(ReadFileBytes(missing).error, (FileError{missing, strerror(ENOENT)}));
  EXPECT_EQ(ReadFileBytes(folder.path()).error, (FileError{folder.path(), strerror(EISDIR)}));
}

}  // namespace
}  // namespace zelmora
