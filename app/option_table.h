#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "files/localized_text.h"

// The command line defined once: the parser takes its options from these
// tables, and the usage text and both manual pages are written from them.
namespace zelmora {

struct CommandLine;

struct OptionDefinition {
  std::string_view name;        // "--txt"
  std::string_view value_name;  // "FILE"; empty for an option that takes no value
  LocalizedText help;           // one paragraph, wrapped where it is shown
  // Takes the value into `command`; says what is wrong with it, if anything
  // ("{} needs ...", where "{}" stands for the option's name).
  std::optional<LocalizedText> (*apply)(std::string_view value, CommandLine& command);
};

struct ExitStatusDefinition {
  int status;
  LocalizedText meaning;
};

inline constexpr std::string_view kProgramName = "zelmora";
inline constexpr LocalizedText kSynopsisArguments{"[options] [ROSTER.qvr]",
                                                  "[オプション] [ROSTER.qvr]"};
// What the program does, one paragraph.
extern const LocalizedText kProgramDescription;

std::span<const OptionDefinition> Options();
std::span<const ExitStatusDefinition> ExitStatuses();

// The option of that name ("--txt"), or null.
const OptionDefinition* FindOption(std::string_view name);

// "--txt FILE" (the value names stay ASCII in both languages).
std::string OptionSynopsis(const OptionDefinition& option);

}  // namespace zelmora
