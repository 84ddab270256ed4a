#include "resources/layouts.h"
#include "resources/slot_chooser_ids.h"

namespace zelmora::layout {
namespace {

constexpr const auto& kButtons = chooser_ids::kSlotButtons;
constexpr const auto& kNames = chooser_ids::kSlotNames;

// Cancel first, then the number buttons: the tab order. The prompt and the
// names are borderless read-only fields that take no tab stop; the name
// fields' identifiers are not in row order.
constexpr unsigned kShownText = kReadOnly | kNoBorder | kNoTabStop;

constexpr Control kControls[] = {
    {Kind::kButton, kCancel, "ｷｬﾝｾﾙ", 130, 106, 50, 14},
    {Kind::kButton, kButtons[0], "1", 7, 26, 27, 14},
    {Kind::kButton, kButtons[1], "2", 7, 41, 27, 14},
    {Kind::kButton, kButtons[2], "3", 7, 56, 27, 14},
    {Kind::kButton, kButtons[3], "4", 7, 71, 27, 14},
    {Kind::kButton, kButtons[4], "5", 7, 86, 27, 14},
    {Kind::kEdit, chooser_ids::kPrompt, "", 7, 8, 173, 12, kShownText},
    {Kind::kEdit, kNames[0], "", 34, 29, 146, 14, kShownText},
    {Kind::kEdit, kNames[1], "", 34, 44, 146, 14, kShownText},
    {Kind::kEdit, kNames[2], "", 34, 59, 146, 14, kShownText},
    {Kind::kEdit, kNames[3], "", 34, 74, 146, 14, kShownText},
    {Kind::kEdit, kNames[4], "", 34, 89, 146, 14, kShownText},
};

}  // namespace

const Dialog kSlotChooser = {"入れ替え／コピー", 187, 127, kControls};

}  // namespace zelmora::layout
