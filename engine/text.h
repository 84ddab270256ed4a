#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text helpers every layer uses. None of them depends on the process locale:
// Qt sets the locale at start-up, and a decimal comma must never reach a cell
// or a file.
namespace zelmora {

// The leading decimal integer of a text: optional white space, an optional
// sign, then ASCII digits up to the first other character. No digits gives 0;
// digits beyond the 32-bit range saturate at its limits.
std::int32_t ParseLeadingInt(std::string_view text);
// The same, taken off the front of `text`, which then starts after the
// digits. Without a digit nothing is taken and the result is empty.
std::optional<std::int32_t> TakeLeadingInt(std::string_view& text);

// "%d".
std::string FormatInt(std::int64_t value);
// "%.15g": at most 15 significant digits, no trailing zeros.
std::string FormatGeneral(double value);
// "%.<digits>f".
std::string FormatFixed(double value, int digits);

// Pads with blanks to `width` bytes; a longer text is never cut.
std::string PadLeft(std::string_view text, std::size_t width);   // "%<width>s"
std::string PadRight(std::string_view text, std::size_t width);  // "%-<width>s"

// The grid's evasion text "melee,ranged,magic" and defence text
// "physical,magic". Reading takes up to three (two) comma-separated leading
// integers; a missing part gives 0 and extra parts are ignored.
std::array<std::int32_t, 3> ParseEvasionText(std::string_view text);
std::array<std::int32_t, 2> ParseDefenceText(std::string_view text);

// Whether byte `i` of UTF-8 text starts a C1 control character (U+0080 to
// U+009F), whose encoding is the two bytes C2 80 to C2 9F.
bool IsC1ControlAt(std::string_view utf8, std::size_t i);

}  // namespace zelmora
