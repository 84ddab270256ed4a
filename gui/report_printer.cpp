#include "gui/report_printer.h"

#include <QFontMetricsF>
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
