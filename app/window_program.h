#pragma once

#include <string>

#include "app/command_line.h"

// The window lives in a program of its own, so that the command line loads
// no GUI library; `zelmora` hands the window's command lines over to it.
namespace zelmora {

// Where the window's program is, beside the running program (a build tree)
// or in the installed tree's folder for programs run by other programs.
// Empty when there is none: a build without the window.
std::string WindowProgramPath();

// Replaces this process with the window's program, the arguments passed on
// byte for byte. Returns only when that fails: the exit status, with the
// reason on the console.
int RunWindowProgram(char** argv, const Console& console);

}  // namespace zelmora
