#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8, the text of the program's paths and messages, to and from the
// UTF-16 of Windows's own interfaces. Windows only.
namespace zelmora {

// Text in Windows code page `code_page` (CP_UTF8, 932) as UTF-16; nothing
// for bytes that are not valid in it.
std::optional<std::wstring> WideFromCodePage(unsigned code_page, std::string_view text);
// Nothing for text that is not UTF-8.
std::optional<std::wstring> WideFromUtf8(std::string_view utf8);
// Unpaired surrogates, which Windows allows in file names, become U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

// Whether `handle` (a HANDLE) is a console, which is written in UTF-16.
bool IsConsole(void* handle);

// UTF-8 written to a console as UTF-16 (WriteConsoleW), so that it reads
// right whatever the console's code page. A sequence cut between two writes
// is held until its end comes; bytes that are no UTF-8 show as U+FFFD.
class WideConsole {
 public:
  explicit WideConsole(void* handle) : handle_(handle) {}
  // 0 or the system's error.
  unsigned long Write(std::string_view utf8);

 private:
  void* handle_;
  std::string held_;
};

}  // namespace zelmora
