#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <iostream>
#include <streambuf>
#include <string_view>

#include "app/startup.h"
#include "files/wide_text_windows.h"

namespace zelmora {

// main() gets its arguments in the ANSI code page, which cannot hold every
// file name: the wide command line holds them all.
std::vector<std::string> CommandArguments(int /*argc*/, char** /*argv*/) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide != nullptr && i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

namespace {

// Standard error, when it is a console: each piece written as UTF-16.
class WideConsoleBuffer : public std::streambuf {
 public:
  explicit WideConsoleBuffer(HANDLE console) : console_(console) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return console_.Write(std::string_view(&byte, 1)) == 0 ? c : traits_type::eof();
  }
  std::streamsize xsputn(const char* text, std::streamsize size) override {
    return console_.Write(std::string_view(text, static_cast<std::size_t>(size))) == 0 ? size : 0;
  }

 private:
  WideConsole console_;
};

}  // namespace

// Messages go to standard error through std::cerr; reports and help to
// standard output through the file layer, which writes a console as UTF-16
// itself. Redirected, both stay UTF-8 bytes.
void PrepareConsole() {
  SetConsoleOutputCP(CP_UTF8);
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (IsConsole(error)) {
    static WideConsoleBuffer wide(error);
    std::cerr.rdbuf(&wide);
  }
}

}  // namespace zelmora
