#include "resources/layouts.h"

namespace zelmora::layout {
namespace {

// Table order is the tab order: OK and Cancel first, then the fields, then
// the slot and file buttons. Each label ends where its control begins.
constexpr Control kControls[] = {
    {Kind::kButton, 1, "OK", 7, 110, 50, 14, kDefault},
    {Kind::kButton, 2, "ｷｬﾝｾﾙ", 130, 110, 50, 14},
    {Kind::kLabel, kNoId, "名称：", 4, 14, 24, 8, kRight},
    {Kind::kEdit, 1018, "", 29, 11, 122, 14},
    {Kind::kLabel, kNoId, "判定値：", 3, 28, 28, 8, kRight},
    {Kind::kEdit, 1019, "", 32, 25, 40, 14},
    {Kind::kLabel, kNoId, "ダメージ：", 7, 44, 39, 8, kRight},
    {Kind::kEdit, 1020, "", 47, 41, 21, 14},
    {Kind::kLabel, kNoId, "D6 + ", 68, 43, 18, 8, kRight},
    {Kind::kEdit, 1021, "", 87, 40, 23, 14},
    {Kind::kLabel, kNoId, "判定の種類：", 92, 29, 40, 8, kRight},
    {Kind::kComboBox, 1023, "", 133, 27, 41, 51},
    {Kind::kLabel, kNoId, "回避：", 2, 59, 21, 8, kRight},
    {Kind::kComboBox, 1024, "", 24, 57, 34, 57},
    {Kind::kLabel, kNoId, "防御：", 60, 59, 19, 8, kRight},
    {Kind::kComboBox, 1025, "", 80, 57, 32, 58},
    {Kind::kLabel, kNoId, "防御OPT：", 113, 59, 32, 8, kRight},
    {Kind::kComboBox, 1026, "", 146, 57, 34, 57},
    {Kind::kLabel, kNoId, "相性：", 3, 75, 21, 8, kRight},
    {Kind::kComboBox, 1027, "", 25, 73, 43, 95},
    {Kind::kLabel, kNoId, "攻撃回数：", 68, 74, 32, 8, kRight},
    {Kind::kEdit, 1022, "", 101, 71, 19, 14},
    {Kind::kLabel, kNoId, "自動発動：", 125, 75, 32, 8, kRight},
    {Kind::kComboBox, 1028, "", 158, 73, 26, 48},
    {Kind::kButton, 1234, "入れ替え", 7, 90, 30, 14},
    {Kind::kButton, 1235, "コピー", 38, 90, 26, 14},
    {Kind::kButton, 1245, "セーブ", 66, 90, 30, 14},
    {Kind::kButton, 1246, "ロード", 98, 90, 30, 14},
    {Kind::kButton, 1247, "QVM取り込み", 130, 90, 50, 14},
};

}  // namespace

const Dialog kAttackerEditor = {"行動側詳細設定", 187, 131, kControls};

}  // namespace zelmora::layout
