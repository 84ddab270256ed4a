#include "files/wide_text_windows.h"

#include <windows.h>

#include <algorithm>

#include "files/terminal_text.h"

namespace zelmora {

std::optional<std::wstring> WideFromCodePage(unsigned code_page, std::string_view text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length =
      MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
  return wide;
}

std::optional<std::wstring> WideFromUtf8(std::string_view utf8) {
  return WideFromCodePage(CP_UTF8, utf8);
}

std::string Utf8FromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

bool IsConsole(void* handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

unsigned long WideConsole::Write(std::string_view utf8) {
  held_.append(utf8);
  const std::size_t whole = WholeUtf8Length(held_);
  if (whole == 0) return 0;
  const int size = static_cast<int>(whole);
  const int length = MultiByteToWideChar(CP_UTF8, 0, held_.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, held_.data(), size, wide.data(), length);
  held_.erase(0, whole);
  for (std::size_t at = 0; at < wide.size();) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - at, 8192));
    if (!WriteConsoleW(handle_, wide.data() + at, chunk, &written, nullptr) || written == 0) {
      return GetLastError();
    }
    at += written;
  }
  return 0;
}

}  // namespace zelmora
