#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "engine/text.h"
#include "files/reports.h"
#include "files/results_text.h"
#include "gui/cp932_qstring.h"
#include "gui/deferred_icon_style.h"
#include "gui/file_dialog.h"
#include "gui/help_window.h"
#include "gui/numeric_text.h"
#include "gui/report_printer.h"
#include "gui/results_clipboard.h"
#include "gui/term_tooltips.h"
#include "gui/user_settings.h"
#include "tests/support/sample_table.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/test_text.h"

namespace zelmora {
namespace {

TEST(FileDialogTest, StartsInTheLastFolderAndOffersTheSuggestedName) {
  QTemporaryDir folder;
  FileDialog::RememberFolder(folder.filePath(QStringLiteral("old.qvr")));
  for (const auto& [roster, attacker, offered] :
       {std::tuple{"/x/party.v2.qvr", std::string("a"), "party.v2"},
        {"", testing::Cp932("魔術師/リナ?"), "魔術師_リナ_"}}) {
    const QString name = SuggestedName(QString::fromUtf8(roster), attacker);
    EXPECT_EQ(name, QString::fromUtf8(offered));
    FileDialog dialog(nullptr, RosterFileChoice().Suggesting(name), QFileDialog::AcceptSave);
    EXPECT_EQ(QDir(dialog.directory()), QDir(folder.path()));
    EXPECT_EQ(dialog.selectedFiles().value(0), folder.filePath(name + ".qvr"));
  }
}

// Every setting is in the program's one settings file; a last folder an
// earlier version kept in Qt's place for programs without an organisation
// is taken over once and its file removed.
TEST(FileDialogTest, LastFolderIsKeptWithTheOtherSettingsAndTakenOverOnce) {
  QTemporaryDir folder;
  UserSettings().remove(QStringLiteral("lastFolder"));
  QString earlier_file;
  {
    QSettings earlier(QSettings::defaultFormat(), QSettings::UserScope,
                      QStringLiteral("Unknown Organization"), QStringLiteral("zelmora-window"));
    earlier.setValue(QStringLiteral("lastFolder"), folder.path());
    earlier_file = earlier.fileName();
  }
  ASSERT_TRUE(QFileInfo(earlier_file).isFile());
  EXPECT_EQ(FileDialog::LastFolder(), folder.path());
  EXPECT_FALSE(QFileInfo(earlier_file).exists());
  EXPECT_FALSE(QFileInfo(QFileInfo(earlier_file).path()).exists());
  EXPECT_EQ(UserSettings().value(QStringLiteral("lastFolder")).toString(), folder.path());

  const QString other = folder.filePath(QStringLiteral("山田"));
  ASSERT_TRUE(QDir().mkpath(other));
  FileDialog::RememberFolder(other + QStringLiteral("/名簿.qvr"));
  EXPECT_EQ(FileDialog::LastFolder(), other);
  EXPECT_EQ(UserSettings().value(QStringLiteral("lastFolder")).toString(), other);
  EXPECT_FALSE(QFileInfo(earlier_file).exists());
}

// The menu bar's extension icon, decoded when first drawn, is the style's
// own at every scale.
TEST(DeferredIconStyleTest, ExtensionIconIsTheStylesOwn) {
  DeferredIconStyle style;
  const auto extension = QStyle::SP_ToolBarHorizontalExtensionButton;
  const QIcon deferred = style.standardIcon(extension, nullptr, nullptr);
  const QIcon own = style.baseStyle()->standardIcon(extension);
  EXPECT_FALSE(deferred.isNull());
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    const QPixmap pixmap = deferred.pixmap(QSize(16, 16), ratio);
    EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
    EXPECT_EQ(pixmap.toImage(), own.pixmap(QSize(16, 16), ratio).toImage()) << ratio;
  }
}

// The comma and minus keys of a Japanese input method read as ASCII.
TEST(HelpTest, PagesAndTooltipsExplainEveryAbbreviationAndInputReadsAsTyped) {
  using E = std::array<std::int32_t, 3>;
  EXPECT_EQ(ParseEvasionText(NumericText(QStringLiteral("３０、２５、１０"))), (E{30, 25, 10}));
  EXPECT_EQ(ParseEvasionText(NumericText(QStringLiteral("ー５，－５､−５"))), (E{-5, -5, -5}));
  EXPECT_EQ(ParseEvasionText(NumericText(QStringLiteral("‐5,ｰ5,＋5"))), (E{-5, -5, 5}));
  QWidget window;
  QWidget other_child(&window);  // F1 must find the help window, not this
  HelpWindow& help = HelpWindow::ShowFor(window);
  EXPECT_EQ(&HelpWindow::ShowFor(window), &help);  // F1 again opens no second one
  QString pages;
  for (const char* page : {"index.html", "terms.html", "rules.html"}) {
    help.browser().setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    pages += help.browser().toPlainText();
  }
  for (const char* term : {"成功率", "高度", "A", "-0", "PH", "CRPH", "期待DMG", "数値のきまり"}) {
    EXPECT_TRUE(pages.contains(QString::fromUtf8(term))) << term;
  }
  for (const char* term : {"成功率", "高度な技", "ファンブル", "クリット", "ＰＨ", "ＣＲＰＨ"}) {
    EXPECT_NE(TermTooltip(QString::fromUtf8(term)), "") << term;
  }
  for (const char* text : {"A", "-0", "-10", "-50"}) EXPECT_NE(TechniqueTooltip(text), "") << text;
  for (const char* text : {"", "-5", "-60", "x"}) EXPECT_EQ(TechniqueTooltip(text), "") << text;

  // Escape closes it from the page, where the focus is; F1 brings it back.
  help.browser().setFocus();
  QTest::keyClick(&help.browser(), Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());
  EXPECT_EQ(&HelpWindow::ShowFor(window), &help);
  EXPECT_TRUE(help.isVisible());
}

TEST(ResultsTextTest, OneRowPerAttackerThreeColumnsPerDefender) {
  Encounter e;
  testing::FillSampleTable(e);
  e.attacker(2).name = "a\tb\nc";
  e.defender(4).name = "d\re";
  e.Recalculate();
  const QStringList rows = ResultsClipboardText(e).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), 6);
  for (const QString& row : rows) ASSERT_EQ(row.split(u'\t').size(), 16);
  EXPECT_EQ(rows[0].split(u'\t')[10], "d e");
  EXPECT_EQ(rows[2].split(u'\t')[0], "a b c");
  for (int r = 1; r <= 5; ++r) {
    for (int c = 1; c <= 5; ++c) {
      const MatchupResult& result = e.result(r, c);
      EXPECT_EQ(rows[r].split(u'\t').mid(3 * c - 2, 3).join(u'\t'), PairingClipboardText(e, r, c));
      EXPECT_EQ(PairingTabText(e, r, c), FormatGeneral(result.attack_chance) + '\t' +
                                             result.technique + '\t' +
                                             FormatGeneral(result.expected_damage));
    }
  }
}

int PdfPages(const QString& text) {
  QTemporaryDir folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFileName(folder.filePath(QStringLiteral("report.pdf")));
  RenderTextReport(printer, text);
  QFile pdf(printer.outputFileName());
  const QByteArray bytes = pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
  // The font the report asks for where one is installed, embedded by its
  // name without spaces.
  const QString family = QFontInfo(ReportFont()).family();
  EXPECT_TRUE(bytes.contains(family.toLatin1().replace(" ", ""))) << family.toStdString();
  return static_cast<int>(bytes.count("/Type /Page\n"));
}

// The text keeps 15 mm from every edge of the paper, or a larger margin
// already set.
TEST(PrintTest, PrintedTextKeepsAMarginOfAtLeastFifteenMillimetres) {
  QTemporaryDir folder;
  const struct {
    QMarginsF set, kept;
  } cases[] = {
      {{0, 0, 0, 0}, {15, 15, 15, 15}},
      {{3.4, 20, 0, 30}, {15, 20, 15, 30}},
  };
  for (const auto& c : cases) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(folder.filePath(QStringLiteral("margins.pdf")));
    printer.setPageMargins(c.set, QPageLayout::Millimeter);
    RenderTextReport(printer, QStringLiteral("ZELMORA\r\n"));
    const QMarginsF kept = printer.pageLayout().margins(QPageLayout::Millimeter);
    EXPECT_NEAR(kept.left(), c.kept.left(), 0.01);
    EXPECT_NEAR(kept.top(), c.kept.top(), 0.01);
    EXPECT_NEAR(kept.right(), c.kept.right(), 0.01);
    EXPECT_NEAR(kept.bottom(), c.kept.bottom(), 0.01);
  }
}

TEST(PrintTest, ReportPagesAndThePreviewRunsThroughThePrompts) {
  Encounter encounter;
  encounter.attacker(1).name = std::string(200, 'x');
  EXPECT_EQ(PdfPages(QStringFromCp932(TextReport(encounter))), 1);
  EXPECT_GT(PdfPages(QStringLiteral("a\r\n").repeated(300)), 2);
  testing::ScriptedPrompts prompts;
  prompts.QueueDialog([](QDialog& d) { return qobject_cast<QPrintPreviewDialog*>(&d) ? 7 : 0; });
  EXPECT_EQ(PrintTextReport(prompts, nullptr, encounter), 7);
}

}  // namespace
}  // namespace zelmora
