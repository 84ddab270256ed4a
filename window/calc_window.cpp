#include "window/calc_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "editors/attacker_editor.h"
#include "editors/defender_editor.h"
#include "editors/modifiers_dialog.h"
#include "engine/text.h"
#include "files/file_io.h"
#include "files/kept_table.h"
#include "files/reports.h"
#include "files/roster_file.h"
#include "gui/cp932_qstring.h"
#include "gui/dialog_builder.h"
#include "gui/field_notice.h"
#include "gui/file_error_message.h"
#include "gui/name_field.h"
#include "gui/number_fit.h"
#include "gui/numeric_text.h"
#include "resources/calc_window_ids.h"
#include "resources/calc_window_menu.h"
#include "resources/layouts.h"
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

// One kind of input cell: its side, where it sits in each slot, how its
// record field is written into the text, and how an edit reaches the record.
// A number cell stores its text and makes its row or column stale; a name
// cell takes the edit into the record's name and recalculates nothing.
struct InputField {
  Side side;
  int (*id)(int index);
  QString (*format)(const Encounter&, int slot);
  void (*store_number)(Encounter&, int slot, const std::string& text);
  std::string& (*name)(Encounter&, int slot);
};

template <int grid::AttackerRowIds::*Id>
int AttackerCell(int index) {
  return grid::kAttackerRows[index].*Id;
}
template <int grid::DefenderColumnIds::*Id>
int DefenderCell(int index) {
  return grid::kDefenderColumns[index].*Id;
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

using grid::AttackerRowIds;
using grid::DefenderColumnIds;

constexpr InputField kInputFields[] = {
    {Side::kAttacker, AttackerCell<&AttackerRowIds::name>, FormatAttackerName, nullptr,
     AttackerName},
    {Side::kAttacker, AttackerCell<&AttackerRowIds::judgment>,
     FormatAttackerNumber<&Attacker::judgment_value>,
     StoreAttackerNumber<&Attacker::judgment_value>, nullptr},
    {Side::kAttacker, AttackerCell<&AttackerRowIds::dice>,
     FormatAttackerNumber<&Attacker::dice_count>, StoreAttackerNumber<&Attacker::dice_count>,
     nullptr},
    {Side::kAttacker, AttackerCell<&AttackerRowIds::bonus>,
     FormatAttackerNumber<&Attacker::damage_bonus>, StoreAttackerNumber<&Attacker::damage_bonus>,
     nullptr},
    {Side::kDefender, DefenderCell<&DefenderColumnIds::name>, FormatDefenderName, nullptr,
     DefenderName},
    {Side::kDefender, DefenderCell<&DefenderColumnIds::evasion>, FormatEvasion, StoreEvasion,
     nullptr},
    {Side::kDefender, DefenderCell<&DefenderColumnIds::defence>, FormatDefence, StoreDefence,
     nullptr},
};
static_assert(std::size(kInputFields) * Encounter::kSlots == 35);

// The output cells: the row summary and the pairing results. A number is
// fitted to its cell, with the full value in the cell's tooltip; the
// technique is a text and shows as it is.
struct RowOutput {
  int AttackerRowIds::*id;
  double (*value)(const AttackerSummary&);
};
constexpr RowOutput kRowOutputFields[] = {
    {&AttackerRowIds::success,
     [](const AttackerSummary& s) { return static_cast<double>(s.success_percent); }},
    {&AttackerRowIds::expectation, [](const AttackerSummary& s) { return s.damage_expectation; }},
};

struct PairingOutput {
  int grid::PairingIds::*id;
  double (*value)(const MatchupResult&);  // null for the technique text
};
constexpr PairingOutput kPairingOutputFields[] = {
    {&grid::PairingIds::chance, [](const MatchupResult& r) { return r.attack_chance; }},
    {&grid::PairingIds::technique, nullptr},
    {&grid::PairingIds::damage, [](const MatchupResult& r) { return r.expected_damage; }},
};

// Puts text into a cell only when it differs, showing its start as a fresh
// edit control does. setText never emits textEdited, so no handler runs.
void SetCellText(QLineEdit& edit, const QString& text) {
  if (edit.text() != text) SetTextFromStart(edit, text);
}

QLineEdit& Edit(const QWidget& grid, int id) {
  QLineEdit* edit = ControlById<QLineEdit>(grid, id);
  Q_ASSERT(edit);
  return *edit;
}

QPushButton& Button(const QWidget& grid, int id) {
  QPushButton* button = ControlById<QPushButton>(grid, id);
  Q_ASSERT(button);
  return *button;
}

struct Command {
  int id;
  void (CalcWindow::*run)();
};
constexpr Command kCommands[] = {
    {menu::kSaveAll, &CalcWindow::SaveAll},
    {menu::kLoadAll, &CalcWindow::LoadAll},
    {menu::kTextReport, &CalcWindow::WriteTextReport},
    {menu::kHtmlReport, &CalcWindow::WriteHtmlReport},
    {menu::kExit, &CalcWindow::Exit},
    {menu::kRecalculate, &CalcWindow::RecalculateAll},
    {menu::kAbout, &CalcWindow::ShowAbout},
    {menu::kRestoreKept, &CalcWindow::RestoreKeptTable},
};

void (CalcWindow::*CommandOf(int id))() {
  for (const Command& command : kCommands) {
    if (command.id == id) return command.run;
  }
  return nullptr;
}

// Whether column `column` is the best target of a row whose best targets
// are marked in `best`.
MatchupDetailDialog::TargetRank TargetRankOf(const std::array<bool, Encounter::kSlots>& best,
                                             int column) {
  using Rank = MatchupDetailDialog::TargetRank;
  if (best[column - 1]) return Rank::kBest;
  return std::find(best.begin(), best.end(), true) != best.end() ? Rank::kNotBest
                                                                 : Rank::kNoneInRow;
}

}  // namespace

CalcWindow::CalcWindow(Prompts& prompts) : QDialog(nullptr), prompts_(prompts) {
  // A main window: minimise box and task-bar entry, but no maximise box.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromUtf8(layout::kCalcWindow.caption));
  setWindowIcon(AppIcon());
  setFont(DialogFont());

  auto* grid = new QWidget(this);
  BuildDialog(*grid, layout::kCalcWindow);
  grid->setFixedSize(grid->size());
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  // The controls keep their places when the frame grows.
  column->addWidget(grid, 0, Qt::AlignLeft | Qt::AlignTop);
  column->addStretch();

  BindInputs(*grid);
  BindOutputs(*grid);
  BindButtons(*grid);
  BuildMenu();
  BindUserState();
  Button(*grid, grid::kRecalculateButton).setFocus();

  RefreshInputs();
  Recalculate();
}

CalcWindow::~CalcWindow() = default;

void CalcWindow::BindInputs(QWidget& grid) {
  auto cell = inputs_.begin();
  for (int field = 0; field < static_cast<int>(std::size(kInputFields)); ++field) {
    for (int slot = 1; slot <= Encounter::kSlots; ++slot, ++cell) {
      cell->edit = &Edit(grid, kInputFields[field].id(slot - 1));
      cell->field = field;
      cell->slot = slot;
      InputCell& bound = *cell;
      connect(cell->edit, &QLineEdit::textEdited, this, [this, &bound] { OnInputEdited(bound); });
    }
  }
}

void CalcWindow::BindOutputs(QWidget& grid) {
  for (int row = 0; row < Encounter::kSlots; ++row) {
    for (int i = 0; i < kRowOutputs; ++i) {
      row_outputs_[row][i] = &Edit(grid, grid::kAttackerRows[row].*kRowOutputFields[i].id);
    }
    for (int column = 0; column < Encounter::kSlots; ++column) {
      for (int i = 0; i < kPairingOutputs; ++i) {
        pairing_outputs_[row][column][i] =
            &Edit(grid, grid::kPairings[row][column].*kPairingOutputFields[i].id);
      }
    }
  }
}

void CalcWindow::BindButtons(QWidget& grid) {
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    connect(&Button(grid, grid::kAttackerRows[slot - 1].editor), &QPushButton::clicked, this,
            [this, slot] { EditAttacker(slot); });
    connect(&Button(grid, grid::kDefenderColumns[slot - 1].editor), &QPushButton::clicked, this,
            [this, slot] { EditDefender(slot); });
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      connect(&Button(grid, grid::kPairings[slot - 1][column - 1].detail), &QPushButton::clicked,
              this, [this, slot, column] { ShowMatchupDetail(slot, column); });
    }
  }
  connect(&Button(grid, grid::kRecalculateButton), &QPushButton::clicked, this,
          &CalcWindow::RecalculateAll);
  connect(&Button(grid, grid::kModifiersButton), &QPushButton::clicked, this,
          &CalcWindow::EditModifiers);
}

void CalcWindow::BuildMenu() {
  auto* bar = new QMenuBar(this);
  layout()->setMenuBar(bar);
  QMenu* current = nullptr;
  for (const menu::Item& item : menu::kCalcWindowMenu) {
    if (!item.menu) {
      current = nullptr;
    } else if (!current || current->title() != QString::fromUtf8(item.menu)) {
      current = bar->addMenu(QString::fromUtf8(item.menu));
    }
    if (!item.text) {
      current->addSeparator();
      continue;
    }
    if (item.kind == menu::ItemKind::kSubmenu) {
      QMenu* submenu = current->addMenu(QString::fromUtf8(item.text));
      submenu->setObjectName(QString::number(item.command));
      submenu->menuAction()->setObjectName(submenu->objectName());
      continue;
    }
    QAction* action = current ? current->addAction(QString::fromUtf8(item.text))
                              : bar->addAction(QString::fromUtf8(item.text));
    action->setObjectName(QString::number(item.command));
    action->setCheckable(item.kind == menu::ItemKind::kCheckable);
    if (const auto run = CommandOf(item.command)) connect(action, &QAction::triggered, this, run);
  }
}

// What outlives the window: the kept table, the recent rosters, the view
// switches; and rosters dropped on any part of the window.
void CalcWindow::BindUserState() {
  const auto action = [this](int command) { return findChild<QAction*>(QString::number(command)); };
  highlight_ = std::make_unique<PairingHighlight>(encounter_, pairing_outputs_);
  highlight_->BindActions(*action(menu::kMarkBestTargets), *action(menu::kHeatMap));

  restore_action_ = action(menu::kRestoreKept);
  recent_menu_ = findChild<QMenu*>(QString::number(menu::kRecentFiles));
  const auto update_restore = [this] { restore_action_->setEnabled(TableKeeper::Exists()); };
  update_restore();
  connect(&keeper_, &TableKeeper::Written, this, update_restore);
  connect(qobject_cast<QMenu*>(recent_menu_->parentWidget()), &QMenu::aboutToShow, this,
          update_restore);
  connect(recent_menu_, &QMenu::aboutToShow, this, &CalcWindow::FillRecentMenu);
  FillRecentMenu();
  connect(this, &QDialog::finished, &keeper_, &TableKeeper::WriteNow);
  // Shown once the window is up; a status bar message when the window has one.
  connect(&keeper_, &TableKeeper::Unusable, this, [this](const QString& message) {
    QTimer::singleShot(0, this, [this, message] { FieldNotice::Show(*inputs_[0].edit, message); });
  });

  auto* drop = new RosterDrop([this](const QString& path) { LoadRoster(path); }, this);
  setAcceptDrops(true);
  installEventFilter(drop);
  for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->installEventFilter(drop);
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

void CalcWindow::RememberRoster(const QString& path) {
  RecentFiles::Add(path);
  FillRecentMenu();
}

void CalcWindow::ReadAllCells() {
  for (InputCell& cell : inputs_) cell.text = cell.edit->text();
}

void CalcWindow::WriteAllCells() {
  for (InputCell& cell : inputs_) SetCellText(*cell.edit, cell.text);
  for (int row = 0; row < Encounter::kSlots; ++row) {
    const AttackerSummary& summary = encounter_.summary(row + 1);
    for (int i = 0; i < kRowOutputs; ++i) {
      ShowFitted(*row_outputs_[row][i], kRowOutputFields[i].value(summary));
    }
    for (int column = 0; column < Encounter::kSlots; ++column) {
      const MatchupResult& result = encounter_.result(row + 1, column + 1);
      for (int i = 0; i < kPairingOutputs; ++i) {
        QLineEdit& cell = *pairing_outputs_[row][column][i];
        if (const auto value = kPairingOutputFields[i].value) {
          ShowFitted(cell, value(result));
        } else {
          SetCellText(cell, ToQString(result.technique));
        }
      }
    }
  }
}

void CalcWindow::RefreshInputs(SlotSelection attackers, SlotSelection defenders) {
  for (InputCell& cell : inputs_) {
    const InputField& field = kInputFields[cell.field];
    const SlotSelection selection = field.side == Side::kAttacker ? attackers : defenders;
    if (selection.Contains(cell.slot)) cell.text = field.format(encounter_, cell.slot);
  }
  WriteAllCells();
}

void CalcWindow::Recalculate(SlotSelection rows, SlotSelection columns) {
  encounter_.Recalculate(rows, columns);
  WriteAllCells();
  highlight_->Apply();
  keeper_.Changed();
}

void CalcWindow::OnInputEdited(InputCell& cell) {
  ReadAllCells();
  const InputField& field = kInputFields[cell.field];
  if (field.name) {
    TakeNameEdit(*cell.edit, field.name(encounter_, cell.slot));
    cell.text = cell.edit->text();
    keeper_.Changed();
    return;
  }
  field.store_number(encounter_, cell.slot, NumericText(cell.text));
  keeper_.Changed();
  if (field.side == Side::kAttacker) {
    Recalculate(SlotSelection::Only(cell.slot), SlotSelection::All());
  } else {
    Recalculate(SlotSelection::All(), SlotSelection::Only(cell.slot));
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

void CalcWindow::SaveAll() {
  const QString path = SaveBytes(RosterFileChoice(), SaveAllBytes(encounter_));
  if (!path.isEmpty()) RememberRoster(path);
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
  const QString shown = QFile::decodeName(QByteArray::fromStdString(path));
  RememberRoster(shown);
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

void CalcWindow::WriteTextReport() { SaveBytes(TextReportFileChoice(), TextReport(encounter_)); }

void CalcWindow::WriteHtmlReport() { SaveBytes(HtmlReportFileChoice(), HtmlReport(encounter_)); }

QString CalcWindow::SaveBytes(const FileChoice& choice, const std::string& bytes) {
  QString path = prompts_.SaveFileName(this, choice);
  if (path.isEmpty()) return {};
  if (const auto error = WriteFileSafely(FilePathBytes(path), bytes)) {
    prompts_.ShowError(this, WriteErrorMessage(*error));
    return {};
  }
  return path;
}

void CalcWindow::ShowAbout() {
  AboutDialog about(this);
  prompts_.Run(about);
}

void CalcWindow::Exit() {
  ReadAllCells();
  accept();
}

}  // namespace zelmora
