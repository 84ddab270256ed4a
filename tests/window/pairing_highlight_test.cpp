// The best target of each attacker and the heat map, on the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <vector>

#include "engine/text.h"
#include "gui/user_settings.h"
#include "tests/support/grid_texts.h"
#include "tests/support/sample_table.h"
#include "tests/support/window_table.h"
#include "window/calc_window.h"
#include "window/matchup_detail_dialog.h"
#include "window/pairing_marks.h"

namespace zelmora {
namespace {

using Command = CalcWindow::Command;

class PairingHighlightTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UserSettings().clear();
    window = std::make_unique<CalcWindow>(prompts);
    window->show();
  }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  PairingCell& Pairing(int row, int column) const { return window->grid().pairing(row, column); }
  // Marked: the value bold and underlined, and the pairing's three cells on
  // one tint.
  bool Marked(int row, int column) const {
    PairingCell& p = Pairing(row, column);
    const std::optional<Tint> tint = p.chance().tint();
    return p.damage().emphasised() && p.damage().font().bold() && p.damage().font().underline() &&
           tint && p.technique().tint() == tint && p.damage().tint() == tint;
  }
  std::vector<int> MarkedColumns(int row) const {
    std::vector<int> columns;
    for (int column = 1; column <= 5; ++column) {
      if (Marked(row, column)) columns.push_back(column);
    }
    return columns;
  }

  testing::ScriptedPrompts prompts;
  std::unique_ptr<CalcWindow> window;
};

TEST_F(PairingHighlightTest, MarkMovesWhenTypingMakesAnotherDefenderBetterAndTextsStay) {
  EXPECT_TRUE(window->action(Command::kMarkBestTargets).isChecked());
  EXPECT_FALSE(window->action(Command::kHeatMap).isChecked());
  for (int row = 1; row <= 5; ++row) EXPECT_TRUE(MarkedColumns(row).empty()) << row;  // all 0

  testing::Retype(&window->grid().attacker(1).judgment(), "80");
  testing::Retype(&window->grid().attacker(1).dice(), "2");
  testing::Retype(&window->grid().attacker(1).bonus(), "2");
  const char* defences[] = {"6,0", "2,0", "4,0", "8,0", "8,0"};
  for (int column = 0; column < 5; ++column)
    testing::Retype(&window->grid().defender(column + 1).defence(), defences[column]);
  EXPECT_EQ(MarkedColumns(1), std::vector<int>{2});

  testing::Retype(&window->grid().defender(3).defence(), "0,0");
  EXPECT_GT(window->encounter().result(1, 3).expected_damage,
            window->encounter().result(1, 2).expected_damage);
  EXPECT_EQ(MarkedColumns(1), std::vector<int>{3});
  for (int row = 2; row <= 5; ++row) EXPECT_TRUE(MarkedColumns(row).empty()) << row;
  // Marking changes the look only: the cell still holds the grid's value,
  // fitted whole to the wider bold digits.
  const ResultCell& best = Pairing(1, 3).damage();
  EXPECT_EQ(best.WholeText(), QString::fromStdString(
                                  FormatGeneral(window->encounter().result(1, 3).expected_damage)));
  EXPECT_LE(best.fontMetrics().horizontalAdvance(best.text()), best.TextRoom());
  EXPECT_TRUE(best.WholeText().startsWith(best.text().left(4))) << best.text().toStdString();
}

TEST_F(PairingHighlightTest, TiesAreAllMarkedAndRowsWithNothingPositiveMarkNothing) {
  Encounter e = window->encounter();
  for (int row = 1; row <= 2; ++row) {
    e.attacker(row).judgment_value = 80;
    e.attacker(row).dice_count = 2;
  }
  e.attacker(2).damage_bonus = -20;  // below zero against every defender
  // Attackers 3 to 5 keep judgment value 0: nothing above zero either.
  for (int column = 1; column <= 5; ++column) e.defender(column).physical_defence = 3;
  e.defender(2).physical_defence = 1;
  e.defender(4).physical_defence = 1;
  window->document().SetTable(e);
  e = window->encounter();
  EXPECT_EQ(MarkedColumns(1), (std::vector<int>{2, 4}));
  for (int column = 1; column <= 5; ++column) {
    EXPECT_LT(e.result(2, column).expected_damage, 0);
    EXPECT_LE(e.result(3, column).expected_damage, 0);
  }
  EXPECT_TRUE(MarkedColumns(2).empty());
  EXPECT_TRUE(MarkedColumns(3).empty());

  // The detail dialog says the same for each kind of pairing.
  const std::pair<std::pair<int, int>, QString> details[] = {
      {{1, 4}, "最適な標的です"},
      {{1, 1}, "最適な標的ではない"},
      {{2, 2}, "最適な標的はない"},
  };
  for (const auto& [pairing, said] : details) {
    prompts.QueueDialog([said = said](QDialog& dialog) {
      auto* detail = dynamic_cast<MatchupDetailDialog*>(&dialog);
      const QString text = detail ? detail->target_rank().text() : QString();
      EXPECT_TRUE(text.endsWith(said)) << text.toStdString();
      return int(QDialog::Accepted);
    });
    window->ShowMatchupDetail(pairing.first, pairing.second);
  }
}

TEST_F(PairingHighlightTest, BothSwitchesAreKeptAcrossARestart) {
  testing::ChangeTable(*window, testing::FillSampleTable);
  ASSERT_FALSE(MarkedColumns(1).empty());
  window->action(Command::kMarkBestTargets).trigger();
  window->action(Command::kHeatMap).trigger();
  EXPECT_TRUE(MarkedColumns(1).empty());

  window = std::make_unique<CalcWindow>(prompts);
  testing::ChangeTable(*window, testing::FillSampleTable);
  EXPECT_FALSE(window->action(Command::kMarkBestTargets).isChecked());
  EXPECT_TRUE(window->action(Command::kHeatMap).isChecked());
  for (int row = 1; row <= 5; ++row) {
    for (int column = 1; column <= 5; ++column) {
      EXPECT_FALSE(Pairing(row, column).damage().font().bold());
    }
  }
  EXPECT_TRUE(Pairing(1, 1).chance().tint());

  window->action(Command::kMarkBestTargets).trigger();
  window->action(Command::kHeatMap).trigger();
  window = std::make_unique<CalcWindow>(prompts);
  EXPECT_TRUE(window->action(Command::kMarkBestTargets).isChecked());
  EXPECT_FALSE(window->action(Command::kHeatMap).isChecked());
}

// Darker means more damage, whatever the hue looks like to the user, and the
// text stays readable on every tint.
TEST_F(PairingHighlightTest, HeatMapTintsDarkenWithDamageAndKeepTextReadable) {
  window->action(Command::kHeatMap).trigger();
  testing::ChangeTable(*window, [](Encounter& e) {
    testing::FillSampleTable(e);
    e.attacker(5).damage_bonus = -30;
  });
  struct Shown {
    double damage;
    double luminance;
  };
  std::vector<Shown> tinted;
  int neutral = 0;
  for (int row = 1; row <= 5; ++row) {
    for (int column = 1; column <= 5; ++column) {
      const double damage = window->encounter().result(row, column).expected_damage;
      const std::optional<Tint> tint = Pairing(row, column).damage().tint();
      if (damage <= 0) {
        EXPECT_FALSE(tint) << row << "," << column;
        ++neutral;
        continue;
      }
      ASSERT_TRUE(tint) << row << "," << column;
      EXPECT_GE(ContrastRatio(tint->background, tint->text), 4.5);
      tinted.push_back({damage, RelativeLuminance(tint->background)});
    }
  }
  ASSERT_GE(neutral, 5);
  ASSERT_GE(tinted.size(), 10u);
  std::sort(tinted.begin(), tinted.end(), [](auto& a, auto& b) { return a.damage < b.damage; });
  for (std::size_t i = 1; i < tinted.size(); ++i) {
    EXPECT_LE(tinted[i].luminance, tinted[i - 1].luminance) << tinted[i].damage;
  }
  // The whole scale, not only the values this table happens to have.
  double previous = 1.0;
  for (int step = 1; step <= 1000; ++step) {
    const std::optional<Tint> tint = HeatTint(step, 1000);
    ASSERT_TRUE(tint);
    EXPECT_GE(ContrastRatio(tint->background, tint->text), 4.5) << step;
    EXPECT_LE(RelativeLuminance(tint->background), previous + 1e-9) << step;
    previous = RelativeLuminance(tint->background);
  }
  EXPECT_GE(ContrastRatio(BestTargetTint().background, BestTargetTint().text), 4.5);
}

}  // namespace
}  // namespace zelmora
