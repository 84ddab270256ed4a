#include "window/calc_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
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
#include "gui/user_settings.h"
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
// record field is written into the text, how the cell's text is taken into
// a copy of its record, and what it holds, as assistive tools name it. A
// name cell takes the edit into the record's name; an edit that the code
// page refuses leaves the record as it was.
struct InputField {
  Side side;
  GridInput& (*cell)(CalcGrid&, int slot);
  QString (*format)(const Encounter&, int slot);
  void (*take_attacker)(QLineEdit& cell, Attacker&);
  void (*take_defender)(QLineEdit& cell, Defender&);
  const char* meaning;
  bool is_name = false;
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
void TakeAttackerNumber(QLineEdit& cell, Attacker& a) {
  a.*Field = ParseLeadingInt(NumericText(cell.text()));
}

QString FormatAttackerName(const Encounter& e, int slot) {
  return QStringFromCp932(e.attacker(slot).name);
}
void TakeAttackerName(QLineEdit& cell, Attacker& a) { TakeNameEdit(cell, a.name); }
QString FormatDefenderName(const Encounter& e, int slot) {
  return QStringFromCp932(e.defender(slot).name);
}
void TakeDefenderName(QLineEdit& cell, Defender& d) { TakeNameEdit(cell, d.name); }

QString FormatEvasion(const Encounter& e, int slot) {
  const Defender& d = e.defender(slot);
  return ToQString(FormatInt(d.melee_evasion) + ',' + FormatInt(d.ranged_evasion) + ',' +
                   FormatInt(d.magic_evasion));
}
void TakeEvasion(QLineEdit& cell, Defender& d) {
  const auto values = ParseEvasionText(NumericText(cell.text()));
  d.melee_evasion = values[0];
  d.ranged_evasion = values[1];
  d.magic_evasion = values[2];
}

QString FormatDefence(const Encounter& e, int slot) {
  const Defender& d = e.defender(slot);
  return ToQString(FormatInt(d.physical_defence) + ',' + FormatInt(d.magic_defence));
}
void TakeDefence(QLineEdit& cell, Defender& d) {
  const auto values = ParseDefenceText(NumericText(cell.text()));
  d.physical_defence = values[0];
  d.magic_defence = values[1];
}

constexpr InputField kInputFields[] = {
    {Side::kAttacker, AttackerCell<&AttackerRow::name>, FormatAttackerName, TakeAttackerName,
     nullptr, "名称", true},
    {Side::kAttacker, AttackerCell<&AttackerRow::judgment>,
     FormatAttackerNumber<&Attacker::judgment_value>, TakeAttackerNumber<&Attacker::judgment_value>,
     nullptr, "命中率"},
    {Side::kAttacker, AttackerCell<&AttackerRow::dice>, FormatAttackerNumber<&Attacker::dice_count>,
     TakeAttackerNumber<&Attacker::dice_count>, nullptr, "ダメージダイス"},
    {Side::kAttacker, AttackerCell<&AttackerRow::bonus>,
     FormatAttackerNumber<&Attacker::damage_bonus>, TakeAttackerNumber<&Attacker::damage_bonus>,
     nullptr, "ダメージ修正"},
    {Side::kDefender, DefenderCell<&DefenderColumn::name>, FormatDefenderName, nullptr,
     TakeDefenderName, "名称", true},
    {Side::kDefender, DefenderCell<&DefenderColumn::evasion>, FormatEvasion, nullptr, TakeEvasion,
     "回避"},
    {Side::kDefender, DefenderCell<&DefenderColumn::defence>, FormatDefence, nullptr, TakeDefence,
     "防御"},
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

// The window's size and place, kept between runs.
const QString kGeometryKey = QStringLiteral("window/geometry");

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
  connect(&document_, &TableDocument::RecordsChanged, this, &CalcWindow::ShowRecords);
  connect(&document_, &TableDocument::StateChanged, this, &CalcWindow::ShowState);

  RefreshInputs();
  ShowResults(SlotSelection::All(), SlotSelection::All());
  highlight_->Apply();
  ShowState();
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
  // Shift+F10 opens the context menu of the focused control, as the menu
  // key does: over the text cursor in a field, over the framed pairing in
  // the results.
  auto* menu_key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
  connect(menu_key, &QShortcut::activated, this, [] {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return;
    const auto* field = qobject_cast<QLineEdit*>(focus);
    const QPoint at = field ? field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()
                            : focus->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
    QApplication::sendEvent(focus, &event);
  });
  // The desktop's own quit key where it has one (Ctrl+Q on Linux, none on
  // Windows, where Alt+F4 closes).
  action(Command::kExit).setShortcuts(QKeySequence::Quit);
}

// What outlives the window: the kept table, the recent rosters, the view
// switches; and rosters dropped on any part of the window.
void CalcWindow::BindUserState() {
  highlight_ = std::make_unique<PairingHighlight>(encounter(), grid_->results());
  highlight_->BindActions(action(Command::kMarkBestTargets), action(Command::kHeatMap));

  const auto update_restore = [this] {
    action(Command::kRestoreKept).setEnabled(TableKeeper::Exists());
  };
  update_restore();
  connect(&keeper(), &TableKeeper::Written, this, update_restore);
  connect(qobject_cast<QMenu*>(recent_menu_->parentWidget()), &QMenu::aboutToShow, this,
          update_restore);
  connect(recent_menu_, &QMenu::aboutToShow, this, &CalcWindow::FillRecentMenu);
  FillRecentMenu();
  // A kept table that cannot be written is said once, and stays said.
  connect(&keeper(), &TableKeeper::Unusable, this,
          [this](const QString& message) { ShowStatus(message, 0); });

  auto* drop = new RosterDrop([this](const QString& path) { LoadRoster(path); }, this);
  setAcceptDrops(true);
  installEventFilter(drop);
  for (GridInput* input : findChildren<GridInput*>()) input->FilterEvents(drop);

  // Typing joins one undo step only while the focus stays in its field. The
  // connection goes with the document: taking the window's widgets down
  // moves the focus after the document is gone.
  connect(qApp, &QApplication::focusChanged, &document_, &TableDocument::EndTyping);
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
        field.cell(*grid_, slot).ShowText(field.format(encounter(), slot));
    }
  }
  ShowPairingNames(attackers, defenders);
}

// A pairing's result depends on its attacker and its defender.
void CalcWindow::ShowRecords(SlotSelection attackers, SlotSelection defenders, bool every_result) {
  if (!typing_in_) RefreshInputs(attackers, defenders);
  if (every_result) {
    ShowResults(SlotSelection::All(), SlotSelection::All());
  } else {
    ShowResults(attackers, SlotSelection::All());
    if (!attackers.IsAll()) ShowResults(SlotSelection::All(), defenders);
  }
  highlight_->Apply();
}

// The title is made again only when the roster changes, not at every
// keystroke.
void CalcWindow::ShowState() {
  if (!titled_ || shown_roster_ != document_.roster()) {
    titled_ = true;
    shown_roster_ = document_.roster();
    ShowTitle();
  }
  setWindowModified(document_.IsModified());
  action(Command::kUndo).setEnabled(document_.CanUndo());
  action(Command::kRedo).setEnabled(document_.CanRedo());
}

void CalcWindow::ShowTitle() {
  const QString roster = roster_path();
  setWindowTitle(
      roster.isEmpty()
          ? kProgramTitle + QStringLiteral("[*]")
          : QStringLiteral("%1 — %2[*]").arg(kProgramTitle, QFileInfo(roster).fileName()));
}

void CalcWindow::Undo() { document_.Undo(); }

void CalcWindow::Redo() { document_.Redo(); }

void CalcWindow::ShowResults(SlotSelection rows, SlotSelection columns) {
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    if (!rows.Contains(row)) continue;
    grid_->attacker(row).ShowSummary(encounter().summary(row));
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      if (columns.Contains(column)) {
        grid_->pairing(row, column).ShowResult(encounter().result(row, column));
      }
    }
  }
}

// A pairing's detail button names both sides, so a name edit renames the
// buttons of its row or column; the input cells of a named slot are read
// by its name ("ゴブリン 回避"), the name cell always by its side and slot.
void CalcWindow::ShowPairingNames(SlotSelection rows, SlotSelection columns) {
  for (const InputField& field : kInputFields) {
    const bool attacker = field.side == Side::kAttacker;
    for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
      if (!(attacker ? rows : columns).Contains(slot)) continue;
      const char* side = attacker ? "攻撃側" : "防御側";
      const QString owner = field.is_name ? ShownName({}, side, slot)
                                          : ShownName(attacker ? encounter().attacker(slot).name
                                                               : encounter().defender(slot).name,
                                                      side, slot);
      field.cell(*grid_, slot).Name(owner + QLatin1Char(' ') + QString::fromUtf8(field.meaning));
    }
  }
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    const QString attacker = ShownName(encounter().attacker(row).name, "攻撃側", row);
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      if (!rows.Contains(row) && !columns.Contains(column)) continue;
      grid_->pairing(row, column)
          .SetNames(attacker, ShownName(encounter().defender(column).name, "防御側", column));
    }
  }
}

// The typed cell keeps its text as typed ("5x" stays, though the record
// holds 5), and so do the others; the detail buttons of its row or column
// take a new name.
void CalcWindow::OnInputEdited(int field_index, int slot) {
  const InputField& field = kInputFields[field_index];
  GridInput& cell = field.cell(*grid_, slot);
  const std::string group = std::to_string(field_index) + ':' + std::to_string(slot);
  typing_in_ = &cell;
  if (field.side == Side::kAttacker) {
    Attacker attacker = encounter().attacker(slot);
    field.take_attacker(cell.LineEdit(), attacker);
    document_.SetAttacker(slot, attacker, group);
  } else {
    Defender defender = encounter().defender(slot);
    field.take_defender(cell.LineEdit(), defender);
    document_.SetDefender(slot, defender, group);
  }
  typing_in_ = nullptr;
  if (field.is_name) {
    const bool attacker = field.side == Side::kAttacker;
    ShowPairingNames(attacker ? SlotSelection::Only(slot) : SlotSelection::None(),
                     attacker ? SlotSelection::None() : SlotSelection::Only(slot));
  }
}

void CalcWindow::RecalculateAll() {
  RefreshInputs();
  document_.RecalculateAll();
}

// The editor works on a copy of the table, since its swap moves two records
// of its side while it is open; OK takes all five of them.
void CalcWindow::EditAttacker(int slot) {
  Encounter table = encounter();
  AttackerEditor editor(table, prompts_, slot, this);
  if (prompts_.Run(editor) != QDialog::Accepted) return;
  table.attacker(slot) = editor.working();
  document_.SetAttackers(table.attackers());
}

void CalcWindow::EditDefender(int slot) {
  Encounter table = encounter();
  DefenderEditor editor(table, prompts_, slot, this);
  if (prompts_.Run(editor) != QDialog::Accepted) return;
  table.defender(slot) = editor.working();
  document_.SetDefenders(table.defenders());
}

// Shows the stored results of the last recalculation; nothing is recomputed
// and nothing comes back.
void CalcWindow::ShowMatchupDetail(int row, int column) {
  MatchupDetailDialog detail(encounter().attacker(row), encounter().defender(column),
                             encounter().result(row, column), this);
  detail.ShowTargetRank(TargetRankOf(BestTargets(encounter())[row - 1], column));
  prompts_.Run(detail);
}

void CalcWindow::EditModifiers() {
  ModifiersDialog dialog(ShowModifiers(encounter().modifiers()), this);
  if (prompts_.Run(dialog) != QDialog::Accepted) return;
  document_.SetModifiers(ModifiersFromShown(dialog.Values()));
}

void CalcWindow::NewTable() { document_.NewTable(); }

void CalcWindow::SaveAll() {
  if (roster_path().isEmpty()) {
    SaveAs();
  } else {
    WriteRoster(roster_path());
  }
}

void CalcWindow::SaveAs() {
  const QString path = prompts_.SaveFileName(this, Suggesting(RosterFileChoice()));
  if (!path.isEmpty()) WriteRoster(path);
}

bool CalcWindow::WriteRoster(const QString& path) {
  if (!ReportWrite(path, document_.Save(FilePathBytes(path)))) return false;
  RememberRoster(path);
  return true;
}

void CalcWindow::LoadAll() {
  const QString path = prompts_.OpenFileName(this, RosterFileChoice());
  if (!path.isEmpty()) LoadRoster(path);
}

bool CalcWindow::LoadRoster(const QString& path) { return LoadRosterBytes(FilePathBytes(path)); }

bool CalcWindow::LoadRosterBytes(const std::string& path) {
  const RosterLoad load = document_.Load(path);
  if (load.error) {
    prompts_.ShowError(this, ReadErrorMessage(*load.error));
    return false;
  }
  const QString shown = roster_path();
  RememberRoster(shown);
  if (load.read_as_utf8) prompts_.ShowNotice(this, Utf8RosterNotice(shown));
  return true;
}

void CalcWindow::OpenRecentFile(const QString& path) {
  if (LoadRoster(path)) return;
  RecentFiles::Remove(path);
  FillRecentMenu();
}

QString CalcWindow::RestoreKeptMessage() {
  const TableDocument::KeptRestore restore = document_.RestoreKept();
  if (restore.error) return ReadErrorMessage(*restore.error);
  switch (restore.problem) {
    case KeptTableProblem::kNone:
      return {};
    case KeptTableProblem::kDamaged:
      return QStringLiteral("前回の内容「%1」は壊れているため復元できません。表はそのままです。")
          .arg(TableKeeper::Path());
    case KeptTableProblem::kOtherVersion:
      return QStringLiteral(
                 "前回の内容「%1」は別の版のプログラムが残したため復元できません。"
                 "表はそのままです。")
          .arg(TableKeeper::Path());
  }
  return {};
}

void CalcWindow::RestoreKeptTable() {
  const QString message = RestoreKeptMessage();
  if (!message.isEmpty()) prompts_.ShowError(this, message);
}

// Before the window is shown a message box would stand alone at the
// screen's corner; it waits for the event loop, which runs once the window
// is up.
void CalcWindow::RestoreKeptTableAtStart() {
  if (!TableKeeper::Exists()) return;
  const QString message = RestoreKeptMessage();
  if (message.isEmpty()) return;
  QTimer::singleShot(0, this, [this, message] { prompts_.ShowError(this, message); });
}

void CalcWindow::WriteTextReport() {
  SaveBytes(Suggesting(TextReportFileChoice()), TextReport(encounter()));
}

void CalcWindow::WriteHtmlReport() {
  SaveBytes(Suggesting(HtmlReportFileChoice()), HtmlReport(encounter()));
}

FileChoice CalcWindow::Suggesting(const FileChoice& choice) const {
  return choice.Suggesting(SuggestedName(roster_path(), encounter().attacker(1).name));
}

void CalcWindow::SaveBytes(const FileChoice& choice, const std::string& bytes) {
  const QString path = prompts_.SaveFileName(this, choice);
  if (!path.isEmpty()) WriteBytes(path, bytes);
}

bool CalcWindow::WriteBytes(const QString& path, const std::string& bytes) {
  return ReportWrite(path, WriteFileSafely(FilePathBytes(path), bytes));
}

bool CalcWindow::ReportWrite(const QString& path, const std::optional<FileError>& error) {
  if (error) {
    prompts_.ShowError(this, WriteErrorMessage(*error));
    return false;
  }
  Notify(QStringLiteral("保存しました: %1").arg(QDir::toNativeSeparators(path)));
  return true;
}

void CalcWindow::CopyResults() {
  QApplication::clipboard()->setText(ResultsClipboardText(encounter()));
  Notify(QStringLiteral("結果をコピーしました"));
}

void CalcWindow::CopyPairing(int row, int column) {
  QApplication::clipboard()->setText(PairingClipboardText(encounter(), row, column));
  Notify(QStringLiteral("成功率・高度・期待DMG をコピーしました"));
}

void CalcWindow::Print() { PrintTextReport(prompts_, this, encounter()); }

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
// get it a moment later, the grid comes sooner (bench/speed_limits.sh: the
// first paint at most 1.3 times a minimal dialog's).
void CalcWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (std::exchange(icon_asked_, true)) return;
  QTimer::singleShot(0, this, [this] { setWindowIcon(AppIcon()); });
}

void CalcWindow::closeEvent(QCloseEvent* event) {
  keeper().WriteNow();
  UserSettings().setValue(kGeometryKey, saveGeometry());
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
  // The size and place of the last run, put back wholly on the screen if
  // the screen has become smaller.
  if (const QByteArray kept = UserSettings().value(kGeometryKey).toByteArray();
      !kept.isEmpty() && restoreGeometry(kept)) {
    resize(size().boundedTo(screen.marginsRemoved(frame).size()));
    const QSize outer = size().grownBy(frame);
    const QPoint inside(std::clamp(pos().x(), screen.left(), screen.right() + 1 - outer.width()),
                        std::clamp(pos().y(), screen.top(), screen.bottom() + 1 - outer.height()));
    if (inside != pos()) move(inside);
    show();
    return;
  }
  const QSize natural = NaturalSize();
  const QSize room = screen.marginsRemoved(frame).size();
  resize(natural.boundedTo(room));
  if (natural.width() > room.width() || natural.height() > room.height()) {
    move(screen.topLeft());
  }
  show();
}

}  // namespace zelmora
