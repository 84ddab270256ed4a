#include "window/calc_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <clocale>
#include <ostream>
#include <string>
#include <vector>

#include "engine/text.h"
#include "gui/dialog_builder.h"
#include "gui/dialog_buttons.h"
#include "gui/field_notice.h"
#include "gui/name_field.h"
#include "resources/calc_window_ids.h"
#include "tests/support/grid_texts.h"

namespace zelmora {
namespace {

using grid::kAttackerRows;
using grid::kDefenderColumns;
using grid::kPairings;

using namespace testing;  // the GUI test helpers

QStringList RowTexts(const QWidget& window, int row) {
  return testing::TextsOf(window, testing::RowOutputIds(row));
}

class CalcWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { window.show(); }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  QLineEdit* Cell(int id) { return testing::Edit(window, id); }
  QString Text(int id) { return testing::Text(window, id); }

  testing::ScriptedPrompts prompts;
  CalcWindow window{prompts};
};

TEST_F(CalcWindowTest, FirstPictureShowsDefaultTextsAndTheirResults) {
  EXPECT_EQ(window.windowTitle(), "ZELMORA 確率計算プログラム");
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(window.windowIcon().pixmap(32).isNull());
  for (const auto& ids : kAttackerRows) {
    EXPECT_EQ(Text(ids.name), "");
    EXPECT_EQ(Text(ids.judgment), "0");
    EXPECT_EQ(Text(ids.dice), "0");
    EXPECT_EQ(Text(ids.bonus), "0");
  }
  for (const auto& ids : kDefenderColumns) {
    EXPECT_EQ(Text(ids.name), "");
    EXPECT_EQ(Text(ids.evasion), "0,0,0");
    EXPECT_EQ(Text(ids.defence), "0,0");
  }
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(RowTexts(window, row), ExpectedRowTexts(Encounter{}, row)) << "row " << row;
  }
  // No evasion value: the attacker's own chance, no technique.
  EXPECT_EQ(Text(kPairings[2][3].technique), "-0");
}

// Qt sets the process locale from the environment; a decimal comma must
// still never reach a cell.
TEST_F(CalcWindowTest, WorkedPairingTypedIntoTheGridShowsItsResultsUnderACommaLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Retype(Cell(kAttackerRows[0].judgment), "50");
  Retype(Cell(kAttackerRows[0].dice), "2");
  Retype(Cell(kAttackerRows[0].bonus), "3");
  Retype(Cell(kDefenderColumns[0].evasion), "30");
  Retype(Cell(kDefenderColumns[0].defence), "5");
  EXPECT_EQ(Text(kAttackerRows[0].success), "75");
  EXPECT_EQ(Text(kAttackerRows[0].expectation), "11.4");
  EXPECT_EQ(Text(kPairings[0][0].chance), "42.32");
  EXPECT_EQ(Text(kPairings[0][0].technique), "-10");
  EXPECT_EQ(Text(kPairings[0][0].damage), "3.25632");
  QLocale::setDefault(QLocale::c());
  std::setlocale(LC_ALL, saved.c_str());
}

TEST_F(CalcWindowTest, TypingFourThenFiveRecalculatesOnlyRowTwoEachTime) {
  // Records changed behind the grid's back: only a recalculation of their
  // row would show them, so rows 1 and 3 to 5 must keep their old results.
  const QStringList before = testing::GridOutputTexts(window);
  for (int row : {1, 3, 4, 5}) window.encounter().attacker(row).judgment_value = 90;
  window.encounter().defender(1).melee_evasion = 25;

  QLineEdit* judgment = Cell(kAttackerRows[1].judgment);
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
    EXPECT_EQ(RowTexts(window, row), before.mid((row - 1) * 17, 17)) << "row " << row;
  }
}

TEST_F(CalcWindowTest, EmptiedDiceCountStoresZeroAndStaysEmptyUntilRefresh) {
  QLineEdit* dice = Cell(kAttackerRows[2].dice);
  Retype(dice, "3");
  EXPECT_EQ(window.encounter().attacker(3).dice_count, 3);
  const QString with_three = Text(kAttackerRows[2].expectation);

  Clear(dice);
  EXPECT_EQ(window.encounter().attacker(3).dice_count, 0);
  EXPECT_EQ(dice->text(), "");
  EXPECT_NE(Text(kAttackerRows[2].expectation), with_three);
  EXPECT_EQ(RowTexts(window, 3), ExpectedRowTexts(window.encounter(), 3));

  window.RecalculateAll();
  EXPECT_EQ(dice->text(), "0");
}

TEST_F(CalcWindowTest, MinusSignAloneStoresZeroThenTheDigitStoresMinusFive) {
  QLineEdit* bonus = Cell(kAttackerRows[0].bonus);
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
  window.encounter().attacker(4).judgment_value = 60;
  window.Recalculate();
  QLineEdit* evasion = Cell(kDefenderColumns[1].evasion);
  for (const EvasionCase& c : cases) {
    window.encounter().defender(2).melee_evasion = 99;  // every part is rewritten
    Retype(evasion, QString::fromUtf8(c.text));
    const Defender& d = window.encounter().defender(2);
    EXPECT_EQ((std::array<int, 3>{d.melee_evasion, d.ranged_evasion, d.magic_evasion}), c.values)
        << c.text;
    EXPECT_EQ(evasion->text(), QString::fromUtf8(c.text));
    Encounter expected;
    expected.attacker(4).judgment_value = 60;
    expected.defender(2) = d;
    expected.Recalculate();
    EXPECT_EQ(Text(kPairings[3][1].chance),
              QString::fromStdString(FormatGeneral(expected.result(4, 2).attack_chance)))
        << c.text;
  }
}

TEST_F(CalcWindowTest, DefenceTextsReadTwoValuesAndRecalculateTheColumn) {
  Attacker& attacker = window.encounter().attacker(1);
  attacker.judgment_value = 50;
  attacker.dice_count = 2;
  attacker.damage_bonus = 3;
  window.Recalculate(SlotSelection::Only(1), SlotSelection::All());
  QLineEdit* defence = Cell(kDefenderColumns[4].defence);

  Retype(defence, "7");
  EXPECT_EQ(window.encounter().defender(5).physical_defence, 7);
  EXPECT_EQ(window.encounter().defender(5).magic_defence, 0);
  const QString damage_at_seven = Text(kPairings[0][4].damage);

  Retype(defence, "7,8,9");
  EXPECT_EQ(window.encounter().defender(5).physical_defence, 7);
  EXPECT_EQ(window.encounter().defender(5).magic_defence, 8);
  EXPECT_EQ(Text(kPairings[0][4].damage), damage_at_seven);  // a physical attack

  Retype(defence, "1");
  EXPECT_NE(Text(kPairings[0][4].damage), damage_at_seven);
  EXPECT_EQ(RowTexts(window, 1), ExpectedRowTexts(window.encounter(), 1));
}

TEST_F(CalcWindowTest, JapaneseNamesAreStoredAsCodePageBytesAndNeverRecalculate) {
  window.encounter().attacker(1).judgment_value = 70;  // stale until a recalculation
  window.encounter().defender(1).melee_evasion = 40;
  const QStringList before = testing::GridOutputTexts(window);

  Type(Cell(kAttackerRows[0].name), "鬼");
  Type(Cell(kDefenderColumns[0].name), "ゴブリン");

  EXPECT_EQ(window.encounter().attacker(1).name, "\x8b\x53");
  EXPECT_EQ(window.encounter().defender(1).name, "\x83\x53\x83\x75\x83\x8a\x83\x93");
  EXPECT_EQ(testing::GridOutputTexts(window), before);
}

TEST_F(CalcWindowTest, CharacterTheCodePageCannotHoldIsRefusedWithAReason) {
  QLineEdit* name = Cell(kDefenderColumns[2].name);
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
  window.encounter().attacker(2).name = "\x82";  // a lead byte with no trail
  window.encounter().attacker(3).name = "\x82";
  window.RefreshInputs();
  Retype(Cell(kAttackerRows[1].judgment), "30");
  window.RecalculateAll();
  EXPECT_EQ(window.encounter().attacker(2).name, "\x82");

  Retype(Cell(kAttackerRows[2].name), "B");
  EXPECT_EQ(window.encounter().attacker(3).name, "B");
  EXPECT_EQ(window.encounter().attacker(2).name, "\x82");
}

TEST_F(CalcWindowTest, RecalculateCanonicalisesEveryInputAndKeepsNames) {
  Retype(Cell(kAttackerRows[3].judgment), "12abc");
  Retype(Cell(kAttackerRows[3].dice), "+2");
  Retype(Cell(kDefenderColumns[1].evasion), "10,");
  Retype(Cell(kDefenderColumns[1].defence), "5,6,7");
  Type(Cell(kAttackerRows[3].name), "鬼 a,b");
  window.encounter().attacker(5).dice_count = 4;  // behind the grid's back

  QTest::mouseClick(ControlById<QPushButton>(window, grid::kRecalculateButton), Qt::LeftButton);

  EXPECT_EQ(Text(kAttackerRows[3].judgment), "12");
  EXPECT_EQ(Text(kAttackerRows[3].dice), "2");
  EXPECT_EQ(Text(kDefenderColumns[1].evasion), "10,0,0");
  EXPECT_EQ(Text(kDefenderColumns[1].defence), "5,6");
  EXPECT_EQ(Text(kAttackerRows[3].name), "鬼 a,b");
  EXPECT_EQ(Text(kAttackerRows[4].dice), "4");
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(RowTexts(window, row), ExpectedRowTexts(window.encounter(), row));
  }
}

TEST_F(CalcWindowTest, EnterInAnyCellAndTheMenuBarRunRecalculateAndKeepTheWindowOpen) {
  QLineEdit* judgment = Cell(kAttackerRows[0].judgment);
  Retype(judgment, "12abc");
  QTest::keyClick(judgment, Qt::Key_Return);
  EXPECT_EQ(judgment->text(), "12");
  EXPECT_TRUE(window.isVisible());

  window.encounter().defender(4).magic_evasion = 8;
  QTest::keyClick(Cell(kDefenderColumns[0].name), Qt::Key_Enter);
  EXPECT_EQ(Text(kDefenderColumns[3].evasion), "0,0,8");

  Retype(Cell(kAttackerRows[4].bonus), "3x");
  window.findChild<QAction*>("32773")->trigger();
  EXPECT_EQ(Text(kAttackerRows[4].bonus), "3");
  EXPECT_TRUE(window.isVisible());
}

TEST_F(CalcWindowTest, EscapeAndExitCloseAtOnceWithoutAQuestion) {
  Retype(Cell(kAttackerRows[0].judgment), "40");
  QTest::keyClick(Cell(kAttackerRows[0].judgment), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);

  CalcWindow second(prompts);
  second.show();
  QTest::keyClicks(testing::Edit(second, kAttackerRows[0].judgment), "7");
  second.findChild<QAction*>("1")->trigger();
  EXPECT_FALSE(second.isVisible());
  EXPECT_EQ(second.result(), QDialog::Accepted);
}

TEST_F(CalcWindowTest, MenuBarHasItsMenusInOrderWithRecalculateOnTheBar) {
  auto* bar = window.findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QStringList top;
  for (QAction* action : bar->actions()) {
    top << action->text();
    if (action->menu()) {
      for (QAction* item : action->menu()->actions()) {
        top << "  " + (item->isSeparator() ? "-" : item->text() + " " + item->objectName());
      }
    } else {
      top << "  " + action->objectName();
    }
  }
  EXPECT_EQ(top, (QStringList{"ファイル(&F)", "  全てセーブ(&S) 32774", "  全てロード(&O) 32775",
                              "  -", "  TXT出力(&T) 32778", "  HTML出力(&H) 32779", "  -",
                              "  前回の内容を復元(&R) 32780", "  最近使ったファイル(&F) 32781",
                              "  -", "  終了(&X) 1", "再計算(&C)", "  32773", "表示(&V)",
                              "  最適な標的を強調(&B) 32782", "  ヒートマップ(&H) 32783",
                              "ヘルプ(&H)", "  バージョン情報...(&A) 32777"}));
  for (QAction* action : window.findChildren<QAction*>()) {
    EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
  }
}

TEST_F(CalcWindowTest, AboutBoxShowsItsTextsAndLeavesTheGridAsItWas) {
  Retype(Cell(kAttackerRows[1].judgment), "33a");
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
  window.findChild<QAction*>("32777")->trigger();
  EXPECT_EQ(Text(kAttackerRows[1].judgment), "33a");
  EXPECT_EQ(testing::GridOutputTexts(window), before);
}

// The focusable controls reached by Tab from "再計算", in order.
TEST_F(CalcWindowTest, TabOrderRunsThroughInputsThenEditorButtonsThenBonus) {
  std::vector<int> expected = {grid::kRecalculateButton};
  for (const auto& ids : kAttackerRows) {
    expected.insert(expected.end(), {ids.name, ids.judgment, ids.dice, ids.bonus});
  }
  for (const auto& ids : kDefenderColumns) {
    expected.insert(expected.end(), {ids.name, ids.evasion, ids.defence});
  }
  for (const auto& ids : kAttackerRows) expected.push_back(ids.editor);
  for (const auto& ids : kDefenderColumns) expected.push_back(ids.editor);
  expected.push_back(grid::kModifiersButton);

  EXPECT_EQ(window.focusWidget(), ControlById(window, grid::kRecalculateButton));
  EXPECT_EQ(testing::TabOrder(window, grid::kRecalculateButton), expected);
}

TEST_F(CalcWindowTest, OutputCellsAreReadOnlyBorderlessAndAlignedByColumn) {
  for (int row = 0; row < 5; ++row) {
    for (int id : {kAttackerRows[row].success, kAttackerRows[row].expectation}) {
      EXPECT_EQ(Cell(id)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << id;
    }
    for (int column = 0; column < 5; ++column) {
      const auto& ids = kPairings[row][column];
      for (int id : {ids.chance, ids.technique, ids.damage}) {
        QLineEdit* cell = Cell(id);
        EXPECT_TRUE(cell->isReadOnly()) << id;
        EXPECT_FALSE(cell->hasFrame()) << id;
        // Beyond column 1 the technique stands right, apart from the chance.
        const Qt::Alignment alignment = column == 0           ? Qt::AlignHCenter
                                        : id == ids.technique ? Qt::AlignRight
                                                              : Qt::AlignLeft;
        EXPECT_EQ(cell->alignment() & Qt::AlignHorizontal_Mask, alignment) << id;
        EXPECT_EQ(cell->toolTip(), cell->text()) << id;  // every digit, however narrow
      }
      auto* detail = ControlById<QPushButton>(window, ids.detail);
      ASSERT_NE(detail, nullptr);
      EXPECT_EQ(detail->text(), column == 0 ? "詳細" : "");
    }
  }
  EXPECT_TRUE(ControlById<QPushButton>(window, grid::kRecalculateButton)->isDefault());
}

TEST_F(CalcWindowTest, WritingCellsNeverRunsAHandlerNorTouchesUnchangedText) {
  QLineEdit* judgment = Cell(kAttackerRows[0].judgment);
  Retype(judgment, "25");
  judgment->setCursorPosition(1);
  window.encounter().attacker(1).judgment_value = 80;
  window.Recalculate();
  EXPECT_EQ(judgment->cursorPosition(), 1);  // same text: not rewritten
  EXPECT_EQ(judgment->text(), "25");
  window.RefreshInputs(SlotSelection::Only(1), SlotSelection::None());
  EXPECT_EQ(judgment->text(), "80");
  EXPECT_EQ(window.encounter().attacker(1).judgment_value, 80);
  // A refresh of the defenders only leaves attacker texts as typed.
  Retype(judgment, "9z");
  window.RefreshInputs(SlotSelection::None(), SlotSelection::All());
  EXPECT_EQ(judgment->text(), "9z");
}

}  // namespace
}  // namespace zelmora
