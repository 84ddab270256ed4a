#include "window/table_keeper.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <array>

#include "files/file_io.h"
#include "files/kept_table.h"
#include "files/terminal_text.h"
#include "files/user_folders.h"

namespace zelmora {
namespace {

// SIGTERM and SIGHUP reach the event loop through a pipe: the handler only
// writes the signal's number, the one thing it may safely do.
constexpr std::array kTerminationSignals = {SIGTERM, SIGHUP};
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
  for (const int number : kTerminationSignals) sigaction(number, &action, nullptr);
  return true;
}

// The signal's own end of the program, as if it had not been caught.
[[noreturn]] void EndBy(int signal_number) {
  signal(signal_number, SIG_DFL);
  raise(signal_number);
  _exit(128 + signal_number);
}

QString Shown(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

TableKeeper::TableKeeper(const Encounter& encounter) : encounter_(encounter) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &TableKeeper::WriteNow);
}

TableKeeper::~TableKeeper() = default;

QString TableKeeper::Path() { return Shown(FindKeptTablePlace().path); }

bool TableKeeper::Exists() {
  const QString path = Path();
  return !path.isEmpty() && QFileInfo(path).isFile();
}

void TableKeeper::Start(int delay_ms) {
  timer_.setInterval(delay_ms);
  started_ = true;
  if (CatchTerminationSignals()) {
    signal_notifier_ = std::make_unique<QSocketNotifier>(signal_pipe[0], QSocketNotifier::Read);
    connect(signal_notifier_.get(), &QSocketNotifier::activated, this,
            &TableKeeper::OnTerminationSignal);
  }
  if (const auto refused = FindKeptTablePlace().refused) WarnOnce(*refused);
}

void TableKeeper::WarnOnce(const FileError& error) {
  if (warned_) return;
  warned_ = true;
  const QString message = QStringLiteral("前回の内容を「%1」に残せません（%2）。")
                              .arg(Shown(error.path), QString::fromStdString(error.reason));
  qWarning("%s", TerminalSafe(message.toStdString()).c_str());
  emit Unusable(message);
}

void TableKeeper::OnTerminationSignal() {
  char number = 0;
  if (read(signal_pipe[0], &number, 1) != 1) return;
  WriteNow();
  EndBy(number);
}

// The timer is not restarted by later changes, so typing without a pause
// still gets written within the delay.
void TableKeeper::Changed() {
  if (!started_) return;
  pending_ = true;
  if (!timer_.isActive()) timer_.start();
}

void TableKeeper::WriteNow() {
  timer_.stop();
  if (!pending_) return;
  const KeptTablePlace place = FindKeptTablePlace();
  if (place.path.empty()) return;
  // Still pending after a failure, so that closing tries once more.
  if (const auto error = WriteFileSafely(place.path, KeptTableBytes(encounter_),
                                         Temporary::kUnnamedWherePossible, 0600)) {
    WarnOnce(*error);
    return;
  }
  pending_ = false;
  emit Written();
}

}  // namespace zelmora
