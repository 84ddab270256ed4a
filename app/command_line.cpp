#include "app/command_line.h"

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <new>
#include <variant>
#include <vector>

#include "app/command_line_messages.h"
#include "app/option_table.h"
#include "app/wrapped_text.h"
#include "files/cp932.h"
#include "files/csv_export.h"
#include "files/error_reason.h"
#include "files/file_io.h"
#include "files/json_export.h"
#include "files/reports.h"
#include "files/roster_file.h"
#include "files/same_file.h"
#include "files/terminal_text.h"

namespace zelmora {
namespace {

using messages::Filled;

// The help text's columns: options, then their help from this column on.
constexpr std::size_t kHelpColumn = 23;

struct ReportKind {
  std::string_view option;
  std::optional<std::string> CommandLine::*path;
  void (*write_file)(const Encounter&, ByteSink&);
  void (*write_output)(const Encounter&, ByteSink&);  // for standard output
  bool cp932;                                         // standard output gets it converted to UTF-8
};

constexpr std::array kReportKinds = {
    ReportKind{"--txt", &CommandLine::txt_path, WriteTextReport, WriteTextReport, true},
    ReportKind{"--html", &CommandLine::html_path, WriteHtmlReport, WriteHtmlReportForUtf8, true},
    ReportKind{"--json", &CommandLine::json_path, WriteJsonExport, WriteJsonExport, false},
    ReportKind{"--csv", &CommandLine::csv_path, WriteCsvExport, WriteCsvExport, false},
};

// A report on its way to standard output: code page 932 converted to UTF-8
// where the report is in it, and control characters made visible on a
// terminal. Works a buffer at a time, cut where a character ends, so that
// neither step ever sees half a character.
class ShownOutput : public ByteSink {
 public:
  ShownOutput(ByteSink& out, bool cp932, bool terminal)
      : out_(out), cp932_(cp932), terminal_(terminal) {}

  void Append(std::string_view bytes) override {
    if (!cp932_ && !terminal_) {
      out_.Append(bytes);  // nothing to change on the way
      return;
    }
    while (!bytes.empty()) {
      const std::size_t take = std::min(bytes.size(), kBufferBytes - pending_.size());
      pending_.append(bytes.substr(0, take));
      bytes.remove_prefix(take);
      if (pending_.size() == kBufferBytes) Pass(false);
    }
  }
  void Finish() {
    if (!pending_.empty()) Pass(true);
  }

 private:
  static constexpr std::size_t kBufferBytes = std::size_t{1} << 16;

  // Passes on the pending bytes, or all but a last character that may
  // still lack its second byte.
  void Pass(bool all) {
    converted_.clear();
    std::size_t used = pending_.size();
    if (cp932_) {
      bool whole = true;
      used = AppendUtf8FromCp932Prefix(pending_, all ? pending_.size() : pending_.size() - 1,
                                       converted_, whole);
    } else {
      if (!all) used = WholeUtf8Length(pending_);
      converted_.assign(pending_, 0, used);
    }
    out_.Append(terminal_ ? WithVisibleControls(converted_) : converted_);
    pending_.erase(0, used);
  }

  ByteSink& out_;
  bool cp932_;
  bool terminal_;
  std::string pending_;
  std::string converted_;
};

CommandLine UsageError(std::string error) {
  CommandLine command;
  command.mode = CommandLine::Mode::kUsageError;
  command.error = std::move(error);
  return command;
}

// A descriptor's number as the kernel names it: digits without a leading
// zero.
std::optional<int> DescriptorNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 9 || (digits.size() > 1 && digits.front() == '0')) {
    return std::nullopt;
  }
  int number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

// Two reports into one file would leave only the last; a report over its
// own roster would lose the roster. One stream named in two ways is taken
// for a mistake; "-" may stand for several reports.
std::optional<std::string> TargetConflict(const CommandLine& command, Language language) {
  std::vector<std::pair<std::string_view, const std::string*>> files;
  std::vector<std::pair<std::string_view, const std::string*>> streams;
  for (const ReportKind& kind : kReportKinds) {
    const std::optional<std::string>& path = command.*kind.path;
    if (!path || *path == kDiscardTarget) continue;
    (StreamTarget(*path) ? streams : files).emplace_back(kind.option, &*path);
  }
  for (std::size_t i = 0; i < streams.size(); ++i) {
    for (std::size_t j = i + 1; j < streams.size(); ++j) {
      const bool both_dash =
          *streams[i].second == kStandardOutput && *streams[j].second == kStandardOutput;
      if (!both_dash && StreamTarget(*streams[i].second) == StreamTarget(*streams[j].second)) {
        return Filled(messages::kSameStream.In(language),
                      {streams[i].first, streams[j].first, *streams[j].second});
      }
    }
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
  console.err << kProgramName << ": " << TerminalSafe(error.path) << ": "
              << TerminalSafe(ReasonIn(console.language, error.reason)) << '\n';
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

std::optional<int> StreamTarget(std::string_view path) {
  if (path == kStandardOutput || path == "/dev/stdout") return 1;
  if (path == "/dev/stderr") return 2;
  for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
    if (path.starts_with(folder)) return DescriptorNumber(path.substr(folder.size()));
  }
  return std::nullopt;
}

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
    RosterLoad load;
    try {
      load = LoadAll(command.roster, encounter);
    } catch (const std::bad_alloc&) {
      load.error = FileError{command.roster, ErrorReason(ENOMEM)};
    }
    if (load.error) {
      ReportFileError(console, *load.error);
      return false;
    }
    if (load.read_as_utf8) {
      console.err << kProgramName << ": "
                  << Filled(messages::kReadAsUtf8.In(console.language),
                            {TerminalSafe(command.roster)})
                  << '\n';
    }
  }
  ApplySettings(command, encounter);
  encounter.Recalculate();
  return true;
}

int RunReports(const CommandLine& command, const Console& console) {
  Encounter encounter;
  if (!PrepareEncounter(command, console, encounter)) return kExitFileError;
  int status = kExitSuccess;
  for (const ReportKind& kind : kReportKinds) {
    const std::optional<std::string>& path = command.*kind.path;
    if (!path || *path == kDiscardTarget) continue;
    std::optional<FileError> error;
    if (const std::optional<int> stream = StreamTarget(*path)) {
      int fd = *stream;
      std::string name = *path;
      if (fd == STDOUT_FILENO) {
        fd = console.out;
        name = messages::kStandardOutputName.In(console.language);
      } else if (fd == STDERR_FILENO) {
        fd = console.err_fd;
        name = messages::kStandardErrorName.In(console.language);
      }
      console.err.flush();  // what was said before stays before the report
      const bool terminal = isatty(fd) == 1;
      const auto write = [&](ByteSink& out) {
        ShownOutput shown(out, kind.cp932, terminal);
        kind.write_output(encounter, shown);
        shown.Finish();
      };
      error = WriteToDescriptor(fd, write, name);
    } else {
      error = WriteFileSafely(*path, [&](ByteSink& file) { kind.write_file(encounter, file); });
    }
    if (error) {
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
      console.err << kProgramName << ": " << TerminalSafe(command.error) << '\n'
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
