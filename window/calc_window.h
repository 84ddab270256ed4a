#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/encounter.h"
#include "engine/slot_selection.h"
#include "gui/prompts.h"
#include "window/calc_grid.h"
#include "window/table_document.h"

class QAction;
class QMenu;

namespace zelmora {

// The one window of the program: five attacker rows, five defender columns
// and the 25 pairings between them, under a menu bar, with short notices
// in the status bar. It binds its widgets and commands to the table's
// document (window/table_document.h), whose records are the truth: an edit
// goes to the document, which recalculates its row or column, and a cell
// redraws only when its value changes. Only the user's edits run the change
// handlers. The title names the roster the table belongs to and marks a
// table that differs from it. Escape closes the window at once, as 終了
// does.
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

  const Encounter& encounter() const { return document_.encounter(); }
  // Every change of a record goes through the document.
  TableDocument& document() { return document_; }
  CalcGrid& grid() { return *grid_; }
  QAction& action(Command command) { return *actions_[static_cast<std::size_t>(command)]; }
  QMenu& recent_menu() { return *recent_menu_; }

  // Formats the selected records into their input cells; a cell whose text
  // would not change is left alone. Never runs a change handler.
  void RefreshInputs(SlotSelection attackers = SlotSelection::All(),
                     SlotSelection defenders = SlotSelection::All());

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
  // The table kept by this or an earlier run, belonging to its roster again.
  void RestoreKeptTable();
  // Loads a roster of the recent list; one that cannot be read leaves it.
  void OpenRecentFile(const QString& path);
  // At start without a roster: the kept table, if there is one, as
  // RestoreKeptTable brings it back. What goes wrong is said over the
  // window once it is shown.
  void RestoreKeptTableAtStart();

  // The roster the table belongs to; empty for none.
  QString roster_path() const { return document_.roster_path(); }

  // Keeps the table in the user's state folder once started.
  TableKeeper& keeper() { return document_.keeper(); }

  // Load all from a known path: every record line into its slot, then the
  // whole grid refreshed and recalculated. Reports a file that cannot be read
  // and returns false, changing nothing.
  bool LoadRoster(const QString& path);
  // The same from a path as the bytes the system knows it by, whatever their
  // encoding (a name from a command line).
  bool LoadRosterBytes(const std::string& path);

  // A notice that stays in the status bar until the next one.
  void ShowLastingNotice(const QString& notice) { ShowStatus(notice, 0); }

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
  // The document's records changed: their cells (unless the change is being
  // typed, when no other cell can differ) and every result that depends on
  // them.
  void ShowRecords(SlotSelection attackers, SlotSelection defenders, bool every_result);
  // The title, its modified mark and undo and redo as the document stands.
  void ShowState();
  void ShowTitle();
  void ShowResults(SlotSelection rows, SlotSelection columns);
  // Why the kept table could not be restored; empty when it was.
  QString RestoreKeptMessage();
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
  // Tells how writing `path` went: the error in a dialog, or that it was
  // saved in the status bar. Returns whether it was saved.
  bool ReportWrite(const QString& path, const std::optional<FileError>& error);
  // A save dialog's choice offering the name of the table.
  FileChoice Suggesting(const FileChoice& choice) const;

  Prompts& prompts_;
  TableDocument document_;
  CalcGrid* grid_ = nullptr;
  // The cell whose typing is being taken into the document.
  const GridInput* typing_in_ = nullptr;
  // The roster the title names.
  std::string shown_roster_;
  bool titled_ = false;
  std::unique_ptr<class PairingHighlight> highlight_;
  std::array<QAction*, kCommandCount> actions_{};
  QMenu* recent_menu_ = nullptr;
  bool icon_asked_ = false;
};

}  // namespace zelmora
