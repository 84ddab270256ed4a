#include "resources/attacker_editor_ids.h"
#include "resources/layouts.h"

namespace zelmora::layout {
namespace {

// Table order is the tab order: OK and Cancel first, then the fields, then
// the slot and file buttons. Each label ends where its control begins.
constexpr Control kControls[] = {
    {Kind::kButton, kOk, "OK", 7, 110, 50, 14, kDefault},
    {Kind::kButton, kCancel, "ｷｬﾝｾﾙ", 130, 110, 50, 14},
    {Kind::kLabel, kNoId, "名称：", 4, 14, 24, 8, kRight},
    {Kind::kEdit, attacker_ids::kName, "", 29, 11, 122, 14},
    {Kind::kLabel, kNoId, "判定値：", 3, 28, 28, 8, kRight},
    {Kind::kEdit, attacker_ids::kJudgmentValue, "", 32, 25, 40, 14},
    {Kind::kLabel, kNoId, "ダメージ：", 7, 44, 39, 8, kRight},
    {Kind::kEdit, attacker_ids::kDiceCount, "", 47, 41, 21, 14},
    {Kind::kLabel, kNoId, "D6 + ", 68, 43, 18, 8, kRight},
    {Kind::kEdit, attacker_ids::kDamageBonus, "", 87, 40, 23, 14},
    {Kind::kLabel, kNoId, "判定の種類：", 92, 29, 40, 8, kRight},
    {Kind::kComboBox, attacker_ids::kJudgmentKind, "", 133, 27, 41, 51},
    {Kind::kLabel, kNoId, "回避：", 2, 59, 21, 8, kRight},
    {Kind::kComboBox, attacker_ids::kEvasionKind, "", 24, 57, 34, 57},
    {Kind::kLabel, kNoId, "防御：", 60, 59, 19, 8, kRight},
    {Kind::kComboBox, attacker_ids::kDefenceKind, "", 80, 57, 32, 58},
    {Kind::kLabel, kNoId, "防御OPT：", 113, 59, 32, 8, kRight},
    {Kind::kComboBox, attacker_ids::kDefenceOption, "", 146, 57, 34, 57},
    {Kind::kLabel, kNoId, "相性：", 3, 75, 21, 8, kRight},
    {Kind::kComboBox, attacker_ids::kAttackAttribute, "", 25, 73, 43, 95},
    {Kind::kLabel, kNoId, "攻撃回数：", 68, 74, 32, 8, kRight},
    {Kind::kEdit, attacker_ids::kAttackCount, "", 101, 71, 19, 14},
    {Kind::kLabel, kNoId, "自動発動：", 125, 75, 32, 8, kRight},
    {Kind::kComboBox, attacker_ids::kAutoTrigger, "", 158, 73, 26, 48},
    {Kind::kButton, attacker_ids::kSwap, "入れ替え", 7, 90, 30, 14},
    {Kind::kButton, attacker_ids::kCopy, "コピー", 38, 90, 26, 14},
    {Kind::kButton, attacker_ids::kSaveOne, "セーブ", 66, 90, 30, 14},
    {Kind::kButton, attacker_ids::kLoadOne, "ロード", 98, 90, 30, 14},
    {Kind::kButton, attacker_ids::kQvmImport, "QVM取り込み", 130, 90, 50, 14},
};

}  // namespace

const Dialog kAttackerEditor = {"行動側詳細設定", 187, 131, kControls};

}  // namespace zelmora::layout
