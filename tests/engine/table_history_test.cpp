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

TEST(TableHistoryTest, StepsGroupsAndTheCleanMark) {
  // A state holds all a change can touch: undo of a load restores it all.
  Encounter start, restored;
  start.attacker(3).evasion_kind = kEvadeMagic;
  start.modifiers().hit_bonus[1] = 7;
  ApplyTableState(TableStateOf(start), restored);
  EXPECT_TRUE(restored.attackers() == start.attackers() &&
              restored.modifiers() == start.modifiers());

  // Record ('r': value, group), end group ('e'), undo ('u'), redo ('d') or
  // save ('s'); then the value shown and can undo, can redo, clean.
  struct Step {
    char act;
    std::int32_t value;
    const char* group;
    const char* undo_redo_clean;
  };
  TableHistory history(WithJudgment(0));
  const Step steps[] = {
      {'r', 4, "a2", "u"}, {'r', 45, "a2", "u"}, {'u', 0, "", "rc"},   {'d', 45, "", "u"},
      {'s', 45, "", "uc"}, {'r', 46, "a2", "u"}, {'r', 46, "", "u"},   {'u', 45, "", "urc"},
      {'r', 7, "", "u"},   {'u', 45, "", "urc"}, {'r', 8, "d1", "u"},  {'e', 8, "", "u"},
      {'r', 9, "d1", "u"}, {'r', 8, "d1", "u"},  {'u', 45, "", "urc"}, {'u', 0, "", "r"}};
  for (const Step& s : steps) {
    if (s.act == 'r') history.Record(WithJudgment(s.value), s.group);
    if (s.act == 'e') history.EndGroup();
    if (s.act == 'u') history.Undo();
    if (s.act == 'd') history.Redo();
    if (s.act == 's') history.MarkClean();
    const std::string state = std::string(history.CanUndo() ? "u" : "") +
                              (history.CanRedo() ? "r" : "") + (history.IsClean() ? "c" : "");
    EXPECT_EQ(history.Current().attackers[1].judgment_value, s.value) << s.act << s.value;
    EXPECT_EQ(state, s.undo_redo_clean) << s.act << s.value;
  }
}

}  // namespace
}  // namespace zelmora
