#include "gui/report_printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "files/reports.h"
#include "gui/cp932_qstring.h"
#include "gui/prompts.h"

namespace zelmora {
namespace {

constexpr double kPointSize = 10;
// Many printers cannot print nearer the paper's edge than this.
constexpr double kLeastMarginMm = 15;

// At least kLeastMarginMm on every side, or the printer's own larger margin.
void KeepMargins(QPrinter& printer) {
  QPageLayout layout = printer.pageLayout();
  layout.setUnits(QPageLayout::Millimeter);
  const QMarginsF least = layout.minimumMargins();
  const QMarginsF margins = layout.margins();
  const auto side = [](double own, double printer_least) {
    return std::max({own, kLeastMarginMm, printer_least});
  };
  printer.setPageMargins(
      QMarginsF(side(margins.left(), least.left()), side(margins.top(), least.top()),
                side(margins.right(), least.right()), side(margins.bottom(), least.bottom())),
      QPageLayout::Millimeter);
}

}  // namespace

QFont ReportFont() {
  QFont font;
  font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("MS Gothic"),
                    QStringLiteral("Noto Sans Mono CJK JP")});
  font.setStyleHint(QFont::Monospace);
  font.setPointSizeF(kPointSize);
  return font;
}

void RenderTextReport(QPrinter& printer, const QString& report) {
  KeepMargins(printer);
  QStringList lines = report.split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.constLast().isEmpty()) lines.removeLast();
  QFont font = ReportFont();
  double widest = 0;
  for (const QString& line : lines) {
    widest = std::max(widest, QFontMetricsF(font, &printer).horizontalAdvance(line));
  }
  if (widest > printer.width()) font.setPointSizeF(kPointSize * printer.width() / widest);

  QPainter painter(&printer);
  painter.setFont(font);
  const QFontMetricsF metrics(font, &printer);
  double baseline = metrics.ascent();
  for (const QString& line : lines) {
    if (baseline + metrics.descent() > printer.height()) {
      printer.newPage();
      baseline = metrics.ascent();
    }
    painter.drawText(QPointF(0, baseline), line);
    baseline += metrics.lineSpacing();
  }
}

int PrintTextReport(Prompts& prompts, QWidget* parent, const Encounter& encounter) {
  const QString report = QStringFromCp932(TextReport(encounter));
  QPrintPreviewDialog preview(parent);
  preview.setWindowTitle(QStringLiteral("印刷プレビュー"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&report](QPrinter* printer) { RenderTextReport(*printer, report); });
  return prompts.Run(preview);
}

}  // namespace zelmora
