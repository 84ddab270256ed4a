#pragma once

#include <string>
#include <vector>

// What starting the program takes that differs between platforms.
namespace zelmora {

// The command-line arguments after the program's name, in UTF-8 like every
// path the program passes on.
std::vector<std::string> CommandArguments(int argc, char** argv);

// A console shows the program's UTF-8 text as it is.
void PrepareConsole();

}  // namespace zelmora
