#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/message_language.h"
#include "app/startup.h"
#include "app/window_program.h"

// The command line links no GUI library: reports, help and version run from
// here, and only the window's own program loads Qt.
int main(int argc, char** argv) {
  zelmora::PrepareConsole();
  const std::vector<std::string> utf8_arguments = zelmora::CommandArguments(argc, argv);
  const std::vector<std::string_view> arguments(utf8_arguments.begin(), utf8_arguments.end());
  const zelmora::Language language = zelmora::EnvironmentMessageLanguage();
  const zelmora::CommandLine command = zelmora::ParseCommandLine(arguments, language);
  const zelmora::Console console{STDOUT_FILENO, std::cerr, language};
  if (command.mode != zelmora::CommandLine::Mode::kWindow) {
    return zelmora::RunWithoutWindow(command, console);
  }
  return zelmora::RunWindowProgram(argv, console);
}
