// The table's document without any widget: undo, redo and the modified mark
// as sequences of actions, loading, saving and the kept session.
#include "window/table_document.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "files/kept_table.h"
#include "files/roster_file.h"
#include "tests/support/gui_helpers.h"
#include "window/table_keeper.h"

namespace zelmora {
namespace {

using testing::ReadAll;
using testing::WriteAll;

// Attacker 1's judgment value stands for the table.
Encounter TableOf(std::int32_t judgment) {
  Encounter table;
  table.attacker(1).judgment_value = judgment;
  return table;
}

class TableDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QFile::remove(TableKeeper::Path());
    WriteRoster("party.qvr", 30);
    WriteRoster("same.qvr", 30);
    WriteRoster("other.qvr", 60);
  }
  void TearDown() override { QFile::remove(TableKeeper::Path()); }

  std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }
  void WriteRoster(const char* name, std::int32_t judgment) const {
    WriteAll(folder.filePath(name), SaveAllBytes(TableOf(judgment)));
  }
  // As the title shows it: the roster's name, "*" when modified.
  static std::string Title(const TableDocument& document) {
    return QFileInfo(document.roster_path()).fileName().toStdString() +
           (document.IsModified() ? "*" : "");
  }

  QTemporaryDir folder;
};

// One action of a sequence, then what stands: attacker 1's judgment value,
// the title and whether redo can do anything.
struct Step {
  const char* action;
  std::int32_t judgment;
  const char* title;
  bool can_redo;
};

TEST_F(TableDocumentTest, SequencesOfActionsLeaveTheExpectedTableTitleAndRedo) {
  // "type N": attacker 1's judgment typed in its field (typing on joins one
  // step until "end typing"); "editor N": an editor's OK setting it.
  const std::map<std::string, std::function<void(TableDocument&)>> actions = {
      {"load party", [this](TableDocument& d) { ASSERT_FALSE(d.Load(Path("party.qvr")).error); }},
      {"load same", [this](TableDocument& d) { ASSERT_FALSE(d.Load(Path("same.qvr")).error); }},
      {"load other", [this](TableDocument& d) { ASSERT_FALSE(d.Load(Path("other.qvr")).error); }},
      {"save new", [this](TableDocument& d) { ASSERT_FALSE(d.Save(Path("new.qvr"))); }},
      {"new", [](TableDocument& d) { d.NewTable(); }},
      {"undo", [](TableDocument& d) { d.Undo(); }},
      {"redo", [](TableDocument& d) { d.Redo(); }},
      {"end typing", [](TableDocument& d) { d.EndTyping(); }},
      {"type 3", [](TableDocument& d) { d.SetAttacker(1, TableOf(3).attacker(1), "a1"); }},
      {"type 35", [](TableDocument& d) { d.SetAttacker(1, TableOf(35).attacker(1), "a1"); }},
      {"type 30", [](TableDocument& d) { d.SetAttacker(1, TableOf(30).attacker(1), "a1"); }},
      {"editor 30", [](TableDocument& d) { d.SetAttackers(TableOf(30).attackers()); }},
      {"editor 40", [](TableDocument& d) { d.SetAttackers(TableOf(40).attackers()); }},
      {"bonus",
       [](TableDocument& d) {
         GlobalModifiers bonus = d.encounter().modifiers();
         bonus.hit_bonus[0] += 5;
         d.SetModifiers(bonus);
       }},
  };
  const std::vector<std::pair<const char*, std::vector<Step>>> sequences = {
      {"a redo after a load equal to the table has nothing to redo",
       {{"load party", 30, "party.qvr", false},
        {"new", 0, "", false},
        {"undo", 30, "party.qvr", true},
        {"load same", 30, "same.qvr", false},
        {"redo", 30, "same.qvr", false}}},
      {"undoing 新規 or a load back to the roster's content is not modified",
       {{"load party", 30, "party.qvr", false},
        {"new", 0, "", false},
        {"undo", 30, "party.qvr", true},
        {"load other", 60, "other.qvr", false},
        {"undo", 30, "party.qvr", true},
        {"redo", 60, "other.qvr", false}}},
      {"typing away and back, in one step or two",
       {{"load party", 30, "party.qvr", false},
        {"type 3", 3, "party.qvr*", false},
        {"type 35", 35, "party.qvr*", false},
        {"end typing", 35, "party.qvr*", false},
        {"type 30", 30, "party.qvr", false},
        {"undo", 35, "party.qvr*", true},
        {"undo", 30, "party.qvr", true},
        {"undo", 0, "", true}}},
      {"an editor's OK that changes nothing still drops the redo steps",
       {{"load party", 30, "party.qvr", false},
        {"editor 40", 40, "party.qvr*", false},
        {"undo", 30, "party.qvr", true},
        {"editor 30", 30, "party.qvr", false}}},
      {"the bonus is an action of its own and marks the table",
       {{"load party", 30, "party.qvr", false},
        {"bonus", 30, "party.qvr*", false},
        {"undo", 30, "party.qvr", true},
        {"bonus", 30, "party.qvr*", false}}},
      {"saving is no step: redo stays, its steps keep their own roster",
       {{"type 3", 3, "*", false},
        {"end typing", 3, "*", false},
        {"type 35", 35, "*", false},
        {"undo", 3, "*", true},
        {"save new", 3, "new.qvr", true},
        {"redo", 35, "*", false},
        {"undo", 3, "new.qvr", true},
        {"undo", 0, "", true}}},
  };
  for (const auto& [name, steps] : sequences) {
    TableDocument document;
    int index = 0;
    for (const Step& step : steps) {
      actions.at(step.action)(document);
      const std::string where = std::string(name) + ", step " + std::to_string(++index);
      EXPECT_EQ(document.encounter().attacker(1).judgment_value, step.judgment) << where;
      EXPECT_EQ(Title(document), step.title) << where;
      EXPECT_EQ(document.CanRedo(), step.can_redo) << where;
    }
  }
}

// Each action tells what changed, and the results are those of the records.
TEST_F(TableDocumentTest, ChangesAreToldAndTheResultsAreRecalculated) {
  TableDocument document;
  int records = 0, states = 0;
  QObject::connect(&document, &TableDocument::RecordsChanged, [&] { ++records; });
  QObject::connect(&document, &TableDocument::StateChanged, [&] { ++states; });
  Attacker attacker = document.encounter().attacker(2);
  attacker.judgment_value = 80;
  attacker.dice_count = 2;
  document.SetAttacker(2, attacker);
  Encounter expected = TableOf(0);
  expected.attacker(2) = attacker;
  expected.Recalculate();
  for (int column = 1; column <= Encounter::kSlots; ++column) {
    EXPECT_EQ(document.encounter().result(2, column), expected.result(2, column));
  }
  EXPECT_EQ(records, 1);
  EXPECT_EQ(states, 1);
  ASSERT_FALSE(document.Save(Path("new.qvr")));
  EXPECT_EQ(records, 1);
  EXPECT_EQ(states, 2);
  EXPECT_EQ(ReadAll(folder.filePath("new.qvr")), SaveAllBytes(expected));

  // A file that cannot be read or written changes nothing.
  EXPECT_TRUE(document.Load(Path("missing.qvr")).error);
  EXPECT_TRUE(document.Save(Path("party.qvr/under_a_file.qvr")));
  EXPECT_EQ(document.encounter().attacker(2), attacker);
  EXPECT_EQ(document.roster(), Path("new.qvr"));
  EXPECT_FALSE(document.IsModified());
}

// The kept table brings back its roster: saved and unchanged, it is not
// modified; a roster that has vanished or changed since leaves the table
// as kept, marked modified. Saving then writes to that roster.
TEST_F(TableDocumentTest, TheKeptSessionComesBackWithItsRosterAndItsMark) {
  enum class Since { kUnchanged, kChanged, kVanished };
  struct Case {
    const char* name;
    bool typed;  // a change after the load, not saved
    Since since;
    const char* title;
  };
  const Case cases[] = {
      {"saved, roster unchanged", false, Since::kUnchanged, "party.qvr"},
      {"saved, roster changed since", false, Since::kChanged, "party.qvr*"},
      {"saved, roster vanished", false, Since::kVanished, "party.qvr*"},
      {"modified, roster unchanged", true, Since::kUnchanged, "party.qvr*"},
      {"modified, roster vanished", true, Since::kVanished, "party.qvr*"},
  };
  for (const Case& c : cases) {
    WriteRoster("party.qvr", 30);
    std::int32_t kept_judgment = 30;
    {
      TableDocument document;
      document.keeper().Start(60000);
      ASSERT_FALSE(document.Load(Path("party.qvr")).error);
      if (c.typed) {
        kept_judgment = 44;
        document.SetAttacker(1, TableOf(kept_judgment).attacker(1), "a1");
      }
      document.keeper().WriteNow();
    }
    if (c.since == Since::kChanged) WriteRoster("party.qvr", 31);
    if (c.since == Since::kVanished) QFile::remove(folder.filePath("party.qvr"));

    TableDocument next;
    ASSERT_FALSE(next.RestoreKept().error) << c.name;
    next.ForgetHistory();
    EXPECT_EQ(next.encounter().attacker(1).judgment_value, kept_judgment) << c.name;
    EXPECT_EQ(Title(next), c.title) << c.name;
    EXPECT_FALSE(next.CanUndo()) << c.name;
    ASSERT_FALSE(next.Save(next.roster())) << c.name;
    EXPECT_EQ(ReadAll(folder.filePath("party.qvr")), SaveAllBytes(next.encounter())) << c.name;
    EXPECT_EQ(Title(next), "party.qvr") << c.name;
  }
}

// A kept table of no roster comes back belonging to none; a damaged one is
// refused and changes nothing.
TEST_F(TableDocumentTest, KeptTableOfNoRosterOrDamagedOne) {
  {
    TableDocument document;
    document.keeper().Start(60000);
    ASSERT_FALSE(document.Load(Path("other.qvr")).error);
    document.NewTable();
    document.SetAttacker(1, TableOf(7).attacker(1));
    document.keeper().WriteNow();
  }
  TableDocument next;
  ASSERT_FALSE(next.Load(Path("party.qvr")).error);
  EXPECT_EQ(next.RestoreKept().problem, KeptTableProblem::kNone);
  EXPECT_EQ(next.encounter().attacker(1).judgment_value, 7);
  EXPECT_EQ(Title(next), "*");
  next.Undo();
  EXPECT_EQ(Title(next), "party.qvr");

  const std::string whole = ReadAll(TableKeeper::Path());
  WriteAll(TableKeeper::Path(), whole.substr(0, whole.size() - 3));
  EXPECT_EQ(next.RestoreKept().problem, KeptTableProblem::kDamaged);
  EXPECT_EQ(next.encounter().attacker(1).judgment_value, 30);
  EXPECT_EQ(Title(next), "party.qvr");
  EXPECT_TRUE(next.CanRedo());
}

}  // namespace
}  // namespace zelmora
