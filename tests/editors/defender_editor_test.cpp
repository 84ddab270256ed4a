#include "editors/defender_editor.h"

#include <QFile>
#include <QTemporaryDir>
#include <ostream>

#include "engine/labels.h"
#include "tests/support/gui_helpers.h"

namespace zelmora {
namespace {

using namespace testing;  // the GUI helpers and the scripted prompts

// The editor's controls, through its accessors.
using Fields = DefenderEditor::Fields;
constexpr auto kName = &Fields::name;
constexpr auto kMeleeEvasion = &Fields::melee_evasion;
constexpr auto kRangedEvasion = &Fields::ranged_evasion;
constexpr auto kMagicEvasion = &Fields::magic_evasion;
constexpr auto kPhysicalDefence = &Fields::physical_defence;
constexpr auto kMagicDefence = &Fields::magic_defence;
using EditField = QLineEdit* Fields::*;

// The affinity list of an attack attribute.
struct AffinityList {
  int attribute;
};
std::ostream& operator<<(std::ostream& out, AffinityList list) { return out << list.attribute; }
QComboBox* List(const DefenderEditor& editor, AffinityList list) {
  return editor.fields().affinities.at(static_cast<std::size_t>(list.attribute));
}
constexpr std::array<AffinityList, kAffinityCount> kAffinityLists = {
    {{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}, {10}}};

Defender Sample(const char* utf8_name, std::int32_t base) {
  Defender d;
  d.name = Cp932(utf8_name);
  d.melee_evasion = base;
  d.ranged_evasion = base + 1;
  d.magic_evasion = base + 2;
  d.physical_defence = base + 3;
  d.magic_defence = base + 4;
  d.affinities.fill(base % 6);
  return d;
}

// A sheet of 24 CR LF lines with the given lines (from 1) filled in.
std::string Sheet(std::initializer_list<std::pair<int, std::string>> filled) {
  std::vector<std::string> lines(24);
  for (const auto& [number, text] : filled) lines[number - 1] = text;
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

struct DefenderEditorTest : ::testing::Test {
  Encounter encounter;
  ScriptedPrompts prompts;
  QTemporaryDir dir;

  DefenderEditorTest() {
    const char* names[] = {"鬼", "竜", "骸骨", "スライム", "亡霊"};
    for (int slot = 1; slot <= 5; ++slot)
      encounter.defender(slot) = Sample(names[slot - 1], 10 * slot);
  }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  // Imports `bytes` saved under `file_name` into the editor.
  void Import(DefenderEditor& editor, const QString& file_name, const std::string& bytes) {
    const QString path = dir.filePath(file_name);
    WriteAll(path, bytes);
    prompts.QueueFileName(path);
    Click(editor, kImportSheet);
  }
};

TEST_F(DefenderEditorTest, ShowsANewDefender) {
  encounter.defender(1) = Defender{};
  const DefenderEditor editor(encounter, prompts, 1);
  EXPECT_EQ(editor.windowTitle(), QStringLiteral("受け側詳細設定"));
  EXPECT_EQ(Edit(editor, kName)->text(), QString());
  for (EditField id :
       {kMeleeEvasion, kRangedEvasion, kMagicEvasion, kPhysicalDefence, kMagicDefence})
    EXPECT_EQ(Edit(editor, id)->text(), "0") << id;
  for (AffinityList id : kAffinityLists) {
    QComboBox* list = List(editor, id);
    EXPECT_EQ(list->currentText(), QStringLiteral("○")) << id;
    ASSERT_EQ(list->count(), 6);
    EXPECT_EQ(list->itemText(5), QStringLiteral("↑"));
  }
}

// The name, the numbers, the lists in reading order (which is attribute
// order), the slot and file buttons, OK and ｷｬﾝｾﾙ.
TEST_F(DefenderEditorTest, StartsOnTheNameAndTabsThroughTheListsInReadingOrder) {
  DefenderEditor editor(encounter, prompts, 1);
  editor.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
  const Fields& f = editor.fields();
  const SlotButtonRow& slot = editor.slot_buttons();
  std::vector<QWidget*> order = {f.name,          f.melee_evasion,    f.ranged_evasion,
                                 f.magic_evasion, f.physical_defence, f.magic_defence};
  for (QComboBox* list : f.affinities) order.push_back(list);
  for (QPushButton* button :
       {slot.swap(), slot.copy(), slot.save_one(), slot.load_one(), slot.import_sheet(),
        editor.buttons().ok(), editor.buttons().cancel()})
    order.push_back(button);
  EXPECT_EQ(QApplication::focusWidget(), f.name);
  EXPECT_EQ(TabChain(f.name), order);
}

TEST_F(DefenderEditorTest, EachListEditsTheAffinityOfItsAttribute) {
  DefenderEditor editor(encounter, prompts, 1);
  Pick(List(editor, kAffinityLists[kAttrFire]), kAffNone);  // 火
  EXPECT_EQ(editor.working().affinities[kAttrFire], 3);
  Pick(List(editor, kAffinityLists[kAttrIce]), kAffUp);  // 氷
  EXPECT_EQ(editor.working().affinities[kAttrIce], 5);

  for (int attribute = 0; attribute < kAffinityCount; ++attribute) {
    const int code = (attribute + 2) % 6;
    Pick(List(editor, kAffinityLists[attribute]), code);
    EXPECT_EQ(editor.working().affinities[attribute], code) << attribute;
  }
  EXPECT_EQ(encounter.defender(1), Sample("鬼", 10));
}

// The parsing is the attacker editor's; this checks each edit's binding.
TEST_F(DefenderEditorTest, NumbersAndNameAreEditedLive) {
  DefenderEditor editor(encounter, prompts, 2);
  const std::pair<EditField, std::int32_t Defender::*> edits[] = {
      {kMeleeEvasion, &Defender::melee_evasion},
      {kRangedEvasion, &Defender::ranged_evasion},
      {kMagicEvasion, &Defender::magic_evasion},
      {kPhysicalDefence, &Defender::physical_defence},
      {kMagicDefence, &Defender::magic_defence}};
  std::int32_t typed = 1029;  // a different number in each field
  for (const auto& [id, field] : edits) {
    Retype(Edit(editor, id), QString::number(++typed) + "abc");
    EXPECT_EQ(editor.working().*field, typed);
  }
  Commit(Edit(editor, kName), QStringLiteral("大鬼"));
  EXPECT_EQ(editor.working().name, Cp932("大鬼"));
  EXPECT_EQ(encounter.defender(2).name, Cp932("竜"));
}

TEST_F(DefenderEditorTest, AffinityOutsideTheTableShowsNoSelectionAndKeepsItsCode) {
  encounter.defender(3).affinities[kAttrCurse] = 9;
  encounter.defender(3).affinities[kAttrSword] = -1;
  DefenderEditor editor(encounter, prompts, 3);
  EXPECT_EQ(List(editor, kAffinityLists[kAttrCurse])->currentIndex(), -1);
  EXPECT_EQ(List(editor, kAffinityLists[kAttrSword])->currentIndex(), -1);
  EXPECT_EQ(editor.working(), encounter.defender(3));
  Pick(List(editor, kAffinityLists[kAttrCurse]), kAffDouble);
  EXPECT_EQ(editor.working().affinities[kAttrCurse], 1);
  EXPECT_EQ(editor.working().affinities[kAttrSword], -1);
}

TEST_F(DefenderEditorTest, SwapActsOnTheDefendersAndRefusesCancel) {
  const Encounter before = encounter;
  DefenderEditor editor(encounter, prompts, 2);
  editor.show();
  testing::ChooserSeen seen;
  prompts.QueueDialog(AnswerChooser(5, &seen));
  Click(editor, kSwap);
  EXPECT_EQ(seen.names, (std::vector<QString>{"鬼", "竜", "骸骨", "スライム", "亡霊"}));
  EXPECT_EQ(encounter.defender(2), before.defender(5));
  EXPECT_EQ(encounter.defender(5), before.defender(2));
  EXPECT_EQ(encounter.attackers(), before.attackers());
  EXPECT_EQ(Edit(editor, kName)->text(), QStringLiteral("亡霊"));
  EXPECT_FALSE(Button(editor, kCancel)->isEnabled());
  QTest::keyClick(&editor, Qt::Key_Escape);
  EXPECT_TRUE(editor.isVisible());
}

TEST_F(DefenderEditorTest, CopySaveAndLoadOneWorkOnDefenderLines) {
  const Encounter before = encounter;
  DefenderEditor editor(encounter, prompts, 1);
  prompts.QueueDialog(AnswerChooser(4));
  Click(editor, kCopy);
  EXPECT_EQ(editor.working(), before.defender(4));

  const QString path = dir.filePath("d.qvr");
  prompts.QueueFileName(path);
  Click(editor, kSaveOne);
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().startsWith("M,1,\""));

  DefenderEditor other(encounter, prompts, 3);
  testing::ChooserSeen seen;
  prompts.QueueFileName(path);
  prompts.QueueDialog(AnswerChooser(1, &seen));
  Click(other, kLoadOne);
  EXPECT_EQ(seen.names, (std::vector<QString>{"スライム", "", "", "", ""}));
  EXPECT_EQ(other.working(), before.defender(4));
  EXPECT_EQ(encounter.defenders(), before.defenders());
}

TEST_F(DefenderEditorTest, ImportsTheQvmForm) {
  DefenderEditor editor(encounter, prompts, 1);
  Import(editor, "goblin.qvm",
         Sheet({{1, "20,30,10,25,15,12,18,5,5,8,"},
                {9, "10,"},
                {12, "\"" + Cp932("小鬼") + "\""},
                {13, Cp932(R"("○","◎","△","×","＋","↑","○","◎","",")"
                           "x\",\"◎\"")}}));
  ASSERT_EQ(prompts.open_choices.size(), 1u);
  EXPECT_EQ(prompts.open_choices[0].default_suffix, "qvm");
  EXPECT_EQ(prompts.open_choices[0].filter,
            "QVM ファイル (*.qvm);;テキストファイル (*.txt);;全てのファイル (*)");

  const Defender expected{60, 36, 43, 24, 5, {0, 1, 2, 3, 4, 5, 0, 1, 0, 0, 1}, Cp932("小鬼")};
  EXPECT_EQ(editor.working(), expected);
  EXPECT_EQ(Edit(editor, kName)->text(), QStringLiteral("小鬼"));
  EXPECT_EQ(Edit(editor, kMagicEvasion)->text(), "43");
  EXPECT_EQ(List(editor, kAffinityLists[kAttrFire])->currentText(), QStringLiteral("×"));
  EXPECT_EQ(encounter.defender(1), Sample("鬼", 10));
}

TEST_F(DefenderEditorTest, ImportsTheLabelledTextFormAndCancelKeepsTheStoredDefender) {
  const Encounter before = encounter;
  DefenderEditor editor(encounter, prompts, 4);
  Import(editor, "goblin.txt",
         Sheet({{1, Cp932("名称: ゴブリン")},
                {11, Cp932("格闘回避: 30％ 射撃回避: 25％ 魔法回避: 10％")},
                {12, Cp932("物理防御点: 4\t魔法防御点: 2")},
                {23, Cp932("○ ○ ○ ◎ △ ○ ○ × ○ ＋ ↑")}}));
  const Defender expected{30, 25, 10, 4, 2, {0, 0, 0, 1, 2, 0, 0, 3, 0, 4, 5}, Cp932("ゴブリン")};
  EXPECT_EQ(editor.working(), expected);
  EXPECT_EQ(List(editor, kAffinityLists[kAttrIce])->currentText(), QStringLiteral("△"));
  EXPECT_EQ(Edit(editor, kPhysicalDefence)->text(), "4");

  // An upper-case extension is not the .qvm form: line 1 holds no name label.
  Import(editor, "sheet.QVM", Sheet({{1, "20,30,10,25,15,12,18,5,5,8,"}, {9, "10,"}}));
  EXPECT_EQ(editor.working().melee_evasion, 0);

  Click(editor, kCancel);
  EXPECT_EQ(editor.result(), QDialog::Rejected);
  EXPECT_EQ(encounter.defenders(), before.defenders());
}

TEST_F(DefenderEditorTest, ImportStopsOnACancelledDialogAndReportsAnUnreadableFile) {
  DefenderEditor editor(encounter, prompts, 2);
  Retype(Edit(editor, kMeleeEvasion), "77");
  // The record as it was before the click, copied: a reference would follow it.
  // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
  const Defender working = editor.working();
  prompts.QueueFileName("");
  Click(editor, kImportSheet);
  const QString missing = dir.filePath("gone.txt");
  prompts.QueueFileName(missing);
  Click(editor, kImportSheet);
  ASSERT_EQ(prompts.errors.size(), 1);
  EXPECT_TRUE(prompts.errors[0].contains(missing));
  EXPECT_EQ(editor.working(), working);
  EXPECT_EQ(Edit(editor, kMeleeEvasion)->text(), "77");
}

}  // namespace
}  // namespace zelmora
