#include "tests/support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace zelmora::testing {

QString ScriptedPrompts::NextFileName() {
  if (file_names_.empty()) {
    ADD_FAILURE() << "a file dialog opened with no answer queued";
    return {};
  }
  QString path = file_names_.front();
  file_names_.pop_front();
  return path;
}

QString ScriptedPrompts::OpenFileName(QWidget*, const FileChoice& choice) {
  open_choices.push_back(choice);
  return NextFileName();
}

QString ScriptedPrompts::SaveFileName(QWidget*, const FileChoice& choice) {
  save_choices.push_back(choice);
  return NextFileName();
}

void ScriptedPrompts::ShowError(QWidget*, const QString& message) { errors.push_back(message); }

void ScriptedPrompts::ShowNotice(QWidget*, const QString& message) { notices.push_back(message); }

int ScriptedPrompts::Run(QDialog& dialog) {
  if (dialogs_.empty()) {
    ADD_FAILURE() << "dialog \"" << dialog.windowTitle().toStdString()
                  << "\" opened with no script queued";
    return QDialog::Rejected;
  }
  DialogScript script = std::move(dialogs_.front());
  dialogs_.pop_front();
  return script(dialog);
}

}  // namespace zelmora::testing
