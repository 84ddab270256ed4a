#include "editors/slot_chooser.h"

#include <QLineEdit>
#include <QPushButton>

#include "tests/support/gui_helpers.h"

namespace zelmora {
namespace {

using testing::Click;
using testing::ScriptedPrompts;

const SlotNames kNames = {"一", "二", "", "四", "五"};

TEST(SlotChooser, ShowsThePromptAndTheNamesByRow) {
  SlotChooser chooser(QStringLiteral("どれをコピーしますか？"), kNames);
  EXPECT_EQ(chooser.windowTitle(), QStringLiteral("入れ替え／コピー"));
  EXPECT_EQ(chooser.prompt().text(), QStringLiteral("どれをコピーしますか？"));
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(chooser.names()[row]->text(), kNames[row]) << row;
    EXPECT_TRUE(chooser.names()[row]->isReadOnly()) << row;
    EXPECT_TRUE(chooser.numbers()[row]->isEnabled()) << row;
  }
  EXPECT_EQ(chooser.buttons().ok(), nullptr);
}

TEST(SlotChooser, StartsOnCancelAndTabsThroughTheNumbers) {
  SlotChooser chooser(QStringLiteral("?"), kNames);
  chooser.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
  EXPECT_EQ(QApplication::focusWidget(), chooser.buttons().cancel());
  std::vector<QWidget*> order = {chooser.buttons().cancel()};
  order.insert(order.end(), chooser.numbers().begin(), chooser.numbers().end());
  EXPECT_EQ(testing::TabChain(chooser.buttons().cancel()), order);
}

TEST(SlotChooser, ANumberPicksItsSlotAndAcceptsEvenBesideAnEmptyName) {
  for (int slot = 1; slot <= 5; ++slot) {
    SlotChooser chooser(QStringLiteral("?"), kNames);
    Click(chooser.numbers()[slot - 1]);
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.picked(), slot);
  }
}

TEST(SlotChooser, NoAcceptanceWithoutAPickedSlot) {
  SlotChooser cancelled(QStringLiteral("?"), kNames);
  Click(cancelled.buttons().cancel());
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
