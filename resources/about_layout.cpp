#include "resources/layouts.h"

namespace zelmora::layout {
namespace {

constexpr Control kControls[] = {
    {Kind::kLabel, kNoId, "ZELMORA確率計算プログラム  ver1.0", 7, 7, 160, 8},
    {Kind::kButton, kOk, "OK", 178, 34, 50, 14, kDefault},
};

}  // namespace

const Dialog kAboutDialog = {"ﾊﾞｰｼﾞｮﾝ情報", 235, 55, kControls};

}  // namespace zelmora::layout
