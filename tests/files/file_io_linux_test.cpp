#include "files/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <locale.h>
#include <signal.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <new>
#include <vector>

#include "files/error_reason.h"
#include "tests/files/files_test_support.h"
#include "tests/files/posix_test_support.h"

namespace zelmora {
namespace {

using testing::kNobody;
using testing::kNogroup;
using testing::Slurp;
using testing::TempFolder;

const std::string kOld = "P,1,\"old\",1,2,3\r\n";

class SafeWriterTest : public ::testing::Test {
 protected:
  TempFolder folder_;
};

TEST_F(SafeWriterTest, WritesNewFilesAndReplacesOldOnesLeavingNoTemporary) {
  for (const Temporary kind : {Temporary::kUnnamedWherePossible, Temporary::kNamed}) {
    const std::string path = folder_.File("party.qvr");
    std::filesystem::remove(path);
    ASSERT_EQ(WriteFileSafely(path, kOld, kind), std::nullopt);
    EXPECT_EQ(Slurp(path), kOld);

    const std::string bigger(3 << 20, 'x');  // several writes' worth
    ASSERT_EQ(WriteFileSafely(path, bigger, kind), std::nullopt);
    EXPECT_EQ(Slurp(path), bigger);
    ASSERT_EQ(WriteFileSafely(path, "", kind), std::nullopt);
    EXPECT_EQ(Slurp(path), "");
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"party.qvr"});
  }
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
  EXPECT_EQ(WriteFileSafely(under_file, "x"), (FileError{under_file, ErrorReason(ENOTDIR)}));

  const std::string vanished_folder = folder_.File("gone");
  ASSERT_EQ(mkdir(vanished_folder.c_str(), 0700), 0);
  ASSERT_EQ(rmdir(vanished_folder.c_str()), 0);
  const std::string in_vanished = vanished_folder + "/party.qvr";
  EXPECT_EQ(WriteFileSafely(in_vanished, "x"), (FileError{in_vanished, ErrorReason(ENOENT)}));

  // A folder is never replaced.
  const std::string folder_target = folder_.File("folder");
  ASSERT_EQ(mkdir(folder_target.c_str(), 0700), 0);
  const auto error = WriteFileSafely(folder_target, "x");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->path, folder_target);
  EXPECT_EQ(error->reason, ErrorReason(EISDIR));

  EXPECT_EQ(Slurp(regular), kOld);
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"folder", "plain"}));
}

// A file size limit makes the writes fail part-way, first short, then with
// EFBIG: the old file must survive byte for byte, and the program too. The
// signal the limit raises keeps its default action, which would end the
// child without a word.
TEST_F(SafeWriterTest, FileSizeLimitIsReportedAndKeepsTheOldFileByteIdentical) {
  const std::string path = folder_.File("party.qvr");
  const std::string stream_path = folder_.File("stream.txt");
  testing::Put(path, kOld);
  const int stream = open(stream_path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(stream, 0);

  const int status = testing::WaitStatusOfChild([&] {
    signal(SIGXFSZ, SIG_DFL);
    const struct rlimit limited = {1000, RLIM_INFINITY};
    if (setrlimit(RLIMIT_FSIZE, &limited) != 0) return 2;
    const std::string big(5000, 'y');
    const bool saved = WriteFileSafely(path, big) == FileError{path, ErrorReason(EFBIG)};
    const bool streamed =
        WriteToDescriptor(stream, big, "out") == FileError{"out", ErrorReason(EFBIG)};
    return saved && streamed ? 0 : 1;
  });
  close(stream);
  EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Slurp(path), kOld);
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"party.qvr", "stream.txt"}));
}

TEST(DescriptorWriterTest, ReportsAFullDevice) {
  const int fd = open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(WriteToDescriptor(fd, "report\r\n", "standard output"),
            (FileError{"standard output", ErrorReason(ENOSPC)}));
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
  EXPECT_EQ(ReadFileBytes(missing).error, (FileError{missing, ErrorReason(ENOENT)}));
  EXPECT_EQ(ReadFileBytes(folder.path()).error, (FileError{folder.path(), ErrorReason(EISDIR)}));
}

// Owner, group and extended attributes can be handed to another user only by
// root, as the suite runs in CI.
class ReplacedFileTest : public SafeWriterTest {
 protected:
  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give files to another user";
  }
};

TEST_F(ReplacedFileTest, RootsSaveKeepsOwnerGroupModeAndExtendedAttributes) {
  const std::string path = folder_.File("party.qvr");
  testing::Put(path, kOld);
  ASSERT_EQ(chown(path.c_str(), kNobody, kNogroup), 0);
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  const bool has_attributes = setxattr(path.c_str(), "user.zelmora", "gm", 2, 0) == 0;

  ASSERT_EQ(WriteFileSafely(path, "new\r\n"), std::nullopt);
  struct stat info;
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, kNobody);
  EXPECT_EQ(info.st_gid, kNogroup);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  if (has_attributes) {
    char value[8] = {};
    EXPECT_EQ(getxattr(path.c_str(), "user.zelmora", value, sizeof value), 2);
    EXPECT_STREQ(value, "gm");
  }
  EXPECT_EQ(Slurp(path), "new\r\n");
}

// A user who may write a set-uid file's folder but not give files to its
// owner replaces it with a file of their own, which must not carry set-uid.
TEST_F(ReplacedFileTest, SetUidIsDroppedWhenTheOwnerCannotBeKept) {
  ASSERT_EQ(chmod(folder_.path().c_str(), 0777), 0);
  const std::string path = folder_.File("tool");
  testing::Put(path, kOld);
  ASSERT_EQ(chmod(path.c_str(), 04755), 0);

  const int status = testing::WaitStatusOfChild([&] {
    if (setgid(kNogroup) != 0 || setuid(kNobody) != 0) return 2;
    return WriteFileSafely(path, "new\r\n") ? 1 : 0;
  });
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  struct stat info;
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, kNobody);
  EXPECT_EQ(info.st_mode & 07777, 0755u);
}

// Temporaries left by a killed save are the user's, named after a process
// that no longer runs; a later save in the folder removes them and nothing
// else.
TEST_F(SafeWriterTest, SaveRemovesOnlyStaleTemporariesOfTheUser) {
  const pid_t gone = fork();
  ASSERT_GE(gone, 0);
  if (gone == 0) _exit(0);
  ASSERT_EQ(waitpid(gone, nullptr, 0), gone);

  const std::string stale = ".zelmora-" + std::to_string(gone) + "-1a2b";
  const std::string running = ".zelmora-" + std::to_string(getpid()) + "-3c4d";
  const std::string others = ".zelmora-" + std::to_string(gone) + "-5e6f";
  for (const std::string& name : {stale, running, others, std::string(".zelmora-x-1")}) {
    testing::Put(folder_.File(name), "left");
  }
  const bool as_root = geteuid() == 0;
  if (as_root) {
    ASSERT_EQ(chown(folder_.File(others).c_str(), kNobody, kNogroup), 0);
  }

  ASSERT_EQ(WriteFileSafely(folder_.File("party.qvr"), kOld), std::nullopt);
  std::vector<std::string> expected{".zelmora-x-1", running, "party.qvr"};
  if (as_root) expected.push_back(others);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folder_.Entries(), expected);
}

// A report produced piece by piece that runs out of memory halfway is a
// failed write like any other: the file named, the old one kept, nothing left.
TEST_F(SafeWriterTest, RunningOutOfMemoryWhileProducingKeepsTheOldFile) {
  const std::string path = folder_.File("report.htm");
  testing::Put(path, kOld);
  const auto write = [](ByteSink& sink) {
    sink.Append(std::string(100000, 'x'));  // past the first buffer
    throw std::bad_alloc();
  };
  for (const Temporary kind : {Temporary::kUnnamedWherePossible, Temporary::kNamed}) {
    EXPECT_EQ(WriteFileSafely(path, write, kind), (FileError{path, ErrorReason(ENOMEM)}));
    EXPECT_EQ(Slurp(path), kOld);
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"report.htm"});
  }
}

// Twenty first writes of one new file at once: every one succeeds and the
// file is one of them whole.
TEST_F(SafeWriterTest, SimultaneousFirstWritesOfOneFileAllSucceed) {
  for (const Temporary kind : {Temporary::kUnnamedWherePossible, Temporary::kNamed}) {
    const std::string path = folder_.File("new.txt");
    std::filesystem::remove(path);
    std::vector<pid_t> writers;
    for (int i = 0; i < 20; ++i) {
      writers.push_back(fork());
      if (writers.back() == 0) {
        _exit(WriteFileSafely(path, std::string(100000, static_cast<char>('a' + i)), kind) ? 1 : 0);
      }
    }
    for (const pid_t writer : writers) {
      int status = -1;
      ASSERT_EQ(waitpid(writer, &status, 0), writer);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    const std::string written = Slurp(path);
    ASSERT_EQ(written.size(), 100000u);
    EXPECT_EQ(written, std::string(100000, written[0]));
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"new.txt"});
  }
}

TEST(ErrorReasonTest, CommonReasonsAreJapaneseInAnyLocaleOthersByTheirNumber) {
  TempFolder folder;
  const std::string missing = folder.File("missing.qvr");
  const std::string saved_lang = getenv("LANG") ? getenv("LANG") : "";
  setenv("LANG", "C", 1);
  setlocale(LC_ALL, "");
  EXPECT_EQ(ReadFileBytes(missing).error,
            (FileError{missing, "ファイルまたはフォルダがありません"}));
  EXPECT_EQ(ErrorReason(EBADF), "出力先が開かれていません");
  EXPECT_EQ(ErrorReason(ENOTSOCK), "エラー番号 " + std::to_string(ENOTSOCK));
  setlocale(LC_ALL, "C");
  setenv("LANG", saved_lang.c_str(), 1);
}

TEST(ErrorReasonTest, EveryReasonHasItsEnglish) {
  std::vector<std::string> reasons;
  for (const std::string_view reason :
       {kNotRegularFileReason, kTooLargeToReadReason, kForeignFolderReason, kSharedFolderReason,
        kTooLargeSettingsReason, kInUseReason, kLockedReason, kWriteProtectedReason,
        kInvalidNameReason, kReadOnlyFileReason, kNoRosterLineReason}) {
    reasons.emplace_back(reason);
  }
  reasons.push_back(UnholdableReason("\u2603"));
  for (const int error :
       {ENOENT,       EACCES,  EPERM, EROFS,  ENOSPC, EDQUOT, EFBIG,  EISDIR,    ENOTDIR,
        ENAMETOOLONG, ELOOP,   EIO,   ENOMEM, EEXIST, EBADF,  EPIPE,  EINVAL,    ENXIO,
        EBUSY,        ETXTBSY, EXDEV, EMFILE, EAGAIN, EINTR,  ESPIPE, ENOTEMPTY, ENOTSOCK}) {
    reasons.push_back(ErrorReason(error));
  }
  for (const std::string& reason : reasons) {
    const std::string english = ReasonIn(Language::kEnglish, reason);
    // ASCII but for the quoted character of the unholdable reason.
    const bool quoted = english.find("\u2603") != std::string::npos;
    EXPECT_TRUE(quoted || std::all_of(english.begin(), english.end(), [](char c) { return c > 0; }))
        << reason << ": " << english;
    EXPECT_EQ(ReasonIn(Language::kJapanese, reason), reason);
  }
  EXPECT_EQ(ReasonIn(Language::kEnglish, UnholdableReason("\u2603")),
            "\u201C\u2603\u201D is not a character of Shift JIS");
  EXPECT_EQ(ReasonIn(Language::kEnglish, ErrorReason(ENOTSOCK)),
            "error number " + std::to_string(ENOTSOCK));
  // Words the program's tables do not hold stay as they are.
  EXPECT_EQ(ReasonIn(Language::kEnglish, "エラー 5（アクセスが拒否されました。）"),
            "エラー 5（アクセスが拒否されました。）");
}

}  // namespace
}  // namespace zelmora
