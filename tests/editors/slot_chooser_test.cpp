#include "editors/slot_chooser.h"

#include "resources/slot_chooser_ids.h"
#include "tests/support/gui_helpers.h"

namespace zelmora {
namespace {

using layout::kCancel;
using testing::Button;
using testing::Click;
using testing::Edit;
using testing::ScriptedPrompts;
using namespace chooser_ids;

const SlotNames kNames = {"一", "二", "", "四", "五"};

TEST(SlotChooser, ShowsThePromptAndTheNamesByRow) {
  SlotChooser chooser(QStringLiteral("どれをコピーしますか？"), kNames);
  EXPECT_EQ(chooser.windowTitle(), QStringLiteral("入れ替え／コピー"));
  EXPECT_EQ(Edit(chooser, kPrompt)->text(), QStringLiteral("どれをコピーしますか？"));
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(Edit(chooser, kSlotNames[row])->text(), kNames[row]) << row;
    EXPECT_TRUE(Edit(chooser, kSlotNames[row])->isReadOnly()) << row;
    EXPECT_TRUE(Button(chooser, kSlotButtons[row])->isEnabled()) << row;
  }
  EXPECT_EQ(ControlById(chooser, layout::kOk), nullptr);  // no OK button
}

TEST(SlotChooser, StartsOnCancelAndTabsThroughTheNumbers) {
  SlotChooser chooser(QStringLiteral("?"), kNames);
  chooser.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
  EXPECT_EQ(QApplication::focusWidget(), Button(chooser, kCancel));
  std::vector<int> order = {kCancel};
  order.insert(order.end(), kSlotButtons.begin(), kSlotButtons.end());
  EXPECT_EQ(testing::TabOrder(chooser, kCancel), order);
}

TEST(SlotChooser, ANumberPicksItsSlotAndAcceptsEvenBesideAnEmptyName) {
  for (int slot = 1; slot <= 5; ++slot) {
    SlotChooser chooser(QStringLiteral("?"), kNames);
    Click(chooser, kSlotButtons[slot - 1]);
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.picked(), slot);
  }
}

TEST(SlotChooser, NoAcceptanceWithoutAPickedSlot) {
  SlotChooser cancelled(QStringLiteral("?"), kNames);
  Click(cancelled, kCancel);
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
