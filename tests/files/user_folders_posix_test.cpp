#include "files/user_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/error_reason.h"
#include "tests/files/files_test_support.h"
#include "tests/files/posix_test_support.h"

namespace zelmora {
namespace {

using testing::Slurp;
using testing::TempFolder;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  lstat(path.c_str(), &info);
  return info.st_mode & 07777;
}

// The user's folders pointed into a temporary home for each test.
class UserFoldersTest : public ::testing::Test {
 protected:
  UserFoldersTest() {
    for (const char* name : {"XDG_STATE_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) unsetenv(name);
    setenv("HOME", home_.path().c_str(), 1);
  }

  TempFolder home_;
};

TEST_F(UserFoldersTest, StateGoesToLocalStatePrivatelyAndTheEarlierTableMovesInOnce) {
  const std::string earlier = home_.File(".local/share/zelmora/table.qvr");
  std::filesystem::create_directories(home_.File(".local/share/zelmora"));
  testing::Put(earlier, "kept\r\n");
  chmod(earlier.c_str(), 0644);

  const KeptTablePlace place = FindKeptTablePlace();
  EXPECT_EQ(place.path, home_.File(".local/state/zelmora/table.qvr"));
  EXPECT_EQ(place.refused, std::nullopt);
  for (const char* folder : {".local/state", ".local/state/zelmora"}) {
    EXPECT_EQ(ModeOf(home_.File(folder)), 0700u) << folder;
  }
  EXPECT_EQ(Slurp(place.path), "kept\r\n");
  EXPECT_EQ(ModeOf(place.path), 0600u);
  EXPECT_FALSE(std::filesystem::exists(earlier));

  // Once moved, a newer table is never replaced by an older one.
  testing::Put(earlier, "older\r\n");
  EXPECT_EQ(Slurp(FindKeptTablePlace().path), "kept\r\n");
}

// Asking whether a table was kept makes no folder; a table the previous
// version kept is moved in when asked for, since it is then a kept table.
TEST_F(UserFoldersTest, WhereTheTableIsMakesNoFolderUntilThereIsATable) {
  EXPECT_EQ(KeptTablePath(), home_.File(".local/state/zelmora/table.qvr"));
  EXPECT_FALSE(std::filesystem::exists(home_.File(".local/state")));
  std::filesystem::create_directories(home_.File(".local/share/zelmora"));
  testing::Put(home_.File(".local/share/zelmora/table.qvr"), "kept\r\n");
  EXPECT_EQ(Slurp(KeptTablePath()), "kept\r\n");
  EXPECT_EQ(ModeOf(home_.File(".local/state/zelmora")), 0700u);
}

// A state folder that someone else could have filled with links is not used.
TEST_F(UserFoldersTest, StateFolderOfOthersOrWritableByOthersIsRefused) {
  const std::string state = home_.File("state");
  setenv("XDG_STATE_HOME", state.c_str(), 1);
  const std::string folder = state + "/zelmora";
  std::filesystem::create_directories(folder);
  for (const mode_t shared : {0777, 0770}) {
    chmod(folder.c_str(), shared);
    EXPECT_EQ(FindKeptTablePlace().refused, (FileError{folder, std::string(kSharedFolderReason)}));
  }
  std::filesystem::remove(folder);
  std::filesystem::create_directory_symlink(home_.path(), folder);
  const KeptTablePlace place = FindKeptTablePlace();
  EXPECT_EQ(place.path, "");
  EXPECT_EQ(place.refused, (FileError{folder, ErrorReason(ENOTDIR)}));
  if (geteuid() == 0) {
    std::filesystem::remove(folder);
    std::filesystem::create_directory(folder);
    ASSERT_EQ(chown(folder.c_str(), testing::kNobody, testing::kNogroup), 0);
    EXPECT_EQ(FindKeptTablePlace().refused, (FileError{folder, std::string(kForeignFolderReason)}));
  }
  // A folder the user may not make says so, not that it is missing.
  const std::string closed = home_.File("closed");
  ASSERT_EQ(mkdir(closed.c_str(), 0555), 0);
  chmod(home_.path().c_str(), 0755);
  setenv("XDG_STATE_HOME", closed.c_str(), 1);
  const int status = testing::WaitStatusOfChild([&] {
    if (geteuid() == 0 && setuid(testing::kNobody) != 0) return 2;
    const FileError expected{closed + "/zelmora", ErrorReason(EACCES)};
    return FindKeptTablePlace().refused == expected ? 0 : 1;
  });
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  // A relative XDG_STATE_HOME is ignored.
  setenv("XDG_STATE_HOME", "state", 1);
  EXPECT_EQ(FindKeptTablePlace().path, home_.File(".local/state/zelmora/table.qvr"));
}

// Nothing that could stall the start is read as settings.
TEST_F(UserFoldersTest, SettingsThatAreNoRegularFileOrTooLargeAreSetAside) {
  const std::string settings = home_.File(".config/zelmora/zelmora.conf");
  EXPECT_EQ(SetAsideUnreadableSettings(), std::nullopt);  // none yet: nothing to do
  EXPECT_EQ(ModeOf(home_.File(".config/zelmora")), 0700u);

  testing::Put(settings, std::string(kMaxSettingsBytes, '#'));
  EXPECT_EQ(SetAsideUnreadableSettings(), std::nullopt);
  using Make = std::function<void()>;
  // Each file set aside keeps its name; the next takes a free one.
  const std::string kept_names[] = {settings + ".set-aside", settings + ".set-aside.2",
                                    settings + ".set-aside.3"};
  int index = 0;
  for (const auto& [make, reason] : std::vector<std::pair<Make, std::string_view>>{
           {[&] { testing::Put(settings, std::string(kMaxSettingsBytes + 1, '#')); },
            kTooLargeSettingsReason},
           {[&] { mkfifo(settings.c_str(), 0600); }, kNotRegularFileReason},
           {[&] { std::filesystem::create_symlink("/dev/zero", settings); }, kNotRegularFileReason},
       }) {
    std::filesystem::remove(settings);
    make();
    const auto set_aside = SetAsideUnreadableSettings();
    ASSERT_TRUE(set_aside.has_value()) << reason;
    EXPECT_EQ(set_aside->problem, (FileError{settings, std::string(reason)}));
    EXPECT_EQ(set_aside->moved_to, kept_names[index]);
    for (int earlier = 0; earlier <= index; ++earlier) {
      EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(kept_names[earlier])));
    }
    ++index;
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(settings)));
  }
}

}  // namespace
}  // namespace zelmora
