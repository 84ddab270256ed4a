#include "files/results_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "engine/text.h"
#include "tests/support/sample_table.h"

namespace zelmora {
namespace {

std::vector<std::vector<std::string>> Cells(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string>& row = rows.emplace_back(1);
    for (const char c : line) {
      if (c == '\t') {
        row.emplace_back();
      } else {
        row.back().push_back(c);
      }
    }
  }
  return rows;
}

// Every value lands in its pairing's column, whole, and a name cannot break
// the table.
TEST(ResultsTextTest, OneRowPerAttackerThreeColumnsPerDefender) {
  Encounter e;
  testing::FillSampleTable(e);
  e.attacker(2).name = "a\tb\nc";
  e.defender(4).name = "d\re";
  e.Recalculate();
  const auto rows = Cells(ResultsTabText(e));
  ASSERT_EQ(rows.size(), 6u);
  for (const auto& row : rows) ASSERT_EQ(row.size(), 16u);
  EXPECT_EQ(rows[0][10], "d e");
  EXPECT_EQ(rows[2][0], "a b c");
  EXPECT_EQ(PairingTabText(e, 3, 2), rows[3][4] + '\t' + rows[3][5] + '\t' + rows[3][6]);
  for (int r = 1; r <= 5; ++r) {
    for (int c = 1; c <= 5; ++c) {
      const MatchupResult& result = e.result(r, c);
      const auto at = static_cast<std::size_t>(3 * c - 2);
      EXPECT_EQ(rows[r][at], FormatGeneral(result.attack_chance));
      EXPECT_EQ(rows[r][at + 1], result.technique);
      EXPECT_NEAR(std::stod(rows[r][at + 2]), result.expected_damage,
                  1e-13 * std::abs(result.expected_damage));
    }
  }
}

}  // namespace
}  // namespace zelmora
