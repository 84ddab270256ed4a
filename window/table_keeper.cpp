#include "window/table_keeper.h"

#include <QFileInfo>
#include <utility>

#include "files/file_io.h"
#include "files/terminal_text.h"
#include "files/user_folders.h"
#include "gui/file_path.h"
#include "window/end_request.h"

namespace zelmora {

TableKeeper::TableKeeper(std::function<std::string()> bytes) : bytes_(std::move(bytes)) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &TableKeeper::WriteNow);
}

TableKeeper::~TableKeeper() = default;

QString TableKeeper::Path() { return FilePathText(KeptTablePath()); }

bool TableKeeper::Exists() {
  const QString path = Path();
  return !path.isEmpty() && QFileInfo(path).isFile();
}

void TableKeeper::Start(int delay_ms) {
  timer_.setInterval(delay_ms);
  started_ = true;
  if (!watching_end_) OnEndRequested(this, [this] { WriteNow(); });
  watching_end_ = true;
}

void TableKeeper::WarnOnce(const FileError& error) {
  if (warned_) return;
  warned_ = true;
  const QString message = QStringLiteral("前回の内容を「%1」に残せません（%2）。")
                              .arg(FilePathText(error.path), QString::fromStdString(error.reason));
  qWarning("%s", TerminalSafe(message.toStdString()).c_str());
  emit Unusable(message);
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
  // The state folder is made only now, when there is a table to keep.
  const KeptTablePlace place = FindKeptTablePlace();
  if (place.refused) WarnOnce(*place.refused);
  if (place.path.empty()) return;
  // Still pending after a failure, so that closing tries once more.
  if (const auto error =
          WriteFileSafely(place.path, bytes_(), Temporary::kUnnamedWherePossible, 0600)) {
    WarnOnce(*error);
    return;
  }
  pending_ = false;
  emit Written();
}

}  // namespace zelmora
