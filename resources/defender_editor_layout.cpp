#include "resources/defender_editor_ids.h"
#include "resources/layouts.h"

namespace zelmora::layout {
namespace {

using defender_ids::kAffinityLists;

// Table order is the tab order: OK and Cancel, the name, the five numbers,
// the affinity lists in reading order (attribute order), then the
// slot and file buttons. Each label ends where its control begins. The
// affinity lists are 24 units wide rather than 20 so that a symbol is not
// cut off beside the list's arrow.
constexpr Control kControls[] = {
    {Kind::kButton, kOk, "OK", 7, 186, 50, 14, kDefault},
    {Kind::kButton, kCancel, "ｷｬﾝｾﾙ", 130, 186, 50, 14},
    {Kind::kLabel, kNoId, "名称：", 6, 14, 24, 8, kRight},
    {Kind::kEdit, defender_ids::kName, "", 31, 11, 130, 14},
    {Kind::kGroupBox, kNoId, "回避", 7, 33, 173, 22},
    {Kind::kLabel, kNoId, "格闘：", 8, 42, 18, 8, kRight},
    {Kind::kEdit, defender_ids::kMeleeEvasion, "", 27, 39, 33, 14},
    {Kind::kLabel, kNoId, "射撃：", 67, 43, 18, 8, kRight},
    {Kind::kEdit, defender_ids::kRangedEvasion, "", 86, 40, 33, 14},
    {Kind::kLabel, kNoId, "魔法：", 128, 43, 18, 8, kRight},
    {Kind::kEdit, defender_ids::kMagicEvasion, "", 147, 40, 33, 14},
    {Kind::kGroupBox, kNoId, "防御", 7, 65, 173, 25},
    {Kind::kLabel, kNoId, "物理：", 11, 79, 18, 8, kRight},
    {Kind::kEdit, defender_ids::kPhysicalDefence, "", 30, 76, 40, 14},
    {Kind::kLabel, kNoId, "魔法：", 98, 79, 18, 8, kRight},
    {Kind::kEdit, defender_ids::kMagicDefence, "", 117, 76, 40, 14},
    {Kind::kGroupBox, kNoId, "相性", 7, 96, 173, 64},
    {Kind::kLabel, kNoId, "剣", 21, 108, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[0], "", 30, 106, 24, 157},
    {Kind::kLabel, kNoId, "物", 61, 108, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[1], "", 70, 106, 24, 180},
    {Kind::kLabel, kNoId, "技", 101, 108, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[2], "", 110, 106, 24, 184},
    {Kind::kLabel, kNoId, "火", 141, 108, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[3], "", 150, 106, 24, 165},
    {Kind::kLabel, kNoId, "氷", 21, 128, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[4], "", 30, 126, 24, 158},
    {Kind::kLabel, kNoId, "電", 61, 128, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[5], "", 70, 126, 24, 172},
    {Kind::kLabel, kNoId, "風", 101, 128, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[6], "", 110, 126, 24, 185},
    {Kind::kLabel, kNoId, "心", 141, 128, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[7], "", 150, 126, 24, 163},
    {Kind::kLabel, kNoId, "禁", 21, 148, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[8], "", 30, 146, 24, 173},
    {Kind::kLabel, kNoId, "聖", 61, 148, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[9], "", 70, 146, 24, 187},
    {Kind::kLabel, kNoId, "呪", 101, 147, 8, 8, kRight},
    {Kind::kComboBox, kAffinityLists[10], "", 110, 145, 24, 178},
    {Kind::kButton, defender_ids::kSwap, "入れ替え", 8, 166, 30, 14},
    {Kind::kButton, defender_ids::kCopy, "コピー", 39, 166, 27, 14},
    {Kind::kButton, defender_ids::kSaveOne, "セーブ", 69, 166, 27, 14},
    {Kind::kButton, defender_ids::kLoadOne, "ロード", 98, 166, 28, 14},
    {Kind::kButton, defender_ids::kImportSheet, "QVM取り込み", 130, 166, 50, 14},
};

}  // namespace

const Dialog kDefenderEditor = {"受け側詳細設定", 187, 207, kControls};

}  // namespace zelmora::layout
