#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "engine/encounter.h"
#include "engine/slot_selection.h"
#include "gui/prompts.h"
#include "window/table_keeper.h"

class QAction;
class QLineEdit;
class QMenu;

namespace zelmora {

// The one window of the program: five attacker rows, five defender columns
// and the 25 pairings between them. The encounter holds the records and the
// results of the last recalculation; the window holds one text buffer per
// input cell. Only the user's edits run the change handlers.
class CalcWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CalcWindow(Prompts& prompts);
  ~CalcWindow() override;

  const Encounter& encounter() const { return encounter_; }
  // For setting up: a caller that changes records refreshes and recalculates.
  Encounter& encounter() { return encounter_; }

  // Cell texts into the input buffers. The output buffers are the
  // encounter's results and only ever flow the other way.
  void ReadAllCells();
  // Every buffer into its cell; a cell whose text would not change is left
  // alone. Never runs a change handler.
  void WriteAllCells();
  // Formats the selected records into their input texts, then WriteAllCells.
  void RefreshInputs(SlotSelection attackers = SlotSelection::All(),
                     SlotSelection defenders = SlotSelection::All());
  // The encounter's recalculation of the selected rows and columns, then
  // WriteAllCells.
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
  // The same from a path as the bytes the system knows it by, whatever their
  // encoding (a name from a command line).
  bool LoadRosterBytes(const std::string& path);

 private:
  struct InputCell {
    QLineEdit* edit = nullptr;
    QString text;   // the buffer
    int field = 0;  // index into the input field table
    int slot = 0;
  };
  static constexpr int kInputCount = 35;
  static constexpr int kRowOutputs = 2;
  static constexpr int kPairingOutputs = 3;

  void BindInputs(QWidget& grid);
  void BindOutputs(QWidget& grid);
  void BindButtons(QWidget& grid);
  void BuildMenu();
  void BindUserState();
  void FillRecentMenu();
  void RememberRoster(const QString& path);
  void OnInputEdited(InputCell& cell);
  // Writes `bytes` to a file the user picks; reports a failure. Returns the
  // path written, or an empty string.
  QString SaveBytes(const FileChoice& choice, const std::string& bytes);

  Prompts& prompts_;
  Encounter encounter_;
  std::array<InputCell, kInputCount> inputs_;
  std::array<std::array<QLineEdit*, kRowOutputs>, Encounter::kSlots> row_outputs_{};
  std::array<std::array<std::array<QLineEdit*, kPairingOutputs>, Encounter::kSlots>,
             Encounter::kSlots>
      pairing_outputs_{};
  TableKeeper keeper_{encounter_};
  std::unique_ptr<class PairingHighlight> highlight_;
  QAction* restore_action_ = nullptr;
  QMenu* recent_menu_ = nullptr;
};

}  // namespace zelmora
