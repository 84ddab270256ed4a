#include "files/file_io.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "files/error_reason.h"
#include "files/same_file.h"
#include "files/system_error.h"
#include "files/temporary_names.h"
#include "tests/files/files_test_support.h"

namespace zelmora {
namespace {

using testing::Slurp;
using testing::TempFolder;

class WindowsWriterTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, std::string_view bytes) {
    const std::string path = folder_.File(name);
    error_ = WriteFileSafely(path, bytes);
    return path;
  }
  TempFolder folder_;
  std::optional<FileError> error_;
};

TEST_F(WindowsWriterTest, WritesAndReplacesJapaneseNamesByteForByte) {
  const std::string path = Write("ゴブリン.qvr", "old\r\n");
  ASSERT_EQ(error_, std::nullopt);
  Write("ゴブリン.qvr", "new\r\n\x83\x53");
  ASSERT_EQ(error_, std::nullopt);
  EXPECT_EQ(ReadFileBytes(path).bytes, "new\r\n\x83\x53");
  EXPECT_EQ(folder_.Entries().size(), 1u);  // no temporary left
}

TEST_F(WindowsWriterTest, KeepsATargetAnotherProgramHoldsOrThatIsReadOnly) {
  const std::string held = Write("held.qvr", "old");
  HANDLE other =
      CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  Write("held.qvr", "new");
  CloseHandle(other);
  ASSERT_TRUE(error_);
  EXPECT_EQ(*error_, (FileError{held, std::string(kInUseReason)}));
  EXPECT_EQ(Slurp(held), "old");

  const std::string read_only = Write("read-only.qvr", "old");
  SetFileAttributesA(read_only.c_str(), FILE_ATTRIBUTE_READONLY);
  Write("read-only.qvr", "new");
  ASSERT_TRUE(error_);
  EXPECT_EQ(error_->reason, kReadOnlyFileReason);
  EXPECT_EQ(Slurp(read_only), "old");
  SetFileAttributesA(read_only.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"held.qvr", "read-only.qvr"}));
}

TEST_F(WindowsWriterTest, RemovesOnlyTemporariesOfEndedProcesses) {
  const std::string own = NewTemporaryName();
  testing::Put(folder_.File(own), "mine");
  testing::Put(folder_.File(".zelmora-999996-1"), "left by an ended process");
  Write("party.qvr", "new");
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{own, "party.qvr"}));
}

// Windows's codes say what the errno of the same trouble says; a code the
// table lacks is told by its number, as an errno the table lacks is, never
// in Windows's own words.
TEST(SystemErrorReasonTest, CodesForTheSameTroubleGiveTheErrnosReason) {
  EXPECT_EQ(SystemErrorReason(ERROR_PATH_NOT_FOUND), ErrorReason(ENOENT));
  EXPECT_EQ(SystemErrorReason(ERROR_FILE_EXISTS), ErrorReason(EEXIST));
  EXPECT_EQ(SystemErrorReason(ERROR_CRC), ErrorReason(EIO));
  EXPECT_EQ(SystemErrorReason(ERROR_NOT_READY), "エラー番号 21");
  EXPECT_EQ(ReasonIn(Language::kEnglish, SystemErrorReason(ERROR_NOT_READY)), "error number 21");
}

TEST(WindowsSameFileTest, IgnoresCaseAndResolvesDots) {
  TempFolder folder;
  testing::Put(folder.File("Party.qvr"), "x");
  EXPECT_TRUE(SameFile(folder.File("PARTY.QVR"), folder.path() + "/./sub/../Party.qvr"));
  EXPECT_FALSE(SameFile(folder.File("Party.qvr"), folder.File("other.qvr")));
}

}  // namespace
}  // namespace zelmora
