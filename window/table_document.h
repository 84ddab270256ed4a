#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "engine/encounter.h"
#include "engine/slot_selection.h"
#include "engine/table_history.h"
#include "files/file_io.h"
#include "files/kept_table.h"
#include "files/roster_file.h"
#include "window/table_keeper.h"

namespace zelmora {

// The table the window shows, as a document: the encounter with its
// results, the undo history with the roster each step belongs to, whether
// the table differs from that roster, loading, saving, 新規 and the kept
// table. Every change of a record goes through it, and it tells whoever
// shows the table what changed; it knows nothing of widgets.
//
// Each action (an edit, load, 新規, restore) is a step of the history and
// drops the steps that could have been redone. Rosters are paths as the
// file layer holds them.
class TableDocument : public QObject {
  Q_OBJECT

 public:
  using Attackers = std::array<Attacker, Encounter::kSlots>;
  using Defenders = std::array<Defender, Encounter::kSlots>;

  TableDocument();
  ~TableDocument() override;

  const Encounter& encounter() const { return encounter_; }
  // The roster the table belongs to; empty for none.
  const std::string& roster() const { return history_.Roster(); }
  // The same as a path to show or to hand to Qt.
  QString roster_path() const;
  // The table differs from what its roster held when last loaded or saved
  // (without a roster, from an empty table).
  bool IsModified() const { return history_.IsModified(); }
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // Writes the table, its roster and whether it is saved to the user's
  // state folder once started.
  TableKeeper& keeper() { return keeper_; }

  // One record edited. Edits with the same non-empty `typing` group (typing
  // on in one field) make one step until EndTyping.
  void SetAttacker(int slot, const Attacker& attacker, const std::string& typing = {});
  void SetDefender(int slot, const Defender& defender, const std::string& typing = {});
  void EndTyping() { history_.EndGroup(); }
  // An editor's OK: the five records of its side, since a swap may have
  // moved two of them.
  void SetAttackers(const Attackers& attackers);
  void SetDefenders(const Defenders& defenders);
  void SetModifiers(const GlobalModifiers& modifiers);
  // Every record and modifier of `table` at once, its results left aside.
  void SetTable(const Encounter& table);
  // 新規: every record and the modifiers back to their defaults, belonging to
  // no roster.
  void NewTable();

  // Load all: every record line of the roster into its slot; the table then
  // belongs to the roster. A file that cannot be read changes nothing.
  RosterLoad Load(const std::string& path);
  // Save all: the table written to `path`, which it then belongs to. Not an
  // action: what could be redone stays.
  std::optional<FileError> Save(const std::string& path);

  struct KeptRestore {
    std::optional<FileError> error;  // the kept table could not be read
    KeptTableProblem problem = KeptTableProblem::kNone;
  };
  // The table kept by this or an earlier run, belonging to its roster again.
  // A roster that has since vanished or changed leaves the table as kept,
  // modified. On a failure nothing changes.
  KeptRestore RestoreKept();

  void Undo();
  void Redo();
  // Every result computed again from the records; no step of the history.
  void RecalculateAll() { Recalculate(SlotSelection::None(), SlotSelection::None(), true); }
  // The table as it stands is where undo stops: the start-up's load or
  // restore is no step of its own.
  void ForgetHistory();

 signals:
  // The records of the selected attackers and defenders changed, and with
  // them the results of every pairing in their rows and columns; with
  // `every_result`, every result changed (the modifiers did).
  void RecordsChanged(SlotSelection attackers, SlotSelection defenders, bool every_result);
  // The roster, the modified mark or what can be undone or redone may have
  // changed.
  void StateChanged();

 private:
  // Records the action that just changed the selected records, recalculates
  // them and tells so.
  void Act(SlotSelection attackers, SlotSelection defenders, const std::string& group = {});
  void Recalculate(SlotSelection attackers, SlotSelection defenders, bool every_result = false);
  // Shows `table` as a step of its own that belongs to `roster`, which holds
  // `content` (nothing known: a roster that has vanished, or none).
  void Open(const TableState& table, const std::string& roster, std::optional<TableState> content);
  // The history's current table, shown again after undo or redo.
  void ShowCurrent();

  Encounter encounter_;
  TableHistory history_{TableStateOf(encounter_)};
  TableKeeper keeper_;
};

}  // namespace zelmora
