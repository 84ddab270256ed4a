#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "engine/encounter.h"
#include "engine/records.h"
#include "files/localized_text.h"

// The command line: `zelmora [options] [ROSTER.qvr]`. With a report option
// it writes reports without a window; otherwise the roster is for the window.
// The options themselves are defined in app/option_table.h.
namespace zelmora {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFileError = 1;  // a file could not be read or written
inline constexpr int kExitUsage = 2;

// The name that stands for standard output in the report options.
inline constexpr std::string_view kStandardOutput = "-";
// A report named to it is discarded, as the shell promises.
inline constexpr std::string_view kDiscardTarget = "/dev/null";

// The descriptor a report target names when it names a stream the program
// was started with rather than a file: standard output ("-",
// "/dev/stdout"), standard error ("/dev/stderr") or any open descriptor
// ("/dev/fd/N", "/proc/self/fd/N"). Such a report is written to that stream
// as "-" is, never by replacing what is behind it. Nothing for a file.
std::optional<int> StreamTarget(std::string_view path);

struct CommandLine {
  enum class Mode { kWindow, kReports, kHelp, kVersion, kUsageError };

  Mode mode = Mode::kWindow;
  std::string roster;                   // empty: none named
  std::optional<std::string> txt_path;  // kStandardOutput or a file
  std::optional<std::string> html_path;
  std::optional<std::string> json_path;
  std::optional<std::string> csv_path;
  std::optional<ShownModifiers> modifiers;  // in the order of the modifiers dialog
  std::optional<EvasionKinds> evasion_kinds;
  std::string error;  // what is wrong, for kUsageError, in the parser's language
};

// `arguments` excludes the program name. --help and --version take effect
// where they stand; the first mistake makes a usage error: an unknown or
// repeated option, a bad value, an empty file name, one file named for two
// reports or for a report and the roster. Mistakes are told in `language`.
CommandLine ParseCommandLine(std::span<const std::string_view> arguments,
                             Language language = Language::kEnglish);

// Written from the option table.
std::string UsageText(Language language = Language::kEnglish);
std::string VersionText();

// Where the command line writes: reports and help to a descriptor, so that a
// failed write is seen; messages to a stream, in `language`.
struct Console {
  int out;
  std::ostream& err;
  Language language = Language::kEnglish;
  int err_fd = 2;  // the descriptor behind `err`, for a report named to it
};

// The settings the command line gives (modifiers, evasion kinds), over
// those of the roster. The window applies them the same way.
void ApplySettings(const CommandLine& command, Encounter& encounter);

// The roster loaded into default slots as load all does, the settings
// applied, everything recalculated. Reports the unreadable roster and
// returns false.
bool PrepareEncounter(const CommandLine& command, const Console& console, Encounter& encounter);

// Writes every report the command line names; the exit status. A terminal
// gets the control characters of names as visible symbols.
int RunReports(const CommandLine& command, const Console& console);

// Help, version, usage errors and reports: everything but the window, which
// is the caller's (for kWindow nothing is written). The exit status.
int RunWithoutWindow(const CommandLine& command, const Console& console);

}  // namespace zelmora
