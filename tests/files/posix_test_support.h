#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// What the tests of POSIX-only behaviour share.
namespace zelmora::testing {

// Another user and group, for the tests that run as root.
inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNogroup = 65534;

// Runs `body` in a child process and gives the child's wait status, -1 if
// it could not be started; what `body` returns is the child's exit code.
template <typename Body>
int WaitStatusOfChild(Body body) {
  const pid_t child = fork();
  if (child == 0) _exit(body());
  int status = -1;
  if (child < 0 || waitpid(child, &status, 0) != child) return -1;
  return status;
}

}  // namespace zelmora::testing
