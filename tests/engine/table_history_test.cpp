#include "engine/table_history.h"

#include <gtest/gtest.h>

#include "engine/labels.h"

namespace zelmora {
namespace {

TableState WithJudgment(std::int32_t value) {
  TableState state;
  state.attackers[1].judgment_value = value;
  return state;
}

TEST(TableHistoryTest, AStateHoldsAllAChangeCanTouch) {
  Encounter start, restored;
  start.attacker(3).evasion_kind = kEvadeMagic;
  start.modifiers().hit_bonus[1] = 7;
  ApplyTableState(TableStateOf(start), restored);
  EXPECT_TRUE(restored.attackers() == start.attackers() &&
              restored.modifiers() == start.modifiers());
}

// One action of a sequence: record ('r': value, group), end the group
// ('e'), undo ('u'), redo ('d'), the table now belonging to a roster it was
// loaded from or saved to ('b': roster), or a load ('l': value, roster).
// Then the value shown, its roster and what stands: can undo ('u'), can
// redo ('r'), modified ('m').
struct Act {
  char act;
  std::int32_t value;
  const char* group_or_roster;
  const char* roster;
  const char* flags;
};

void Play(const char* name, std::initializer_list<Act> acts) {
  TableHistory history(WithJudgment(0));
  int index = 0;
  for (const Act& a : acts) {
    switch (a.act) {
      case 'r':
        history.Record(WithJudgment(a.value), a.group_or_roster);
        break;
      case 'e':
        history.EndGroup();
        break;
      case 'u':
        history.Undo();
        break;
      case 'd':
        history.Redo();
        break;
      case 'b':
        history.BelongTo(a.group_or_roster);
        break;
      case 'l':
        history.Record(WithJudgment(a.value));
        history.BelongTo(a.group_or_roster);
        break;
    }
    const std::string flags = std::string(history.CanUndo() ? "u" : "") +
                              (history.CanRedo() ? "r" : "") + (history.IsModified() ? "m" : "");
    const std::string where = std::string(name) + ", act " + std::to_string(++index);
    EXPECT_EQ(history.Current().attackers[1].judgment_value, a.value) << where;
    EXPECT_EQ(history.Roster(), a.roster) << where;
    EXPECT_EQ(flags, a.flags) << where;
  }
}

TEST(TableHistoryTest, UndoRedoAndTheModifiedMarkFollowEveryEditorsRules) {
  Play("typing in one field is one step until the group ends", {{'r', 4, "a2", "", "um"},
                                                                {'r', 45, "a2", "", "um"},
                                                                {'u', 0, "", "", "r"},
                                                                {'d', 45, "", "", "um"},
                                                                {'e', 45, "", "", "um"},
                                                                {'r', 456, "a2", "", "um"},
                                                                {'u', 45, "", "", "urm"}});
  Play("typing back to where the step began leaves no step",
       {{'r', 8, "d1", "", "um"}, {'r', 0, "d1", "", ""}});
  Play("saved, changed and changed back: not modified", {{'r', 45, "", "", "um"},
                                                         {'b', 45, "p", "p", "u"},
                                                         {'r', 46, "a2", "p", "um"},
                                                         {'r', 45, "", "p", "u"},
                                                         {'u', 46, "", "p", "urm"},
                                                         {'u', 45, "", "p", "ur"}});
  Play("a new action drops the redo steps even when it changes nothing", {{'r', 45, "", "", "um"},
                                                                          {'r', 7, "", "", "um"},
                                                                          {'u', 45, "", "", "urm"},
                                                                          {'r', 45, "", "", "um"}});
  Play("a load equal to the table drops the redo steps and takes its roster",
       {{'l', 30, "party", "party", "u"},
        {'r', 0, "", "party", "um"},
        {'u', 30, "", "party", "ur"},
        {'l', 30, "same", "same", "u"},
        {'u', 0, "", "", "r"}});
  Play("undo back to a roster's content is not modified", {{'l', 30, "party", "party", "u"},
                                                           {'r', 0, "", "party", "um"},
                                                           {'b', 0, "", "", "u"},
                                                           {'u', 30, "", "party", "ur"},
                                                           {'d', 0, "", "", "u"}});
  Play("saving again replaces what the roster is compared with", {{'l', 30, "party", "party", "u"},
                                                                  {'r', 31, "", "party", "um"},
                                                                  {'b', 31, "party", "party", "u"},
                                                                  {'u', 30, "", "party", "urm"}});
  Play("without a roster, the table is modified while it is not empty",
       {{'r', 5, "", "", "um"}, {'r', 0, "", "", "u"}});
}

// A step's roster goes with it; a roster that has vanished leaves the
// table modified until saved.
TEST(TableHistoryTest, DroppedStepsKeepWhatTheRostersHeld) {
  TableHistory history(WithJudgment(3));
  history.BelongTo("gone", std::nullopt);
  EXPECT_TRUE(history.IsModified());
  history.Record(WithJudgment(4));
  history.BelongTo("kept");
  history.DropSteps();
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.Roster(), "kept");
  history.Record(WithJudgment(5));
  EXPECT_TRUE(history.IsModified());
  history.Record(WithJudgment(4));
  EXPECT_FALSE(history.IsModified());
  EXPECT_EQ(history.SavedContent("gone"), nullptr);
}

}  // namespace
}  // namespace zelmora
