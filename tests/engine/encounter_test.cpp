#include "engine/encounter.h"

#include <gtest/gtest.h>

#include "engine/labels.h"

namespace zelmora {
namespace {

class EncounterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 1; i <= Encounter::kSlots; ++i) {
      encounter_.attacker(i).judgment_value = 10 * i + 5;
      encounter_.attacker(i).dice_count = i;
      encounter_.defender(i).melee_evasion = 7 * i;
    }
  }
  Encounter encounter_;
};

TEST_F(EncounterTest, StartsWithDefaultsAndEmptyResults) {
  const Encounter fresh;
  EXPECT_EQ(fresh.attacker(3), Attacker{});
  EXPECT_EQ(fresh.attacker(3).attack_attribute, kAttrNeutral);
  EXPECT_EQ(fresh.attacker(3).attack_count, 1);
  EXPECT_EQ(fresh.defender(5), Defender{});
  EXPECT_EQ(fresh.result(1, 1), MatchupResult{});
  EXPECT_EQ(fresh.summary(5), AttackerSummary{});
}

TEST_F(EncounterTest, AllSelectsEveryRowAndPairing) {
  encounter_.Recalculate();
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(encounter_.summary(i),
              SummarizeAttacker(encounter_.attacker(i), encounter_.modifiers()));
    for (int j = 1; j <= 5; ++j) {
      EXPECT_EQ(encounter_.result(i, j),
                ResultOf(encounter_.attacker(i), encounter_.defender(j), encounter_.modifiers()));
    }
  }
}

TEST_F(EncounterTest, SelectorsLeaveUnselectedResultsAlone) {
  encounter_.Recalculate();
  const Encounter before = encounter_;
  for (int i = 1; i <= 5; ++i) encounter_.attacker(i).judgment_value += 30;
  for (int j = 1; j <= 5; ++j) encounter_.defender(j).melee_evasion += 20;

  encounter_.Recalculate(SlotSelection::Only(7));  // no such row: nothing computed
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(encounter_.summary(i), before.summary(i));
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(encounter_.result(i, j), before.result(i, j));
  }

  encounter_.Recalculate(SlotSelection::Only(2), SlotSelection::None());  // summary only
  EXPECT_NE(encounter_.summary(2), before.summary(2));
  EXPECT_EQ(encounter_.summary(3), before.summary(3));
  for (int j = 1; j <= 5; ++j) EXPECT_EQ(encounter_.result(2, j), before.result(2, j));

  encounter_.Recalculate(SlotSelection::All(), SlotSelection::Only(4));  // and all summaries
  for (int i = 1; i <= 5; ++i) {
    EXPECT_NE(encounter_.result(i, 4), before.result(i, 4));
    EXPECT_EQ(encounter_.result(i, 3), before.result(i, 3));
    EXPECT_NE(encounter_.summary(i), before.summary(i));
  }

  encounter_.Recalculate(SlotSelection::None(), SlotSelection::All());
  EXPECT_EQ(encounter_.result(1, 1), before.result(1, 1));
  encounter_.Recalculate(SlotSelection::Only(0), SlotSelection::All());  // 0 is no slot
  EXPECT_EQ(encounter_.result(1, 1), before.result(1, 1));
}

TEST(ModifiersMappingTest, EightShownValuesFillAllThirteenEntries) {
  GlobalModifiers stored;
  stored.hit_bonus = {1, 2, 3};
  stored.damage_bonus = {4, 5, 6};
  stored.defence_bonus = {7, 8, 9};
  stored.evasion_bonus = {10, 11, 12, 13};
  const ShownModifiers shown = ShowModifiers(stored);
  EXPECT_EQ(shown, (ShownModifiers{1, 2, 4, 5, 10, 12, 7, 8}));
  const GlobalModifiers confirmed = ModifiersFromShown(shown);
  EXPECT_EQ(confirmed.hit_bonus, (std::array<std::int32_t, 3>{1, 2, 0}));
  EXPECT_EQ(confirmed.damage_bonus, (std::array<std::int32_t, 3>{4, 5, 0}));
  EXPECT_EQ(confirmed.defence_bonus, (std::array<std::int32_t, 3>{7, 8, 0}));
  EXPECT_EQ(confirmed.evasion_bonus, (std::array<std::int32_t, 4>{10, 10, 12, 0}));

  const GlobalModifiers evasion = ModifiersFromShown({0, 0, 0, 0, 5, 7, 0, 0});
  EXPECT_EQ(evasion.evasion_bonus, (std::array<std::int32_t, 4>{5, 5, 7, 0}));
}

}  // namespace
}  // namespace zelmora
