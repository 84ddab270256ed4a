#pragma once

#include <string_view>
#include <vector>

namespace zelmora {

// Splits file bytes into lines: a line ends at CR LF or a lone LF; a last line
// without an end is still read; a lone CR stays in its line.
std::vector<std::string_view> SplitLines(std::string_view bytes);

}  // namespace zelmora
