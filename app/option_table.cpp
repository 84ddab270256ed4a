#include "app/option_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

#include "app/command_line.h"

namespace zelmora {
namespace {

// An optional sign and digits, nothing else, within 32 bits.
std::optional<std::int32_t> StrictInt(std::string_view item) {
  if (!item.empty() && item.front() == '+') {
    item.remove_prefix(1);
    if (!item.empty() && item.front() == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const char* end = item.data() + item.size();
  const auto [stop, error] = std::from_chars(item.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Exactly N comma-separated integers.
template <std::size_t N>
std::optional<std::array<std::int32_t, N>> IntegerList(std::string_view list) {
  std::array<std::int32_t, N> values{};
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t comma = list.find(',');
    if ((comma == std::string_view::npos) != (i + 1 == N)) return std::nullopt;
    const std::optional<std::int32_t> value = StrictInt(list.substr(0, comma));
    if (!value) return std::nullopt;
    values[i] = *value;
    list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
  }
  return values;
}

template <std::optional<std::string> CommandLine::*path>
std::optional<LocalizedText> StorePath(std::string_view value, CommandLine& command) {
  // An empty name would only fail later, as a file that cannot be opened.
  if (value.empty()) {
    return LocalizedText{"{} needs a file name (\"-\": standard output)",
                         "{} にはファイル名が必要です（\"-\" は標準出力）"};
  }
  command.*path = std::string(value);
  return std::nullopt;
}

std::optional<LocalizedText> StoreModifiers(std::string_view value, CommandLine& command) {
  command.modifiers = IntegerList<8>(value);
  if (!command.modifiers) {
    return LocalizedText{"{} needs eight comma-separated integers",
                         "{} には整数 8 つをコンマ区切りで指定してください"};
  }
  return std::nullopt;
}

std::optional<LocalizedText> StoreEvasionKinds(std::string_view value, CommandLine& command) {
  const auto kinds = IntegerList<Encounter::kSlots>(value);
  const auto valid = [](std::int32_t kind) { return kind >= 0 && kind <= 3; };
  if (!kinds || !std::all_of(kinds->begin(), kinds->end(), valid)) {
    return LocalizedText{"{} needs five comma-separated evasion kinds from 0 to 3",
                         "{} には 0 から 3 の回避の種類 5 つをコンマ区切りで指定してください"};
  }
  command.evasion_kinds = kinds;
  return std::nullopt;
}

template <CommandLine::Mode mode>
std::optional<LocalizedText> SetMode(std::string_view /*value*/, CommandLine& command) {
  command.mode = mode;
  return std::nullopt;
}

// The English texts stay ASCII, so that the English manual page needs no
// fonts beyond the typesetter's own.
constexpr std::array kOptions = {
    OptionDefinition{
        "--txt",
        "FILE",
        {"the text report (\"-\": standard output)", "テキストのレポート（\"-\" は標準出力）"},
        StorePath<&CommandLine::txt_path>},
    OptionDefinition{
        "--html",
        "FILE",
        {"the HTML report (\"-\": standard output)", "HTML のレポート（\"-\" は標準出力）"},
        StorePath<&CommandLine::html_path>},
    OptionDefinition{"--json",
                     "FILE",
                     {"the records, settings and results as JSON (\"-\": standard output)",
                      "攻撃側と防御側、設定と結果の JSON（\"-\" は標準出力）"},
                     StorePath<&CommandLine::json_path>},
    OptionDefinition{"--csv",
                     "FILE",
                     {"the 25 pairings as CSV (\"-\": standard output)",
                      "25 組の結果の CSV（\"-\" は標準出力）"},
                     StorePath<&CommandLine::csv_path>},
    OptionDefinition{"--modifiers",
                     "LIST",
                     {"the eight global bonuses and penalties, comma-separated, in the order of "
                      "the bonus dialog: physical hit, magic hit, physical damage, magic damage, "
                      "physical evasion, magic evasion, physical defence, magic defence",
                      "全体ボーナスとペナルティ 8 つをコンマ区切りで、全体ボーナス設定と同じ順に: "
                      "物理命中率、魔法命中率、物理ダメージ、魔法ダメージ、物理回避、魔法回避、"
                      "物理防御点、魔法防御点"},
                     StoreModifiers},
    OptionDefinition{"--evasion",
                     "LIST",
                     {"the evasion kinds of attackers 1 to 5, comma-separated (0 melee, 1 "
                      "ranged, 2 magic, 3 none), over those the roster carries",
                      "攻撃側 1 から 5 の回避の種類（0 格闘、1 射撃、2 魔法、3 なし）をコンマ区切り"
                      "で。名簿ファイルの値より優先します"},
                     StoreEvasionKinds},
    OptionDefinition{"--help",
                     "",
                     {"show this help and exit", "このヘルプを表示して終了します"},
                     SetMode<CommandLine::Mode::kHelp>},
    OptionDefinition{"--version",
                     "",
                     {"show the version and exit", "バージョンを表示して終了します"},
                     SetMode<CommandLine::Mode::kVersion>},
};

constexpr std::array kExitStatuses = {
    ExitStatusDefinition{kExitSuccess, {"success", "成功"}},
    ExitStatusDefinition{kExitFileError,
                         {"a file could not be read or written (the message names it and the "
                          "reason), or there is no display for the window",
                          "ファイルを読み書きできなかった（メッセージがファイルと理由を示します）"
                          "、またはウィンドウを開くディスプレイがない"}},
    ExitStatusDefinition{kExitUsage, {"a mistake on the command line", "コマンドラインの誤り"}},
};

}  // namespace

const LocalizedText kProgramDescription{
    "Opens the calculator window, with ROSTER.qvr loaded when one is named; --modifiers and "
    "--evasion apply to the window too. With --txt, --html, --json or --csv the program writes "
    "those reports of ROSTER.qvr instead and opens no window. Report files get code page 932 "
    "text (JSON and CSV: UTF-8); standard output gets UTF-8.",
    "計算ウィンドウを開きます。ROSTER.qvr を指定するとそれを読み込んだ状態で開き、--modifiers "
    "と --evasion もウィンドウに効きます。--txt、--html、--json、--csv を指定すると、ウィンドウ"
    "を開かずに ROSTER.qvr のレポートを書き出します。ファイルにはコードページ 932 "
    "のテキスト（JSON と CSV は UTF-8）、標準出力には UTF-8 で書き出します。"};

std::span<const OptionDefinition> Options() { return kOptions; }
std::span<const ExitStatusDefinition> ExitStatuses() { return kExitStatuses; }

const OptionDefinition* FindOption(std::string_view name) {
  const auto found = std::find_if(kOptions.begin(), kOptions.end(),
                                  [name](const OptionDefinition& o) { return o.name == name; });
  return found == kOptions.end() ? nullptr : &*found;
}

std::string OptionSynopsis(const OptionDefinition& option) {
  std::string synopsis(option.name);
  if (!option.value_name.empty()) synopsis += " " + std::string(option.value_name);
  return synopsis;
}

}  // namespace zelmora
