#include "gui/results_clipboard.h"

#include "files/results_text.h"
#include "gui/cp932_qstring.h"

namespace zelmora {

QString ResultsClipboardText(const Encounter& encounter) {
  return QStringFromCp932(ResultsTabText(encounter));
}

QString PairingClipboardText(const Encounter& encounter, int row, int column) {
  return QStringFromCp932(PairingTabText(encounter, row, column));
}

}  // namespace zelmora
