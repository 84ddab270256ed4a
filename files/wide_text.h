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

}  // namespace zelmora
