#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

// Line reading shared by every reader of the system's files.
namespace zelmora {

// Takes the first line off `bytes` by the rules of SplitLines; `bytes` must
// not be empty.
std::string_view TakeLine(std::string_view& bytes);

// Splits file bytes into lines: a line ends at CR LF or a lone LF; a last line
// without an end is still read; a lone CR stays in its line. At most
// `max_lines` lines are taken; the views point into `bytes`.
std::vector<std::string_view> SplitLines(
    std::string_view bytes, std::size_t max_lines = std::numeric_limits<std::size_t>::max());

// Takes a comma, then an integer, from the front of `text`. Empty when
// either is missing; `text` is then left where the reading stopped.
std::optional<std::int32_t> TakeCommaInt(std::string_view& text);

}  // namespace zelmora
