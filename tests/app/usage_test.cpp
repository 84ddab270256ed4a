#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/manual_page.h"
#include "app/option_table.h"
#include "files/cp932.h"
#include "tests/files/files_test_support.h"

namespace zelmora {
namespace {

// The first fenced block of a README section.
std::string FirstBlockOfSection(const std::string& readme, std::string_view heading) {
  const std::size_t section = readme.find("\n## " + std::string(heading) + "\n");
  if (section == std::string::npos) return {};
  const std::size_t open = readme.find("\n```\n", section);
  if (open == std::string::npos) return {};
  const std::size_t start = open + 5;
  const std::size_t close = readme.find("\n```\n", start - 1);
  return close == std::string::npos ? std::string() : readme.substr(start, close + 1 - start);
}

TEST(UsageTest, TheReadmeShowsTheUsageAsTheProgramPrintsIt) {
  const std::string readme = testing::Slurp(std::string(ZELMORA_SOURCE_DIR) + "/README.md");
  EXPECT_EQ(FirstBlockOfSection(readme, "Reports from the command line"), UsageText());
}

// The README shows the example's outputs as the golden files hold them.
TEST(UsageTest, TheReadmeShowsTheExampleOutputsAsTheProgramWritesThem) {
  const std::string source(ZELMORA_SOURCE_DIR);
  const std::string readme = testing::Slurp(source + "/README.md");
  const auto unix_lines = [](std::string text) {
    std::erase(text, '\r');
    return text;
  };
  const std::string command = "$ build/default/app/zelmora --evasion 0,2,1,2,2 --txt - ";
  const std::size_t text = readme.find(command + "examples/party.qvr\n");
  ASSERT_NE(text, std::string::npos);
  const std::size_t text_start = readme.find('\n', text) + 1;
  EXPECT_EQ(readme.substr(text_start, readme.find("```", text_start) - text_start),
            unix_lines(Utf8FromCp932(testing::Slurp(source + "/tests/golden/party.txt"))));

  // The CSV's first rows, before the ellipsis, without the byte-order mark.
  const std::size_t csv = readme.find("\nattacker,attacker_name,");
  ASSERT_NE(csv, std::string::npos);
  const std::string shown = readme.substr(csv + 1, readme.find("…", csv) - csv - 1);
  const std::string golden = unix_lines(testing::Slurp(source + "/tests/golden/party.csv"));
  EXPECT_EQ(golden.substr(3, shown.size()), shown);
}

TEST(UsageTest, HelpAndManualPageDescribeEveryOptionAndExitStatus) {
  const std::string usage = UsageText();
  const std::string page = ManualPage();
  // The manual page writes a minus as \-.
  const auto man = [](std::string_view text) {
    std::string out;
    for (const char c : text) out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
  };
  for (const OptionDefinition& option : Options()) {
    EXPECT_NE(usage.find("  " + OptionSynopsis(option) + " "), std::string::npos) << option.name;
    EXPECT_NE(page.find(man(option.name)), std::string::npos) << option.name;
    // Both wrap the help where they like; its first words stay together.
    const std::string_view opening = option.help.substr(0, option.help.find(' ', 10));
    EXPECT_NE(usage.find(opening), std::string::npos) << option.name;
    EXPECT_NE(page.find(opening), std::string::npos) << option.name;
  }
  for (const ExitStatusDefinition& exit : ExitStatuses()) {
    EXPECT_NE(page.find(".B " + std::to_string(exit.status) + "\n"), std::string::npos);
    EXPECT_NE(usage.find("  " + std::to_string(exit.status) + "  "), std::string::npos);
  }
  for (const std::string_view section :
       {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "\"EXIT STATUS\"", "FILES", "EXAMPLES"}) {
    EXPECT_NE(page.find(".SH " + std::string(section) + "\n"), std::string::npos) << section;
  }
}

}  // namespace
}  // namespace zelmora
