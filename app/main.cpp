#include <unistd.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QFile>
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/command_line_messages.h"
#include "app/message_language.h"
#include "gui/prompts.h"
#include "window/calc_app.h"

namespace {

constexpr int kExitNoDisplay = 1;

// Qt aborts when it cannot reach a display, so look first: a platform asked
// for by name or a Wayland session is taken at its word; an X display must
// answer.
bool HasDisplay() {
  auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  if (set("QT_QPA_PLATFORM") || set("WAYLAND_DISPLAY")) return true;
  if (!set("DISPLAY")) return false;
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}

// The window, with the roster of the command line loaded and the settings a
// roster does not carry applied.
int OpenWindow(const zelmora::CommandLine& command, int argc, char** argv) {
  QApplication app(argc, argv);
  // The desktop matches the window to its entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.zelmora.calculator"));
  zelmora::DesktopPrompts prompts;
  zelmora::CalcApp::Preparation prepare;
  if (command.modifiers || command.evasion_kinds) {
    prepare = [&command](zelmora::Encounter& encounter) {
      zelmora::ApplySettings(command, encounter);
    };
  }
  zelmora::CalcApp(prompts).Run(QFile::decodeName(QByteArray::fromStdString(command.roster)),
                                prepare);
  return zelmora::kExitSuccess;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const zelmora::Language language = zelmora::EnvironmentMessageLanguage();
  const zelmora::CommandLine command = zelmora::ParseCommandLine(arguments, language);
  const zelmora::Console console{STDOUT_FILENO, std::cerr, language};
  if (command.mode != zelmora::CommandLine::Mode::kWindow) {
    return zelmora::RunWithoutWindow(command, console);
  }
  if (!HasDisplay()) {
    std::cerr << "zelmora: " << zelmora::messages::kNoDisplay.In(language) << '\n';
    return kExitNoDisplay;
  }
  return OpenWindow(command, argc, argv);
}
