#include "editors/slot_operations.h"

#include <QDialog>
#include <QPushButton>
#include <utility>

#include "editors/slot_button_row.h"
#include "editors/slot_chooser.h"
#include "files/roster_file.h"
#include "gui/cp932_qstring.h"
#include "gui/file_error_message.h"
#include "gui/prompts.h"

namespace zelmora {
namespace {

template <class Record>
SlotNames NamesOf(const std::array<Record, Encounter::kSlots>& records) {
  SlotNames names;
  for (std::size_t i = 0; i < records.size(); ++i) {
    names[i] = QStringFromCp932(records[i].name);
  }
  return names;
}

}  // namespace

template <class Record>
SlotOperations<Record>::SlotOperations(QDialog& editor, Prompts& prompts, Slots& stored,
                                       Record& working, int slot, std::function<void()> show)
    : editor_(editor),
      prompts_(prompts),
      stored_(stored),
      working_(working),
      slot_(slot),
      show_(std::move(show)) {}

template <class Record>
void SlotOperations<Record>::Connect(const SlotButtonRow& buttons, QPushButton& cancel) {
  cancel_ = &cancel;
  const std::pair<QPushButton*, void (SlotOperations::*)()> bindings[] = {
      {buttons.swap(), &SlotOperations::Swap},
      {buttons.copy(), &SlotOperations::Copy},
      {buttons.save_one(), &SlotOperations::SaveOne},
      {buttons.load_one(), &SlotOperations::LoadOne},
  };
  for (const auto& binding : bindings) {
    QObject::connect(binding.first, &QPushButton::clicked, &editor_,
                     [this, operation = binding.second] { (this->*operation)(); });
  }
}

template <class Record>
void SlotOperations<Record>::Take(const Record& record) {
  working_ = record;
  show_();
}

template <class Record>
void SlotOperations<Record>::Swap() {
  const std::optional<int> other =
      ChooseSlot(prompts_, &editor_, QStringLiteral("どれと入れ替えますか？"), NamesOf(stored_));
  if (!other) return;
  if (*other != slot_) std::swap(stored_.at(*other - 1), stored_.at(slot_ - 1));
  Take(stored_.at(slot_ - 1));
  cancel_->setEnabled(false);
  swapped_ = true;
}

template <class Record>
void SlotOperations<Record>::Copy() {
  const std::optional<int> source =
      ChooseSlot(prompts_, &editor_, QStringLiteral("どれをコピーしますか？"), NamesOf(stored_));
  if (source) Take(stored_.at(*source - 1));
}

template <class Record>
void SlotOperations<Record>::SaveOne() {
  const QString path = prompts_.SaveFileName(&editor_, RosterFileChoice());
  if (path.isEmpty()) return;
  if (const auto error = WriteFileSafely(FilePathBytes(path), SaveOneBytes(working_, slot_))) {
    prompts_.ShowError(&editor_, WriteErrorMessage(*error));
  }
}

template <class Record>
void SlotOperations<Record>::LoadOne() {
  const QString path = prompts_.OpenFileName(&editor_, RosterFileChoice());
  if (path.isEmpty()) return;
  const ReadResult file = ReadFileBytes(FilePathBytes(path));
  if (file.error) {
    prompts_.ShowError(&editor_, ReadErrorMessage(*file.error));
    return;
  }
  const Slots offered = ReadOneSide<Record>(file.bytes);
  const std::optional<int> picked =
      ChooseSlot(prompts_, &editor_, QStringLiteral("どれをロードしますか？"), NamesOf(offered));
  if (picked) Take(offered.at(*picked - 1));
}

template class SlotOperations<Attacker>;
template class SlotOperations<Defender>;

}  // namespace zelmora
