#pragma once

#include <QFileDialog>

#include "gui/prompts.h"

namespace zelmora {

// Qt's own file dialog, so that it speaks Japanese with the program and
// treats typed names alike on every desktop. Opening takes a typed name that
// exists as it is; only a name without an extension that does not exist
// gets the default one. Saving adds the default extension to a name typed
// without one, offers the choice's suggested name and asks before
// overwriting. Every dialog starts in the folder of the file last chosen.
class FileDialog : public QFileDialog {
 public:
  FileDialog(QWidget* parent, const FileChoice& choice, AcceptMode mode);

  // The folder of the file chosen last, kept in the user's settings; empty
  // before the first choice.
  static QString LastFolder();
  static void RememberFolder(const QString& chosen_file);

 protected:
  void accept() override;

 private:
  QString open_suffix_;  // the default extension of an open dialog
};

}  // namespace zelmora
