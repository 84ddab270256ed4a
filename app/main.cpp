#include <unistd.h>

#include <iostream>

#include "app/command_line.h"
#include "app/message_language.h"
#include "app/startup.h"
#include "app/window_program.h"

// The command line links no GUI library: reports, help and version run from
// here, and only the window's own program loads Qt.
int main(int argc, char** argv) {
  zelmora::PrepareConsole();
  const zelmora::Language language = zelmora::EnvironmentMessageLanguage();
  const zelmora::CommandLine command = zelmora::ParseOwnCommandLine(argc, argv, language);
  const zelmora::Console console{STDOUT_FILENO, std::cerr, language};
  if (command.mode != zelmora::CommandLine::Mode::kWindow) {
    return zelmora::RunWithoutWindow(command, console);
  }
  return zelmora::RunWindowProgram(argv, console);
}
