#include "app/command_line.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <functional>

#include "files/cp932.h"
#include "files/file_io.h"
#include "files/reports.h"
#include "files/roster_file.h"

namespace zelmora {
namespace {

constexpr std::string_view kProgram = "zelmora";

constexpr std::string_view kUsage =
    "Usage: zelmora [options] ROSTER.qvr\n"
    "  --txt FILE           write the text report to FILE (\"-\": standard output)\n"
    "  --html FILE          write the HTML report to FILE (\"-\": standard output)\n"
    "  --modifiers LIST     eight comma-separated integers in the order of the\n"
    "                       modifiers dialog: 物理命中率, 魔法命中率, 物理ダメージ,\n"
    "                       魔法ダメージ, 物理回避, 魔法回避, 物理防御点, 魔法防御点\n"
    "  --evasion LIST       five evasion kinds for attackers 1 to 5, which a\n"
    "                       roster does not carry: 0 格闘, 1 射撃, 2 魔法, 3 なし\n"
    "  --help               show this help\n"
    "  --version            show the version\n"
    "Files get code page 932 bytes; standard output gets UTF-8.\n"
    "Without --txt or --html the text report goes to standard output.\n";

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

// Each option that takes a value stores it, or says what is wrong with it.
using StoreValue = std::function<std::optional<std::string>(std::string_view, CommandLine&)>;

struct ValueOption {
  std::string_view name;
  StoreValue store;
};

const std::array<ValueOption, 4>& ValueOptions() {
  static const std::array<ValueOption, 4> options = {{
      {"--txt",
       [](std::string_view value, CommandLine& c) -> std::optional<std::string> {
         c.txt_path = std::string(value);
         return std::nullopt;
       }},
      {"--html",
       [](std::string_view value, CommandLine& c) -> std::optional<std::string> {
         c.html_path = std::string(value);
         return std::nullopt;
       }},
      {"--modifiers",
       [](std::string_view value, CommandLine& c) -> std::optional<std::string> {
         c.modifiers = IntegerList<8>(value);
         if (!c.modifiers) return "--modifiers needs eight comma-separated integers";
         return std::nullopt;
       }},
      {"--evasion",
       [](std::string_view value, CommandLine& c) -> std::optional<std::string> {
         const auto kinds = IntegerList<Encounter::kSlots>(value);
         const auto valid = [](std::int32_t kind) { return kind >= 0 && kind <= 3; };
         if (!kinds || !std::all_of(kinds->begin(), kinds->end(), valid)) {
           return "--evasion needs five comma-separated evasion kinds from 0 to 3";
         }
         c.evasion_kinds = kinds;
         return std::nullopt;
       }},
  }};
  return options;
}

const ValueOption* FindValueOption(std::string_view name) {
  for (const ValueOption& option : ValueOptions()) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

CommandLine OfMode(CommandLine::Mode mode) {
  CommandLine command;
  command.mode = mode;
  return command;
}

CommandLine UsageError(std::string error) {
  CommandLine command = OfMode(CommandLine::Mode::kUsageError);
  command.error = std::move(error);
  return command;
}

void ReportFileError(const Console& console, const FileError& error) {
  console.err << kProgram << ": " << error.path << ": " << error.reason << '\n';
}

bool WriteOut(const Console& console, std::string_view bytes) {
  if (const auto error = WriteToDescriptor(console.out, bytes, "standard output")) {
    ReportFileError(console, *error);
    return false;
  }
  return true;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first, second;
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

struct ReportTarget {
  const std::optional<std::string>& path;
  std::string (*file_bytes)(const Encounter&);
  std::string (*terminal_bytes)(const Encounter&);
};

std::string TextReportUtf8(const Encounter& e) { return Utf8FromCp932(TextReport(e)); }

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> arguments) {
  CommandLine command;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    const bool is_option = !options_ended && argument.size() > 1 && argument.front() == '-';
    if (!is_option) {
      if (!command.roster.empty()) {
        return UsageError("more than one roster: " + command.roster + " and " +
                          std::string(argument));
      }
      command.roster = std::string(argument);
      continue;
    }
    if (argument == "--") {
      options_ended = true;
      continue;
    }
    if (argument == "--help") return OfMode(CommandLine::Mode::kHelp);
    if (argument == "--version") return OfMode(CommandLine::Mode::kVersion);

    const std::size_t equals = argument.find('=');
    const ValueOption* option = FindValueOption(argument.substr(0, equals));
    if (option == nullptr) return UsageError("unknown option: " + std::string(argument));
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return UsageError("option " + std::string(option->name) + " needs a value");
    }
    if (auto error = option->store(value, command)) return UsageError(std::move(*error));
  }

  if (command.txt_path || command.html_path) {
    if (command.roster.empty()) return UsageError("--txt and --html need a roster file");
    command.mode = CommandLine::Mode::kReports;
  }
  return command;
}

std::string_view UsageText() { return kUsage; }

std::string VersionText() { return std::string(kProgram) + " " + ZELMORA_VERSION + "\n"; }

bool PrepareEncounter(const CommandLine& command, const Console& console, Encounter& encounter) {
  if (!command.roster.empty()) {
    if (const auto error = LoadAll(command.roster, encounter)) {
      ReportFileError(console, *error);
      return false;
    }
  }
  if (command.modifiers) encounter.modifiers() = ModifiersFromShown(*command.modifiers);
  if (command.evasion_kinds) {
    for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
      encounter.attacker(slot).evasion_kind =
          (*command.evasion_kinds)[static_cast<std::size_t>(slot - 1)];
    }
  }
  encounter.Recalculate();
  return true;
}

int RunReports(const CommandLine& command, const Console& console) {
  const std::array<ReportTarget, 2> targets = {{
      {command.txt_path, TextReport, TextReportUtf8},
      {command.html_path, HtmlReport, HtmlReportUtf8},
  }};
  // A report written over its own roster would lose the roster.
  for (const ReportTarget& target : targets) {
    if (target.path && *target.path != kStandardOutput && SameFile(*target.path, command.roster)) {
      console.err << kProgram << ": " << *target.path << ": the report would replace the roster\n";
      return kExitUsage;
    }
  }

  Encounter encounter;
  if (!PrepareEncounter(command, console, encounter)) return kExitFileError;
  int status = kExitSuccess;
  for (const ReportTarget& target : targets) {
    if (!target.path) continue;
    if (*target.path == kStandardOutput) {
      if (!WriteOut(console, target.terminal_bytes(encounter))) status = kExitFileError;
    } else if (const auto error = WriteFileSafely(*target.path, target.file_bytes(encounter))) {
      ReportFileError(console, *error);
      status = kExitFileError;
    }
  }
  return status;
}

int RunWithoutWindow(const CommandLine& command, const Console& console) {
  switch (command.mode) {
    case CommandLine::Mode::kHelp:
      return WriteOut(console, UsageText()) ? kExitSuccess : kExitFileError;
    case CommandLine::Mode::kVersion:
      return WriteOut(console, VersionText()) ? kExitSuccess : kExitFileError;
    case CommandLine::Mode::kUsageError:
      console.err << kProgram << ": " << command.error << '\n' << UsageText();
      return kExitUsage;
    case CommandLine::Mode::kReports:
    case CommandLine::Mode::kWindow:
      break;
  }
  return RunReports(command, console);
}

}  // namespace zelmora
