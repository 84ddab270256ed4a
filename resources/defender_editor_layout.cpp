#include "resources/layouts.h"

namespace zelmora::layout {
namespace {

// Table order is the tab order: OK and Cancel, the name, the five numbers,
// the affinity lists in reading order (火 is 1039 and 氷 is 1038), then the
// slot and file buttons. Each label ends where its control begins. The
// affinity lists are 24 units wide rather than 20 so that a symbol is not
// cut off beside the list's arrow.
constexpr Control kControls[] = {
    {Kind::kButton, 1, "OK", 7, 186, 50, 14, kDefault},
    {Kind::kButton, 2, "ｷｬﾝｾﾙ", 130, 186, 50, 14},
    {Kind::kLabel, kNoId, "名称：", 6, 14, 24, 8, kRight},
    {Kind::kEdit, 1034, "", 31, 11, 130, 14},
    {Kind::kGroupBox, kNoId, "回避", 7, 33, 173, 22},
    {Kind::kLabel, kNoId, "格闘：", 8, 42, 18, 8, kRight},
    {Kind::kEdit, 1029, "", 27, 39, 33, 14},
    {Kind::kLabel, kNoId, "射撃：", 67, 43, 18, 8, kRight},
    {Kind::kEdit, 1030, "", 86, 40, 33, 14},
    {Kind::kLabel, kNoId, "魔法：", 128, 43, 18, 8, kRight},
    {Kind::kEdit, 1031, "", 147, 40, 33, 14},
    {Kind::kGroupBox, kNoId, "防御", 7, 65, 173, 25},
    {Kind::kLabel, kNoId, "物理：", 11, 79, 18, 8, kRight},
    {Kind::kEdit, 1032, "", 30, 76, 40, 14},
    {Kind::kLabel, kNoId, "魔法：", 98, 79, 18, 8, kRight},
    {Kind::kEdit, 1033, "", 117, 76, 40, 14},
    {Kind::kGroupBox, kNoId, "相性", 7, 96, 173, 64},
    {Kind::kLabel, kNoId, "剣", 21, 108, 8, 8, kRight},
    {Kind::kComboBox, 1035, "", 30, 106, 24, 157},
    {Kind::kLabel, kNoId, "物", 61, 108, 8, 8, kRight},
    {Kind::kComboBox, 1036, "", 70, 106, 24, 180},
    {Kind::kLabel, kNoId, "技", 101, 108, 8, 8, kRight},
    {Kind::kComboBox, 1037, "", 110, 106, 24, 184},
    {Kind::kLabel, kNoId, "火", 141, 108, 8, 8, kRight},
    {Kind::kComboBox, 1039, "", 150, 106, 24, 165},
    {Kind::kLabel, kNoId, "氷", 21, 128, 8, 8, kRight},
    {Kind::kComboBox, 1038, "", 30, 126, 24, 158},
    {Kind::kLabel, kNoId, "電", 61, 128, 8, 8, kRight},
    {Kind::kComboBox, 1040, "", 70, 126, 24, 172},
    {Kind::kLabel, kNoId, "風", 101, 128, 8, 8, kRight},
    {Kind::kComboBox, 1041, "", 110, 126, 24, 185},
    {Kind::kLabel, kNoId, "心", 141, 128, 8, 8, kRight},
    {Kind::kComboBox, 1042, "", 150, 126, 24, 163},
    {Kind::kLabel, kNoId, "禁", 21, 148, 8, 8, kRight},
    {Kind::kComboBox, 1043, "", 30, 146, 24, 173},
    {Kind::kLabel, kNoId, "聖", 61, 148, 8, 8, kRight},
    {Kind::kComboBox, 1044, "", 70, 146, 24, 187},
    {Kind::kLabel, kNoId, "呪", 101, 147, 8, 8, kRight},
    {Kind::kComboBox, 1045, "", 110, 145, 24, 178},
    {Kind::kButton, 1236, "入れ替え", 8, 166, 30, 14},
    {Kind::kButton, 1237, "コピー", 39, 166, 27, 14},
    {Kind::kButton, 1248, "セーブ", 69, 166, 27, 14},
    {Kind::kButton, 1249, "ロード", 98, 166, 28, 14},
    {Kind::kButton, 1250, "QVM取り込み", 130, 166, 50, 14},
};

}  // namespace

const Dialog kDefenderEditor = {"受け側詳細設定", 187, 207, kControls};

}  // namespace zelmora::layout
