#include <unistd.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/command_line_messages.h"
#include "app/message_language.h"
#include "app/option_table.h"
#include "app/startup.h"
#include "app/window_startup.h"
#include "files/error_reason.h"
#include "files/terminal_text.h"
#include "files/user_folders.h"
#include "gui/prompts.h"
#include "window/calc_app.h"
#include "window/calc_window.h"

namespace {

constexpr int kExitNoDisplay = 1;

// Qt's start, watched: where Qt finds no display after all (a platform
// plugin that cannot connect, whatever the check before said), Qt ends the
// program with a fatal message of its own; the user is told the program's
// message instead, with its exit status. Qt's other messages of the start
// wait until it has passed and are then shown as Qt shows them.
class QtStartWatch {
 public:
  explicit QtStartWatch(zelmora::Language language) {
    language_ = language;
    previous_ = qInstallMessageHandler(&QtStartWatch::Handle);
  }
  ~QtStartWatch() {
    qInstallMessageHandler(previous_);
    for (const std::string& message : held_) std::cerr << message << '\n';
    held_.clear();
  }
  QtStartWatch(const QtStartWatch&) = delete;
  QtStartWatch& operator=(const QtStartWatch&) = delete;

 private:
  static void Handle(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
      held_.push_back(message.toStdString());
      return;
    }
    std::cerr << "zelmora: " << zelmora::messages::kNoDisplay.In(language_) << std::endl;
    std::_Exit(kExitNoDisplay);
  }

  static inline zelmora::Language language_ = zelmora::Language::kEnglish;
  static inline QtMessageHandler previous_ = nullptr;
  static inline std::vector<std::string> held_;
};

// A settings file that could stall the start (a FIFO, a device, a huge
// file) is moved aside before the settings are first read; where it cannot
// be moved, this run keeps its settings nowhere and uses the defaults.
// Returns the notice in Japanese for the window's status bar, where someone
// who started the program from a menu reads it; empty when all was well.
std::string SetAsideUnreadableSettingsWithNotice(zelmora::Language language) {
  namespace messages = zelmora::messages;
  const auto set_aside = zelmora::SetAsideUnreadableSettings();
  if (!set_aside) return {};
  const bool moved = !set_aside->moved_to.empty();
  if (!moved) {
    static const QTemporaryDir for_this_run;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, for_this_run.path());
  }
  const auto notice_in = [&](zelmora::Language in) {
    return messages::Filled(
        (moved ? messages::kSettingsSetAside : messages::kSettingsNotRead).In(in),
        {zelmora::TerminalSafe(set_aside->problem.path),
         zelmora::ReasonIn(in, set_aside->problem.reason),
         zelmora::TerminalSafe(set_aside->moved_to)});
  };
  std::cerr << zelmora::kProgramName << ": " << notice_in(language) << '\n';
  return notice_in(zelmora::Language::kJapanese);
}

// The window, with the roster of the command line loaded and the settings a
// roster does not carry applied.
int OpenWindow(const zelmora::CommandLine& command, zelmora::Language language, int argc,
               char** argv) {
  zelmora::PrepareForWindow();
  const std::string settings_notice = SetAsideUnreadableSettingsWithNotice(language);
  std::optional<QtStartWatch> watch(std::in_place, language);
  QApplication app(argc, argv);
  watch.reset();
  zelmora::EndDisplayCheck();
  // The desktop matches the window to its entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.zelmora.calculator"));
  zelmora::DesktopPrompts prompts;
  zelmora::CalcApp::Preparation prepare;
  if (command.modifiers || command.evasion_kinds) {
    prepare = [&command](zelmora::Encounter& encounter) {
      zelmora::ApplySettings(command, encounter);
    };
  }
  zelmora::CalcApp calc_app(prompts);
  zelmora::CalcWindow& window = calc_app.OpenWithRosterBytes(command.roster, prepare);
  if (!settings_notice.empty()) window.ShowLastingNotice(QString::fromStdString(settings_notice));
  QApplication::exec();
  return zelmora::kExitSuccess;
}

}  // namespace

// The window's program: `zelmora` hands over the command lines that want
// the window, unchanged; anything else is answered as `zelmora` would.
int main(int argc, char** argv) {
  zelmora::PrepareConsole();
  const zelmora::Language language = zelmora::EnvironmentMessageLanguage();
  const zelmora::CommandLine command = zelmora::ParseOwnCommandLine(argc, argv, language);
  const zelmora::Console console{STDOUT_FILENO, std::cerr, language};
  if (command.mode != zelmora::CommandLine::Mode::kWindow) {
    return zelmora::RunWithoutWindow(command, console);
  }
  if (!zelmora::HasDisplay()) {
    std::cerr << "zelmora: " << zelmora::messages::kNoDisplay.In(language) << '\n';
    return kExitNoDisplay;
  }
  return OpenWindow(command, language, argc, argv);
}
