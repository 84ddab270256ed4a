#include <gtest/gtest.h>

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "files/reports.h"
#include "gui/cp932_qstring.h"
#include "gui/help_window.h"
#include "gui/report_printer.h"
#include "gui/term_tooltips.h"
#include "tests/support/scripted_prompts.h"

namespace zelmora {
namespace {

// Every abbreviation the grid and the detail dialog show is explained in
// the help and carries a tooltip; what is no term carries none.
TEST(HelpTest, PagesAndTooltipsExplainEveryAbbreviation) {
  HelpWindow help;
  QString pages;
  for (const char* page : {"index.html", "terms.html", "rules.html"}) {
    help.browser().setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    EXPECT_FALSE(help.browser().toPlainText().isEmpty()) << page;
    pages += help.browser().toPlainText();
  }
  for (const char* term :
       {"成功率", "高度な技", "ファンブル", "クリット", "ＰＨ", "ＣＲＰＨ", "期待DMG"}) {
    EXPECT_FALSE(TermTooltip(QString::fromUtf8(term)).isEmpty()) << term;
  }
  for (const char* term : {"成功率", "高度", "A", "-0", "PH", "CRPH", "期待DMG"}) {
    EXPECT_TRUE(pages.contains(QString::fromUtf8(term))) << term;
  }
  for (const char* text : {"A", "-0", "-10", "-50"})
    EXPECT_FALSE(TechniqueTooltip(text).isEmpty()) << text;
  for (const char* text : {"", "-5", "-60", "-100", "x"})
    EXPECT_TRUE(TechniqueTooltip(text).isEmpty()) << text;
  EXPECT_TRUE(TermTooltip(QStringLiteral("名称")).isEmpty());
}

int PdfPages(const QString& text) {
  QTemporaryDir folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath(QStringLiteral("report.pdf")));
  RenderTextReport(printer, text);
  QFile pdf(printer.outputFileName());
  if (!pdf.open(QIODevice::ReadOnly)) return -1;
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.contains("IPAGothic"));
  return static_cast<int>(bytes.count("/Type /Page\n"));
}

// The report fits one page however wide its names make it; a longer text
// goes on over more pages.
TEST(PrintTest, ReportPagesAndThePreviewRunsThroughThePrompts) {
  Encounter encounter;
  encounter.attacker(1).name = std::string(200, 'x');
  encounter.Recalculate();
  EXPECT_EQ(PdfPages(QStringFromCp932(TextReport(encounter))), 1);
  EXPECT_GT(PdfPages(QStringLiteral("a\r\n").repeated(300)), 2);

  testing::ScriptedPrompts prompts;
  prompts.QueueDialog([](QDialog& dialog) {
    EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(&dialog), nullptr);
    return int(QDialog::Rejected);
  });
  EXPECT_EQ(PrintTextReport(prompts, nullptr, encounter), QDialog::Rejected);
  EXPECT_TRUE(prompts.Exhausted());
}

}  // namespace
}  // namespace zelmora
