#pragma once

#include <QFont>
#include <QString>

#include "engine/encounter.h"

class QPrinter;
class QWidget;

namespace zelmora {

class Prompts;

// The Japanese monospace font the report is printed in at 10 points: IPAGothic
// on Linux, MS Gothic on Windows, whichever is installed.
QFont ReportFont();

// Lays the text report out on the printer's pages in ReportFont(), shrunk so that its widest line
// fits the page width, so that the report's columns line up as they do in a text editor.
void RenderTextReport(QPrinter& printer, const QString& report);

// 印刷: the text report of the encounter in a print preview, run through
// `prompts`; its print button opens Qt's print dialog (a printer or a PDF
// file). Returns the preview's QDialog::DialogCode.
int PrintTextReport(Prompts& prompts, QWidget* parent, const Encounter& encounter);

}  // namespace zelmora
