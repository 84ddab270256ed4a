#include "engine/table_history.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/labels.h"

namespace zelmora {
namespace {

TableState WithJudgment(std::int32_t value) {
  TableState state;
  state.attackers[1].judgment_value = value;
  return state;
}

// A script of changes and moves, with the judgment value shown and what can
// be undone or redone after each.
TEST(TableHistoryTest, StepsGroupsAndTheCleanMark) {
  struct Step {
    const char* what;
    std::function<void(TableHistory&)> act;
    std::int32_t shown;
    bool can_undo, can_redo, clean;
  };
  auto record = [](std::int32_t v, std::string group = {}) {
    return [v, group](TableHistory& h) { h.Record(WithJudgment(v), group); };
  };
  auto undo = [](TableHistory& h) { h.Undo(); };
  auto redo = [](TableHistory& h) { h.Redo(); };
  TableHistory history(WithJudgment(0));
  for (const Step& s : {
           Step{"type 4", record(4, "a2"), 4, true, false, false},
           Step{"type 45 joins", record(45, "a2"), 45, true, false, false},
           Step{"one undo takes the typing back", undo, 0, false, true, true},
           Step{"redo", redo, 45, true, false, false},
           Step{"save", [](TableHistory& h) { h.MarkClean(); }, 45, true, false, true},
           Step{"typing after a save is a new step", record(46, "a2"), 46, true, false, false},
           Step{"unchanged state makes no step", record(46), 46, true, false, false},
           Step{"undo to the saved state", undo, 45, true, true, true},
           Step{"a change drops the redo", record(7), 7, true, false, false},
           Step{"undo again", undo, 45, true, true, true},
           Step{"typing in another field", record(8, "d1"), 8, true, false, false},
           Step{"focus out ends the group", [](TableHistory& h) { h.EndGroup(); }, 8, true, false,
                false},
           Step{"same field again is a new step", record(9, "d1"), 9, true, false, false},
           Step{"typing back to where it began", record(8, "d1"), 8, true, false, false},
           Step{"undo", undo, 45, true, true, true},
           Step{"undo", undo, 0, false, true, false},
       }) {
    s.act(history);
    EXPECT_EQ(history.Current().attackers[1].judgment_value, s.shown) << s.what;
    EXPECT_EQ(history.CanUndo(), s.can_undo) << s.what;
    EXPECT_EQ(history.CanRedo(), s.can_redo) << s.what;
    EXPECT_EQ(history.IsClean(), s.clean) << s.what;
  }
}

// A state holds everything a change can touch, so undo of a load restores
// the table exactly.
TEST(TableHistoryTest, StatesCarryRecordsEvasionKindsAndModifiers) {
  Encounter e;
  e.attacker(3).evasion_kind = kEvadeMagic;
  e.defender(5).name = "oni";
  e.modifiers().hit_bonus[1] = 7;
  const TableState before = TableStateOf(e);
  Encounter other;
  ApplyTableState(before, other);
  EXPECT_EQ(TableStateOf(other), before);
  EXPECT_EQ(other.attacker(3).evasion_kind, kEvadeMagic);
  EXPECT_EQ(other.modifiers(), e.modifiers());
  EXPECT_EQ(other.defenders(), e.defenders());
}

}  // namespace
}  // namespace zelmora
