#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

#include "engine/encounter.h"
#include "engine/slot_selection.h"
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
// Escape closes the window at once, as 終了 does.
class CalcWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The menu's commands, in the order of the menu bar.
  enum class Command {
    kSaveAll,
    kLoadAll,
    kTextReport,
    kHtmlReport,
    kRestoreKept,
    kRecentFiles,
    kExit,
    kRecalculate,
    kMarkBestTargets,
    kHeatMap,
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
  void SaveAll();
  void LoadAll();
  void WriteTextReport();
  void WriteHtmlReport();
  void ShowAbout();
  void Exit();
  // The table kept by this or an earlier run, as load all would load it.
  void RestoreKeptTable();
  // Loads a roster of the recent list; one that cannot be read leaves it.
  void OpenRecentFile(const QString& path);

  // Keeps the table in the user's state folder once started.
  TableKeeper& keeper() { return keeper_; }

  // Load all from a known path: every record line into its slot, then the
  // whole grid refreshed and recalculated. Reports a file that cannot be read
  // and returns false, changing nothing.
  bool LoadRoster(const QString& path);

  // Shows the window at its natural size, or as much of it as the screen
  // holds, wholly on the screen; the grid scrolls within it.
  void ShowOnScreen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BindInputs();
  void BindButtons();
  void BuildMenu();
  void BindUserState();
  void FillRecentMenu();
  void RememberRoster(const QString& path);
  void OnInputEdited(int field, int slot);
  void ShowResults(SlotSelection rows, SlotSelection columns);
  // The names the detail buttons of the selected rows and columns give.
  void ShowPairingNames(SlotSelection rows, SlotSelection columns);
  void Notify(const QString& notice);
  // Writes `bytes` to a file the user picks; reports a failure. Returns the
  // path written, or an empty string.
  QString SaveBytes(const FileChoice& choice, const std::string& bytes);

  Prompts& prompts_;
  Encounter encounter_;
  CalcGrid* grid_ = nullptr;
  TableKeeper keeper_{encounter_};
  std::unique_ptr<class PairingHighlight> highlight_;
  std::array<QAction*, kCommandCount> actions_{};
  QMenu* recent_menu_ = nullptr;
};

}  // namespace zelmora
