#include <windows.h>
// After windows.h, which they need.
#include <shobjidl.h>

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "gui/native_file_dialog.h"

namespace zelmora {
namespace {

// Releases a COM object at the end of its scope.
template <class Interface>
class Held {
 public:
  ~Held() {
    if (object_) object_->Release();
  }
  Interface* operator->() const { return object_; }
  Interface** Out() { return &object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  Interface* object_ = nullptr;
};

// "QVR ファイル (*.qvr);;全てのファイル (*)" as Windows's pairs of a name
// and its patterns ("*.qvr"; "*.*" for every file).
struct FileTypes {
  std::vector<std::wstring> names;
  std::vector<std::wstring> patterns;
  std::vector<COMDLG_FILTERSPEC> specs;
};

FileTypes TypesOf(const QString& filter) {
  FileTypes types;
  for (const QString& entry : filter.split(QStringLiteral(";;"))) {
    const qsizetype open = entry.lastIndexOf(u'(');
    const qsizetype close = entry.lastIndexOf(u')');
    QString patterns = open >= 0 && close > open ? entry.mid(open + 1, close - open - 1) : entry;
    patterns = patterns.split(u' ', Qt::SkipEmptyParts).join(u';');
    if (patterns == QStringLiteral("*")) patterns = QStringLiteral("*.*");
    types.names.push_back(entry.toStdWString());
    types.patterns.push_back(patterns.toStdWString());
  }
  for (std::size_t i = 0; i < types.names.size(); ++i) {
    types.specs.push_back({types.names[i].c_str(), types.patterns[i].c_str()});
  }
  return types;
}

}  // namespace

std::optional<QString> NativeFileName(QWidget* parent, const FileChoice& choice, bool save,
                                      const QString& folder) {
  // Tests run on the offscreen platform, where no native window can show.
  if (QGuiApplication::platformName() != QStringLiteral("windows")) return std::nullopt;
  Held<IFileDialog> dialog;
  if (FAILED(CoCreateInstance(save ? CLSID_FileSaveDialog : CLSID_FileOpenDialog, nullptr,
                              CLSCTX_INPROC_SERVER, IID_IFileDialog,
                              reinterpret_cast<void**>(dialog.Out())))) {
    return std::nullopt;
  }
  const FileTypes types = TypesOf(choice.filter);
  dialog->SetFileTypes(static_cast<UINT>(types.specs.size()), types.specs.data());
  dialog->SetFileTypeIndex(1);
  dialog->SetDefaultExtension(choice.default_suffix.toStdWString().c_str());
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  options |= FOS_FORCEFILESYSTEM | FOS_NOCHANGEDIR | FOS_PATHMUSTEXIST;
  options |= save ? FOS_OVERWRITEPROMPT : FOS_FILEMUSTEXIST;
  dialog->SetOptions(options);
  if (!folder.isEmpty()) {
    Held<IShellItem> start;
    if (SUCCEEDED(SHCreateItemFromParsingName(
            QDir::toNativeSeparators(folder).toStdWString().c_str(), nullptr, IID_IShellItem,
            reinterpret_cast<void**>(start.Out())))) {
      dialog->SetFolder(start.operator->());
    }
  }
  if (save && !choice.suggested_name.isEmpty()) {
    dialog->SetFileName(
        (choice.suggested_name + u'.' + choice.default_suffix).toStdWString().c_str());
  }
  const auto owner = parent ? reinterpret_cast<HWND>(parent->window()->winId()) : nullptr;
  if (FAILED(dialog->Show(owner))) return QString();  // cancelled
  Held<IShellItem> result;
  if (FAILED(dialog->GetResult(result.Out()))) return QString();
  PWSTR name = nullptr;
  if (FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &name))) return QString();
  const QString path = QDir::fromNativeSeparators(QString::fromWCharArray(name));
  CoTaskMemFree(name);
  return path;
}

}  // namespace zelmora
