#pragma once

#include <optional>
#include <string>
#include <string_view>

// Code page 932 (Japanese Windows) conversion through the C library.
namespace zelmora {

// UTF-8 to code page 932. The characters Linux input methods produce for
// the wave dash, double vertical line, minus sign, cent, pound, not sign and
// horizontal bar are first mapped to the ones the code page holds. Returns
// nothing when a character cannot be held: text is never silently changed.
std::optional<std::string> Cp932FromUtf8(std::string_view utf8);

// Code page 932 to UTF-8 for display. A byte sequence that does not decode
// becomes U+FFFD; the record keeps its bytes.
std::string Utf8FromCp932(std::string_view cp932);

}  // namespace zelmora
