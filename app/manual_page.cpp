#include "app/manual_page.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <string_view>

#include "app/option_table.h"
#include "files/cp932.h"

namespace zelmora {
namespace {

using Entry = std::array<LocalizedText, 2>;  // a term and what it means

constexpr LocalizedText kTitle{"User Commands", "ユーザーコマンド"};
constexpr LocalizedText kSummary{
    "combat calculator for the ZELMORA percentile-dice role-playing game",
    "ZELMORA パーセンタイル・ダイス TRPG の戦闘確率計算プログラム"};
constexpr LocalizedText kIntroduction{
    "A game master enters up to five attackers and five defenders and reads, for all 25 "
    "pairings, the exact chance to get through the defender's evasion, the best advanced "
    "technique and the expected damage.",
    "ゲームマスターが攻撃側を 5 人まで、防御側を 5 人まで入力すると、25 "
    "通りの組み合わせのそれぞれについて、防御側の回避を抜ける正確な確率、最適な高度な技、"
    "期待ダメージが表示されます。"};

// Section titles, in the order of the page.
enum class SectionId {
  kName,
  kSynopsis,
  kDescription,
  kOptions,
  kExitStatus,
  kFiles,
  kEnvironment,
  kExamples,
  kSeeAlso
};
constexpr std::array<LocalizedText, 9> kSections{{
    {"NAME", "名前"},
    {"SYNOPSIS", "書式"},
    {"DESCRIPTION", "説明"},
    {"OPTIONS", "オプション"},
    {"EXIT STATUS", "終了ステータス"},
    {"FILES", "ファイル"},
    {"ENVIRONMENT", "環境変数"},
    {"EXAMPLES", "例"},
    {"SEE ALSO", "関連項目"},
}};

constexpr std::array<Entry, 3> kFiles{{
    {{{"ROSTER.qvr", "ROSTER.qvr"},
      {"A roster: text in code page 932 with CR LF line ends, one record a line, "
       "P,slot,\"name\" and eight integers for an attacker, M,slot,\"name\" and sixteen "
       "integers for a defender (a quote in a name is doubled).",
       "名簿ファイル。コードページ 932、改行 CR LF のテキストで、1 行に 1 人、攻撃側は "
       "P,スロット,\"名前\" と整数 8 つ、防御側は M,スロット,\"名前\" と整数 16 "
       "個です（名前の中の引用符は 2 つ重ねます）。"}}},
    {{{"$XDG_STATE_HOME/zelmora/table.qvr", "$XDG_STATE_HOME/zelmora/table.qvr"},
      {"The table the window keeps for the next start (ten records, the eight bonuses, the "
       "five evasion kinds), brought back by File, Restore. Without XDG_STATE_HOME: "
       "~/.local/share/zelmora/table.qvr.",
       "ウィンドウが次回のために残す表（10 人分、全体ボーナス 8 つ、回避の種類 5 "
       "つ）。ファイル → 前回の内容を復元 で戻せます。XDG_STATE_HOME がなければ "
       "~/.local/share/zelmora/table.qvr です。"}}},
    {{{"$XDG_CONFIG_HOME/zelmora/zelmora.conf", "$XDG_CONFIG_HOME/zelmora/zelmora.conf"},
      {"The window's settings: the two switches of the View menu and the recent rosters. "
       "Without XDG_CONFIG_HOME: ~/.config/zelmora/zelmora.conf.",
       "ウィンドウの設定（表示メニューの 2 つの切り替えと最近使ったファイル）。"
       "XDG_CONFIG_HOME がなければ ~/.config/zelmora/zelmora.conf です。"}}},
}};

constexpr std::array<Entry, 5> kEnvironment{{
    {{{"LC_ALL, LC_MESSAGES, LANG", "LC_ALL, LC_MESSAGES, LANG"},
      {"The first of them that is set decides the language of the help and the messages: "
       "Japanese for ja and ja_*, English otherwise. The window is Japanese always.",
       "最初に設定されているものがヘルプとメッセージの言語を決めます。ja と ja_* "
       "なら日本語、それ以外は英語です。ウィンドウは常に日本語です。"}}},
    {{{"DISPLAY, WAYLAND_DISPLAY", "DISPLAY, WAYLAND_DISPLAY"},
      {"The display of the window. Without one, only the reports can be written.",
       "ウィンドウを開くディスプレイ。どちらもなければレポートの書き出しだけができます。"}}},
    {{{"QT_QPA_PLATFORM", "QT_QPA_PLATFORM"},
      {"The platform plugin of the window (offscreen: a window that is not shown).",
       "ウィンドウのプラットフォームプラグイン（offscreen なら画面に出さずに開きます）。"}}},
    {{{"XDG_STATE_HOME", "XDG_STATE_HOME"},
      {"The folder of the kept table (see FILES).", "前回の内容を残すフォルダ（ファイルの項）。"}}},
    {{{"XDG_CONFIG_HOME", "XDG_CONFIG_HOME"},
      {"The folder of the settings (see FILES).", "設定を置くフォルダ（ファイルの項）。"}}},
}};

constexpr std::array<Entry, 3> kExamplesTable{{
    {{{"The text report of the example roster on the terminal, with the archer shooting and "
       "the sorceress, the priest and the doll casting (the evasion kinds that the attacker "
       "editor sets in the window):",
       "例の名簿のテキストレポートを端末に。弓兵は射撃、魔術師・僧侶・人形は魔法で攻撃します"
       "（ウィンドウでは攻撃側エディタの回避で選ぶ値です）:"},
      {"zelmora --evasion 0,2,1,2,2 --txt - /usr/share/doc/zelmora/examples/party.qvr",
       "zelmora --evasion 0,2,1,2,2 --txt - /usr/share/doc/zelmora/examples/party.qvr"}}},
    {{{"The results for a script and for a spreadsheet:", "スクリプト用と表計算用の結果:"},
      {"zelmora --json party.json --csv party.csv party.qvr",
       "zelmora --json party.json --csv party.csv party.qvr"}}},
    {{{"The window with a roster loaded and a bonus of 10 to physical hits:",
       "名簿を読み込み、物理命中率に 10 のボーナスを付けてウィンドウを開く:"},
      {"zelmora --modifiers 10,0,0,0,0,0,0,0 party.qvr",
       "zelmora --modifiers 10,0,0,0,0,0,0,0 party.qvr"}}},
}};

constexpr std::string_view kSeeAlso = ".BR locale (7),\n.BR environ (7)";

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Plain text for the typesetter: a backslash printed as itself, a minus
// (options, "-") kept from turning into a hyphen, a hyphen between letters
// left as one. Japanese has no blanks to break lines at: a break point (\:)
// goes after every character of three UTF-8 bytes or more (kana, kanji,
// full-width marks) but before a closing mark.
std::string Escaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    // The page's own text, always UTF-8; a stray byte would pass alone.
    const std::size_t length = std::max<std::size_t>(Utf8SequenceLength(text, i), 1);
    const bool hyphen =
        c == '-' && i > 0 && i + 1 < text.size() && IsLetter(text[i - 1]) && IsLetter(text[i + 1]);
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-' && !hyphen) {
      out += "\\-";
    } else {
      out += text.substr(i, length);
    }
    i += length;
    const std::string_view next = text.substr(i, 3);
    const bool closing_next = next == "、" || next == "。" || next == "）" || next == "」";
    if (length >= 3 && i < text.size() && !closing_next) out += "\\:";
  }
  return out;
}

class PageWriter {
 public:
  explicit PageWriter(Language language) : language_(language) {}

  void Section(SectionId section) {
    page_ +=
        ".SH \"" + std::string(kSections[static_cast<std::size_t>(section)].In(language_)) + "\"\n";
  }
  void Text(const LocalizedText& text) { Line(Escaped(text.In(language_))); }
  void Line(std::string_view markup) {
    page_ += markup;
    page_ += '\n';
  }
  void Entries(std::span<const Entry> entries) {
    for (const auto& [term, meaning] : entries) {
      Line(".TP\n.I " + Escaped(term.In(language_)));
      Text(meaning);
    }
  }
  std::string& page() { return page_; }

 private:
  Language language_;
  std::string page_;
};

}  // namespace

std::string ManualPage(Language language) {
  const std::string name(kProgramName);
  PageWriter page(language);
  page.Line(".TH ZELMORA 1 \"\" \"" + name + " " + ZELMORA_VERSION + "\" \"" +
            std::string(kTitle.In(language)) + "\"");
  // No hyphens in file names; Japanese lines have no blanks to stretch.
  page.Line(".nh");
  if (language == Language::kJapanese) page.Line(".ad l");
  page.Section(SectionId::kName);
  page.Line(name + " \\- " + Escaped(kSummary.In(language)));
  page.Section(SectionId::kSynopsis);
  page.Line(".B " + name + "\n" + Escaped(kSynopsisArguments.In(language)));

  page.Section(SectionId::kDescription);
  page.Text(kIntroduction);
  page.Line(".PP");
  page.Text(kProgramDescription);

  page.Section(SectionId::kOptions);
  for (const OptionDefinition& option : Options()) {
    page.Line(option.value_name.empty() ? ".TP\n.B " + Escaped(option.name)
                                        : ".TP\n.BI " + Escaped(option.name) + " \" " +
                                              std::string(option.value_name) + "\"");
    page.Text(option.help);
  }

  page.Section(SectionId::kExitStatus);
  for (const ExitStatusDefinition& exit : ExitStatuses()) {
    page.Line(".TP\n.B " + std::to_string(exit.status));
    page.Text(exit.meaning);
  }

  page.Section(SectionId::kFiles);
  page.Entries(kFiles);
  page.Section(SectionId::kEnvironment);
  page.Entries(kEnvironment);

  page.Section(SectionId::kExamples);
  for (const auto& [purpose, command] : kExamplesTable) {
    page.Text(purpose);
    page.Line(".PP\n.RS\n.nf\n" + Escaped(command.In(language)) + "\n.fi\n.RE\n.PP");
  }
  page.Section(SectionId::kSeeAlso);
  page.Line(kSeeAlso);
  return std::move(page.page());
}

}  // namespace zelmora
