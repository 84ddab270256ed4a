#pragma once

#include <QString>
#include <string>

class QDialog;
class QWidget;

// Every question the program asks outside its own controls goes through
// this seam: file names, error messages and modal dialogs. The program uses
// DesktopPrompts; tests pass a scripted implementation that answers the next
// question.
namespace zelmora {

// A file dialog's settings: default suffix without the dot, the filter in
// Qt's notation ("QVR ファイル (*.qvr);;全てのファイル (*)"), and the name a
// save dialog offers, without folder or suffix (none when empty).
struct FileChoice {
  QString default_suffix;
  QString filter;
  QString suggested_name = {};

  FileChoice Suggesting(const QString& name) const { return {default_suffix, filter, name}; }
};

// The program's file dialogs.
FileChoice RosterFileChoice();        // .qvr rosters: save all, load all, save one, load one
FileChoice MonsterSheetFileChoice();  // .qvm (first) or .txt sheets for the defender import
FileChoice TextReportFileChoice();
FileChoice HtmlReportFileChoice();

// The name a save dialog offers for the table: the roster's own (`roster`
// is its path, empty for a new table), else the first attacker's name with
// the characters a file name cannot hold replaced by "_", else none.
QString SuggestedName(const QString& roster, const std::string& first_attacker_name);

class Prompts {
 public:
  virtual ~Prompts() = default;
  // The chosen path, or an empty string when the user cancelled.
  virtual QString OpenFileName(QWidget* parent, const FileChoice& choice) = 0;
  // Asks before overwriting an existing file; empty when cancelled.
  virtual QString SaveFileName(QWidget* parent, const FileChoice& choice) = 0;
  virtual void ShowError(QWidget* parent, const QString& message) = 0;
  // Tells what the program did on its own, where nothing went wrong; a seam
  // without a notice of its own shows it as it shows an error.
  virtual void ShowNotice(QWidget* parent, const QString& message) { ShowError(parent, message); }
  // Runs a modal dialog and returns its QDialog::DialogCode result.
  virtual int Run(QDialog& dialog) = 0;
};

// The real dialogs of the desktop.
class DesktopPrompts : public Prompts {
 public:
  QString OpenFileName(QWidget* parent, const FileChoice& choice) override;
  QString SaveFileName(QWidget* parent, const FileChoice& choice) override;
  void ShowError(QWidget* parent, const QString& message) override;
  void ShowNotice(QWidget* parent, const QString& message) override;
  int Run(QDialog& dialog) override;
};

}  // namespace zelmora
