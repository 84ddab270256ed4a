// Every result of the window shows its value readably for typical and
// extreme values: the fitted text fits its cell and reads back as the same
// value to the digits shown, and no longer text of the value would fit.
// The inputs of the window and the dialogs show their values whole.
// CTest runs this program at scale 1 and again with QT_SCALE_FACTOR=2.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "editors/attacker_editor.h"
#include "editors/defender_editor.h"
#include "editors/modifiers_dialog.h"
#include "editors/slot_chooser.h"
#include "engine/labels.h"
#include "engine/text.h"
#include "files/file_io.h"
#include "files/roster_file.h"
#include "gui/number_fit.h"
#include "tests/support/grid_texts.h"
#include "tests/support/gui_helpers.h"
#include "window/calc_window.h"
#include "window/matchup_detail_dialog.h"

namespace zelmora {
namespace {

using testing::Cp932;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// The pixels a line edit draws its text in, worked out from the control:
// its rectangle less the frame, the text margins and the two pixels Qt keeps
// on each side, less any sibling button lying over it.
int TextRoom(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  const int frame =
      edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  const QMargins margins = edit.textMargins();
  int left = edit.x() + frame + margins.left() + 2;
  int right = edit.x() + edit.width() - frame - margins.right() - 2;
  for (const QPushButton* button :
       edit.parentWidget()->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
    const QRect over = button->geometry();
    if (!over.intersects(edit.geometry())) continue;
    if (over.left() > left) right = std::min(right, over.left());
    if (over.left() <= left) left = std::max(left, over.right() + 1);
  }
  return right - left;
}

::testing::AssertionResult ShowsWhole(const QLineEdit* edit) {
  const int needed = edit->fontMetrics().horizontalAdvance(edit->text());
  if (needed <= TextRoom(*edit)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << edit->text().toStdString() << "\" needs "
                                       << needed << " px, has " << TextRoom(*edit);
}

// The significant digits a number's text shows ("0.0500" and "5.00e3" show 3).
int SignificantDigits(const QString& shown) {
  const std::string text = shown.trimmed().toStdString();
  const std::string mantissa = text.substr(0, text.find('e'));
  const std::size_t first = mantissa.find_first_of("123456789");
  int digits = 0;
  for (std::size_t i = first; i < mantissa.size() && first != std::string::npos; ++i) {
    digits += mantissa[i] >= '0' && mantissa[i] <= '9';
  }
  return digits;
}

// The shown text read as a number equals `value` to the digits it shows.
::testing::AssertionResult ReadsBackAs(const QString& shown, double value) {
  const std::string text = shown.trimmed().toStdString();
  char* end = nullptr;
  const double read = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0') {
    return ::testing::AssertionFailure() << "\"" << text << "\" is not a number";
  }
  const int digits = SignificantDigits(shown);
  const double magnitude = value == 0 ? 0 : std::floor(std::log10(std::fabs(value)));
  const double half_step = 0.5 * std::pow(10.0, magnitude - std::max(digits, 1) + 1);
  if (std::fabs(read - value) <= half_step * (1 + 1e-9)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << text << "\" does not read as " << value;
}

// No text of the value with more digits would also have fitted.
::testing::AssertionResult UsesTheRoom(const ResultCell& cell, double value) {
  for (int digits = 1; digits <= kMostDigits; ++digits) {
    const QString longer = NumberText(value, digits);
    if (SignificantDigits(longer) > SignificantDigits(cell.text()) &&
        cell.fontMetrics().horizontalAdvance(longer) <= cell.TextRoom()) {
      return ::testing::AssertionFailure() << "\"" << longer.toStdString() << "\" fits too";
    }
  }
  return ::testing::AssertionSuccess();
}

// Fits, reads back as `value` and leaves no room for more digits.
::testing::AssertionResult ShowsReadably(const ResultCell& cell, double value) {
  const int needed = cell.fontMetrics().horizontalAdvance(cell.text());
  if (needed > cell.TextRoom()) {
    return ::testing::AssertionFailure() << "\"" << cell.text().toStdString() << "\" needs "
                                         << needed << " px, has " << cell.TextRoom();
  }
  if (const auto read = ReadsBackAs(cell.text(), value); !read) return read;
  return UsesTheRoom(cell, value);
}

Encounter ExampleParty() {
  Encounter e;
  LoadAllBytes(ReadFileBytes(ZELMORA_SOURCE_DIR "/examples/party.qvr").bytes, e);
  e.attacker(2).evasion_kind = kEvadeRanged;
  return e;
}

// Values at and beyond the edges a game uses, in every slot.
Encounter ExtremeEncounter() {
  Encounter e;
  const std::int32_t judgments[] = {999, -99, kMax, kMin, 100};
  const std::int32_t dice[] = {99, 0, 100, kMax, 1};
  const std::int32_t bonuses[] = {999, -99, -12, kMax, -10};
  const char* names[] = {"竜王ヴァルガード", "ゴブリン王", "Skeleton12", "諸惑星の加護", ""};
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    const auto i = static_cast<std::size_t>(slot - 1);
    e.attacker(slot) = {.judgment_value = judgments[i],
                        .dice_count = dice[i],
                        .damage_bonus = bonuses[i],
                        .attack_attribute = slot == 4 ? kAttrPlanets : kAttrSword,
                        .attack_count = slot == 2 ? kMax : 1,
                        .auto_trigger = slot == 5 ? 1 : 0,
                        .name = Cp932(names[i])};
    const std::int32_t evasion[] = {100, -99, 999, -10, 0};
    const std::int32_t defence[] = {99, -99, 999, kMin, kMax};
    e.defender(slot) = {.melee_evasion = evasion[i],
                        .ranged_evasion = evasion[i],
                        .magic_evasion = evasion[i],
                        .physical_defence = defence[i],
                        .magic_defence = defence[i],
                        .name = Cp932(names[i])};
  }
  e.Recalculate();
  return e;
}

struct EncounterCase {
  const char* what;
  Encounter (*make)();
};
const EncounterCase kEncounters[] = {{"example party", ExampleParty},
                                     {"extreme values", ExtremeEncounter}};

// In the natural size and in a window made wider: the cells then fit more
// digits.
TEST(CellFit, EveryNumberOfTheGridShowsWholeAndReadsBack) {
  for (const EncounterCase& c : kEncounters) {
    testing::ScriptedPrompts prompts;
    CalcWindow window(prompts);
    window.document().SetTable(c.make());
    window.show();
    for (const int extra : {0, 400}) {
      window.resize(window.grid().minimumSizeHint() + QSize(extra, 80));
      QApplication::processEvents();
      const Encounter& e = window.encounter();
      for (int row = 1; row <= Encounter::kSlots; ++row) {
        AttackerRow& cells = window.grid().attacker(row);
        EXPECT_TRUE(ShowsReadably(cells.success(), e.summary(row).success_percent)) << c.what;
        EXPECT_TRUE(ShowsReadably(cells.expectation(), e.summary(row).damage_expectation))
            << c.what;
        EXPECT_EQ(cells.expectation().WholeText().toStdString(),
                  FormatGeneral(e.summary(row).damage_expectation));
        for (int column = 1; column <= Encounter::kSlots; ++column) {
          PairingCell& pairing = window.grid().pairing(row, column);
          const MatchupResult& result = e.result(row, column);
          EXPECT_TRUE(ShowsReadably(pairing.chance(), result.attack_chance)) << c.what;
          EXPECT_TRUE(ShowsReadably(pairing.damage(), result.expected_damage)) << c.what;
          EXPECT_LE(pairing.technique().fontMetrics().horizontalAdvance(pairing.technique().text()),
                    pairing.technique().TextRoom());
        }
      }
    }
  }
}

// Judgment and evasion values from -99 to 999, dice 0 to 99, bonuses -99
// to 999, defence "99,99", names of ten bytes: each input shows whole, and
// from its first character whenever it does not have the focus.
Encounter GameRangeEncounter() {
  Encounter e;
  const std::int32_t values[] = {-99, 999, 100, -10, 0};
  const std::int32_t dice[] = {0, 99, 10, 100, 2};
  const char* names[] = {"ゴブリン王", "Skeleton12", "竜王ヴァル", "骸骨戦士", "a"};
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    const auto i = static_cast<std::size_t>(slot - 1);
    e.attacker(slot) = {.judgment_value = values[i],
                        .dice_count = dice[i],
                        .damage_bonus = values[i],
                        .name = Cp932(names[i])};
    e.defender(slot) = {.melee_evasion = values[i],
                        .ranged_evasion = values[i],
                        .magic_evasion = values[i],
                        .physical_defence = slot == 2 ? 99 : values[i],
                        .magic_defence = slot == 2 ? 99 : values[i],
                        .name = Cp932(names[i])};
  }
  return e;
}

TEST(CellFit, InputsOfTheGameRangeShowWholeFromTheFirstCharacter) {
  testing::ScriptedPrompts prompts;
  CalcWindow window(prompts);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.document().SetTable(GameRangeEncounter());
  for (QLineEdit* input : testing::GridInputs(window)) {
    EXPECT_TRUE(ShowsWhole(input)) << input->text().toStdString();
  }
  for (const char* typed : {"100,100,100", "-99,-99,-99", "999,999,999"}) {
    QLineEdit* evasion = &window.grid().defender(5).evasion().LineEdit();
    testing::Retype(evasion, typed);
    EXPECT_TRUE(ShowsWhole(evasion)) << typed;
  }

  // Longer than the cell: written by a refresh, or typed and then left, the
  // text shows its start.
  Attacker bonus = window.encounter().attacker(2);
  bonus.damage_bonus = kMax;
  window.document().SetAttacker(2, bonus);
  EXPECT_EQ(window.grid().attacker(2).bonus().LineEdit().cursorPosition(), 0);
  QLineEdit* name = &window.grid().defender(2).name().LineEdit();
  testing::Retype(name, QStringLiteral("竜王ヴァルガード"));
  EXPECT_EQ(name->cursorPosition(), 8);
  window.grid().defender(3).name().setFocus();
  EXPECT_EQ(name->cursorPosition(), 0);
}

TEST(CellFit, EditorAndModifierInputsShowWhole) {
  Encounter e = ExtremeEncounter();
  e.attacker(1) = {.judgment_value = -99,
                   .dice_count = 99,
                   .damage_bonus = 999,
                   .attack_count = 99,
                   .name = Cp932("竜王ヴァルガード")};
  e.defender(1) = {.melee_evasion = 999,
                   .ranged_evasion = -99,
                   .magic_evasion = 100,
                   .physical_defence = -99,
                   .magic_defence = 999,
                   .name = Cp932("竜王ヴァルガード")};
  testing::ScriptedPrompts prompts;
  const AttackerEditor attacker(e, prompts, 1);
  for (QLineEdit* field : attacker.findChildren<QLineEdit*>()) EXPECT_TRUE(ShowsWhole(field));
  const DefenderEditor defender(e, prompts, 1);
  for (QLineEdit* field : defender.findChildren<QLineEdit*>()) EXPECT_TRUE(ShowsWhole(field));
  const ModifiersDialog modifiers({-99, 999, -99, 999, -99, 999, -99, 999});
  for (QLineEdit* field : modifiers.findChildren<QLineEdit*>()) EXPECT_TRUE(ShowsWhole(field));
  // Beyond the game's range the text still shows from its start.
  e.attacker(2).damage_bonus = kMax;
  const AttackerEditor beyond(e, prompts, 2);
  EXPECT_EQ(beyond.fields().damage_bonus->cursorPosition(), 0);
}

TEST(CellFit, DetailDialogShowsItsNumbersWhole) {
  const Encounter e = ExtremeEncounter();
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    const MatchupDetailDialog dialog(e.attacker(row), e.defender(row), e.result(row, row));
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
      EXPECT_TRUE(ShowsWhole(field)) << "row " << row;
    }
    const MatchupDetailDialog::Fields& f = dialog.fields();
    const std::pair<QLineEdit*, double> numbers[] = {
        {f.judgment_value, e.attacker(row).judgment_value},
        {f.attack_chance, e.result(row, row).attack_chance},
        {f.expected_damage, e.result(row, row).expected_damage}};
    for (const auto& [field, value] : numbers) {
      EXPECT_TRUE(ReadsBackAs(field->text(), value)) << row << " " << value;
    }
    // Both numbers of the damage read back, and its tooltip has them whole.
    const QStringList damage = f.damage->text().split(' ', Qt::SkipEmptyParts);
    ASSERT_EQ(damage.size(), 4) << row;
    EXPECT_TRUE(ReadsBackAs(damage[0], e.attacker(row).dice_count)) << row;
    EXPECT_TRUE(ReadsBackAs(damage[3], e.attacker(row).damage_bonus)) << row;
    EXPECT_EQ(f.damage->toolTip(), QStringLiteral("  %1 D6 + %2")
                                       .arg(e.attacker(row).dice_count)
                                       .arg(e.attacker(row).damage_bonus));
  }
}

// Whole captions: every label of every dialog, every list entry beside its
// arrow; group titles clear of the controls inside their frames.
TEST(CellFit, CaptionsAndListEntriesShowWhole) {
  testing::ScriptedPrompts prompts;
  Encounter e = ExtremeEncounter();
  CalcWindow window(prompts);
  AttackerEditor attacker(e, prompts, 1);
  DefenderEditor defender(e, prompts, 1);
  ModifiersDialog modifiers({});
  MatchupDetailDialog detail(e.attacker(4), e.defender(1), e.result(4, 1));
  SlotChooser chooser(QStringLiteral("どれと入れ替えますか？"), {});
  const std::vector<QWidget*> hosts = {&window,    &attacker, &defender,
                                       &modifiers, &detail,   &chooser};
  for (QWidget* host : hosts) {
    for (const QLabel* label : host->findChildren<QLabel*>()) {
      const QFontMetrics metrics = label->fontMetrics();
      EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width())
          << label->text().toStdString();
      EXPECT_LE(metrics.height(), label->contentsRect().height()) << label->text().toStdString();
      if (!label->autoFillBackground()) continue;  // a group title
      for (const QWidget* control : host->findChildren<QWidget*>()) {
        if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QComboBox*>(control)) {
          EXPECT_FALSE(label->geometry().intersects(control->geometry()))
              << label->text().toStdString() << " over " << control->objectName().toStdString();
        }
      }
    }
    for (const QComboBox* list : host->findChildren<QComboBox*>()) {
      QStyleOptionComboBox option;
      option.initFrom(list);
      const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxEditField, list);
      for (int i = 0; i < list->count(); ++i) {
        EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)), field.width())
            << list->itemText(i).toStdString();
      }
    }
  }
  EXPECT_EQ(detail.fields().attack_attribute->text(), QStringLiteral("諸惑星の加護"));
}

TEST(NumberFit, TakesTheMostDigitsThatFitAndAnExponentWhenTheValueIsTooLarge) {
  const QFontMetrics metrics(QApplication::font());
  const NumberWidths widths(QApplication::font());
  // Each text in a room of its own width, whatever the font: every text of
  // the value with more digits is wider.
  const struct {
    double value;
    const char* shown;
  } cases[] = {
      {9.420400000000001, "9.4204"},
      {9.420400000000001, "9.42"},
      {9019431316.4, "9019431316.4"},
      {9019431316.4, "9.02e9"},
      {64182.25, "6e4"},
      {-0.753684, "-0.754"},
      {0.00001234, "1.234e-5"},
      {100, "100"},
      {2147483647, "2e9"},
      {0, "0"},
  };
  for (const auto& c : cases) {
    const int room = metrics.horizontalAdvance(QString::fromLatin1(c.shown));
    EXPECT_EQ(FitNumber(c.value, metrics, room).toStdString(), c.shown) << c.value;
    // The advances measured once give the same fit as shaping each text.
    EXPECT_EQ(FitNumber(c.value, widths, room).toStdString(), c.shown);
  }
  // Nothing narrower than one digit exists: the one-digit form is given.
  EXPECT_EQ(FitNumber(9019431316.4, metrics, 1), "9e9");
  EXPECT_EQ(NumberText(-1.5e-300, 3), "-1.5e-300");
}

}  // namespace
}  // namespace zelmora
