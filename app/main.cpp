#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "command_line.h"

namespace {

// The window comes with the next step; until then its path prints the
// roster's text report to standard output.
int OpenWindow(zelmora::CommandLine command, const zelmora::Console& console) {
  command.txt_path = std::string(zelmora::kStandardOutput);
  return zelmora::RunReports(command, console);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const zelmora::CommandLine command = zelmora::ParseCommandLine(arguments);
  const zelmora::Console console{STDOUT_FILENO, std::cerr};
  if (command.mode != zelmora::CommandLine::Mode::kWindow) {
    return zelmora::RunWithoutWindow(command, console);
  }
  return OpenWindow(command, console);
}
