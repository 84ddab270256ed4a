#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"

// What starting the program takes that differs between platforms.
namespace zelmora {

// The command-line arguments after the program's name, in UTF-8 like every
// path the program passes on.
std::vector<std::string> CommandArguments(int argc, char** argv);

// A console shows the program's UTF-8 text as it is.
void PrepareConsole();

// The command line this process was started with, parsed; mistakes are
// told in `language`.
inline CommandLine ParseOwnCommandLine(int argc, char** argv, Language language) {
  const std::vector<std::string> utf8_arguments = CommandArguments(argc, argv);
  const std::vector<std::string_view> arguments(utf8_arguments.begin(), utf8_arguments.end());
  return ParseCommandLine(arguments, language);
}

}  // namespace zelmora
