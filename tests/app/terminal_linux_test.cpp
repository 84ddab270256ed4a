#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <sstream>
#include <thread>

#include "app/command_line.h"
#include "files/cp932.h"
#include "files/reports.h"
#include "files/roster_file.h"
#include "files/terminal_text.h"
#include "tests/files/files_test_support.h"

namespace zelmora {
namespace {

TEST(WithVisibleControlsTest, ShowsEveryControlButTheLineEnds) {
  EXPECT_EQ(WithVisibleControls("a\x1b[2Jb\r\n"), "a\u241B[2Jb\r\n");
  EXPECT_EQ(WithVisibleControls(std::string("\0\t\x7f", 3)), "\u2400\u2409\u2421");
  EXPECT_EQ(WithVisibleControls("\u009B31m"), "\uFFFD31m");  // C1 CSI
  EXPECT_EQ(WithVisibleControls("剣士アルド ←é"), "剣士アルド ←é");
  // Bytes that are no UTF-8 (a file name of another encoding) are shown
  // escaped, a raw 0x9B (CSI to some terminals) above all.
  EXPECT_EQ(TerminalSafe("a\x9B[2Jb.qvr"), "a\\x9B[2Jb.qvr");
  EXPECT_EQ(TerminalSafe("\x83\x53\xE3\x81"), "\\x83S\\xE3\\x81");  // code page 932, cut UTF-8
  EXPECT_EQ(TerminalSafe("\xED\xA0\x80\xC0\xAF"),
            "\\xED\\xA0\\x80\\xC0\\xAF");  // surrogate, overlong
  EXPECT_EQ(TerminalSafe("\U0001F600\u00E9"), "\U0001F600\u00E9");
}

// A pseudo-terminal in raw mode: what the program writes to `terminal` is
// read back unchanged from the other side.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    if (openpty(&controller_, &terminal_, nullptr, nullptr, nullptr) != 0) return;
    termios mode{};
    tcgetattr(terminal_, &mode);
    cfmakeraw(&mode);
    tcsetattr(terminal_, TCSANOW, &mode);
    reader_ = std::thread([this] {
      char buffer[4096];
      ssize_t got;
      while ((got = read(controller_, buffer, sizeof buffer)) > 0) {
        seen_.append(buffer, static_cast<std::size_t>(got));
      }
    });
  }
  ~PseudoTerminal() {
    CloseTerminal();
    if (reader_.joinable()) reader_.join();
    if (controller_ >= 0) close(controller_);
  }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  int terminal() const { return terminal_; }

  // Everything written, once the terminal side is closed.
  std::string Seen() {
    CloseTerminal();
    reader_.join();
    return seen_;
  }

 private:
  void CloseTerminal() {
    if (terminal_ >= 0) close(terminal_);
    terminal_ = -1;
  }

  int controller_ = -1;
  int terminal_ = -1;
  std::thread reader_;
  std::string seen_;
};

TEST(TerminalOutputTest, NamesCannotSendControlSequencesToTheTerminal) {
  testing::TempFolder folder;
  Encounter encounter;
  encounter.attacker(1).name = "\x1b]0;owned\x07" + testing::Cp932("鬼");
  encounter.defender(2).name = "\x1b[2J\x1b[H";
  const std::string roster = folder.File("hostile.qvr");
  ASSERT_EQ(SaveAll(roster, encounter), std::nullopt);
  encounter.Recalculate();
  const std::string utf8_report = Utf8FromCp932(TextReport(encounter));
  ASSERT_NE(utf8_report.find('\x1b'), std::string::npos);

  const std::vector<std::string_view> arguments = {"--txt", "-", roster};
  std::ostringstream err;
  PseudoTerminal terminal;
  ASSERT_GE(terminal.terminal(), 0);
  EXPECT_EQ(RunWithoutWindow(ParseCommandLine(arguments), Console{terminal.terminal(), err}),
            kExitSuccess);
  const std::string seen = terminal.Seen();
  EXPECT_EQ(seen.find('\x1b'), std::string::npos);
  EXPECT_NE(seen.find("\u241B]0;owned\u2407鬼"), std::string::npos);
  EXPECT_EQ(seen, WithVisibleControls(utf8_report));

  // A file (or a pipe) gets the report as it is.
  const std::string out = folder.File("stdout");
  const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(RunWithoutWindow(ParseCommandLine(arguments), Console{fd, err}), kExitSuccess);
  close(fd);
  EXPECT_EQ(testing::Slurp(out), utf8_report);
}

}  // namespace
}  // namespace zelmora
