#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelmora {

// The columns a terminal gives UTF-8 text: two for a wide (East Asian)
// character, one for any other.
std::size_t TerminalColumns(std::string_view utf8);

// `text` filled into lines of at most `width` columns, the first starting
// with `head` (on a line of its own when it reaches `indent`), every line
// indented to `indent`. Lines break at blanks, which they drop, and between
// wide characters, though never before a closing mark (、。）」) nor after an
// opening one (（「), so that Japanese fills as English does.
std::string Wrapped(std::string head, std::string_view text, std::size_t indent,
                    std::size_t width = 79);

}  // namespace zelmora
