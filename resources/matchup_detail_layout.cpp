#include <array>
#include <iterator>

#include "resources/layouts.h"
#include "resources/matchup_detail_ids.h"

namespace zelmora::layout {
namespace {

// The names and the upper block of the pairing's inputs and results. The
// names and the table cells are framed; the upper block is not, and its
// values stand on the line of the labels before them.
constexpr unsigned kField = kReadOnly | kNoBorder | kTop;
constexpr Control kUpperBlock[] = {
    {Kind::kEdit, detail_ids::kAttackerName, "", 7, 7, 71, 14, kReadOnly},
    {Kind::kLabel, kNoId, "V.S.", 83, 10, 14, 8},
    {Kind::kEdit, detail_ids::kDefenderName, "", 99, 7, 71, 14, kReadOnly},
    {Kind::kLabel, kNoId, "命中値：", 7, 26, 28, 8},
    {Kind::kEdit, detail_ids::kJudgmentValue, "", 35, 26, 30, 14, kField},
    {Kind::kLabel, kNoId, "回避率（", 79, 26, 26, 8},
    {Kind::kEdit, detail_ids::kEvasionKind, "", 105, 26, 20, 14, kField},
    {Kind::kLabel, kNoId, "）：", 125, 26, 10, 8},
    {Kind::kEdit, detail_ids::kEvasionValue, "", 135, 26, 32, 14, kField},
    {Kind::kLabel, kNoId, "ダメージ：", 7, 41, 28, 8},
    {Kind::kEdit, detail_ids::kDamage, "", 35, 41, 42, 14, kField},
    {Kind::kLabel, kNoId, "防御力（", 79, 41, 26, 8},
    {Kind::kEdit, detail_ids::kDefenceKind, "", 105, 41, 20, 14, kField},
    {Kind::kLabel, kNoId, "）：", 125, 41, 10, 8},
    {Kind::kEdit, detail_ids::kDefenceValue, "", 135, 41, 32, 14, kField},
    {Kind::kLabel, kNoId, "防御属性：", 7, 56, 34, 8},
    {Kind::kEdit, detail_ids::kDefenceOption, "", 41, 56, 32, 14, kField},
    {Kind::kLabel, kNoId, "相性：", 77, 56, 18, 8},
    {Kind::kEdit, detail_ids::kAttackAttribute, "", 95, 56, 30, 14, kField | kRight},
    {Kind::kLabel, kNoId, "＝", 125, 56, 10, 8},
    {Kind::kEdit, detail_ids::kAffinitySymbol, "", 135, 56, 20, 14, kField | kCentre},
    {Kind::kLabel, kNoId, "命中率：", 7, 80, 28, 8},
    {Kind::kEdit, detail_ids::kAttackChance, "", 35, 80, 30, 14, kField},
    {Kind::kLabel, kNoId, "最適な高度な技：", 74, 80, 51, 8},
    {Kind::kEdit, detail_ids::kTechnique, "", 125, 80, 30, 14, kField},
    {Kind::kLabel, kNoId, "期待ダメージ：", 7, 96, 48, 8},
    {Kind::kEdit, detail_ids::kExpectedDamage, "", 55, 96, 40, 14, kField},
};

// The table of roll chances: a heading over each column, a heading before
// each row, and a cell at every crossing.
struct Heading {
  const char* text;
  int x;
};
constexpr Heading kColumnHeadings[] = {{"高度な技", 7},  {"成功率", 35}, {"ファンブル", 65},
                                       {"クリット", 95}, {"ＰＨ", 125},  {"ＣＲＰＨ", 155}};
constexpr const char* kRowHeadings[] = {"自動発動", "０",     "－１０", "－２０",
                                        "－３０",   "－４０", "－５０"};
using detail_ids::kTableColumns;
using detail_ids::kTableRows;
static_assert(std::size(kRowHeadings) == kTableRows);

constexpr Control kOkButton = {Kind::kButton, kOk, "OK", 134, 209, 50, 13, kDefault};

constexpr std::size_t kControlCount = std::size(kUpperBlock) + std::size(kColumnHeadings) +
                                      std::size_t{kTableRows} * (1 + kTableColumns) + 1;

constexpr std::array<Control, kControlCount> AllControls() {
  std::array<Control, kControlCount> all{};
  std::size_t n = 0;
  for (const Control& c : kUpperBlock) all[n++] = c;
  for (const Heading& h : kColumnHeadings) {
    all[n++] = {Kind::kLabel, kNoId, h.text, h.x, 122, 30, 8};
  }
  for (int r = 0; r < kTableRows; ++r) {
    all[n++] = {Kind::kLabel, kNoId, kRowHeadings[r], 7, 132 + 10 * r, 28, 8};
    for (int c = 0; c < kTableColumns; ++c) {
      all[n++] = {Kind::kEdit,
                  detail_ids::TableCell(r, c),
                  "",
                  35 + 30 * c,
                  130 + 10 * r,
                  c == kTableColumns - 1 ? 29 : 30,
                  r == kTableRows - 1 ? 10 : 12,
                  kReadOnly};
    }
  }
  all[n++] = kOkButton;
  return all;
}

constexpr std::array<Control, kControlCount> kControls = AllControls();

}  // namespace

const Dialog kMatchupDetailDialog = {"命中率、ダメージ詳細", 191, 229, kControls};

}  // namespace zelmora::layout
