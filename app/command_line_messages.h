#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "files/localized_text.h"

// What the command line says, in both languages. "{}" stands for a value
// filled in by Filled(), in order.
namespace zelmora::messages {

inline constexpr LocalizedText kUsage{"Usage:", "使い方:"};
inline constexpr LocalizedText kOptions{"Options:", "オプション:"};
inline constexpr LocalizedText kExitStatus{"Exit status:", "終了ステータス:"};
inline constexpr LocalizedText kTryHelp{"Try '{} --help' for more information.",
                                        "詳しくは '{} --help' を見てください。"};
inline constexpr LocalizedText kStandardOutputName{"standard output", "標準出力"};
inline constexpr LocalizedText kStandardErrorName{"standard error", "標準エラー出力"};
inline constexpr LocalizedText kReadAsUtf8{"{}: read as UTF-8", "{}: UTF-8 として読み込みました"};
inline constexpr LocalizedText kNoDisplay{
    "no display to open the window on; --txt, --html, --json and --csv write reports "
    "without one",
    "ウィンドウを開くディスプレイがありません。--txt、--html、--json、--csv "
    "ならディスプレイなしでレポートを書き出せます"};

inline constexpr LocalizedText kNoWindowProgram{
    "this build has no window; --txt, --html, --json and --csv write reports",
    "このビルドにはウィンドウがありません。--txt、--html、--json、--csv でレポートを書き出せます"};

inline constexpr LocalizedText kTwoRosters{"more than one roster: {} and {}",
                                           "名簿ファイルが 2 つ以上あります: {} と {}"};
inline constexpr LocalizedText kUnknownOption{"unknown option: {}", "不明なオプションです: {}"};
inline constexpr LocalizedText kOptionTwice{"option {} given twice",
                                            "オプション {} が 2 回指定されています"};
inline constexpr LocalizedText kNeedsValue{"option {} needs a value",
                                           "オプション {} には値が必要です"};
inline constexpr LocalizedText kReportNeedsRoster{"a report needs a roster file",
                                                  "レポートを書き出すには名簿ファイルが必要です"};
inline constexpr LocalizedText kReportOverRoster{
    "{}: the report would replace the roster",
    "{}: レポートで名簿ファイルが上書きされてしまいます"};
inline constexpr LocalizedText kSameStream{"{} and {} name the same stream: {}",
                                           "{} と {} が同じ出力先を指しています: {}"};
inline constexpr LocalizedText kSameFile{"{} and {} name the same file: {}",
                                         "{} と {} が同じファイルを指しています: {}"};

// A settings file that could stall the start: its path, the reason, and
// where it was moved.
inline constexpr LocalizedText kSettingsSetAside{
    "{}: {}; set aside as {}, the default settings are used",
    "{}: {}。{} に退避し、既定の設定を使います"};
inline constexpr LocalizedText kSettingsNotRead{"{}: {}; the default settings are used",
                                                "{}: {}。既定の設定を使います"};

// `pattern` with each "{}" replaced by the next of `values`.
std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace zelmora::messages
