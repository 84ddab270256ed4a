#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The command line defined once: the parser takes its options from these
// tables, and the usage text and the manual page are written from them.
namespace zelmora {

struct CommandLine;

struct OptionDefinition {
  std::string_view name;        // "--txt"
  std::string_view value_name;  // "FILE"; empty for an option that takes no value
  std::string_view help;        // one paragraph, wrapped where it is shown
  // Takes the value into `command`; says what is wrong with it, if anything
  // ("needs ...", to follow the option's name).
  std::optional<std::string> (*apply)(std::string_view value, CommandLine& command);
};

struct ExitStatusDefinition {
  int status;
  std::string_view meaning;
};

inline constexpr std::string_view kProgramName = "zelmora";
inline constexpr std::string_view kSynopsisArguments = "[options] [ROSTER.qvr]";
// What the program does, one paragraph.
extern const std::string_view kProgramDescription;

std::span<const OptionDefinition> Options();
std::span<const ExitStatusDefinition> ExitStatuses();

// The option of that name ("--txt"), or null.
const OptionDefinition* FindOption(std::string_view name);

// "--txt FILE".
std::string OptionSynopsis(const OptionDefinition& option);

}  // namespace zelmora
