#include "app/window_program.h"

#include <errno.h>
#include <limits.h>
#include <unistd.h>

#include <array>
#include <string_view>

#include "app/command_line_messages.h"
#include "app/option_table.h"
#include "files/error_reason.h"
#include "files/system_error.h"
#include "files/terminal_text.h"

namespace zelmora {
namespace {

constexpr std::string_view kWindowProgramName = "zelmora-window";

// The folder of the running program itself, not of the name it was run by.
std::string OwnFolder() {
  std::array<char, PATH_MAX> path{};
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return {};
  const std::string_view own(path.data(), static_cast<std::size_t>(length));
  return std::string(own.substr(0, own.rfind('/') + 1));
}

}  // namespace

std::string WindowProgramPath() {
  const std::string folder = OwnFolder();
  if (folder.empty()) return {};
  for (const std::string_view relative :
       {std::string_view(kWindowProgramName), std::string_view(ZELMORA_INSTALLED_WINDOW_PROGRAM)}) {
    std::string candidate = folder + std::string(relative);
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

int RunWindowProgram(char** argv, const Console& console) {
  const std::string program = WindowProgramPath();
  if (program.empty()) {
    console.err << kProgramName << ": " << messages::kNoWindowProgram.In(console.language) << '\n';
    return kExitFileError;
  }
  execv(program.c_str(), argv);
  console.err << kProgramName << ": " << TerminalSafe(program) << ": "
              << ReasonIn(console.language, SystemErrorReason(LastSystemError())) << '\n';
  return kExitFileError;
}

}  // namespace zelmora
