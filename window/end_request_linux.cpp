#include "window/end_request.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <array>
#include <cerrno>

namespace zelmora {
namespace {

// SIGTERM, SIGHUP, and Ctrl+C or Ctrl+\\ in the terminal that started the
// window (SIGINT, SIGQUIT) reach the event loop through a pipe: the handler
// only writes the signal's number, the one thing it may safely do.
constexpr std::array kTerminationSignals = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};
// Keys of a terminal: a program started in the background, where the shell
// ignores them, leaves them ignored.
constexpr std::array kTerminalSignals = {SIGINT, SIGQUIT};
std::array<int, 2> signal_pipe = {-1, -1};

void OnSignal(int signal_number) {
  const int saved_errno = errno;
  const char number = static_cast<char>(signal_number);
  [[maybe_unused]] const ssize_t written = write(signal_pipe[1], &number, 1);
  errno = saved_errno;
}

bool CatchTerminationSignals() {
  if (signal_pipe[0] < 0 && pipe2(signal_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) return false;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  for (const int number : kTerminationSignals) {
    struct sigaction before {};
    const bool from_terminal = std::find(kTerminalSignals.begin(), kTerminalSignals.end(),
                                         number) != kTerminalSignals.end();
    if (from_terminal && sigaction(number, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) {
      continue;
    }
    sigaction(number, &action, nullptr);
  }
  return true;
}

// The signal's own end of the program, as if it had not been caught.
[[noreturn]] void EndBy(int signal_number) {
  signal(signal_number, SIG_DFL);
  raise(signal_number);
  _exit(128 + signal_number);
}

}  // namespace

void OnEndRequested(QObject* context, std::function<void()> keep) {
  if (!CatchTerminationSignals()) return;
  auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, context);
  QObject::connect(notifier, &QSocketNotifier::activated, context, [keep = std::move(keep)] {
    char number = 0;
    if (read(signal_pipe[0], &number, 1) != 1) return;
    keep();
    EndBy(number);
  });
}

}  // namespace zelmora
