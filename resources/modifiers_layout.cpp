#include "resources/layouts.h"
#include "resources/modifiers_ids.h"

namespace zelmora::layout {
namespace {

// OK and Cancel come first: the table order is the tab order, and the
// dialog opens with the focus on OK.
constexpr Control kControls[] = {
    {Kind::kButton, kOk, "OK", 7, 97, 50, 13, kDefault},
    {Kind::kButton, kCancel, "ｷｬﾝｾﾙ", 130, 96, 50, 14},
    {Kind::kGroupBox, kNoId, "攻撃側", 7, 7, 173, 40},
    {Kind::kLabel, kNoId, "物理命中率：", 8, 19, 42, 8},
    {Kind::kEdit, modifiers_ids::kPhysicalHit, "", 50, 16, 34, 14},
    {Kind::kLabel, kNoId, "魔法命中率：", 91, 19, 43, 8},
    {Kind::kEdit, modifiers_ids::kMagicHit, "", 134, 16, 35, 14},
    {Kind::kLabel, kNoId, "物理ダメージ：", 8, 33, 42, 8},
    {Kind::kEdit, modifiers_ids::kPhysicalDamage, "", 50, 30, 34, 14},
    {Kind::kLabel, kNoId, "魔法ダメージ：", 91, 33, 43, 8},
    {Kind::kEdit, modifiers_ids::kMagicDamage, "", 134, 30, 35, 14},
    {Kind::kGroupBox, kNoId, "防御側", 7, 50, 173, 35},
    {Kind::kLabel, kNoId, "物理回避：", 8, 59, 42, 8},
    {Kind::kEdit, modifiers_ids::kPhysicalEvasion, "", 50, 56, 34, 14},
    {Kind::kLabel, kNoId, "物理防御点：", 8, 74, 42, 8},
    {Kind::kEdit, modifiers_ids::kPhysicalDefence, "", 50, 70, 34, 14},
    {Kind::kLabel, kNoId, "魔法回避：", 91, 59, 43, 8},
    {Kind::kEdit, modifiers_ids::kMagicEvasion, "", 134, 56, 36, 14},
    {Kind::kLabel, kNoId, "魔法防御点：", 91, 74, 43, 8},
    {Kind::kEdit, modifiers_ids::kMagicDefence, "", 134, 70, 36, 14},
};

}  // namespace

const Dialog kModifiersDialog = {"ボーナス／ペナルティ", 187, 117, kControls};

}  // namespace zelmora::layout
