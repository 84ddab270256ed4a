#include "app/manual_page.h"

#include <cctype>
#include <string_view>

#include "app/option_table.h"

namespace zelmora {
namespace {

constexpr std::string_view kExamples[][2] = {
    {"The text report of the example roster, with the archer shooting and three attackers "
     "casting, on the terminal:",
     "zelmora --evasion 0,2,1,2,2 --txt - /usr/share/doc/zelmora/examples/party.qvr"},
    {"The results for a script and for a spreadsheet:",
     "zelmora --json party.json --csv party.csv party.qvr"},
    {"The window with a roster loaded and a bonus of 10 to physical hits:",
     "zelmora --modifiers 10,0,0,0,0,0,0,0 party.qvr"},
};

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Plain text for the typesetter: a backslash printed as itself, a minus
// (options, "-") kept from turning into a hyphen, a hyphen between letters
// left as one.
std::string Escaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool hyphen =
        c == '-' && i > 0 && i + 1 < text.size() && IsLetter(text[i - 1]) && IsLetter(text[i + 1]);
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-' && !hyphen) {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

void Section(std::string& page, std::string_view title) {
  page += ".SH ";
  page += title;
  page += '\n';
}

}  // namespace

std::string ManualPage() {
  const std::string name(kProgramName);
  std::string page =
      ".TH ZELMORA 1 \"\" \"" + name + " " + ZELMORA_VERSION + "\" \"User Commands\"\n";
  Section(page, "NAME");
  page += name + " \\- combat calculator for the ZELMORA percentile-dice role-playing game\n";
  Section(page, "SYNOPSIS");
  page += ".B " + name + "\n" + Escaped(kSynopsisArguments) + "\n";

  Section(page, "DESCRIPTION");
  page +=
      "A game master enters up to five attackers and five defenders and reads, for all 25 "
      "pairings, the exact chance to get through the defender's evasion, the best advanced "
      "technique and the expected damage.\n.PP\n";
  page += Escaped(kProgramDescription) + "\n";

  Section(page, "OPTIONS");
  for (const OptionDefinition& option : Options()) {
    page += option.value_name.empty() ? ".TP\n.B " + Escaped(option.name)
                                      : ".TP\n.BI " + Escaped(option.name) + " \" " +
                                            std::string(option.value_name) + "\"";
    page += "\n" + Escaped(option.help) + "\n";
  }

  Section(page, "\"EXIT STATUS\"");
  for (const ExitStatusDefinition& exit : ExitStatuses()) {
    page += ".TP\n.B " + std::to_string(exit.status) + "\n" + Escaped(exit.meaning) + "\n";
  }

  Section(page, "FILES");
  page += ".TP\n.I ROSTER.qvr\n" +
          Escaped(
              "A roster: text in code page 932 with CR LF line ends, one record a line, "
              "P,slot,\"name\" and eight integers for an attacker, M,slot,\"name\" and "
              "sixteen integers for a defender (a quote in a name is doubled).") +
          "\n";

  Section(page, "EXAMPLES");
  for (const auto& [purpose, command] : kExamples) {
    page += Escaped(purpose) + "\n.PP\n.RS\n.nf\n" + Escaped(command) + "\n.fi\n.RE\n.PP\n";
  }
  return page;
}

}  // namespace zelmora
