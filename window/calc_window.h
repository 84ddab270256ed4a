#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/encounter.h"
#include "engine/slot_selection.h"
#include "engine/table_history.h"
#include "gui/prompts.h"
#include "window/calc_grid.h"
#include "window/table_keeper.h"

class QAction;
class QMenu;

namespace zelmora {

// The one window of the program: five attacker rows, five defender columns
// and the 25 pairings between them, under a menu bar, with short notices
// in the status bar. The encounter's records are the truth: an edit changes
// its record and recalculates its row or column, and a cell redraws only
// when its value changes. Only the user's edits run the change handlers.
// Every change of the table can be undone; the title names the roster the
// table belongs to and marks a change not yet saved to it. Escape closes
// the window at once, as 終了 does.
class CalcWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The menu's commands, in the order of the menu bar.
  enum class Command {
    kNew,
    kSaveAll,
    kSaveAs,
    kLoadAll,
    kTextReport,
    kHtmlReport,
    kPrint,
    kRestoreKept,
    kRecentFiles,
    kExit,
    kUndo,
    kRedo,
    kCopyResults,
    kRecalculate,
    kMarkBestTargets,
    kHeatMap,
    kHelp,
    kAbout,
  };
  static constexpr int kCommandCount = static_cast<int>(Command::kAbout) + 1;

  explicit CalcWindow(Prompts& prompts);
  ~CalcWindow() override;

  const Encounter& encounter() const { return encounter_; }
  // For setting up: a caller that changes records refreshes and recalculates.
  Encounter& encounter() { return encounter_; }
  CalcGrid& grid() { return *grid_; }
  QAction& action(Command command) { return *actions_[static_cast<std::size_t>(command)]; }
  QMenu& recent_menu() { return *recent_menu_; }

  // Formats the selected records into their input cells; a cell whose text
  // would not change is left alone. Never runs a change handler.
  void RefreshInputs(SlotSelection attackers = SlotSelection::All(),
                     SlotSelection defenders = SlotSelection::All());
  // The encounter's recalculation of the selected rows and columns, shown
  // in their result cells.
  void Recalculate(SlotSelection rows = SlotSelection::All(),
                   SlotSelection columns = SlotSelection::All());

  // Commands of the buttons and the menu.
  void RecalculateAll();
  void EditAttacker(int slot);
  void EditDefender(int slot);
  void ShowMatchupDetail(int row, int column);
  void EditModifiers();
  // 新規: every record and the modifiers back to their defaults, belonging
  // to no roster; undoable.
  void NewTable();
  // To the roster the table belongs to, without asking; the first time as
  // SaveAs.
  void SaveAll();
  // Asks for the roster, suggesting the current one's name or the first
  // attacker's.
  void SaveAs();
  void LoadAll();
  void Undo();
  void Redo();
  // The results as tab-separated text, and one pairing's three values.
  void CopyResults();
  void CopyPairing(int row, int column);
  void Print();
  void ShowHelp();
  void WriteTextReport();
  void WriteHtmlReport();
  void ShowAbout();
  void Exit();
  // The table kept by this or an earlier run, as load all would load it.
  void RestoreKeptTable();
  // Loads a roster of the recent list; one that cannot be read leaves it.
  void OpenRecentFile(const QString& path);
  // At start without a roster: the kept table, if there is one, as
  // RestoreKeptTable brings it back.
  void RestoreKeptTableAtStart();
  // The table as it stands is where undo stops and counts as unchanged: the
  // start-up's load or restore is no step of its own.
  void ForgetHistory();

  const TableHistory& history() const { return history_; }
  // The roster the table was last loaded from or saved to; empty for none.
  const QString& roster_path() const { return roster_path_; }

  // Keeps the table in the user's state folder once started.
  TableKeeper& keeper() { return keeper_; }

  // Load all from a known path: every record line into its slot, then the
  // whole grid refreshed and recalculated. Reports a file that cannot be read
  // and returns false, changing nothing.
  bool LoadRoster(const QString& path);
  // The same from a path as the bytes the system knows it by, whatever their
  // encoding (a name from a command line).
  bool LoadRosterBytes(const std::string& path);

  // Shows the window at its natural size, or as much of it as the screen
  // holds, wholly on the screen; the grid scrolls within it.
  void ShowOnScreen();
  // The size the window needs to show its whole grid without scroll bars.
  QSize NaturalSize();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BindInputs();
  void BindButtons();
  void BuildMenu();
  void BindUserState();
  void FillRecentMenu();
  void RememberRoster(const QString& path);
  void OnInputEdited(int field, int slot);
  // Records the table in the undo history (a non-empty group joins typing
  // on in one field) and tells the keeper.
  void TableChanged(const std::string& group = {});
  // The roster the table now belongs to, saved as it stands.
  void BelongTo(const QString& roster);
  // The roster of the current step in the title.
  void ShowRoster();
  void ShowTable(const TableState& state);
  // The title, its modified mark and undo and redo as the history stands.
  void ShowHistory();
  void ShowResults(SlotSelection rows, SlotSelection columns);
  // The names the detail buttons of the selected rows and columns give.
  void ShowPairingNames(SlotSelection rows, SlotSelection columns);
  // A short notice in the status bar.
  void Notify(const QString& notice);
  // `message` in the status bar for `milliseconds`, or until the next one (0).
  void ShowStatus(const QString& message, int milliseconds);
  // Writes `bytes` to a file the user picks; reports a failure.
  void SaveBytes(const FileChoice& choice, const std::string& bytes);
  // Writes `bytes` to `path` and tells so; reports a failure and returns
  // false.
  bool WriteBytes(const QString& path, const std::string& bytes);
  bool WriteRoster(const QString& path);
  // A save dialog's choice offering the name of the table.
  FileChoice Suggesting(const FileChoice& choice) const;

  Prompts& prompts_;
  Encounter encounter_;
  CalcGrid* grid_ = nullptr;
  TableKeeper keeper_{encounter_};
  TableHistory history_{TableStateOf(encounter_)};
  QString roster_path_;
  // The roster each state of the history belongs to, by its position.
  std::vector<QString> rosters_{QString()};
  std::unique_ptr<class PairingHighlight> highlight_;
  std::array<QAction*, kCommandCount> actions_{};
  QMenu* recent_menu_ = nullptr;
  bool icon_asked_ = false;
};

}  // namespace zelmora
