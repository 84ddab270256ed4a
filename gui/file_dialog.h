#pragma once

#include <QFileDialog>

#include "gui/prompts.h"

namespace zelmora {

// Qt's own file dialog, so that it speaks Japanese with the program and
// treats typed names alike on every desktop. Opening takes a typed name that
// exists as it is; only a name without an extension that does not exist
// gets the default one. Saving adds the default extension to a name typed
// without one and asks before overwriting.
class FileDialog : public QFileDialog {
 public:
  FileDialog(QWidget* parent, const FileChoice& choice, AcceptMode mode);

 protected:
  void accept() override;

 private:
  QString open_suffix_;  // the default extension of an open dialog
};

}  // namespace zelmora
