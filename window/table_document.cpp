#include "window/table_document.h"

#include <utility>

#include "files/kept_table.h"
#include "files/user_folders.h"
#include "gui/file_path.h"

namespace zelmora {
namespace {

constexpr SlotSelection kAll = SlotSelection::All();
constexpr SlotSelection kNone = SlotSelection::None();

}  // namespace

TableDocument::TableDocument()
    : keeper_([this] {
        return KeptTableBytes(encounter_, {history_.Roster(), !history_.IsModified()});
      }) {
  encounter_.Recalculate();
}

TableDocument::~TableDocument() = default;

QString TableDocument::roster_path() const { return FilePathText(roster()); }

void TableDocument::SetAttacker(int slot, const Attacker& attacker, const std::string& typing) {
  encounter_.attacker(slot) = attacker;
  Act(SlotSelection::Only(slot), kNone, typing);
}

void TableDocument::SetDefender(int slot, const Defender& defender, const std::string& typing) {
  encounter_.defender(slot) = defender;
  Act(kNone, SlotSelection::Only(slot), typing);
}

void TableDocument::SetAttackers(const Attackers& attackers) {
  encounter_.attackers() = attackers;
  Act(kAll, kNone);
}

void TableDocument::SetDefenders(const Defenders& defenders) {
  encounter_.defenders() = defenders;
  Act(kNone, kAll);
}

// The modifiers change every pairing but no record.
void TableDocument::SetModifiers(const GlobalModifiers& modifiers) {
  encounter_.modifiers() = modifiers;
  history_.Record(TableStateOf(encounter_));
  Recalculate(kNone, kNone, true);
}

void TableDocument::SetTable(const Encounter& table) {
  ApplyTableState(TableStateOf(table), encounter_);
  Act(kAll, kAll);
}

void TableDocument::NewTable() { Open(TableState{}, {}, std::nullopt); }

RosterLoad TableDocument::Load(const std::string& path) {
  Encounter loaded = encounter_;
  RosterLoad load = LoadAll(path, loaded);
  if (load.error) return load;
  const TableState table = TableStateOf(loaded);
  Open(table, path, table);
  return load;
}

std::optional<FileError> TableDocument::Save(const std::string& path) {
  if (auto error = SaveAll(path, encounter_)) return error;
  history_.BelongTo(path);
  keeper_.Changed();
  emit StateChanged();
  return std::nullopt;
}

TableDocument::KeptRestore TableDocument::RestoreKept() {
  const ReadResult file = ReadFileBytes(FindKeptTablePlace().path);
  if (file.error) return {file.error};
  Encounter kept;
  KeptRoster roster;
  if (const auto problem = ReadKeptTable(file.bytes, kept, &roster);
      problem != KeptTableProblem::kNone) {
    return {std::nullopt, problem};
  }
  // What the roster holds now, read over the kept table as a load would.
  std::optional<TableState> content;
  if (!roster.path.empty()) {
    Encounter on_disk = kept;
    if (!LoadAll(roster.path, on_disk).error) content = TableStateOf(on_disk);
    // Not saved when it was kept, yet the roster now holds it: the roster
    // has changed since, and the table stays marked until saved or loaded.
    if (!roster.saved && content == TableStateOf(kept)) content.reset();
  }
  Open(TableStateOf(kept), roster.path, std::move(content));
  return {};
}

void TableDocument::Open(const TableState& table, const std::string& roster,
                         std::optional<TableState> content) {
  ApplyTableState(table, encounter_);
  history_.Record(table);
  history_.BelongTo(roster, std::move(content));
  Recalculate(kAll, kAll);
}

void TableDocument::Undo() {
  if (!history_.CanUndo()) return;
  history_.Undo();
  ShowCurrent();
}

void TableDocument::Redo() {
  if (!history_.CanRedo()) return;
  history_.Redo();
  ShowCurrent();
}

void TableDocument::ForgetHistory() {
  history_.DropSteps();
  emit StateChanged();
}

void TableDocument::ShowCurrent() {
  ApplyTableState(history_.Current(), encounter_);
  Recalculate(kAll, kAll);
}

void TableDocument::Act(SlotSelection attackers, SlotSelection defenders,
                        const std::string& group) {
  history_.Record(TableStateOf(encounter_), group);
  Recalculate(attackers, defenders);
}

// A pairing's result depends on its attacker, its defender and the
// modifiers: the changed rows against every column, every row against the
// changed columns.
void TableDocument::Recalculate(SlotSelection attackers, SlotSelection defenders,
                                bool every_result) {
  if (every_result || attackers.IsAll() || defenders.IsAll()) {
    encounter_.Recalculate();
  } else {
    if (!attackers.IsNone()) encounter_.Recalculate(attackers, kAll);
    if (!defenders.IsNone()) encounter_.Recalculate(kAll, defenders);
  }
  keeper_.Changed();
  emit RecordsChanged(attackers, defenders, every_result);
  emit StateChanged();
}

}  // namespace zelmora
