#include "resources/layouts.h"

namespace zelmora::layout {
namespace {

// Cancel first, then the number buttons: the tab order. The prompt and the
// names are borderless read-only fields that take no tab stop; the name
// fields' identifiers are not in row order (1245 is row 4).
constexpr unsigned kShownText = kReadOnly | kNoBorder | kNoTabStop;

constexpr Control kControls[] = {
    {Kind::kButton, 2, "ｷｬﾝｾﾙ", 130, 106, 50, 14},
    {Kind::kButton, 1239, "1", 7, 26, 27, 14},
    {Kind::kButton, 1240, "2", 7, 41, 27, 14},
    {Kind::kButton, 1241, "3", 7, 56, 27, 14},
    {Kind::kButton, 1242, "4", 7, 71, 27, 14},
    {Kind::kButton, 1243, "5", 7, 86, 27, 14},
    {Kind::kEdit, 1238, "", 7, 8, 173, 12, kShownText},
    {Kind::kEdit, 1244, "", 34, 29, 146, 14, kShownText},
    {Kind::kEdit, 1246, "", 34, 44, 146, 14, kShownText},
    {Kind::kEdit, 1247, "", 34, 59, 146, 14, kShownText},
    {Kind::kEdit, 1245, "", 34, 74, 146, 14, kShownText},
    {Kind::kEdit, 1248, "", 34, 89, 146, 14, kShownText},
};

}  // namespace

const Dialog kSlotChooser = {"入れ替え／コピー", 187, 127, kControls};

}  // namespace zelmora::layout
