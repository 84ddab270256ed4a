#include "window/calc_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <clocale>
#include <ostream>
#include <string>
#include <vector>

#include "engine/text.h"
#include "files/cp932.h"
#include "gui/dialog_buttons.h"
#include "gui/field_notice.h"
#include "gui/name_field.h"
#include "gui/term_tooltips.h"
#include "tests/support/comma_locale.h"
#include "tests/support/grid_texts.h"
#include "tests/support/sample_table.h"
#include "tests/support/window_table.h"

namespace zelmora {
namespace {

using namespace testing;  // the GUI test helpers
using Command = CalcWindow::Command;

class CalcWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { window.show(); }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  testing::ScriptedPrompts prompts;
  CalcWindow window{prompts};
};

TEST_F(CalcWindowTest, FirstPictureShowsDefaultTextsAndTheirResults) {
  EXPECT_EQ(window.windowTitle(), "ZELMORA 確率計算プログラム[*]");
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  // Decoded once the first picture is painted.
  EXPECT_TRUE(QTest::qWaitFor([this] { return !window.windowIcon().pixmap(32).isNull(); }));
  QStringList defaults;
  for (int slot = 1; slot <= 5; ++slot)
    defaults << ""
             << "0"
             << "0"
             << "0";
  for (int slot = 1; slot <= 5; ++slot)
    defaults << ""
             << "0,0,0"
             << "0,0";
  EXPECT_EQ(GridInputTexts(window), defaults);
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(RowTexts(window, row), ExpectedRowTexts(Encounter{}, row)) << "row " << row;
  }
  // No evasion value: the attacker's own chance, no technique.
  EXPECT_EQ(window.grid().pairing(3, 4).technique().text(), "-0");
}

// Qt sets the process locale from the environment; a decimal comma must
// still never reach a cell.
TEST_F(CalcWindowTest, WorkedPairingTypedIntoTheGridShowsItsResultsUnderACommaLocale) {
  const testing::CommaLocale comma;
  if (!comma.InForce()) GTEST_SKIP() << "the C library knows no locale with a decimal comma";
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Retype(&window.grid().attacker(1).judgment(), "50");
  Retype(&window.grid().attacker(1).dice(), "2");
  Retype(&window.grid().attacker(1).bonus(), "3");
  Retype(&window.grid().defender(1).evasion(), "30");
  Retype(&window.grid().defender(1).defence(), "5");
  EXPECT_EQ(window.grid().attacker(1).success().text(), "75");
  EXPECT_EQ(window.grid().attacker(1).expectation().text(), "11.4");
  EXPECT_EQ(window.grid().pairing(1, 1).chance().text(), "42.32");
  EXPECT_EQ(window.grid().pairing(1, 1).technique().text(), "-10");
  EXPECT_EQ(window.grid().pairing(1, 1).damage().text(), "3.25632");
  QLocale::setDefault(QLocale::c());
}

TEST_F(CalcWindowTest, TypingFourThenFiveRecalculatesOnlyRowTwoEachTime) {
  // Every row but the typed one keeps its results as they were shown.
  testing::ChangeTable(window, [](Encounter& e) {
    for (int row : {1, 3, 4, 5}) e.attacker(row).judgment_value = 90;
    e.defender(1).melee_evasion = 25;
  });
  const QStringList before = testing::GridOutputTexts(window);

  QLineEdit* judgment = &window.grid().attacker(2).judgment().LineEdit();
  Clear(judgment);
  Type(judgment, "4");
  EXPECT_EQ(window.encounter().attacker(2).judgment_value, 4);
  EXPECT_EQ(RowTexts(window, 2), ExpectedRowTexts(window.encounter(), 2));
  const QStringList after_four = RowTexts(window, 2);

  Type(judgment, "5");
  EXPECT_EQ(window.encounter().attacker(2).judgment_value, 45);
  EXPECT_EQ(RowTexts(window, 2), ExpectedRowTexts(window.encounter(), 2));
  EXPECT_NE(RowTexts(window, 2), after_four);
  EXPECT_EQ(judgment->text(), "45");

  for (int row : {1, 3, 4, 5}) {
    EXPECT_EQ(RowTexts(window, row), before.mid(qsizetype{row - 1} * 17, 17)) << "row " << row;
  }
}

TEST_F(CalcWindowTest, EmptiedDiceCountStoresZeroAndStaysEmptyUntilRefresh) {
  QLineEdit* dice = &window.grid().attacker(3).dice().LineEdit();
  Retype(dice, "3");
  EXPECT_EQ(window.encounter().attacker(3).dice_count, 3);
  const QString with_three = window.grid().attacker(3).expectation().text();

  Clear(dice);
  EXPECT_EQ(window.encounter().attacker(3).dice_count, 0);
  EXPECT_EQ(dice->text(), "");
  EXPECT_NE(window.grid().attacker(3).expectation().text(), with_three);
  EXPECT_EQ(RowTexts(window, 3), ExpectedRowTexts(window.encounter(), 3));

  window.RecalculateAll();
  EXPECT_EQ(dice->text(), "0");
}

TEST_F(CalcWindowTest, MinusSignAloneStoresZeroThenTheDigitStoresMinusFive) {
  QLineEdit* bonus = &window.grid().attacker(1).bonus().LineEdit();
  Retype(bonus, "7");
  Clear(bonus);
  Type(bonus, "-");
  EXPECT_EQ(window.encounter().attacker(1).damage_bonus, 0);
  EXPECT_EQ(RowTexts(window, 1), ExpectedRowTexts(window.encounter(), 1));
  Type(bonus, "5");
  EXPECT_EQ(window.encounter().attacker(1).damage_bonus, -5);
  EXPECT_EQ(RowTexts(window, 1), ExpectedRowTexts(window.encounter(), 1));
  EXPECT_EQ(bonus->text(), "-5");
}

struct EvasionCase {
  const char* text;
  std::array<int, 3> values;
};

TEST_F(CalcWindowTest, EvasionTextsReachTheRecordAsTyped) {
  const EvasionCase cases[] = {
      {"10", {10, 0, 0}},   {"10,", {10, 0, 0}},     {",5", {0, 5, 0}},
      {"5,,7", {5, 0, 7}},  {"1,2,3,4", {1, 2, 3}},  {" 7, 8 ,9", {7, 8, 9}},
      {"１２", {12, 0, 0}}, {"10，20", {10, 20, 0}}, {"　30", {0, 0, 0}},
  };
  testing::ChangeTable(window, [](Encounter& e) { e.attacker(4).judgment_value = 60; });
  QLineEdit* evasion = &window.grid().defender(2).evasion().LineEdit();
  for (const EvasionCase& c : cases) {
    // Every part is rewritten.
    testing::ChangeTable(window, [](Encounter& e) { e.defender(2).melee_evasion = 99; });
    Retype(evasion, QString::fromUtf8(c.text));
    const Defender& d = window.encounter().defender(2);
    EXPECT_EQ((std::array<int, 3>{d.melee_evasion, d.ranged_evasion, d.magic_evasion}), c.values)
        << c.text;
    EXPECT_EQ(evasion->text(), QString::fromUtf8(c.text));
    Encounter expected;
    expected.attacker(4).judgment_value = 60;
    expected.defender(2) = d;
    expected.Recalculate();
    EXPECT_EQ(window.grid().pairing(4, 2).chance().text(),
              QString::fromStdString(FormatGeneral(expected.result(4, 2).attack_chance)))
        << c.text;
  }
}

TEST_F(CalcWindowTest, DefenceTextsReadTwoValuesAndRecalculateTheColumn) {
  Attacker attacker = window.encounter().attacker(1);
  attacker.judgment_value = 50;
  attacker.dice_count = 2;
  attacker.damage_bonus = 3;
  window.document().SetAttacker(1, attacker);
  QLineEdit* defence = &window.grid().defender(5).defence().LineEdit();

  Retype(defence, "7");
  EXPECT_EQ(window.encounter().defender(5).physical_defence, 7);
  EXPECT_EQ(window.encounter().defender(5).magic_defence, 0);
  const QString damage_at_seven = window.grid().pairing(1, 5).damage().text();

  Retype(defence, "7,8,9");
  EXPECT_EQ(window.encounter().defender(5).physical_defence, 7);
  EXPECT_EQ(window.encounter().defender(5).magic_defence, 8);
  EXPECT_EQ(window.grid().pairing(1, 5).damage().text(), damage_at_seven);  // a physical attack

  Retype(defence, "1");
  EXPECT_NE(window.grid().pairing(1, 5).damage().text(), damage_at_seven);
  EXPECT_EQ(RowTexts(window, 1), ExpectedRowTexts(window.encounter(), 1));
}

TEST_F(CalcWindowTest, JapaneseNamesAreStoredAsCodePageBytesAndNeverRecalculate) {
  testing::ChangeTable(window, [](Encounter& e) {
    e.attacker(1).judgment_value = 70;
    e.defender(1).melee_evasion = 40;
  });
  const QStringList before = testing::GridOutputTexts(window);

  Type(&window.grid().attacker(1).name(), "鬼");
  Type(&window.grid().defender(1).name(), "ゴブリン");

  EXPECT_EQ(window.encounter().attacker(1).name, "\x8b\x53");
  EXPECT_EQ(window.encounter().defender(1).name, "\x83\x53\x83\x75\x83\x8a\x83\x93");
  EXPECT_EQ(testing::GridOutputTexts(window), before);
}

TEST_F(CalcWindowTest, CharacterTheCodePageCannotHoldIsRefusedWithAReason) {
  QLineEdit* name = &window.grid().defender(3).name().LineEdit();
  Type(name, "竜");
  Type(name, "ñ");
  EXPECT_EQ(name->text(), "竜");
  EXPECT_EQ(name->cursorPosition(), 1);
  EXPECT_EQ(window.encounter().defender(3).name, "\x97\xb3");
  ASSERT_NE(FieldNotice::Of(window), nullptr);
  EXPECT_EQ(FieldNotice::Of(window)->text(), RefusedCharacterMessage(QStringLiteral("ñ")));

  // Look-alikes that input methods produce are stored as the code page's.
  Type(name, "〜");
  EXPECT_EQ(name->text(), "竜〜");
  EXPECT_EQ(window.encounter().defender(3).name, "\x97\xb3\x81\x60");
  EXPECT_FALSE(FieldNotice::Of(window)->isVisible());
}

TEST_F(CalcWindowTest, UndecodableNameBytesStayUntilThatNameIsEdited) {
  testing::ChangeTable(window, [](Encounter& e) {
    e.attacker(2).name = "\x82";  // a lead byte with no trail
    e.attacker(3).name = "\x82";
  });
  Retype(&window.grid().attacker(2).judgment(), "30");
  window.RecalculateAll();
  EXPECT_EQ(window.encounter().attacker(2).name, "\x82");

  Retype(&window.grid().attacker(3).name(), "B");
  EXPECT_EQ(window.encounter().attacker(3).name, "B");
  EXPECT_EQ(window.encounter().attacker(2).name, "\x82");
}

TEST_F(CalcWindowTest, RecalculateCanonicalisesEveryInputAndKeepsNames) {
  testing::ChangeTable(window, [](Encounter& e) { e.attacker(5).dice_count = 4; });
  Retype(&window.grid().attacker(4).judgment(), "12abc");
  Retype(&window.grid().attacker(4).dice(), "+2");
  Retype(&window.grid().defender(2).evasion(), "10,");
  Retype(&window.grid().defender(2).defence(), "5,6,7");
  Type(&window.grid().attacker(4).name(), "鬼 a,b");

  QTest::mouseClick(&window.grid().recalculate_button(), Qt::LeftButton);

  EXPECT_EQ(window.grid().attacker(4).judgment().text(), "12");
  EXPECT_EQ(window.grid().attacker(4).dice().text(), "2");
  EXPECT_EQ(window.grid().defender(2).evasion().text(), "10,0,0");
  EXPECT_EQ(window.grid().defender(2).defence().text(), "5,6");
  EXPECT_EQ(window.grid().attacker(4).name().text(), "鬼 a,b");
  EXPECT_EQ(window.grid().attacker(5).dice().text(), "4");
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(RowTexts(window, row), ExpectedRowTexts(window.encounter(), row));
  }
}

TEST_F(CalcWindowTest, EnterInAnyCellAndTheMenuBarRunRecalculateAndKeepTheWindowOpen) {
  QLineEdit* judgment = &window.grid().attacker(1).judgment().LineEdit();
  Retype(judgment, "12abc");
  QTest::keyClick(judgment, Qt::Key_Return);
  EXPECT_EQ(judgment->text(), "12");
  EXPECT_TRUE(window.isVisible());

  testing::ChangeTable(window, [](Encounter& e) { e.defender(4).magic_evasion = 8; });
  QTest::keyClick(&window.grid().defender(1).name().LineEdit(), Qt::Key_Enter);
  EXPECT_EQ(window.grid().defender(4).evasion().text(), "0,0,8");

  Retype(&window.grid().attacker(5).bonus(), "3x");
  window.action(Command::kRecalculate).trigger();
  EXPECT_EQ(window.grid().attacker(5).bonus().text(), "3");
  EXPECT_TRUE(window.isVisible());
}

TEST_F(CalcWindowTest, EscapeAndExitCloseAtOnceWithoutAQuestion) {
  Retype(&window.grid().attacker(1).judgment(), "40");
  QTest::keyClick(&window.grid().attacker(1).judgment().LineEdit(), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());

  CalcWindow second(prompts);
  second.show();
  QTest::keyClicks(&second.grid().attacker(1).judgment().LineEdit(), "7");
  second.action(Command::kExit).trigger();
  EXPECT_FALSE(second.isVisible());

  // A note open under a refused name takes the Escape, and only the next one
  // closes the window.
  CalcWindow third(prompts);
  ShowActive(third);
  third.grid().attacker(1).name().setFocus();
  Type(&third.grid().attacker(1).name(), "ñ");
  ASSERT_TRUE(FieldNotice::Of(third)->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(FieldNotice::Of(third)->isVisible());
  EXPECT_TRUE(third.isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(third.isVisible());
}

TEST_F(CalcWindowTest, MenuBarHasItsMenusInOrderWithRecalculateOnTheBar) {
  auto* bar = window.findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QStringList top;
  for (QAction* action : bar->actions()) {
    top << action->text();
    if (action->menu()) {
      for (QAction* item : action->menu()->actions()) {
        top << "  " + (item->isSeparator() ? "-" : item->text());
      }
    }
  }
  EXPECT_EQ(
      top.join("|"),
      "ファイル(&F)|  新規(&N)|  全てセーブ(&S)|  名前を付けて保存(&A)...|  全てロード(&O)|  -|  "
      "TXT出力(&T)|  HTML出力(&H)|  印刷(&P)...|  -|  前回の内容を復元(&R)|  "
      "最近使ったファイル(&F)|  -|  終了(&X)|編集(&E)|  元に戻す(&U)|  やり直し(&R)|  -|  "
      "結果をコピー(&C)|再計算(&C)|表示(&V)|  最適な標的を強調(&B)|  ヒートマップ(&H)|ヘルプ(&H)|  "
      "ヘルプ(&H)|  バージョン情報...(&A)");
  EXPECT_EQ(window.action(Command::kRecalculate).text(), "再計算(&C)");
}

TEST_F(CalcWindowTest, AboutBoxShowsItsTextsAndLeavesTheGridAsItWas) {
  Retype(&window.grid().attacker(2).judgment(), "33a");
  const QStringList before = testing::GridOutputTexts(window);
  prompts.QueueDialog([](QDialog& about) {
    EXPECT_EQ(about.windowTitle(), "ﾊﾞｰｼﾞｮﾝ情報");
    QStringList labels;
    for (auto* label : about.findChildren<QLabel*>()) labels << label->text();
    EXPECT_EQ(labels, QStringList{"ZELMORA確率計算プログラム  ver1.0"});
    testing::Click(about.findChild<DialogButtons*>()->ok());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    return about.result();
  });
  window.action(Command::kAbout).trigger();
  EXPECT_EQ(window.grid().attacker(2).judgment().text(), "33a");
  EXPECT_EQ(testing::GridOutputTexts(window), before);
}

// The controls Tab reaches from "再計算", in order, and Shift+Tab in the
// reverse order: the 25 pairings are one stop, between the inputs and the
// editor buttons. An input cell's line edit is made as the focus arrives
// and takes the cell's place.
TEST_F(CalcWindowTest, TabOrderRunsThroughInputsThenResultsThenEditorButtonsThenBonus) {
  ShowActive(window);
  CalcGrid& grid = window.grid();
  EXPECT_EQ(window.focusWidget(), &grid.recalculate_button());
  const auto walk = [](Qt::Key key) {
    std::vector<QWidget*> order = {QApplication::focusWidget()};
    for (int stop = 0; stop < 60; ++stop) {
      QTest::keyClick(QApplication::focusWidget(), key);
      if (QApplication::focusWidget() == order.front()) break;
      order.push_back(QApplication::focusWidget());
    }
    return order;
  };
  const std::vector<QWidget*> forward = walk(Qt::Key_Tab);
  std::vector<QWidget*> backward = walk(Qt::Key_Backtab);

  std::vector<QWidget*> expected = {&grid.recalculate_button()};
  for (QLineEdit* input : GridInputs(window)) expected.push_back(input);
  expected.push_back(&grid.results());
  for (int slot = 1; slot <= 5; ++slot) expected.push_back(&grid.attacker(slot).editor_button());
  for (int slot = 1; slot <= 5; ++slot) expected.push_back(&grid.defender(slot).editor_button());
  expected.push_back(&grid.modifiers_button());
  EXPECT_EQ(forward, expected);
  std::reverse(backward.begin() + 1, backward.end());
  EXPECT_EQ(backward, expected);
}

// The grid starts without a line edit; a cell looks the same before and
// after its line edit takes it over, also with a character the window's
// own font lacks (U+2211).
TEST_F(CalcWindowTest, InputCellsArePaintedUntilUsedAndLookTheSameAsLineEdits) {
  EXPECT_TRUE(window.grid().findChildren<QLineEdit*>().isEmpty());
  testing::ChangeTable(window, [](Encounter& e) {
    testing::FillSampleTable(e);
    e.attacker(2).name = *Cp932FromUtf8("剣士アルド");
    e.attacker(3).name = *Cp932FromUtf8("∑の使い手");
  });
  const auto picture = [](QWidget& cell) {
    return cell.grab().toImage().convertToFormat(QImage::Format_RGB32);
  };
  for (GridInput* cell : GridCells(window)) {
    const QImage painted = picture(*cell);
    cell->LineEdit();
    EXPECT_EQ(picture(*cell), painted) << cell->text().toStdString();
  }
}

// A click goes on in the new line edit, its cursor where the click was;
// Tab into a cell selects its text, so that typing replaces it.
TEST_F(CalcWindowTest, ClickOrTabIntoAPaintedCellWorksAsInALineEdit) {
  ShowActive(window);
  GridInput& dice = window.grid().attacker(3).dice();
  dice.ShowText(QStringLiteral("12"));
  QTest::mouseClick(&dice, Qt::LeftButton, {}, QPoint(dice.width() - 4, dice.height() / 2));
  ASSERT_EQ(QApplication::focusWidget(), &dice.LineEdit());
  EXPECT_EQ(dice.LineEdit().cursorPosition(), 2);

  window.grid().attacker(1).name().setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClicks(QApplication::focusWidget(), "42");
  EXPECT_EQ(window.grid().attacker(1).judgment().text(), "42");
  EXPECT_EQ(window.encounter().attacker(1).judgment_value, 42);
}

// Results are painted by their pairing or row, which shows the tooltip of
// the one under the pointer: the whole value, or what a technique means.
TEST_F(CalcWindowTest, ResultTooltipsGiveTheWholeValueOrTheTechnique) {
  testing::ChangeTable(window, testing::FillSampleTable);
  const auto tip = [](QWidget& owner, const ResultCell& cell) {
    const QPoint at = cell.geometry().center();
    QHelpEvent hover(QEvent::ToolTip, at, owner.mapToGlobal(at));
    QApplication::sendEvent(&owner, &hover);
    return QToolTip::text();
  };
  PairingCell& pairing = window.grid().pairing(2, 3);
  EXPECT_EQ(tip(pairing, pairing.damage()), pairing.damage().WholeText());
  EXPECT_EQ(tip(pairing, pairing.technique()), TechniqueTooltip(pairing.technique().text()));
  AttackerRow& row = window.grid().attacker(4);
  EXPECT_EQ(tip(row, row.expectation()), row.expectation().WholeText());
}

TEST_F(CalcWindowTest, ResultsAreAlignedByColumnAndButtonsSayWhatTheyOpen) {
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(window.grid().attacker(row).success().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(window.grid().attacker(row).editor_button().accessibleName(),
              QStringLiteral("攻撃側 %1 を編集").arg(row));
    EXPECT_EQ(window.grid().defender(row).editor_button().toolTip(),
              QStringLiteral("防御側 %1 を編集").arg(row));
    for (int column = 1; column <= 5; ++column) {
      PairingCell& pairing = window.grid().pairing(row, column);
      // Beyond column 1 the technique stands right, apart from the chance.
      EXPECT_EQ(pairing.technique().alignment(), column == 1 ? Qt::AlignHCenter : Qt::AlignRight);
      EXPECT_EQ(pairing.damage().alignment(), column == 1 ? Qt::AlignHCenter : Qt::AlignLeft);
      EXPECT_EQ(pairing.detail_button().text(), column == 1 ? "詳細" : "");
      EXPECT_EQ(pairing.detail_button().focusPolicy(), Qt::NoFocus);
    }
  }
  Type(&window.grid().attacker(1).name(), "剣士アルド");
  Type(&window.grid().defender(2).name(), "オーガ");
  EXPECT_EQ(window.grid().pairing(1, 2).detail_button().accessibleName(),
            "剣士アルド 対 オーガ の詳細");
  EXPECT_EQ(window.grid().pairing(2, 3).detail_button().toolTip(), "攻撃側 2 対 防御側 3 の詳細");
  EXPECT_TRUE(window.grid().recalculate_button().isDefault());

  // What assistive tools read of a painted pairing and a painted cell.
  const MatchupResult& result = window.encounter().result(1, 2);
  QAccessibleInterface* pairing =
      QAccessible::queryAccessibleInterface(&window.grid().pairing(1, 2));
  EXPECT_EQ(pairing->text(QAccessible::Name), "剣士アルド 対 オーガ");
  EXPECT_EQ(pairing->text(QAccessible::Description).toStdString(),
            "成功率 " + FormatGeneral(result.attack_chance) + "、高度 " + result.technique +
                "、期待DMG " + FormatGeneral(result.expected_damage));
  GridInput& evasion = window.grid().defender(4).evasion();
  QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(&evasion);
  EXPECT_EQ(cell->role(), QAccessible::EditableText);
  EXPECT_EQ(cell->text(QAccessible::Value), evasion.text());
}

// Arrows move the frame and stop at the edges; Enter and Space open the
// framed pairing's detail; its menu copies the three whole values.
TEST_F(CalcWindowTest, PairingsAreReachedAndOpenedFromTheKeyboard) {
  ShowActive(window);
  ResultsGrid& results = window.grid().results();
  results.setFocus(Qt::TabFocusReason);
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left,
                      Qt::Key_Left, Qt::Key_Down, Qt::Key_Down}) {
    QTest::keyClick(&results, key);
  }
  EXPECT_EQ(std::pair(results.current_row(), results.current_column()), std::pair(4, 1));
  EXPECT_TRUE(window.grid().pairing(4, 1).focus_frame());
  EXPECT_FALSE(window.grid().pairing(1, 1).focus_frame());
  std::vector<QString> opened;
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
    prompts.QueueDialog([&opened](QDialog& detail) {
      opened.push_back(detail.metaObject()->className());
      return int{QDialog::Accepted};
    });
    QTest::keyClick(&results, key);
  }
  EXPECT_EQ(opened,
            (std::vector<QString>{"zelmora::MatchupDetailDialog", "zelmora::MatchupDetailDialog"}));
  Retype(&window.grid().attacker(4).judgment(), "50");
  emit results.CopyRequested(4, 1);
  const Encounter& e = window.encounter();
  EXPECT_EQ(QApplication::clipboard()->text(),
            QString::fromStdString(FormatGeneral(e.result(4, 1).attack_chance) + '\t' +
                                   e.result(4, 1).technique + '\t' +
                                   FormatGeneral(e.result(4, 1).expected_damage)));
}

TEST_F(CalcWindowTest, WritingCellsNeverRunsAHandlerNorTouchesUnchangedText) {
  QLineEdit* judgment = &window.grid().attacker(1).judgment().LineEdit();
  Retype(judgment, "25");
  judgment->setCursorPosition(1);
  window.RecalculateAll();
  EXPECT_EQ(judgment->cursorPosition(), 1);  // same text: not rewritten
  EXPECT_EQ(judgment->text(), "25");
  Attacker changed = window.encounter().attacker(1);
  changed.judgment_value = 80;
  window.document().SetAttacker(1, changed);
  EXPECT_EQ(judgment->text(), "80");
  EXPECT_EQ(window.encounter().attacker(1).judgment_value, 80);
  // A refresh of the defenders only leaves attacker texts as typed.
  Retype(judgment, "9z");
  window.RefreshInputs(SlotSelection::None(), SlotSelection::All());
  EXPECT_EQ(judgment->text(), "9z");
}

// Each of the 35 input cells is named by its slot and what it holds; a
// named slot's cells by the name, before and after its line edit is made.
TEST_F(CalcWindowTest, EveryInputCellHasAnAccessibleNameOfItsSlotAndMeaning) {
  const auto name = [](QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
  };
  QStringList names;
  for (int slot = 1; slot <= 5; ++slot) {
    AttackerRow& row = window.grid().attacker(slot);
    for (GridInput* cell : {&row.name(), &row.judgment(), &row.dice(), &row.bonus()}) {
      names << name(*cell);
    }
  }
  for (int slot = 1; slot <= 5; ++slot) {
    DefenderColumn& column = window.grid().defender(slot);
    for (GridInput* cell : {&column.name(), &column.evasion(), &column.defence()}) {
      names << name(*cell);
    }
  }
  EXPECT_EQ(names.size(), 35);
  EXPECT_EQ(names.mid(0, 4), (QStringList{"攻撃側 1 名称", "攻撃側 1 命中率",
                                          "攻撃側 1 ダメージダイス", "攻撃側 1 ダメージ修正"}));
  EXPECT_EQ(names.mid(32, 3), (QStringList{"防御側 5 名称", "防御側 5 回避", "防御側 5 防御"}));
  EXPECT_EQ(names.removeDuplicates(), 0);

  Type(&window.grid().defender(2).name().LineEdit(), "ゴブリン");
  EXPECT_EQ(name(window.grid().defender(2).evasion()), "ゴブリン 回避");
  EXPECT_EQ(name(window.grid().defender(2).evasion().LineEdit()), "ゴブリン 回避");
  EXPECT_EQ(name(window.grid().defender(2).name().LineEdit()), "防御側 2 名称");
  window.document().Undo();
  EXPECT_EQ(name(window.grid().defender(2).defence()), "防御側 2 防御");
}

// Shift+F10 opens the focused control's context menu: the results' own
// (詳細, 値をコピー) and a field's editing menu; Escape then closes the menu
// and leaves the window open.
TEST_F(CalcWindowTest, ShiftF10OpensTheContextMenuOfTheResultsAndOfAField) {
  const auto menu_texts = [this](QWidget* focus) {
    ShowActive(window);
    focus->setFocus();
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* action : menu->actions()) texts << action->text();
      QTest::keyClick(menu, Qt::Key_Escape);
    });
    QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
    QApplication::processEvents();  // a field's menu is a popup of its own
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(window.isVisible());
    return texts;
  };
  EXPECT_EQ(menu_texts(&window.grid().results()), (QStringList{"詳細(&D)", "値をコピー(&C)"}));
  const QStringList field = menu_texts(&window.grid().attacker(1).judgment().LineEdit());
  EXPECT_GT(field.size(), 3) << field.join(u'|').toStdString();
}

// A name cut at the cell's edge is whole in the cell's tooltip, before and
// after its line edit is made; one that fits shows none.
TEST_F(CalcWindowTest, ACutNameIsWholeInTheCellsTooltip) {
  window.show();
  // Cut in whatever font and cell width the platform gives it.
  const QString whole = QStringLiteral("竜王ヴァルガード・ザ・エンシェントドラゴン").repeated(4);
  testing::ChangeTable(window, [&whole](Encounter& e) {
    e.defender(1).name = *Cp932FromUtf8(whole.toStdString());
    e.defender(2).name = "Orc";
  });
  const auto tip = [](QWidget& widget) {
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), widget.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&widget, &hover);
    return hover.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  GridInput& cut = window.grid().defender(1).name();
  EXPECT_TRUE(cut.TextIsCut());
  EXPECT_EQ(tip(cut), whole);
  EXPECT_EQ(tip(cut.LineEdit()), whole);
  GridInput& fits = window.grid().defender(2).name();
  EXPECT_FALSE(fits.TextIsCut());
  EXPECT_EQ(tip(fits), "");
}

}  // namespace
}  // namespace zelmora
