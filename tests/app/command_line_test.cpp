#include "app/command_line.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "engine/labels.h"
#include "files/cp932.h"
#include "files/csv_export.h"
#include "files/json_export.h"
#include "files/reports.h"
#include "files/roster_file.h"
#include "tests/files/files_test_support.h"

namespace zelmora {
namespace {

using Mode = CommandLine::Mode;

CommandLine Parse(std::initializer_list<std::string_view> arguments) {
  return ParseCommandLine(std::span<const std::string_view>(arguments.begin(), arguments.size()));
}

TEST(ParseCommandLineTest, ReportOptions) {
  const CommandLine c =
      Parse({"--txt", "out.txt", "--html=-", "--json", "-", "--csv=out.csv", "--modifiers",
             "1,-2,+3,4,5,6,7,-2147483648", "--evasion", "0,1,2,3,0", "party.qvr"});
  EXPECT_EQ(c.mode, Mode::kReports) << c.error;
  EXPECT_EQ(c.roster, "party.qvr");
  EXPECT_EQ(c.txt_path, "out.txt");
  EXPECT_EQ(c.html_path, "-");
  EXPECT_EQ(c.json_path, "-");  // several reports may share standard output
  EXPECT_EQ(c.csv_path, "out.csv");
  EXPECT_EQ(c.modifiers, (ShownModifiers{1, -2, 3, 4, 5, 6, 7, -2147483647 - 1}));
  EXPECT_EQ(c.evasion_kinds, (EvasionKinds{0, 1, 2, 3, 0}));

  const CommandLine dashes = Parse({"--html", "page.htm", "--", "--odd.qvr"});
  EXPECT_EQ(dashes.mode, Mode::kReports);
  EXPECT_EQ(dashes.roster, "--odd.qvr");
}

TEST(ParseCommandLineTest, WithoutReportsTheRosterIsForTheWindow) {
  const CommandLine c = Parse({"party.qvr", "--evasion", "1,1,1,1,1"});
  EXPECT_EQ(c.mode, Mode::kWindow);
  EXPECT_EQ(c.roster, "party.qvr");
  EXPECT_EQ(Parse({}).mode, Mode::kWindow);
  EXPECT_EQ(Parse({"--help", "--bogus"}).mode, Mode::kHelp);
  EXPECT_EQ(Parse({"a.qvr", "--version"}).mode, Mode::kVersion);
}

TEST(ParseCommandLineTest, UsageErrors) {
  struct Case {
    std::vector<std::string_view> arguments;
    std::string_view error;
  };
  const std::string_view modifiers_error = "--modifiers needs eight comma-separated integers";
  const std::string_view evasion_error =
      "--evasion needs five comma-separated evasion kinds from 0 to 3";
  for (const Case& c : {
           Case{{"--txt"}, "option --txt needs a value"},
           Case{{"--txt", "a.txt"}, "a report needs a roster file"},
           Case{{"--bogus", "a.qvr"}, "unknown option: --bogus"},
           Case{{"--help=x"}, "unknown option: --help=x"},
           Case{{"a.qvr", "b.qvr"}, "more than one roster: a.qvr and b.qvr"},
           Case{{"--modifiers", "1,2,3,4,5,6,7"}, modifiers_error},
           Case{{"--modifiers", "1,2,3,4,5,6,7,8,9"}, modifiers_error},
           Case{{"--modifiers", "1,2,3,4,5,6,7,"}, modifiers_error},
           Case{{"--modifiers", "1,2,3,4,5,6,7,x"}, modifiers_error},
           Case{{"--modifiers", "1,2,3,4,5,6,7, 8"}, modifiers_error},
           Case{{"--modifiers", "1,2,3,4,5,6,7,+-8"}, modifiers_error},
           Case{{"--modifiers", "1,2,3,4,5,6,7,2147483648"}, modifiers_error},
           Case{{"--evasion", "0,1,2,3"}, evasion_error},
           Case{{"--evasion", "0,1,2,3,4"}, evasion_error},
           Case{{"--evasion", "0,1,2,-1,0"}, evasion_error},
           // A repeated option would silently keep only its last value.
           Case{{"--txt", "a.txt", "--txt=b.txt", "a.qvr"}, "option --txt given twice"},
           Case{{"--evasion", "0,0,0,0,0", "a.qvr", "--evasion", "1,1,1,1,1"},
                "option --evasion given twice"},
           // An empty name is a mistake of the command, not a file that fails.
           Case{{"--txt", "", "a.qvr"}, "--txt needs a file name (\"-\": standard output)"},
           Case{{"--csv=", "a.qvr"}, "--csv needs a file name (\"-\": standard output)"},
           // Two reports into one file would leave only the last one.
           Case{{"--txt", "x", "--html", "x", "a.qvr"}, "--txt and --html name the same file: x"},
           Case{{"--json", "d/x", "--csv", "d/../d/./x", "a.qvr"},
                "--json and --csv name the same file: d/../d/./x"},
           Case{{"--csv", "a.qvr", "a.qvr"}, "a.qvr: the report would replace the roster"},
       }) {
    const CommandLine command = ParseCommandLine(c.arguments);
    EXPECT_EQ(command.mode, Mode::kUsageError) << c.error;
    EXPECT_EQ(command.error, c.error);
    // Every mistake has its Japanese wording (kana start with byte E3).
    const std::string japanese = ParseCommandLine(c.arguments, Language::kJapanese).error;
    EXPECT_NE(japanese.find('\xE3'), std::string::npos) << japanese;
  }
}

TEST(ParseCommandLineTest, StreamsAreNamedAsTheShellNamesThem) {
  struct Case {
    std::string_view path;
    std::optional<int> descriptor;
  };
  const Case cases[] = {
      {"-", 1},           {"/dev/stdout", 1},       {"/dev/stderr", 2},
      {"/dev/fd/7", 7},   {"/proc/self/fd/12", 12}, {"/dev/fd/", {}},
      {"/dev/fd/01", {}}, {"/dev/fd/1x", {}},       {"/dev/stdout2", {}},
      {"/dev/null", {}},  {"./dev/stdout", {}},     {"out.txt", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(StreamTarget(c.path), c.descriptor) << c.path;

  struct Conflict {
    std::initializer_list<std::string_view> arguments;
    bool usage_error;
  };
  const Conflict conflicts[] = {
      {{"--txt", "/dev/stdout", "--html", "-", "a.qvr"}, true},
      {{"--txt", "/dev/fd/1", "--json", "/proc/self/fd/1", "a.qvr"}, true},
      {{"--csv", "/dev/stderr", "--json", "/dev/fd/2", "a.qvr"}, true},
      {{"--txt", "-", "--html", "-", "a.qvr"}, false},  // "-" may be shared
      {{"--txt", "/dev/stdout", "--html", "/dev/stderr", "a.qvr"}, false},
      {{"--txt", "/dev/null", "--html", "/dev/null", "a.qvr"}, false},
  };
  for (const Conflict& c : conflicts) {
    const CommandLine command = Parse(c.arguments);
    EXPECT_EQ(command.mode == Mode::kUsageError, c.usage_error) << *(c.arguments.begin() + 1);
  }
  EXPECT_EQ(Parse({"--txt", "/dev/stdout", "--html", "-", "a.qvr"}).error,
            "--txt and --html name the same stream: -");
}

// Runs the command line with standard output going to a file.
class RunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    encounter_.attacker(1).name = testing::Cp932("鬼");
    encounter_.attacker(1).judgment_value = 65;
    encounter_.attacker(1).dice_count = 2;
    encounter_.defender(1).name = testing::Cp932("ゴブリン");
    encounter_.defender(1).melee_evasion = 30;
    encounter_.defender(1).ranged_evasion = 5;
    roster_ = folder_.File("party.qvr");
    ASSERT_EQ(SaveAll(roster_, encounter_), std::nullopt);
    encounter_.Recalculate();
  }

  int Run(std::initializer_list<std::string_view> arguments, const std::string& out_path) {
    const int fd = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    EXPECT_GE(fd, 0) << out_path;
    const auto span = std::span<const std::string_view>(arguments.begin(), arguments.size());
    const int status =
        RunWithoutWindow(ParseCommandLine(span, language_), Console{fd, err_, language_});
    close(fd);
    return status;
  }
  int Run(std::initializer_list<std::string_view> arguments) {
    return Run(arguments, folder_.File("stdout"));
  }
  std::string Out() const { return testing::Slurp(folder_.File("stdout")); }

  testing::TempFolder folder_;
  Encounter encounter_;
  std::string roster_;
  std::ostringstream err_;
  Language language_ = Language::kEnglish;
};

TEST_F(RunTest, WritesReportFilesAsCodePage932) {
  const std::string txt = folder_.File("out.txt");
  const std::string htm = folder_.File("out.htm");
  EXPECT_EQ(Run({"--txt", txt, "--html", htm, roster_}), kExitSuccess);
  EXPECT_EQ(testing::Slurp(txt), TextReport(encounter_));
  EXPECT_EQ(testing::Slurp(htm), HtmlReport(encounter_));
  EXPECT_EQ(Out(), "");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(RunTest, StandardOutputGetsUtf8) {
  EXPECT_EQ(Run({"--txt", "-", roster_}), kExitSuccess);
  EXPECT_EQ(Out(), Utf8FromCp932(TextReport(encounter_)));
  EXPECT_NE(Out().find("ゴブリン"), std::string::npos);
  EXPECT_EQ(Run({"--html", "-", roster_}), kExitSuccess);
  EXPECT_EQ(Out(), HtmlReportUtf8(encounter_));
}

TEST_F(RunTest, ModifiersAndEvasionKindsApply) {
  EXPECT_EQ(
      Run({"--txt", "-", "--modifiers", "10,0,0,0,5,0,0,0", "--evasion", "1,0,0,0,0", roster_}),
      kExitSuccess);
  Encounter expected = encounter_;
  expected.modifiers() = ModifiersFromShown({10, 0, 0, 0, 5, 0, 0, 0});
  expected.attacker(1).evasion_kind = kEvadeRanged;
  expected.Recalculate();
  EXPECT_NE(expected.result(1, 1), encounter_.result(1, 1));
  EXPECT_EQ(Out(), Utf8FromCp932(TextReport(expected)));
}

TEST_F(RunTest, FileErrorsNameTheFileAndExitWithOne) {
  const std::string missing = folder_.File("missing.qvr");
  EXPECT_EQ(Run({"--txt", "-", missing}), kExitFileError);
  EXPECT_EQ(err_.str(), "zelmora: " + missing + ": no such file or folder\n");
  EXPECT_EQ(Out(), "");

  err_.str("");
  const std::string under_file = roster_ + "/out.txt";
  const std::string htm = folder_.File("out.htm");
  EXPECT_EQ(Run({"--txt", under_file, "--html", htm, roster_}), kExitFileError);
  EXPECT_EQ(err_.str(), "zelmora: " + under_file + ": not a folder\n");
  EXPECT_EQ(testing::Slurp(htm), HtmlReport(encounter_));  // the other report is still written

  if (!std::filesystem::exists("/dev/full")) return;  // a full disk, where there is one to ask for
  err_.str("");
  EXPECT_EQ(Run({"--txt", "-", roster_}, "/dev/full"), kExitFileError);
  EXPECT_EQ(err_.str(), "zelmora: standard output: no space left on the disk\n");
}

TEST_F(RunTest, NeverWritesTwoReportsIntoOneFileNorOverTheRoster) {
  const std::string before = testing::Slurp(roster_);
  EXPECT_EQ(Run({"--html", folder_.path() + "/./party.qvr", roster_}), kExitUsage);
  EXPECT_EQ(testing::Slurp(roster_), before);
  EXPECT_NE(err_.str().find("the report would replace the roster"), std::string::npos);

  // One existing file under two names.
  const std::string target = folder_.File("out.txt");
  const std::string link = folder_.File("link.txt");
  testing::Put(target, "old");
  std::filesystem::create_hard_link(target, link);
  err_.str("");
  EXPECT_EQ(Run({"--txt", target, "--json", link, roster_}), kExitUsage);
  EXPECT_EQ(testing::Slurp(target), "old");
  EXPECT_EQ(err_.str().rfind("zelmora: --txt and --json name the same file: " + link, 0), 0u);
}

#ifndef _WIN32  // symbolic links need a privilege on Windows
TEST_F(RunTest, NeverWritesTwoReportsIntoOneNewFileThroughLinks) {
  // One new file through a link to its own folder, or to a folder above.
  ASSERT_EQ(symlink(".", folder_.File("here").c_str()), 0);
  ASSERT_EQ(mkdir(folder_.File("sub").c_str(), 0700), 0);
  ASSERT_EQ(symlink("..", folder_.File("sub/up").c_str()), 0);
  for (const std::string& other : {folder_.File("here/new.txt"), folder_.File("sub/up/new.txt")}) {
    err_.str("");
    EXPECT_EQ(Run({"--txt", folder_.File("new.txt"), "--html", other, roster_}), kExitUsage);
    EXPECT_FALSE(std::filesystem::exists(folder_.File("new.txt")));
  }
}
#endif

// Neither a file name nor an option can drive the terminal from a message.
TEST_F(RunTest, MessagesShowControlCharactersOfNamesAndOptions) {
  const std::string hostile = folder_.File("no/\x1b]0;x\a\x1b[2J\nzelmora: forged.txt");
  EXPECT_EQ(Run({"--txt", hostile, roster_}), kExitFileError);
  EXPECT_EQ(Run({"--\u009b2J", roster_}), kExitUsage);
  const std::string messages = err_.str();
  EXPECT_EQ(messages.find_first_of("\x1b\a"), std::string::npos);
  EXPECT_EQ(messages.find("\u009b"), std::string::npos);
  EXPECT_NE(messages.find("\u241B]0;x\u2407\u241B[2J\u240Azelmora: forged.txt"), std::string::npos);
  EXPECT_EQ(testing::CountLines(messages), 3u);  // two errors and the hint
}

// Standard output is converted a buffer at a time: characters that straddle
// the buffers' edges come out whole.
TEST_F(RunTest, LongNamesReachStandardOutputWhole) {
  encounter_.attacker(1).name = "a";  // then the two-byte characters sit at odd offsets
  for (int i = 0; i < 30000; ++i) encounter_.attacker(1).name += testing::Cp932("鬼a");
  encounter_.defender(2).name = encounter_.attacker(1).name.substr(1);
  ASSERT_EQ(SaveAll(roster_, encounter_), std::nullopt);
  EXPECT_EQ(Run({"--txt", "-", roster_}), kExitSuccess);
  EXPECT_EQ(Out(), Utf8FromCp932(TextReport(encounter_)));
  EXPECT_EQ(Run({"--html", "-", roster_}), kExitSuccess);
  EXPECT_EQ(Out(), HtmlReportUtf8(encounter_));
  EXPECT_EQ(Run({"--json", "-", roster_}), kExitSuccess);
  EXPECT_EQ(Out(), JsonExport(encounter_));
}

TEST_F(RunTest, WritesJsonAndCsvBesideTheReports) {
  const std::string json = folder_.File("out.json");
  const std::string csv = folder_.File("out.csv");
  EXPECT_EQ(Run({"--csv", csv, "--json", json, "--txt", "-", roster_}), kExitSuccess);
  EXPECT_EQ(testing::Slurp(json), JsonExport(encounter_));
  EXPECT_EQ(testing::Slurp(csv), CsvExport(encounter_));
  EXPECT_EQ(Out(), Utf8FromCp932(TextReport(encounter_)));
  EXPECT_EQ(Run({"--json", "-", roster_}), kExitSuccess);
  EXPECT_EQ(Out(), JsonExport(encounter_));
}

TEST_F(RunTest, HelpVersionAndUsageErrors) {
  EXPECT_EQ(Run({"--help"}), kExitSuccess);
  EXPECT_EQ(Out(), UsageText());
  EXPECT_EQ(Run({"--version"}), kExitSuccess);
  EXPECT_EQ(Out().substr(0, 8), "zelmora ");
  EXPECT_EQ(Run({"--evasion", "9,9,9,9,9", roster_}), kExitUsage);
  EXPECT_EQ(Out(), "");
  EXPECT_EQ(err_.str(),
            "zelmora: --evasion needs five comma-separated evasion kinds from 0 to 3\n"
            "Try 'zelmora --help' for more information.\n");
}

#ifndef _WIN32
// Descriptors named as paths, and file names of any bytes, are POSIX's.

// A file opened by the test as the shell opens one for `>>`.
class AppendedFile {
 public:
  AppendedFile(const std::string& path, std::string_view held) : path_(path) {
    testing::Put(path, held);
    fd_ = open(path.c_str(), O_WRONLY | O_APPEND);
  }
  ~AppendedFile() { close(fd_); }
  AppendedFile(const AppendedFile&) = delete;
  AppendedFile& operator=(const AppendedFile&) = delete;
  int fd() const { return fd_; }
  std::string Descriptor() const { return "/dev/fd/" + std::to_string(fd_); }
  ino_t Inode() const {
    struct stat info {};
    stat(path_.c_str(), &info);
    return info.st_ino;
  }

 private:
  std::string path_;
  int fd_ = -1;
};

TEST_F(RunTest, StreamTargetsAreWrittenAsStandardOutputNeverReplaced) {
  const std::string report = Utf8FromCp932(TextReport(encounter_));
  const std::string log_path = folder_.File("log.txt");
  AppendedFile log(log_path, "kept\n");
  const ino_t inode = log.Inode();
  ASSERT_GE(log.fd(), 0);
  const auto span = [](std::initializer_list<std::string_view> arguments) {
    return std::span<const std::string_view>(arguments.begin(), arguments.size());
  };

  // /dev/stdout is the program's standard output, opened for appending.
  EXPECT_EQ(RunWithoutWindow(ParseCommandLine(span({"--txt", "/dev/stdout", roster_})),
                             Console{log.fd(), err_}),
            kExitSuccess);
  EXPECT_EQ(testing::Slurp(log_path), "kept\n" + report);
  // Any descriptor, by either name, the same way; JSON passes unchanged.
  const std::string other_path = folder_.File("other.txt");
  const AppendedFile other(other_path, "");
  const std::string proc = "/proc/self/fd/" + std::to_string(other.fd());
  EXPECT_EQ(Run({"--json", log.Descriptor(), "--csv", proc, roster_}), kExitSuccess);
  EXPECT_EQ(testing::Slurp(log_path), "kept\n" + report + JsonExport(encounter_));
  EXPECT_EQ(testing::Slurp(other_path), CsvExport(encounter_));
  EXPECT_EQ(log.Inode(), inode);
  EXPECT_EQ(Out(), "");
  EXPECT_EQ(err_.str(), "");

  // /dev/stderr is the descriptor behind the messages.
  EXPECT_EQ(RunWithoutWindow(ParseCommandLine(span({"--html", "/dev/stderr", roster_})),
                             Console{STDOUT_FILENO, err_, Language::kEnglish, log.fd()}),
            kExitSuccess);
  EXPECT_NE(testing::Slurp(log_path).find("charset=UTF-8"), std::string::npos);

  // /dev/null discards, and stays the device it is.
  EXPECT_EQ(Run({"--txt", "/dev/null", "--json", "/dev/null", roster_}), kExitSuccess);
  struct stat null_device {};
  ASSERT_EQ(stat("/dev/null", &null_device), 0);
  EXPECT_TRUE(S_ISCHR(null_device.st_mode));
  EXPECT_EQ(Out(), "");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(RunTest, AStreamNotOpenIsAFileErrorInTheUsersLanguage) {
  int closed = 200;  // a descriptor nothing in the test opens
  while (fcntl(closed, F_GETFD) != -1) ++closed;
  const std::string name = "/dev/fd/" + std::to_string(closed);
  EXPECT_EQ(Run({"--txt", name, roster_}), kExitFileError);
  EXPECT_EQ(err_.str(), "zelmora: " + name + ": the stream is not open\n");
  err_.str("");
  language_ = Language::kJapanese;
  EXPECT_EQ(Run({"--txt", name, roster_}), kExitFileError);
  EXPECT_EQ(err_.str(), "zelmora: " + name + ": 出力先が開かれていません\n");
}

TEST_F(RunTest, RosterMessagesFollowTheLanguageAndEscapeNamesThatAreNoText) {
  struct Case {
    std::string file_bytes;
    Language language;
    int status;
    std::string message;  // after "zelmora: PATH: "
  };
  const Case cases[] = {
      {"no roster here\r\n", Language::kEnglish, kExitFileError,
       "no line of the file is a roster line"},
      {"no roster here\r\n", Language::kJapanese, kExitFileError, "ロスターの行がありません"},
      {"P,1,\"\u2603\",1\r\n", Language::kEnglish, kExitFileError,
       "\u201C\u2603\u201D is not a character of Shift JIS"},
      {"P,1,\"\u2603\",1\r\n", Language::kJapanese, kExitFileError,
       "「\u2603」はシフトJISにない文字です"},
      {"P,1,\"剣士アルド\",1\r\n", Language::kEnglish, kExitSuccess, "read as UTF-8"},
      {"P,1,\"剣士アルド\",1\r\n", Language::kJapanese, kExitSuccess, "UTF-8 として読み込みました"},
  };
  const std::string path = folder_.File("odd\x9B[2J.qvr");
  const std::string shown = folder_.File("odd\\x9B[2J.qvr");
  for (const Case& c : cases) {
    testing::Put(path, c.file_bytes);
    err_.str("");
    language_ = c.language;
    EXPECT_EQ(Run({"--txt", "/dev/null", path}), c.status) << c.message;
    EXPECT_EQ(err_.str(), "zelmora: " + shown + ": " + c.message + "\n");
  }
}

#endif  // _WIN32

TEST_F(RunTest, UnderAJapaneseLocaleEveryMessageIsJapanese) {
  language_ = Language::kJapanese;
  EXPECT_EQ(Run({"--help"}), kExitSuccess);
  EXPECT_EQ(Out(), UsageText(Language::kJapanese));
  EXPECT_EQ(Run({"--evasion", "9,9,9,9,9", roster_}), kExitUsage);
  EXPECT_EQ(err_.str(),
            "zelmora: --evasion には 0 から 3 の回避の種類 5 つをコンマ区切りで指定してください\n"
            "詳しくは 'zelmora --help' を見てください。\n");
  err_.str("");
  EXPECT_EQ(Run({"--txt", "-", roster_}, "/dev/full"), kExitFileError);
  EXPECT_EQ(err_.str(), "zelmora: 標準出力: ディスクの空き容量が足りません\n");
}

}  // namespace
}  // namespace zelmora
