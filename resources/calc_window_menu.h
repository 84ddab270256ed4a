#pragma once

// The calculator window's menu bar as data, in display order. Texts are
// UTF-8 with "&" before the mnemonic. There are no keyboard accelerators.
namespace zelmora::menu {

inline constexpr int kExit = 1;  // the dialog's OK
inline constexpr int kRecalculate = 32773;
inline constexpr int kSaveAll = 32774;
inline constexpr int kLoadAll = 32775;
inline constexpr int kAbout = 32777;
inline constexpr int kTextReport = 32778;
inline constexpr int kHtmlReport = 32779;

struct Item {
  const char* menu;  // drop-down it belongs to; nullptr: a command on the bar itself
  const char* text;  // nullptr: a separator
  int command;
};

inline constexpr Item kCalcWindowMenu[] = {
    {"ファイル(&F)", "全てセーブ(&S)", kSaveAll},
    {"ファイル(&F)", "全てロード(&O)", kLoadAll},
    {"ファイル(&F)", nullptr, 0},
    {"ファイル(&F)", "TXT出力(&T)", kTextReport},
    {"ファイル(&F)", "HTML出力(&H)", kHtmlReport},
    {"ファイル(&F)", nullptr, 0},
    {"ファイル(&F)", "終了(&X)", kExit},
    {nullptr, "再計算(&C)", kRecalculate},
    {"ヘルプ(&H)", "バージョン情報...(&A)", kAbout},
};

}  // namespace zelmora::menu
