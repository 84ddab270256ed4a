#include "app/command_line.h"

#include <unistd.h>

#include <algorithm>
#include <vector>

#include "app/command_line_messages.h"
#include "app/option_table.h"
#include "app/terminal_text.h"
#include "app/wrapped_text.h"
#include "files/cp932.h"
#include "files/csv_export.h"
#include "files/error_reason.h"
#include "files/file_io.h"
#include "files/json_export.h"
#include "files/reports.h"
#include "files/roster_file.h"
#include "files/same_file.h"

namespace zelmora {
namespace {

using messages::Filled;

// The help text's columns: options, then their help from this column on.
constexpr std::size_t kHelpColumn = 23;

struct ReportKind {
  std::string_view option;
  std::optional<std::string> CommandLine::*path;
  std::string (*file_bytes)(const Encounter&);
  std::string (*output_bytes)(const Encounter&);  // for standard output: UTF-8
};

std::string TextReportUtf8(const Encounter& e) { return Utf8FromCp932(TextReport(e)); }

constexpr std::array kReportKinds = {
    ReportKind{"--txt", &CommandLine::txt_path, TextReport, TextReportUtf8},
    ReportKind{"--html", &CommandLine::html_path, HtmlReport, HtmlReportUtf8},
    ReportKind{"--json", &CommandLine::json_path, JsonExport, JsonExport},
    ReportKind{"--csv", &CommandLine::csv_path, CsvExport, CsvExport},
};

CommandLine UsageError(std::string error) {
  CommandLine command;
  command.mode = CommandLine::Mode::kUsageError;
  command.error = std::move(error);
  return command;
}

// Two reports into one file would leave only the last; a report over its
// own roster would lose the roster.
std::optional<std::string> TargetConflict(const CommandLine& command, Language language) {
  std::vector<std::pair<std::string_view, const std::string*>> files;
  for (const ReportKind& kind : kReportKinds) {
    const std::optional<std::string>& path = command.*kind.path;
    if (path && *path != kStandardOutput) files.emplace_back(kind.option, &*path);
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (SameFile(*files[i].second, command.roster)) {
      return Filled(messages::kReportOverRoster.In(language), {*files[i].second});
    }
    for (std::size_t j = i + 1; j < files.size(); ++j) {
      if (SameFile(*files[i].second, *files[j].second)) {
        return Filled(messages::kSameFile.In(language),
                      {files[i].first, files[j].first, *files[j].second});
      }
    }
  }
  return std::nullopt;
}

bool NamesReport(const CommandLine& command) {
  return std::any_of(kReportKinds.begin(), kReportKinds.end(),
                     [&](const ReportKind& kind) { return (command.*kind.path).has_value(); });
}

void ReportFileError(const Console& console, const FileError& error) {
  console.err << kProgramName << ": " << error.path << ": "
              << ReasonIn(console.language, error.reason) << '\n';
}

bool WriteOut(const Console& console, std::string_view bytes) {
  if (const auto error = WriteToDescriptor(
          console.out, bytes, std::string(messages::kStandardOutputName.In(console.language)))) {
    ReportFileError(console, *error);
    return false;
  }
  return true;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> arguments, Language language) {
  const auto told = [language](const LocalizedText& message,
                               std::initializer_list<std::string_view> values) {
    return UsageError(Filled(message.In(language), values));
  };
  CommandLine command;
  std::vector<std::string_view> given;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    const bool is_option = !options_ended && argument.size() > 1 && argument.front() == '-';
    if (!is_option) {
      if (!command.roster.empty()) {
        return told(messages::kTwoRosters, {command.roster, argument});
      }
      command.roster = std::string(argument);
      continue;
    }
    if (argument == "--") {
      options_ended = true;
      continue;
    }

    const std::size_t equals = argument.find('=');
    const OptionDefinition* option = FindOption(argument.substr(0, equals));
    const bool takes_value = option != nullptr && !option->value_name.empty();
    if (option == nullptr || (equals != std::string_view::npos && !takes_value)) {
      return told(messages::kUnknownOption, {argument});
    }
    if (std::find(given.begin(), given.end(), option->name) != given.end()) {
      return told(messages::kOptionTwice, {option->name});
    }
    given.push_back(option->name);
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (takes_value && i + 1 < arguments.size()) {
      value = arguments[++i];
    } else if (takes_value) {
      return told(messages::kNeedsValue, {option->name});
    }
    if (const auto error = option->apply(value, command)) return told(*error, {option->name});
    if (command.mode != CommandLine::Mode::kWindow) return command;  // --help, --version
  }

  if (NamesReport(command)) {
    if (command.roster.empty()) return told(messages::kReportNeedsRoster, {});
    if (auto conflict = TargetConflict(command, language)) {
      return UsageError(std::move(*conflict));
    }
    command.mode = CommandLine::Mode::kReports;
  }
  return command;
}

std::string UsageText(Language language) {
  std::string text = std::string(messages::kUsage.In(language)) + " " + std::string(kProgramName) +
                     " " + std::string(kSynopsisArguments.In(language)) + "\n";
  text += Wrapped("", kProgramDescription.In(language), 0);
  text += "\n" + std::string(messages::kOptions.In(language)) + "\n";
  for (const OptionDefinition& option : Options()) {
    text += Wrapped("  " + OptionSynopsis(option), option.help.In(language), kHelpColumn);
  }
  text += "\n" + std::string(messages::kExitStatus.In(language)) + "\n";
  for (const ExitStatusDefinition& exit : ExitStatuses()) {
    text += Wrapped("  " + std::to_string(exit.status), exit.meaning.In(language), 5);
  }
  return text;
}

std::string VersionText() { return std::string(kProgramName) + " " + ZELMORA_VERSION + "\n"; }

void ApplySettings(const CommandLine& command, Encounter& encounter) {
  if (command.modifiers) encounter.modifiers() = ModifiersFromShown(*command.modifiers);
  if (command.evasion_kinds) SetEvasionKinds(encounter, *command.evasion_kinds);
}

bool PrepareEncounter(const CommandLine& command, const Console& console, Encounter& encounter) {
  if (!command.roster.empty()) {
    const RosterLoad load = LoadAll(command.roster, encounter);
    if (load.error) {
      ReportFileError(console, *load.error);
      return false;
    }
    if (load.read_as_utf8)
      console.err << kProgramName << ": " << command.roster << ": read as UTF-8\n";
  }
  ApplySettings(command, encounter);
  encounter.Recalculate();
  return true;
}

int RunReports(const CommandLine& command, const Console& console) {
  Encounter encounter;
  if (!PrepareEncounter(command, console, encounter)) return kExitFileError;
  const bool terminal = isatty(console.out) == 1;
  int status = kExitSuccess;
  for (const ReportKind& kind : kReportKinds) {
    const std::optional<std::string>& path = command.*kind.path;
    if (!path) continue;
    if (*path == kStandardOutput) {
      const std::string bytes = kind.output_bytes(encounter);
      if (!WriteOut(console, terminal ? WithVisibleControls(bytes) : bytes)) {
        status = kExitFileError;
      }
    } else if (const auto error = WriteFileSafely(*path, kind.file_bytes(encounter))) {
      ReportFileError(console, *error);
      status = kExitFileError;
    }
  }
  return status;
}

int RunWithoutWindow(const CommandLine& command, const Console& console) {
  switch (command.mode) {
    case CommandLine::Mode::kHelp:
      return WriteOut(console, UsageText(console.language)) ? kExitSuccess : kExitFileError;
    case CommandLine::Mode::kVersion:
      return WriteOut(console, VersionText()) ? kExitSuccess : kExitFileError;
    case CommandLine::Mode::kUsageError:
      console.err << kProgramName << ": " << command.error << '\n'
                  << Filled(messages::kTryHelp.In(console.language), {kProgramName}) << '\n';
      return kExitUsage;
    case CommandLine::Mode::kReports:
      return RunReports(command, console);
    case CommandLine::Mode::kWindow:
      break;
  }
  return kExitSuccess;
}

}  // namespace zelmora
