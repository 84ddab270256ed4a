#include <array>
#include <cstddef>

#include "resources/calc_window_ids.h"
#include "resources/layouts.h"

// The calculator window: a header band, five attacker rows crossing five
// defender columns, and a pairing cell at every crossing. The repeated parts
// are placed from the row and column tables below; the table order is the
// tab order: "再計算", the attacker inputs row by row, the defender inputs
// column by column, the attacker editor buttons, the defender editor buttons,
// "全体ボーナス設定". Outputs, detail buttons and labels take no tab stop.
namespace zelmora::layout {
namespace {

using grid::kAttackerRows;
using grid::kDefenderColumns;
using grid::kPairings;
using grid::kSlots;

constexpr unsigned kOutput = kReadOnly | kNoBorder | kNoTabStop;

// Top of each attacker row's frame, and left edge and width of each
// defender column's frame.
constexpr std::array<int, kSlots> kRowTop = {40, 75, 109, 143, 177};
constexpr int kRowWidth = 340;
constexpr int kRowHeight = 35;
constexpr std::array<int, kSlots> kColumnLeft = {127, 200, 235, 270, 305};
constexpr std::array<int, kSlots> kColumnWidth = {73, 35, 35, 35, 35};
constexpr int kColumnTop = 2;
constexpr int kColumnHeight = 210;

// Within a row band: the upper and the lower line of cells.
constexpr int kUpper = 6;
constexpr int kLower = 19;
constexpr int kLineHeight = 11;
constexpr int kLabelDrop = 2;  // a label sits a little lower than its edit

constexpr std::size_t kControlCount = 199;

struct ControlList {
  std::array<Control, kControlCount> controls{};
  std::size_t size = 0;
  constexpr void Add(const Control& c) { controls[size++] = c; }
};

constexpr void AddAttackerInputs(ControlList& list) {
  for (int k = 0; k < kSlots; ++k) {
    const auto& ids = kAttackerRows[k];
    const int y = kRowTop[k];
    list.Add({Kind::kEdit, ids.name, "", 8, y + 12, 66, kLineHeight});
    list.Add({Kind::kEdit, ids.judgment, "", 75, y + kUpper, 19, kLineHeight});
    list.Add({Kind::kEdit, ids.dice, "", 75, y + kLower, 12, kLineHeight});
    list.Add({Kind::kEdit, ids.bonus, "", 97, y + kLower, 12, kLineHeight});
  }
}

constexpr void AddDefenderInputs(ControlList& list) {
  for (int d = 0; d < kSlots; ++d) {
    const auto& ids = kDefenderColumns[d];
    const int x = kColumnLeft[d] + 1;
    const int width = kColumnWidth[d] - 2;
    // Column 1 keeps room for its "回避" and "防御" labels.
    const int text_x = d == 0 ? x + 17 : x;
    const int text_width = d == 0 ? width - 17 : width;
    list.Add({Kind::kEdit, ids.name, "", x, 10, width, 10});
    list.Add({Kind::kEdit, ids.evasion, "", text_x, 20, text_width, 10});
    list.Add({Kind::kEdit, ids.defence, "", text_x, 30, text_width, 10});
  }
}

constexpr void AddEditorButtons(ControlList& list) {
  for (int k = 0; k < kSlots; ++k) {
    list.Add({Kind::kButton, kAttackerRows[k].editor, "", 1, kRowTop[k] + 10, 6, 14});
  }
  for (int d = 0; d < kSlots; ++d) {
    list.Add({Kind::kButton, kDefenderColumns[d].editor, "", kColumnLeft[d], kColumnTop,
              kColumnWidth[d], 6});
  }
}

constexpr void AddHeaderLabels(ControlList& list) {
  list.Add({Kind::kLabel, kNoId, "名称", 8, 29, 66, 9, kCentre});
  list.Add({Kind::kLabel, kNoId, "命中率", 75, 22, 25, 9});
  list.Add({Kind::kLabel, kNoId, "ダメージ", 75, 31, 28, 9});
  list.Add({Kind::kLabel, kNoId, "成功率", 105, 22, 22, 9, kCentre});
  list.Add({Kind::kLabel, kNoId, "期待値", 105, 31, 22, 9, kCentre});
  list.Add({Kind::kLabel, kNoId, "回避", 129, 21, 15, 9});
  list.Add({Kind::kLabel, kNoId, "防御", 129, 31, 15, 9});
}

constexpr void AddAttackerRowRest(ControlList& list) {
  for (int k = 0; k < kSlots; ++k) {
    const auto& ids = kAttackerRows[k];
    const int y = kRowTop[k];
    list.Add({Kind::kLabel, kNoId, "%", 95, y + kUpper + kLabelDrop, 6, 9});
    list.Add({Kind::kLabel, kNoId, "D+", 88, y + kLower + kLabelDrop, 9, 9});
    list.Add({Kind::kEdit, ids.success, "", 109, y + kUpper, 18, kLineHeight, kOutput | kCentre});
    list.Add(
        {Kind::kEdit, ids.expectation, "", 109, y + kLower, 18, kLineHeight, kOutput | kCentre});
  }
}

// Column 1 labels its cells and captions its detail button; columns 2 to 5
// have bare cells and a small blank button.
constexpr void AddPairings(ControlList& list) {
  for (int k = 0; k < kSlots; ++k) {
    const int upper = kRowTop[k] + kUpper;
    const int lower = kRowTop[k] + kLower;
    const auto& first = kPairings[k][0];
    list.Add({Kind::kLabel, kNoId, "成功率", 129, upper + kLabelDrop, 21, 9});
    list.Add({Kind::kEdit, first.chance, "", 150, upper, 23, kLineHeight, kOutput | kCentre});
    list.Add({Kind::kLabel, kNoId, "高度", 173, upper + kLabelDrop, 14, 9});
    list.Add({Kind::kEdit, first.technique, "", 187, upper, 13, kLineHeight, kOutput | kCentre});
    list.Add({Kind::kLabel, kNoId, "期待DMG", 129, lower + kLabelDrop, 31, 9});
    list.Add({Kind::kEdit, first.damage, "", 160, lower, 22, kLineHeight, kOutput | kCentre});
    list.Add({Kind::kButton, first.detail, "詳細", 182, lower, 17, kLineHeight, kNoTabStop});
    for (int d = 1; d < kSlots; ++d) {
      const auto& ids = kPairings[k][d];
      const int x = kColumnLeft[d] + 1;
      list.Add({Kind::kEdit, ids.chance, "", x, upper, 20, kLineHeight, kOutput});
      // The technique stands at the right of its cell, apart from the chance.
      list.Add({Kind::kEdit, ids.technique, "", x + 20, upper, 13, kLineHeight, kOutput | kRight});
      list.Add({Kind::kEdit, ids.damage, "", x, lower, 22, kLineHeight, kOutput});
      list.Add({Kind::kButton, ids.detail, "", x + 22, lower + 1, 11, 10, kNoTabStop});
    }
  }
}

constexpr void AddFrames(ControlList& list) {
  for (int k = 0; k < kSlots; ++k) {
    list.Add({Kind::kGroupBox, kNoId, "", 0, kRowTop[k], kRowWidth, kRowHeight});
  }
  for (int d = 0; d < kSlots; ++d) {
    list.Add(
        {Kind::kGroupBox, kNoId, "", kColumnLeft[d], kColumnTop, kColumnWidth[d], kColumnHeight});
  }
}

constexpr std::array<Control, kControlCount> BuildControls() {
  ControlList list;
  list.Add({Kind::kButton, grid::kRecalculateButton, "再計算", 9, 2, 38, 16, kDefault});
  AddAttackerInputs(list);
  AddDefenderInputs(list);
  AddEditorButtons(list);
  list.Add({Kind::kButton, grid::kModifiersButton, "全体ボーナス設定", 56, 2, 62, 14});
  AddHeaderLabels(list);
  AddAttackerRowRest(list);
  AddPairings(list);
  AddFrames(list);
  // Reading past the array would not compile; a short list would leave
  // empty controls behind.
  if (list.size != kControlCount) throw "control count mismatch";
  return list.controls;
}

constexpr std::array<Control, kControlCount> kControls = BuildControls();

}  // namespace

const Dialog kCalcWindow = {"ZELMORA 確率計算プログラム", 341, 226, kControls};

}  // namespace zelmora::layout
