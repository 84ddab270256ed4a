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
inline constexpr int kRestoreKept = 32780;
inline constexpr int kRecentFiles = 32781;
inline constexpr int kMarkBestTargets = 32782;
inline constexpr int kHeatMap = 32783;

enum class ItemKind { kCommand, kCheckable, kSubmenu };

struct Item {
  const char* menu;  // drop-down it belongs to; nullptr: a command on the bar itself
  const char* text;  // nullptr: a separator
  int command;
  ItemKind kind = ItemKind::kCommand;
};

inline constexpr Item kCalcWindowMenu[] = {
    {"ファイル(&F)", "全てセーブ(&S)", kSaveAll},
    {"ファイル(&F)", "全てロード(&O)", kLoadAll},
    {"ファイル(&F)", nullptr, 0},
    {"ファイル(&F)", "TXT出力(&T)", kTextReport},
    {"ファイル(&F)", "HTML出力(&H)", kHtmlReport},
    {"ファイル(&F)", nullptr, 0},
    {"ファイル(&F)", "前回の内容を復元(&R)", kRestoreKept},
    {"ファイル(&F)", "最近使ったファイル(&F)", kRecentFiles, ItemKind::kSubmenu},
    {"ファイル(&F)", nullptr, 0},
    {"ファイル(&F)", "終了(&X)", kExit},
    {nullptr, "再計算(&C)", kRecalculate},
    {"表示(&V)", "最適な標的を強調(&B)", kMarkBestTargets, ItemKind::kCheckable},
    {"表示(&V)", "ヒートマップ(&H)", kHeatMap, ItemKind::kCheckable},
    {"ヘルプ(&H)", "バージョン情報...(&A)", kAbout},
};

}  // namespace zelmora::menu
