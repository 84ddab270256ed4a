#include "editors/attacker_editor.h"

#include <QFile>
#include <QTemporaryDir>

#include "engine/labels.h"
#include "files/cp932.h"
#include "gui/field_notice.h"
#include "gui/name_field.h"
#include "tests/support/gui_helpers.h"

namespace zelmora {
namespace {

using namespace testing;  // the GUI helpers and the scripted prompts

// The editor's controls, through its accessors.
using Fields = AttackerEditor::Fields;
constexpr auto kName = &Fields::name;
constexpr auto kJudgmentValue = &Fields::judgment_value;
constexpr auto kDiceCount = &Fields::dice_count;
constexpr auto kDamageBonus = &Fields::damage_bonus;
constexpr auto kJudgmentKind = &Fields::judgment_kind;
constexpr auto kEvasionKind = &Fields::evasion_kind;
constexpr auto kDefenceKind = &Fields::defence_kind;
constexpr auto kDefenceOption = &Fields::defence_option;
constexpr auto kAttackAttribute = &Fields::attack_attribute;
constexpr auto kAttackCount = &Fields::attack_count;
constexpr auto kAutoTrigger = &Fields::auto_trigger;
using EditField = QLineEdit* Fields::*;
using ListField = QComboBox* Fields::*;

Attacker Named(const char* utf8_name, std::int32_t judgment) {
  Attacker a;
  a.name = Cp932(utf8_name);
  a.judgment_value = judgment;
  a.dice_count = judgment / 10;
  a.evasion_kind = kEvadeRanged;
  return a;
}

// Five attackers told apart by name and judgment value.
Encounter FiveAttackers() {
  Encounter encounter;
  const char* names[] = {"剣士", "弓兵", "魔術師", "僧侶", "盗賊"};
  for (int slot = 1; slot <= 5; ++slot)
    encounter.attacker(slot) = Named(names[slot - 1], 10 * slot);
  return encounter;
}

struct AttackerEditorTest : ::testing::Test {
  Encounter encounter = FiveAttackers();
  ScriptedPrompts prompts;
  QTemporaryDir dir;

  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }
};

TEST_F(AttackerEditorTest, ShowsANewAttackerWithTheListsInTableOrder) {
  encounter.attacker(2) = Attacker{};
  AttackerEditor editor(encounter, prompts, 2);
  EXPECT_EQ(editor.windowTitle(), QStringLiteral("行動側詳細設定"));
  EXPECT_EQ(Edit(editor, kName)->text(), QString());
  const std::pair<EditField, const char*> numbers[] = {
      {kJudgmentValue, "0"}, {kDiceCount, "0"}, {kDamageBonus, "0"}, {kAttackCount, "1"}};
  for (const auto& [id, text] : numbers) EXPECT_EQ(Edit(editor, id)->text(), text) << id;
  const std::pair<ListField, const char*> shown[] = {
      {kJudgmentKind, "物理"},  {kEvasionKind, "格闘"},   {kDefenceKind, "物理"},
      {kDefenceOption, "通常"}, {kAttackAttribute, "－"}, {kAutoTrigger, "不"}};
  for (const auto& [id, label] : shown) EXPECT_EQ(List(editor, id)->currentText(), label) << id;

  const std::pair<ListField, LabelTable> lists[] = {
      {kJudgmentKind, kJudgmentKindLabels},       {kEvasionKind, kEvasionKindLabels},
      {kDefenceKind, kDefenceKindLabels},         {kDefenceOption, kDefenceOptionLabels},
      {kAttackAttribute, kAttackAttributeLabels}, {kAutoTrigger, kAutoTriggerLabels}};
  for (const auto& [id, labels] : lists) {
    QComboBox* list = List(editor, id);
    ASSERT_EQ(list->count(), static_cast<int>(labels.size())) << id;
    for (int i = 0; i < list->count(); ++i) {
      EXPECT_EQ(list->itemText(i).toStdString(), Utf8FromCp932(labels[i])) << id << " " << i;
    }
  }
  EXPECT_EQ(List(editor, kAttackAttribute)->itemText(13), QStringLiteral("諸惑星の加護"));
  EXPECT_EQ(editor.working(), Attacker{});
}

TEST_F(AttackerEditorTest, StartsOnTheNameAndTabsThroughFieldsThenButtons) {
  AttackerEditor editor(encounter, prompts, 1);
  editor.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
  const Fields& f = editor.fields();
  const SlotButtonRow& slot = editor.slot_buttons();
  EXPECT_EQ(QApplication::focusWidget(), f.name);
  EXPECT_EQ(
      TabChain(f.name),
      (std::vector<QWidget*>{f.name, f.judgment_value, f.dice_count, f.damage_bonus,
                             f.judgment_kind, f.evasion_kind, f.defence_kind, f.defence_option,
                             f.attack_attribute, f.attack_count, f.auto_trigger, slot.swap(),
                             slot.copy(), slot.save_one(), slot.load_one(), slot.import_sheet(),
                             editor.buttons().ok(), editor.buttons().cancel()}));
}

TEST_F(AttackerEditorTest, ShowingARecordWritesNothingBackAndQvmImportDoesNothing) {
  Attacker stored = Named("ゴブリン", -5);
  stored.damage_bonus = 2147483647;
  stored.judgment_kind = kJudgeSpecial;
  stored.defence_flags = 9;
  stored.attack_attribute = kAttrPlanets;
  stored.evasion_kind = kEvadeNone;
  stored.attack_count = 3;
  stored.auto_trigger = 1;
  encounter.attacker(3) = stored;
  AttackerEditor editor(encounter, prompts, 3);
  EXPECT_EQ(Edit(editor, kName)->text(), QStringLiteral("ゴブリン"));
  EXPECT_EQ(Edit(editor, kJudgmentValue)->text(), "-5");
  EXPECT_EQ(Edit(editor, kDamageBonus)->text(), "2147483647");
  EXPECT_EQ(List(editor, kJudgmentKind)->currentText(), QStringLiteral("特殊"));
  EXPECT_EQ(List(editor, kEvasionKind)->currentText(), QStringLiteral("なし"));
  EXPECT_EQ(List(editor, kDefenceKind)->currentText(), QStringLiteral("魔法"));
  EXPECT_EQ(List(editor, kDefenceOption)->currentText(), QStringLiteral("無効"));
  EXPECT_EQ(List(editor, kAttackAttribute)->currentText(), QStringLiteral("諸惑星の加護"));
  EXPECT_EQ(List(editor, kAutoTrigger)->currentText(), QStringLiteral("可"));

  Click(editor, kImportSheet);  // "QVM取り込み": no question may be asked
  EXPECT_EQ(editor.working(), stored);
  EXPECT_EQ(encounter.attacker(3), stored);
}

TEST_F(AttackerEditorTest, NumberEditsStoreTheLeadingIntegerAndKeepTheTypedText) {
  AttackerEditor editor(encounter, prompts, 1);
  const struct {
    const char* typed;
    std::int32_t stored;
  } cases[] = {{"12abc", 12}, {"", 0},   {"-7", -7},
               {"  +3", 3},   {"x9", 0}, {"99999999999", 2147483647}};
  const std::pair<EditField, std::int32_t Attacker::*> edits[] = {
      {kJudgmentValue, &Attacker::judgment_value},
      {kDiceCount, &Attacker::dice_count},
      {kDamageBonus, &Attacker::damage_bonus},
      {kAttackCount, &Attacker::attack_count}};
  for (const auto& [id, field] : edits) {
    for (const auto& c : cases) {
      Retype(Edit(editor, id), c.typed);
      EXPECT_EQ(editor.working().*field, c.stored) << id << " '" << c.typed << "'";
      EXPECT_EQ(Edit(editor, id)->text(), c.typed);
    }
  }
  EXPECT_EQ(editor.working().name, encounter.attacker(1).name);
}

TEST_F(AttackerEditorTest, NameTakesJapaneseTypingAndRefusesWhatCp932CannotHold) {
  AttackerEditor editor(encounter, prompts, 1);
  QLineEdit* name = Edit(editor, kName);
  Commit(name, QStringLiteral("鬼 ～ "));  // trailing blank kept; the wave dash is mapped
  EXPECT_EQ(editor.working().name, Cp932("鬼 ～ "));
  Commit(name, QStringLiteral("鬼\u301C"));
  EXPECT_EQ(editor.working().name, Cp932("鬼～"));
  EXPECT_EQ(FieldNotice::Of(editor), nullptr);

  name->setCursorPosition(2);
  QInputMethodEvent hangul;
  hangul.setCommitString(QStringLiteral("한"));
  QCoreApplication::sendEvent(name, &hangul);
  EXPECT_EQ(name->text(), QStringLiteral("鬼～"));  // the name as stored
  EXPECT_EQ(editor.working().name, Cp932("鬼～"));
  ASSERT_NE(FieldNotice::Of(editor), nullptr);
  EXPECT_EQ(FieldNotice::Of(editor)->text(), RefusedCharacterMessage(QStringLiteral("한")));
  EXPECT_EQ(name->cursorPosition(), 2);

  Commit(name, QStringLiteral("ab"));
  EXPECT_EQ(editor.working().name, "ab");
  EXPECT_FALSE(FieldNotice::Of(editor)->isVisible());
}

TEST_F(AttackerEditorTest, DefenceFlagsAreRebuiltFromBothLists) {
  encounter.attacker(1).defence_flags = 3;
  AttackerEditor editor(encounter, prompts, 1);
  EXPECT_EQ(List(editor, kDefenceKind)->currentText(), QStringLiteral("なし"));
  EXPECT_EQ(List(editor, kDefenceOption)->currentText(), QStringLiteral("通常"));
  Pick(List(editor, kDefenceOption), kOptionHalf);
  EXPECT_EQ(editor.working().defence_flags, 6);  // the 1 is dropped
  Pick(List(editor, kDefenceKind), kDefendMagic);
  EXPECT_EQ(editor.working().defence_flags, 5);
  Pick(List(editor, kDefenceOption), kOptionIgnore);
  EXPECT_EQ(editor.working().defence_flags, 9);
  Pick(List(editor, kDefenceKind), kDefendPhysical);
  EXPECT_EQ(editor.working().defence_flags, 8);

  encounter.attacker(2).defence_flags = 12;
  const AttackerEditor both_bits(encounter, prompts, 2);
  EXPECT_EQ(List(both_bits, kDefenceKind)->currentText(), QStringLiteral("物理"));
  EXPECT_EQ(List(both_bits, kDefenceOption)->currentText(), QStringLiteral("半分"));
  EXPECT_EQ(both_bits.working().defence_flags, 12);
}

TEST_F(AttackerEditorTest, AutoTriggerListInvertsThePosition) {
  encounter.attacker(1).auto_trigger = 5;
  AttackerEditor editor(encounter, prompts, 1);
  EXPECT_EQ(List(editor, kAutoTrigger)->currentText(), QStringLiteral("可"));
  EXPECT_EQ(editor.working().auto_trigger, 5);
  Pick(List(editor, kAutoTrigger), 1);
  EXPECT_EQ(editor.working().auto_trigger, 0);
  Pick(List(editor, kAutoTrigger), 0);
  EXPECT_EQ(editor.working().auto_trigger, 1);
}

TEST_F(AttackerEditorTest, ValuesOutsideAListShowNoSelectionUntilTheUserPicks) {
  Attacker& stored = encounter.attacker(1);
  stored.judgment_kind = 3;
  stored.evasion_kind = -1;
  stored.attack_attribute = 15;
  AttackerEditor editor(encounter, prompts, 1);
  for (ListField id : {kJudgmentKind, kEvasionKind, kAttackAttribute})
    EXPECT_EQ(List(editor, id)->currentIndex(), -1) << id;
  EXPECT_EQ(editor.working(), stored);

  Pick(List(editor, kJudgmentKind), kJudgeMagic);
  Pick(List(editor, kEvasionKind), kEvadeMagic);
  Pick(List(editor, kAttackAttribute), kAttrFiveElements);
  EXPECT_EQ(editor.working().judgment_kind, kJudgeMagic);
  EXPECT_EQ(editor.working().evasion_kind, kEvadeMagic);
  EXPECT_EQ(editor.working().attack_attribute, kAttrFiveElements);
}

TEST_F(AttackerEditorTest, CancelAfterEditingEveryFieldLeavesTheSlot) {
  const Encounter before = encounter;
  AttackerEditor editor(encounter, prompts, 2);
  Commit(Edit(editor, kName), QStringLiteral("新しい名前"));
  for (EditField id : {kJudgmentValue, kDiceCount, kDamageBonus, kAttackCount})
    Retype(Edit(editor, id), "77");
  for (ListField id :
       {kJudgmentKind, kEvasionKind, kDefenceKind, kDefenceOption, kAttackAttribute, kAutoTrigger})
    Pick(List(editor, id), 1);
  EXPECT_NE(editor.working(), before.attacker(2));
  Click(editor, kCancel);
  EXPECT_EQ(editor.result(), QDialog::Rejected);
  EXPECT_EQ(encounter.attackers(), before.attackers());
}

TEST_F(AttackerEditorTest, SwapExchangesTheStoredRecordsAtOnceAndLosesTheTypedName) {
  const Encounter before = encounter;
  AttackerEditor editor(encounter, prompts, 1);
  editor.show();
  Commit(Edit(editor, kName), QStringLiteral("打ち込んだ名前"));
  ChooserSeen seen;
  prompts.QueueDialog(AnswerChooser(3, &seen));
  Click(editor, kSwap);

  EXPECT_EQ(seen.caption, QStringLiteral("入れ替え／コピー"));
  EXPECT_EQ(seen.prompt, QStringLiteral("どれと入れ替えますか？"));
  EXPECT_EQ(seen.names, (std::vector<QString>{"剣士", "弓兵", "魔術師", "僧侶", "盗賊"}));
  EXPECT_EQ(encounter.attacker(1), before.attacker(3));
  EXPECT_EQ(encounter.attacker(3), before.attacker(1));  // without the typed name
  EXPECT_EQ(editor.working(), before.attacker(3));
  EXPECT_EQ(Edit(editor, kName)->text(), QStringLiteral("魔術師"));
  EXPECT_EQ(Edit(editor, kJudgmentValue)->text(), "30");
  EXPECT_FALSE(Button(editor, kCancel)->isEnabled());

  // Neither Escape nor the close box can cancel half a swap.
  QTest::keyClick(&editor, Qt::Key_Escape);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_FALSE(editor.close());
  EXPECT_TRUE(editor.isVisible());
  Click(editor, kOk);
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_FALSE(editor.isVisible());
}

TEST_F(AttackerEditorTest, SwapWithItselfRevertsToTheStoredRecordAndStillRefusesCancel) {
  const Encounter before = encounter;
  AttackerEditor editor(encounter, prompts, 2);
  Retype(Edit(editor, kJudgmentValue), "88");
  prompts.QueueDialog(AnswerChooser(2));
  Click(editor, kSwap);
  EXPECT_EQ(encounter.attackers(), before.attackers());
  EXPECT_EQ(editor.working(), before.attacker(2));
  EXPECT_EQ(Edit(editor, kJudgmentValue)->text(), "20");
  EXPECT_FALSE(Button(editor, kCancel)->isEnabled());
}

TEST_F(AttackerEditorTest, ACancelledChooserChangesNothing) {
  const Encounter before = encounter;
  AttackerEditor editor(encounter, prompts, 2);
  editor.show();
  Retype(Edit(editor, kJudgmentValue), "88");
  prompts.QueueDialog(AnswerChooser(0));
  Click(editor, kSwap);
  prompts.QueueDialog(AnswerChooser(0));
  Click(editor, kCopy);
  EXPECT_EQ(encounter.attackers(), before.attackers());
  EXPECT_EQ(editor.working().judgment_value, 88);
  EXPECT_TRUE(Button(editor, kCancel)->isEnabled());
  QTest::keyClick(&editor, Qt::Key_Escape);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(editor.result(), QDialog::Rejected);
}

TEST_F(AttackerEditorTest, CopyFillsOnlyTheWorkingRecord) {
  const Encounter before = encounter;
  AttackerEditor editor(encounter, prompts, 4);
  ChooserSeen seen;
  prompts.QueueDialog(AnswerChooser(2, &seen));
  Click(editor, kCopy);
  EXPECT_EQ(seen.prompt, QStringLiteral("どれをコピーしますか？"));
  EXPECT_EQ(editor.working(), before.attacker(2));  // evasion kind included
  EXPECT_EQ(Edit(editor, kName)->text(), QStringLiteral("弓兵"));
  EXPECT_TRUE(Button(editor, kCancel)->isEnabled());
  Click(editor, kCancel);
  EXPECT_EQ(editor.result(), QDialog::Rejected);
  EXPECT_EQ(encounter.attackers(), before.attackers());
}

TEST_F(AttackerEditorTest, SaveOneFromSlotFourIsOfferedUnderButtonFour) {
  const QString path = dir.filePath("one.qvr");
  {
    AttackerEditor editor(encounter, prompts, 4);
    Retype(Edit(editor, kJudgmentValue), "45x");  // unconfirmed edits are saved too
    prompts.QueueFileName(path);
    Click(editor, kSaveOne);
    ASSERT_EQ(prompts.save_choices.size(), 1u);
    EXPECT_EQ(prompts.save_choices[0].default_suffix, "qvr");
    EXPECT_EQ(prompts.save_choices[0].filter, "QVR ファイル (*.qvr);;全てのファイル (*)");
    EXPECT_EQ(ReadAll(path), "P,4,\"" + Cp932("僧侶") + "\",45,4,0,0,0,11,1,0,1\r\n");
    EXPECT_EQ(encounter.attacker(4).judgment_value, 40);
  }

  AttackerEditor editor(encounter, prompts, 1);
  prompts.QueueFileName(path);
  ChooserSeen seen;
  prompts.QueueDialog(AnswerChooser(4, &seen));
  Click(editor, kLoadOne);
  EXPECT_EQ(prompts.open_choices.at(0).filter, "QVR ファイル (*.qvr);;全てのファイル (*)");
  EXPECT_EQ(seen.prompt, QStringLiteral("どれをロードしますか？"));
  EXPECT_EQ(seen.names, (std::vector<QString>{"", "", "", "僧侶", ""}));
  Attacker expected = encounter.attacker(4);
  expected.judgment_value = 45;
  EXPECT_EQ(editor.working(), expected);
  EXPECT_EQ(Edit(editor, kJudgmentValue)->text(), "45");
  EXPECT_EQ(encounter.attacker(1).judgment_value, 10);
}

TEST_F(AttackerEditorTest, LoadOneFromAFileWithoutAttackersOffersDefaultRecords) {
  const QString path = dir.filePath("defenders.qvr");
  WriteAll(path, "M,1,\"oni\",1,2,3,4,5,0,0,0,0,0,0,0,0,0,0,0\r\np,2,\"lower\",9\r\n");
  AttackerEditor editor(encounter, prompts, 3);
  prompts.QueueFileName(path);
  ChooserSeen seen;
  prompts.QueueDialog(AnswerChooser(1, &seen));
  Click(editor, kLoadOne);
  EXPECT_EQ(seen.names, std::vector<QString>(5));
  EXPECT_EQ(editor.working(), Attacker{});
  EXPECT_EQ(List(editor, kAttackAttribute)->currentText(), QStringLiteral("－"));
  EXPECT_EQ(List(editor, kAutoTrigger)->currentText(), QStringLiteral("不"));
  EXPECT_EQ(Edit(editor, kAttackCount)->text(), "1");
}

TEST_F(AttackerEditorTest, LoadOneStopsSilentlyWhenTheDialogIsCancelled) {
  AttackerEditor editor(encounter, prompts, 2);
  Retype(Edit(editor, kDiceCount), "6");
  // The record as it was before the click, copied: a reference would follow it.
  // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
  const Attacker working = editor.working();
  prompts.QueueFileName("");  // no chooser may open after this
  Click(editor, kLoadOne);
  EXPECT_EQ(editor.working(), working);
  EXPECT_EQ(Edit(editor, kDiceCount)->text(), "6");
  EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(AttackerEditorTest, FileErrorsNameTheFileAndChangeNothing) {
  const Encounter before = encounter;
  AttackerEditor editor(encounter, prompts, 2);
  const QString missing = dir.filePath("missing.qvr");
  prompts.QueueFileName(missing);
  Click(editor, kLoadOne);
  ASSERT_EQ(prompts.errors.size(), 1);
  EXPECT_TRUE(prompts.errors[0].contains(missing));

  WriteAll(dir.filePath("plain"), "x");
  const QString unwritable = dir.filePath("plain/one.qvr");  // below a regular file
  prompts.QueueFileName(unwritable);
  Click(editor, kSaveOne);
  ASSERT_EQ(prompts.errors.size(), 2);
  EXPECT_TRUE(prompts.errors[1].contains(unwritable));
  EXPECT_EQ(editor.working(), before.attacker(2));
  EXPECT_EQ(encounter.attackers(), before.attackers());
  EXPECT_TRUE(Button(editor, kCancel)->isEnabled());
}

}  // namespace
}  // namespace zelmora
