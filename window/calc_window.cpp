#include "window/calc_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <string>
#include <utility>

#include "editors/attacker_editor.h"
#include "editors/defender_editor.h"
#include "editors/modifiers_dialog.h"
#include "engine/text.h"
#include "files/file_io.h"
#include "files/kept_table.h"
#include "files/reports.h"
#include "files/roster_file.h"
#include "gui/cp932_qstring.h"
#include "gui/dialog_units.h"
#include "gui/file_dialog.h"
#include "gui/file_error_message.h"
#include "gui/help_window.h"
#include "gui/name_field.h"
#include "gui/numeric_text.h"
#include "gui/report_printer.h"
#include "gui/results_clipboard.h"
#include "window/about_dialog.h"
#include "window/app_icon.h"
#include "window/matchup_detail_dialog.h"
#include "window/pairing_highlight.h"
#include "window/recent_files.h"
#include "window/roster_drop.h"

namespace zelmora {
namespace {

QString ToQString(const std::string& utf8) { return QString::fromStdString(utf8); }

enum class Side { kAttacker, kDefender };

// One kind of input cell: its side, which cell of a slot it is, how its
// record field is written into the text, and how an edit reaches the
// record. A number cell stores its text and makes its row or column stale;
// a name cell takes the edit into the record's name and recalculates
// nothing.
struct InputField {
  Side side;
  GridInput& (*cell)(CalcGrid&, int slot);
  QString (*format)(const Encounter&, int slot);
  void (*store_number)(Encounter&, int slot, const std::string& text);
  std::string& (*name)(Encounter&, int slot);
};

template <GridInput& (AttackerRow::*Cell)()>
GridInput& AttackerCell(CalcGrid& grid, int slot) {
  return (grid.attacker(slot).*Cell)();
}
template <GridInput& (DefenderColumn::*Cell)()>
GridInput& DefenderCell(CalcGrid& grid, int slot) {
  return (grid.defender(slot).*Cell)();
}

template <std::int32_t Attacker::*Field>
QString FormatAttackerNumber(const Encounter& e, int slot) {
  return ToQString(FormatInt(e.attacker(slot).*Field));
}
template <std::int32_t Attacker::*Field>
void StoreAttackerNumber(Encounter& e, int slot, const std::string& text) {
  e.attacker(slot).*Field = ParseLeadingInt(text);
}

QString FormatAttackerName(const Encounter& e, int slot) {
  return QStringFromCp932(e.attacker(slot).name);
}
std::string& AttackerName(Encounter& e, int slot) { return e.attacker(slot).name; }
QString FormatDefenderName(const Encounter& e, int slot) {
  return QStringFromCp932(e.defender(slot).name);
}
std::string& DefenderName(Encounter& e, int slot) { return e.defender(slot).name; }

QString FormatEvasion(const Encounter& e, int slot) {
  const Defender& d = e.defender(slot);
  return ToQString(FormatInt(d.melee_evasion) + ',' + FormatInt(d.ranged_evasion) + ',' +
                   FormatInt(d.magic_evasion));
}
void StoreEvasion(Encounter& e, int slot, const std::string& text) {
  Defender& d = e.defender(slot);
  const auto values = ParseEvasionText(text);
  d.melee_evasion = values[0];
  d.ranged_evasion = values[1];
  d.magic_evasion = values[2];
}

QString FormatDefence(const Encounter& e, int slot) {
  const Defender& d = e.defender(slot);
  return ToQString(FormatInt(d.physical_defence) + ',' + FormatInt(d.magic_defence));
}
void StoreDefence(Encounter& e, int slot, const std::string& text) {
  Defender& d = e.defender(slot);
  const auto values = ParseDefenceText(text);
  d.physical_defence = values[0];
  d.magic_defence = values[1];
}

constexpr InputField kInputFields[] = {
    {Side::kAttacker, AttackerCell<&AttackerRow::name>, FormatAttackerName, nullptr, AttackerName},
    {Side::kAttacker, AttackerCell<&AttackerRow::judgment>,
     FormatAttackerNumber<&Attacker::judgment_value>,
     StoreAttackerNumber<&Attacker::judgment_value>, nullptr},
    {Side::kAttacker, AttackerCell<&AttackerRow::dice>, FormatAttackerNumber<&Attacker::dice_count>,
     StoreAttackerNumber<&Attacker::dice_count>, nullptr},
    {Side::kAttacker, AttackerCell<&AttackerRow::bonus>,
     FormatAttackerNumber<&Attacker::damage_bonus>, StoreAttackerNumber<&Attacker::damage_bonus>,
     nullptr},
    {Side::kDefender, DefenderCell<&DefenderColumn::name>, FormatDefenderName, nullptr,
     DefenderName},
    {Side::kDefender, DefenderCell<&DefenderColumn::evasion>, FormatEvasion, StoreEvasion, nullptr},
    {Side::kDefender, DefenderCell<&DefenderColumn::defence>, FormatDefence, StoreDefence, nullptr},
};
constexpr int kFieldCount = static_cast<int>(std::size(kInputFields));
static_assert(kFieldCount * Encounter::kSlots == 35);

using Command = CalcWindow::Command;

enum class ItemKind { kCommand, kCheckable, kSubmenu, kSeparator };

// The menu bar in display order. Texts carry "&" before the mnemonic; keys
// are in QKeySequence's portable text, several separated by "; ", the first
// of them shown in the menu.
struct MenuItem {
  const char* menu;  // nullptr: a command on the bar itself
  const char* text;
  Command command;
  void (CalcWindow::*run)();
  const char* keys = nullptr;
  ItemKind kind = ItemKind::kCommand;
};
constexpr MenuItem kSeparatorIn(const char* menu) {
  return {menu, nullptr, Command::kExit, nullptr, nullptr, ItemKind::kSeparator};
}
constexpr const char* kFile = "ファイル(&F)";
constexpr const char* kEdit = "編集(&E)";
constexpr const char* kView = "表示(&V)";
constexpr const char* kHelp = "ヘルプ(&H)";
constexpr MenuItem kMenu[] = {
    {kFile, "新規(&N)", Command::kNew, &CalcWindow::NewTable, "Ctrl+N"},
    {kFile, "全てセーブ(&S)", Command::kSaveAll, &CalcWindow::SaveAll, "Ctrl+S"},
    {kFile, "名前を付けて保存(&A)...", Command::kSaveAs, &CalcWindow::SaveAs, "Ctrl+Shift+S"},
    {kFile, "全てロード(&O)", Command::kLoadAll, &CalcWindow::LoadAll, "Ctrl+O"},
    kSeparatorIn(kFile),
    {kFile, "TXT出力(&T)", Command::kTextReport, &CalcWindow::WriteTextReport},
    {kFile, "HTML出力(&H)", Command::kHtmlReport, &CalcWindow::WriteHtmlReport},
    {kFile, "印刷(&P)...", Command::kPrint, &CalcWindow::Print, "Ctrl+P"},
    kSeparatorIn(kFile),
    {kFile, "前回の内容を復元(&R)", Command::kRestoreKept, &CalcWindow::RestoreKeptTable},
    {kFile, "最近使ったファイル(&F)", Command::kRecentFiles, nullptr, nullptr, ItemKind::kSubmenu},
    kSeparatorIn(kFile),
    {kFile, "終了(&X)", Command::kExit, &CalcWindow::Exit},
    {kEdit, "元に戻す(&U)", Command::kUndo, &CalcWindow::Undo, "Ctrl+Z"},
    {kEdit, "やり直し(&R)", Command::kRedo, &CalcWindow::Redo, "Ctrl+Shift+Z; Ctrl+Y"},
    kSeparatorIn(kEdit),
    {kEdit, "結果をコピー(&C)", Command::kCopyResults, &CalcWindow::CopyResults, "Ctrl+C"},
    {nullptr, "再計算(&C)", Command::kRecalculate, &CalcWindow::RecalculateAll, "F5"},
    {kView, "最適な標的を強調(&B)", Command::kMarkBestTargets, nullptr, nullptr,
     ItemKind::kCheckable},
    {kView, "ヒートマップ(&H)", Command::kHeatMap, nullptr, nullptr, ItemKind::kCheckable},
    {kHelp, "ヘルプ(&H)", Command::kHelp, &CalcWindow::ShowHelp, "F1"},
    {kHelp, "バージョン情報...(&A)", Command::kAbout, &CalcWindow::ShowAbout},
};

// Whether column `column` is the best target of a row whose best targets
// are marked in `best`.
MatchupDetailDialog::TargetRank TargetRankOf(const std::array<bool, Encounter::kSlots>& best,
                                             int column) {
  using Rank = MatchupDetailDialog::TargetRank;
  if (best[column - 1]) return Rank::kBest;
  return std::find(best.begin(), best.end(), true) != best.end() ? Rank::kNotBest
                                                                 : Rank::kNoneInRow;
}

// A name as the detail buttons give it; an unnamed slot by its side and number.
QString ShownName(const std::string& name, const char* side, int slot) {
  return name.empty() ? QStringLiteral("%1 %2").arg(QString::fromUtf8(side)).arg(slot)
                      : QStringFromCp932(name);
}

constexpr int kNoticeMilliseconds = 4000;

const QString kProgramTitle = QStringLiteral("ZELMORA 確率計算プログラム");

}  // namespace

CalcWindow::CalcWindow(Prompts& prompts) : QMainWindow(nullptr), prompts_(prompts) {
  // A minimise box and a task-bar entry, but no maximise box: the frame
  // still resizes, and the grid takes the room it gives.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(WindowFont());
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  // Not a stop of its own: Tab scrolls it to the control it reaches.
  scroll->setFocusPolicy(Qt::NoFocus);
  grid_ = new CalcGrid;
  scroll->setWidget(grid_);
  setCentralWidget(scroll);
  statusBar()->setSizeGripEnabled(true);

  BindInputs();
  BindButtons();
  BuildMenu();
  BindUserState();
  grid_->recalculate_button().setFocus();

  RefreshInputs();
  Recalculate();
  BelongTo({});
}

CalcWindow::~CalcWindow() = default;

void CalcWindow::BindInputs() {
  for (int field = 0; field < kFieldCount; ++field) {
    for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
      connect(&kInputFields[field].cell(*grid_, slot), &GridInput::TextEdited, this,
              [this, field, slot] { OnInputEdited(field, slot); });
    }
  }
}

void CalcWindow::BindButtons() {
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    connect(&grid_->attacker(slot).editor_button(), &QPushButton::clicked, this,
            [this, slot] { EditAttacker(slot); });
    connect(&grid_->defender(slot).editor_button(), &QPushButton::clicked, this,
            [this, slot] { EditDefender(slot); });
  }
  connect(&grid_->results(), &ResultsGrid::DetailRequested, this, &CalcWindow::ShowMatchupDetail);
  connect(&grid_->results(), &ResultsGrid::CurrentShown, this, [this](PairingCell& pairing) {
    static_cast<QScrollArea*>(centralWidget())->ensureWidgetVisible(&pairing, 0, 0);
  });
  connect(&grid_->results(), &ResultsGrid::CopyRequested, this, &CalcWindow::CopyPairing);
  connect(&grid_->recalculate_button(), &QPushButton::clicked, this, &CalcWindow::RecalculateAll);
  connect(&grid_->modifiers_button(), &QPushButton::clicked, this, &CalcWindow::EditModifiers);
}

void CalcWindow::BuildMenu() {
  QMenuBar* bar = menuBar();
  QMenu* current = nullptr;
  for (const MenuItem& item : kMenu) {
    if (!item.menu) {
      current = nullptr;
    } else if (!current || current->title() != QString::fromUtf8(item.menu)) {
      current = bar->addMenu(QString::fromUtf8(item.menu));
    }
    if (item.kind == ItemKind::kSeparator) {
      current->addSeparator();
      continue;
    }
    const QString text = QString::fromUtf8(item.text);
    QAction* action = nullptr;
    if (item.kind == ItemKind::kSubmenu) {
      recent_menu_ = current->addMenu(text);
      action = recent_menu_->menuAction();
    } else {
      action = current ? current->addAction(text) : bar->addAction(text);
    }
    action->setCheckable(item.kind == ItemKind::kCheckable);
    if (item.keys) action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(item.keys)));
    if (item.run) connect(action, &QAction::triggered, this, item.run);
    actions_[static_cast<std::size_t>(item.command)] = action;
  }
}

// What outlives the window: the kept table, the recent rosters, the view
// switches; and rosters dropped on any part of the window.
void CalcWindow::BindUserState() {
  highlight_ = std::make_unique<PairingHighlight>(encounter_, grid_->results());
  highlight_->BindActions(action(Command::kMarkBestTargets), action(Command::kHeatMap));

  const auto update_restore = [this] {
    action(Command::kRestoreKept).setEnabled(TableKeeper::Exists());
  };
  update_restore();
  connect(&keeper_, &TableKeeper::Written, this, update_restore);
  connect(qobject_cast<QMenu*>(recent_menu_->parentWidget()), &QMenu::aboutToShow, this,
          update_restore);
  connect(recent_menu_, &QMenu::aboutToShow, this, &CalcWindow::FillRecentMenu);
  FillRecentMenu();
  // A kept table that cannot be written is said once, and stays said.
  connect(&keeper_, &TableKeeper::Unusable, this,
          [this](const QString& message) { ShowStatus(message, 0); });

  auto* drop = new RosterDrop([this](const QString& path) { LoadRoster(path); }, this);
  setAcceptDrops(true);
  installEventFilter(drop);
  for (GridInput* input : findChildren<GridInput*>()) input->FilterEvents(drop);

  // Typing joins one undo step only while the focus stays in its field.
  connect(qApp, &QApplication::focusChanged, this, [this] { history_.EndGroup(); });
}

// Entries are numbered for their mnemonic. The old actions may be the one
// being triggered, so they are deleted only once it has returned.
void CalcWindow::FillRecentMenu() {
  for (QAction* old : recent_menu_->actions()) {
    recent_menu_->removeAction(old);
    old->deleteLater();
  }
  const QStringList paths = RecentFiles::List();
  for (int i = 0; i < paths.size(); ++i) {
    QString shown = QDir::toNativeSeparators(paths[i]);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* entry = recent_menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    connect(entry, &QAction::triggered, this, [this, path = paths[i]] { OpenRecentFile(path); });
  }
  recent_menu_->setEnabled(!paths.isEmpty());
}

// The next file dialog starts beside it, however the roster came.
void CalcWindow::RememberRoster(const QString& path) {
  FileDialog::RememberFolder(path);
  RecentFiles::Add(path);
  FillRecentMenu();
}

void CalcWindow::RefreshInputs(SlotSelection attackers, SlotSelection defenders) {
  for (const InputField& field : kInputFields) {
    const SlotSelection selection = field.side == Side::kAttacker ? attackers : defenders;
    for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
      if (selection.Contains(slot))
        field.cell(*grid_, slot).ShowText(field.format(encounter_, slot));
    }
  }
  ShowPairingNames(attackers, defenders);
}

void CalcWindow::Recalculate(SlotSelection rows, SlotSelection columns) {
  encounter_.Recalculate(rows, columns);
  ShowResults(rows, columns);
  highlight_->Apply();
  TableChanged();
}

void CalcWindow::TableChanged(const std::string& group) {
  history_.Record(TableStateOf(encounter_), group);
  // A change at the end of the history may have dropped the steps that
  // could have been redone, and their rosters with them.
  if (!history_.CanRedo()) {
    rosters_.resize(history_.Position() + 1);
    rosters_.back() = roster_path_;
  }
  keeper_.Changed();
  ShowHistory();
}

void CalcWindow::ShowHistory() {
  action(Command::kUndo).setEnabled(history_.CanUndo());
  action(Command::kRedo).setEnabled(history_.CanRedo());
  setWindowModified(!history_.IsClean());
}

void CalcWindow::BelongTo(const QString& roster) {
  rosters_[history_.Position()] = roster;
  history_.MarkClean();
  ShowRoster();
}

void CalcWindow::ShowRoster() {
  roster_path_ = rosters_[history_.Position()];
  setWindowTitle(
      roster_path_.isEmpty()
          ? kProgramTitle + QStringLiteral("[*]")
          : QStringLiteral("%1 — %2[*]").arg(kProgramTitle, QFileInfo(roster_path_).fileName()));
  ShowHistory();
}

// Every record is written back to its cells, since any of them may differ.
void CalcWindow::ShowTable(const TableState& state) {
  ApplyTableState(state, encounter_);
  RefreshInputs();
  Recalculate();
}

void CalcWindow::ForgetHistory() {
  history_ = TableHistory(TableStateOf(encounter_));
  rosters_ = {roster_path_};
  ShowHistory();
}

// A step back or forth returns to the roster its table belonged to, so that
// 全てセーブ after undoing a load writes where that table came from.
void CalcWindow::Undo() {
  if (!history_.CanUndo()) return;
  history_.Undo();
  ShowRoster();
  ShowTable(history_.Current());
}

void CalcWindow::Redo() {
  if (!history_.CanRedo()) return;
  history_.Redo();
  ShowRoster();
  ShowTable(history_.Current());
}

void CalcWindow::ShowResults(SlotSelection rows, SlotSelection columns) {
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    if (!rows.Contains(row)) continue;
    grid_->attacker(row).ShowSummary(encounter_.summary(row));
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      if (columns.Contains(column)) {
        grid_->pairing(row, column).ShowResult(encounter_.result(row, column));
      }
    }
  }
}

// A pairing's detail button names both sides, so a name edit renames the
// buttons of its row or column.
void CalcWindow::ShowPairingNames(SlotSelection rows, SlotSelection columns) {
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    const QString attacker = ShownName(encounter_.attacker(row).name, "攻撃側", row);
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      if (!rows.Contains(row) && !columns.Contains(column)) continue;
      grid_->pairing(row, column)
          .SetNames(attacker, ShownName(encounter_.defender(column).name, "防御側", column));
    }
  }
}

void CalcWindow::OnInputEdited(int field_index, int slot) {
  const InputField& field = kInputFields[field_index];
  QLineEdit& cell = field.cell(*grid_, slot).LineEdit();
  const bool attacker = field.side == Side::kAttacker;
  const std::string group = std::to_string(field_index) + ':' + std::to_string(slot);
  if (field.name) {
    TakeNameEdit(cell, field.name(encounter_, slot));
    TableChanged(group);
    ShowPairingNames(attacker ? SlotSelection::Only(slot) : SlotSelection::None(),
                     attacker ? SlotSelection::None() : SlotSelection::Only(slot));
    return;
  }
  field.store_number(encounter_, slot, NumericText(cell.text()));
  history_.Record(TableStateOf(encounter_), group);
  if (attacker) {
    Recalculate(SlotSelection::Only(slot), SlotSelection::All());
  } else {
    Recalculate(SlotSelection::All(), SlotSelection::Only(slot));
  }
}

void CalcWindow::RecalculateAll() {
  RefreshInputs();
  Recalculate();
}

// The editor may swap two stored records while it is open, so all five
// rows (or columns) of its side are rewritten after OK.
void CalcWindow::EditAttacker(int slot) {
  AttackerEditor editor(encounter_, prompts_, slot, this);
  if (prompts_.Run(editor) != QDialog::Accepted) return;
  encounter_.attacker(slot) = editor.working();
  RefreshInputs(SlotSelection::All(), SlotSelection::None());
  Recalculate();
}

void CalcWindow::EditDefender(int slot) {
  DefenderEditor editor(encounter_, prompts_, slot, this);
  if (prompts_.Run(editor) != QDialog::Accepted) return;
  encounter_.defender(slot) = editor.working();
  RefreshInputs(SlotSelection::None(), SlotSelection::All());
  Recalculate();
}

// Shows the stored results of the last recalculation; nothing is recomputed
// and nothing comes back.
void CalcWindow::ShowMatchupDetail(int row, int column) {
  MatchupDetailDialog detail(encounter_.attacker(row), encounter_.defender(column),
                             encounter_.result(row, column), this);
  detail.ShowTargetRank(TargetRankOf(BestTargets(encounter_)[row - 1], column));
  prompts_.Run(detail);
}

// No input text depends on the modifiers, so nothing is refreshed.
void CalcWindow::EditModifiers() {
  ModifiersDialog dialog(ShowModifiers(encounter_.modifiers()), this);
  if (prompts_.Run(dialog) != QDialog::Accepted) return;
  encounter_.modifiers() = ModifiersFromShown(dialog.Values());
  Recalculate();
}

void CalcWindow::NewTable() {
  ShowTable(TableStateOf(Encounter()));
  BelongTo({});
}

void CalcWindow::SaveAll() {
  if (roster_path_.isEmpty()) {
    SaveAs();
  } else {
    WriteRoster(roster_path_);
  }
}

void CalcWindow::SaveAs() {
  const QString path = prompts_.SaveFileName(this, Suggesting(RosterFileChoice()));
  if (!path.isEmpty()) WriteRoster(path);
}

bool CalcWindow::WriteRoster(const QString& path) {
  if (!WriteBytes(path, SaveAllBytes(encounter_))) return false;
  RememberRoster(path);
  BelongTo(path);
  return true;
}

void CalcWindow::LoadAll() {
  const QString path = prompts_.OpenFileName(this, RosterFileChoice());
  if (!path.isEmpty()) LoadRoster(path);
}

bool CalcWindow::LoadRoster(const QString& path) { return LoadRosterBytes(FilePathBytes(path)); }

bool CalcWindow::LoadRosterBytes(const std::string& path) {
  const RosterLoad load = zelmora::LoadAll(path, encounter_);
  if (load.error) {
    prompts_.ShowError(this, ReadErrorMessage(*load.error));
    return false;
  }
  RefreshInputs();
  Recalculate();
  const QString shown = FilePathText(path);
  RememberRoster(shown);
  BelongTo(shown);
  if (load.read_as_utf8) prompts_.ShowNotice(this, Utf8RosterNotice(shown));
  return true;
}

void CalcWindow::OpenRecentFile(const QString& path) {
  if (LoadRoster(path)) return;
  RecentFiles::Remove(path);
  FillRecentMenu();
}

void CalcWindow::RestoreKeptTable() {
  const QString path = TableKeeper::Path();
  const ReadResult file = ReadFileBytes(FilePathBytes(path));
  if (file.error) {
    prompts_.ShowError(this, ReadErrorMessage(*file.error));
    return;
  }
  switch (ReadKeptTable(file.bytes, encounter_)) {
    case KeptTableProblem::kNone:
      break;
    case KeptTableProblem::kDamaged:
      prompts_.ShowError(this, QStringLiteral("前回の内容「%1」は壊れているため復元できません。"
                                              "表はそのままです。")
                                   .arg(path));
      return;
    case KeptTableProblem::kOtherVersion:
      prompts_.ShowError(this, QStringLiteral("前回の内容「%1」は別の版のプログラムが残したため"
                                              "復元できません。表はそのままです。")
                                   .arg(path));
      return;
  }
  RefreshInputs();
  Recalculate();
}

void CalcWindow::RestoreKeptTableAtStart() {
  if (TableKeeper::Exists()) RestoreKeptTable();
}

void CalcWindow::WriteTextReport() {
  SaveBytes(Suggesting(TextReportFileChoice()), TextReport(encounter_));
}

void CalcWindow::WriteHtmlReport() {
  SaveBytes(Suggesting(HtmlReportFileChoice()), HtmlReport(encounter_));
}

FileChoice CalcWindow::Suggesting(const FileChoice& choice) const {
  return choice.Suggesting(SuggestedName(roster_path_, encounter_.attacker(1).name));
}

void CalcWindow::SaveBytes(const FileChoice& choice, const std::string& bytes) {
  const QString path = prompts_.SaveFileName(this, choice);
  if (!path.isEmpty()) WriteBytes(path, bytes);
}

bool CalcWindow::WriteBytes(const QString& path, const std::string& bytes) {
  if (const auto error = WriteFileSafely(FilePathBytes(path), bytes)) {
    prompts_.ShowError(this, WriteErrorMessage(*error));
    return false;
  }
  Notify(QStringLiteral("保存しました: %1").arg(QDir::toNativeSeparators(path)));
  return true;
}

void CalcWindow::CopyResults() {
  QApplication::clipboard()->setText(ResultsClipboardText(encounter_));
  Notify(QStringLiteral("結果をコピーしました"));
}

void CalcWindow::CopyPairing(int row, int column) {
  QApplication::clipboard()->setText(PairingClipboardText(encounter_, row, column));
  Notify(QStringLiteral("成功率・高度・期待DMG をコピーしました"));
}

void CalcWindow::Print() { PrintTextReport(prompts_, this, encounter_); }

void CalcWindow::ShowHelp() { HelpWindow::ShowFor(*this); }

void CalcWindow::Notify(const QString& notice) { ShowStatus(notice, kNoticeMilliseconds); }

// A message may name a file, in any script.
void CalcWindow::ShowStatus(const QString& message, int milliseconds) {
  statusBar()->setFont(FontFor(font(), message));
  statusBar()->showMessage(message, milliseconds);
}

void CalcWindow::ShowAbout() {
  AboutDialog about(this);
  prompts_.Run(about);
}

void CalcWindow::Exit() { close(); }

// Enter on a focused button presses that button (the buttons are
// auto-default); anywhere else it runs "再計算", as the default button of a
// dialog would. Escape closes the window: a note, a menu or a popup that is
// open takes the key first and closes instead.
void CalcWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      grid_->recalculate_button().click();
      return;
    case Qt::Key_Escape:
      close();
      return;
    default:
      QMainWindow::keyPressEvent(event);
  }
}

// Decoding the icon's pictures costs as much as painting a quarter of the
// grid, so it waits for the first picture: the title bar and the task bar
// get it a moment later, the grid comes sooner.
void CalcWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (std::exchange(icon_asked_, true)) return;
  QTimer::singleShot(0, this, [this] { setWindowIcon(AppIcon()); });
}

void CalcWindow::closeEvent(QCloseEvent* event) {
  keeper_.WriteNow();
  QMainWindow::closeEvent(event);
}

// The size the window's own layout needs with the whole grid in view: menu
// bar (wrapped where it must), grid, status bar and the spacing between them,
// in the fonts and at the scale of this screen. The scroll area is held at
// the grid's size while the layout is asked, since on its own it asks for
// what fits a small screen.
QSize CalcWindow::NaturalSize() {
  auto* scroll = static_cast<QScrollArea*>(centralWidget());
  const QSize grid = grid_->minimumSizeHint();
  const QMargins frame = scroll->contentsMargins();
  scroll->setMinimumSize(grid.grownBy(frame));
  layout()->invalidate();
  const QSize natural = layout()->totalMinimumSize();
  scroll->setMinimumSize(0, 0);
  layout()->invalidate();
  return natural;
}

// The frame is not known before the window is shown: room is left for a
// title bar and borders of the usual size.
void CalcWindow::ShowOnScreen() {
  const QRect screen =
      (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
  const QMargins frame(4, 30, 4, 4);
  const QSize natural = NaturalSize();
  const QSize room = screen.marginsRemoved(frame).size();
  resize(natural.boundedTo(room));
  if (natural.width() > room.width() || natural.height() > room.height()) {
    move(screen.topLeft());
  }
  show();
}

}  // namespace zelmora
