#pragma once

#include <QString>

#include "engine/encounter.h"

// The results as the clipboard takes them (結果をコピー, a pairing's コピー):
// the tab-separated text of files/results_text.h as Unicode.
namespace zelmora {

QString ResultsClipboardText(const Encounter& encounter);
QString PairingClipboardText(const Encounter& encounter, int row, int column);

}  // namespace zelmora
