#pragma once

#include <QDialog>
#include <QString>

#include "gui/prompts.h"

namespace zelmora {

// Asks nothing: the benchmarks open no dialog.
class SilentPrompts : public Prompts {
 public:
  QString OpenFileName(QWidget*, const FileChoice&) override { return {}; }
  QString SaveFileName(QWidget*, const FileChoice&) override { return {}; }
  void ShowError(QWidget*, const QString&) override {}
  int Run(QDialog&) override { return QDialog::Rejected; }
};

}  // namespace zelmora
