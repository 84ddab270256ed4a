#include <unistd.h>

#include <QApplication>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/command_line_messages.h"
#include "app/message_language.h"
#include "app/startup.h"
#include "gui/prompts.h"
#include "window/calc_app.h"

namespace {

constexpr int kExitNoDisplay = 1;

// The window, with the roster of the command line loaded and the settings a
// roster does not carry applied.
int OpenWindow(const zelmora::CommandLine& command, int argc, char** argv) {
  zelmora::PrepareForWindow();
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
  zelmora::CalcApp(prompts).Run(QString::fromStdString(command.roster), prepare);
  return zelmora::kExitSuccess;
}

}  // namespace

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
  if (!zelmora::HasDisplay()) {
    std::cerr << "zelmora: " << zelmora::messages::kNoDisplay.In(language) << '\n';
    return kExitNoDisplay;
  }
  return OpenWindow(command, argc, argv);
}
