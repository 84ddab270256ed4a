#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "gui/prompts.h"

namespace zelmora::testing {

// Answers the program's questions from queues that a test fills in advance.
// A question with no answer queued fails the test: no dialog opens by
// surprise.
class ScriptedPrompts : public Prompts {
 public:
  using DialogScript = std::function<int(QDialog&)>;

  // Next file dialog answer; an empty string means the user cancelled.
  void QueueFileName(const QString& path) { file_names_.push_back(path); }
  // Next modal dialog: the script inspects or drives it and returns its result.
  void QueueDialog(DialogScript script) { dialogs_.push_back(std::move(script)); }

  QString OpenFileName(QWidget* parent, const FileChoice& choice) override;
  QString SaveFileName(QWidget* parent, const FileChoice& choice) override;
  void ShowError(QWidget* parent, const QString& message) override;
  void ShowNotice(QWidget* parent, const QString& message) override;
  int Run(QDialog& dialog) override;

  // What was asked, for the assertions.
  QStringList errors;
  QStringList notices;
  std::vector<FileChoice> open_choices;
  std::vector<FileChoice> save_choices;
  bool Exhausted() const { return file_names_.empty() && dialogs_.empty(); }

 private:
  QString NextFileName();
  std::deque<QString> file_names_;
  std::deque<DialogScript> dialogs_;
};

}  // namespace zelmora::testing
