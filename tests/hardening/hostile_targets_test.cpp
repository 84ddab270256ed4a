// Save targets an attacker or an accident puts in the way: whatever is not
// a regular file, and links planted by another user.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include "files/error_reason.h"
#include "files/file_io.h"
#include "tests/files/files_test_support.h"
#include "tests/files/posix_test_support.h"

namespace zelmora {
namespace {

using testing::kNobody;
using testing::Slurp;
using testing::TempFolder;

mode_t KindOf(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

// A listening socket bound to `path`; closed with the test.
int BindSocket(const std::string& path) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  if (fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

TEST(HostileTargetTest, DeviceFifoSocketAndLinkToADescriptorAreRefusedAndKept) {
  TempFolder folder;
  std::vector<std::string> targets;
  const std::string device = folder.File("null");
  if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) targets.push_back(device);
  const std::string fifo = folder.File("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  targets.push_back(fifo);
  const std::string socket_path = folder.File("socket");
  const int listening = BindSocket(socket_path);
  ASSERT_GE(listening, 0);
  targets.push_back(socket_path);
  // The link reaches the write end of a pipe, as /proc/self/fd/1 reaches
  // whatever standard output is.
  int pipe_ends[2];
  ASSERT_EQ(pipe2(pipe_ends, O_CLOEXEC | O_NONBLOCK), 0);
  const std::string descriptor_link = folder.File("stdout");
  const std::string descriptor = "/proc/self/fd/" + std::to_string(pipe_ends[1]);
  ASSERT_EQ(symlink(descriptor.c_str(), descriptor_link.c_str()), 0);
  targets.push_back(descriptor_link);

  for (const std::string& target : targets) {
    const mode_t kind = KindOf(target);
    EXPECT_EQ(WriteFileSafely(target, "report\r\n"),
              (FileError{target, std::string(kNotRegularFileReason)}));
    EXPECT_EQ(KindOf(target), kind) << target;
  }
  char byte;
  EXPECT_EQ(read(pipe_ends[0], &byte, 1), -1);  // nothing was delivered
  EXPECT_EQ(errno, EAGAIN);
  EXPECT_EQ(folder.Entries().size(), targets.size());  // and no temporary left
  close(pipe_ends[0]);
  close(pipe_ends[1]);
  close(listening);
}

// As in /tmp: a sticky world-writable folder where another user plants a
// link to a private file of the user who saves.
class PlantedLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to plant a link as another user";
    ASSERT_EQ(mkdir(shared_.c_str(), 0777), 0);
    ASSERT_EQ(chmod(shared_.c_str(), 01777), 0);
    ASSERT_EQ(mkdir(private_.c_str(), 0700), 0);
    testing::Put(secret_, "secret\n");
    ASSERT_EQ(chmod(secret_.c_str(), 0600), 0);
  }

  // A link made by `owner` in the shared folder.
  std::string Plant(const std::string& name, const std::string& to, uid_t owner) {
    std::string link = shared_ + "/" + name;
    EXPECT_EQ(symlink(to.c_str(), link.c_str()), 0);
    EXPECT_EQ(lchown(link.c_str(), owner, owner), 0);
    return link;
  }

  TempFolder folder_;
  const std::string shared_ = folder_.File("shared");
  const std::string private_ = folder_.File("private");
  const std::string secret_ = private_ + "/secret";
};

TEST_F(PlantedLinkTest, ALinkOfAnotherUserIsNotFollowedAsLastOrInnerComponent) {
  const std::string to_file = Plant("report.txt", secret_, kNobody);
  EXPECT_EQ(WriteFileSafely(to_file, "owned\n"), (FileError{to_file, ErrorReason(EACCES)}));
  const std::string to_folder = Plant("dir", private_, kNobody);
  const std::string through = to_folder + "/secret";
  EXPECT_EQ(WriteFileSafely(through, "owned\n"), (FileError{through, ErrorReason(EACCES)}));

  EXPECT_EQ(Slurp(secret_), "secret\n");
  EXPECT_EQ(KindOf(to_file), S_IFLNK);
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"private", "shared"}));
}

TEST_F(PlantedLinkTest, TheUsersOwnLinkInTheSameFolderIsFollowed) {
  const std::string own = Plant("mine.txt", secret_, geteuid());
  ASSERT_EQ(WriteFileSafely(own, "mine\n"), std::nullopt);
  EXPECT_EQ(Slurp(secret_), "mine\n");
  EXPECT_EQ(KindOf(own), S_IFLNK);
}

}  // namespace
}  // namespace zelmora
