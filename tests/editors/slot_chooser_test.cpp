#include "editors/slot_chooser.h"

#include "tests/editors/editor_test_helpers.h"

namespace zelmora {
namespace {

using testing::Button;
using testing::Click;
using testing::Edit;
using testing::ScriptedPrompts;

const SlotNames kNames = {"一", "二", "", "四", "五"};

TEST(SlotChooser, ShowsThePromptAndTheNamesByRow) {
  SlotChooser chooser(QStringLiteral("どれをコピーしますか？"), kNames);
  EXPECT_EQ(chooser.windowTitle(), QStringLiteral("入れ替え／コピー"));
  EXPECT_EQ(Edit(chooser, 1238)->text(), QStringLiteral("どれをコピーしますか？"));
  const std::pair<int, QString> rows[] = {
      {1244, "一"}, {1246, "二"}, {1247, ""}, {1245, "四"}, {1248, "五"}};
  for (const auto& [id, name] : rows) {
    EXPECT_EQ(Edit(chooser, id)->text(), name) << id;
    EXPECT_TRUE(Edit(chooser, id)->isReadOnly()) << id;
  }
  for (int id = 1239; id <= 1243; ++id) EXPECT_TRUE(Button(chooser, id)->isEnabled()) << id;
  EXPECT_EQ(ControlById(chooser, 1), nullptr);  // no OK button
}

TEST(SlotChooser, StartsOnCancelAndTabsThroughTheNumbers) {
  SlotChooser chooser(QStringLiteral("?"), kNames);
  chooser.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
  EXPECT_EQ(QApplication::focusWidget(), Button(chooser, 2));
  EXPECT_EQ(testing::TabOrder(chooser, 2), (std::vector<int>{2, 1239, 1240, 1241, 1242, 1243}));
}

TEST(SlotChooser, ANumberPicksItsSlotAndAcceptsEvenBesideAnEmptyName) {
  for (int slot = 1; slot <= 5; ++slot) {
    SlotChooser chooser(QStringLiteral("?"), kNames);
    Click(chooser, 1238 + slot);
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.picked(), slot);
  }
}

TEST(SlotChooser, NoAcceptanceWithoutAPickedSlot) {
  SlotChooser cancelled(QStringLiteral("?"), kNames);
  Click(cancelled, 2);
  EXPECT_EQ(cancelled.result(), QDialog::Rejected);
  EXPECT_EQ(cancelled.picked(), 0);

  SlotChooser confirmed(QStringLiteral("?"), kNames);
  confirmed.accept();
  EXPECT_EQ(confirmed.result(), QDialog::Rejected);
}

TEST(ChooseSlot, GivesThePickedSlotOrNothing) {
  ScriptedPrompts prompts;
  prompts.QueueDialog(testing::AnswerChooser(4));
  EXPECT_EQ(ChooseSlot(prompts, nullptr, QStringLiteral("?"), kNames), 4);
  prompts.QueueDialog(testing::AnswerChooser(0));
  EXPECT_EQ(ChooseSlot(prompts, nullptr, QStringLiteral("?"), kNames), std::nullopt);
  // A runner that reports acceptance without a pick is still no choice.
  prompts.QueueDialog([](QDialog&) { return int{QDialog::Accepted}; });
  EXPECT_EQ(ChooseSlot(prompts, nullptr, QStringLiteral("?"), kNames), std::nullopt);
  EXPECT_TRUE(prompts.Exhausted());
}

}  // namespace
}  // namespace zelmora
