#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/display_language.h"
#include "app/manual_page.h"
#include "app/message_language.h"
#include "app/option_table.h"
#include "app/wrapped_text.h"
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

// Each README in its language, with the heading of its command-line section.
struct Readme {
  std::string_view file;
  Language language;
  std::string_view heading;
};
constexpr Readme kReadmes[] = {{"README.md", Language::kJapanese, "コマンドライン"},
                               {"README.en.md", Language::kEnglish, "The command line"}};

std::string SourceFile(std::string_view name) {
  return testing::Slurp(std::string(ZELMORA_SOURCE_DIR) + "/" + std::string(name));
}

TEST(UsageTest, TheReadmesShowTheUsageAsTheProgramPrintsIt) {
  for (const Readme& readme : kReadmes) {
    EXPECT_EQ(FirstBlockOfSection(SourceFile(readme.file), readme.heading),
              UsageText(readme.language))
        << readme.file;
  }
}

// The READMEs show the example's outputs as the golden files hold them.
TEST(UsageTest, TheReadmesShowTheExampleOutputsAsTheProgramWritesThem) {
  const auto unix_lines = [](std::string text) {
    std::erase(text, '\r');
    return text;
  };
  const std::string golden_text = unix_lines(Utf8FromCp932(SourceFile("tests/golden/party.txt")));
  const std::string golden_csv = unix_lines(SourceFile("tests/golden/party.csv"));
  for (const Readme& file : kReadmes) {
    const std::string readme = SourceFile(file.file);
    const std::string command = "$ zelmora --evasion 0,2,1,2,2 --txt - examples/party.qvr\n";
    const std::size_t text = readme.find(command);
    ASSERT_NE(text, std::string::npos) << file.file;
    const std::size_t text_start = text + command.size();
    EXPECT_EQ(readme.substr(text_start, readme.find("```", text_start) - text_start), golden_text)
        << file.file;

    // The CSV's first rows, before the ellipsis, without the byte-order mark.
    const std::size_t csv = readme.find("\nattacker,attacker_name,");
    ASSERT_NE(csv, std::string::npos) << file.file;
    const std::string shown = readme.substr(csv + 1, readme.find("…", csv) - csv - 1);
    EXPECT_EQ(golden_csv.substr(3, shown.size()), shown) << file.file;
  }
}

// The manual page as plain text: without the break points and the escaped
// minus signs the page writer adds.
std::string PageText(std::string page) {
  for (const std::string_view mark : {"\\:", "\\"}) {
    for (std::size_t at; (at = page.find(mark)) != std::string::npos;) page.erase(at, mark.size());
  }
  return page;
}

TEST(UsageTest, HelpAndManualPagesDescribeEveryOptionAndExitStatusInBothLanguages) {
  for (const Language language : {Language::kEnglish, Language::kJapanese}) {
    const std::string usage = UsageText(language);
    const std::string page = PageText(ManualPage(language));
    for (const OptionDefinition& option : Options()) {
      const std::string_view help = option.help.In(language);
      EXPECT_NE(usage.find("  " + OptionSynopsis(option) + " "), std::string::npos) << option.name;
      EXPECT_NE(page.find(std::string(option.name)), std::string::npos) << option.name;
      EXPECT_NE(page.find(std::string(help) + "\n"), std::string::npos) << help;
      // The help wraps where it likes; its first words stay together.
      EXPECT_NE(usage.find(help.substr(0, help.find(' ', 10))), std::string::npos) << help;
    }
    for (const ExitStatusDefinition& exit : ExitStatuses()) {
      EXPECT_NE(page.find(".B " + std::to_string(exit.status) + "\n"), std::string::npos);
      EXPECT_NE(usage.find("  " + std::to_string(exit.status) + "  "), std::string::npos);
    }
    // NAME, SYNOPSIS, DESCRIPTION, OPTIONS, EXIT STATUS, FILES, ENVIRONMENT,
    // EXAMPLES, SEE ALSO, each once, in that order.
    std::size_t sections = 0;
    for (std::size_t at = 0; (at = page.find("\n.SH ", at)) != std::string::npos; ++at) ++sections;
    EXPECT_EQ(sections, 9u);
    for (const std::string_view file : {"table.qvr", "zelmora.conf", "LC_MESSAGES"}) {
      EXPECT_NE(page.find(file), std::string::npos) << file;
    }
  }
}

TEST(MessageLanguageTest, TheFirstLocaleVariableSetDecides) {
  struct Case {
    const char* lc_all;
    const char* lc_messages;
    const char* lang;
    Language language;
  };
  for (const Case& c : {
           Case{nullptr, nullptr, nullptr, Language::kEnglish},
           Case{nullptr, nullptr, "ja_JP.UTF-8", Language::kJapanese},
           Case{"", "", "ja", Language::kJapanese},
           Case{nullptr, "ja_JP.eucJP", "C", Language::kJapanese},
           Case{"C", "ja_JP.UTF-8", "ja_JP.UTF-8", Language::kEnglish},
           Case{"en_US.UTF-8", nullptr, "ja_JP.UTF-8", Language::kEnglish},
           Case{"ja_JP.UTF-8", "C", "C", Language::kJapanese},
           Case{nullptr, nullptr, "jam", Language::kEnglish},
       }) {
    EXPECT_EQ(MessageLanguage(c.lc_all, c.lc_messages, c.lang), c.language)
        << (c.lc_all ? c.lc_all : "-") << " " << (c.lc_messages ? c.lc_messages : "-") << " "
        << (c.lang ? c.lang : "-");
  }
}

// Sets or, with nullptr, removes a variable of this process.
void SetVariable(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value ? value : "");
#else
  value ? setenv(name, value, 1) : unsetenv(name);
#endif
}

// With no locale variable set (a Windows desktop sets none) the desktop's
// display language decides; any variable set overrides it, either way.
TEST(MessageLanguageTest, TheDesktopsLanguageDecidesOnlyWhenNoVariableIsSet) {
  const char* const names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  std::vector<std::optional<std::string>> saved;
  for (const char* name : names) {
    const char* value = std::getenv(name);
    saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    SetVariable(name, nullptr);
  }
  EXPECT_EQ(EnvironmentMessageLanguage(), DisplayLanguage());
#ifndef _WIN32
  EXPECT_EQ(DisplayLanguage(), Language::kEnglish);  // the variables are the choice
#endif
  SetVariable("LANG", "ja_JP.UTF-8");
  EXPECT_EQ(EnvironmentMessageLanguage(), Language::kJapanese);
  SetVariable("LC_ALL", "C");
  EXPECT_EQ(EnvironmentMessageLanguage(), Language::kEnglish);
  for (std::size_t i = 0; i < saved.size(); ++i) {
    SetVariable(names[i], saved[i] ? saved[i]->c_str() : nullptr);
  }
}

TEST(WrappedTextTest, JapaneseFillsByColumnsAndKeepsClosingMarksOnTheirLine) {
  const std::string_view text =
      "ゲームマスターが攻撃側を 5 人まで入力すると、25 通りの組み合わせのそれぞれについて、"
      "防御側の回避を抜ける正確な確率（高度な技を含む）、期待ダメージが表示されます。";
  const std::string wrapped = Wrapped("  --x", text, 8, 30);
  std::string joined;
  std::size_t start = 0;
  for (std::size_t end; (end = wrapped.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string_view line = std::string_view(wrapped).substr(start, end - start);
    EXPECT_LE(TerminalColumns(line), 30u) << line;
    for (const std::string_view mark : {"、", "。", "）"})
      EXPECT_FALSE(line.substr(8).starts_with(mark));
    EXPECT_FALSE(line.ends_with("（")) << line;
    joined += line.substr(8);
  }
  std::string expected(text);
  std::erase(expected, ' ');
  std::erase(joined, ' ');
  EXPECT_EQ(joined, expected);
}

}  // namespace
}  // namespace zelmora
