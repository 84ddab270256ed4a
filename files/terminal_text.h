#pragma once

#include <string>
#include <string_view>

namespace zelmora {

// UTF-8 text made safe to show on a terminal: every control character but
// the line ends (CR, LF) becomes a visible symbol, so that a name cannot
// move the cursor, retitle or clear the terminal. C0 controls become their
// control pictures (ESC shows as U+241B), DEL U+2421, C1 controls U+FFFD,
// and a byte that is not UTF-8 (a file name in another encoding) `\x9B`.
std::string WithVisibleControls(std::string_view utf8);

// A name, path or option quoted in a message: as above, the line ends
// visible too, so that it cannot forge a line of its own.
std::string TerminalSafe(std::string_view text);

// The length of the longest start of `bytes` that does not end inside a
// UTF-8 sequence: what can be converted now when the rest may still come.
// Bytes that cannot start or continue a sequence count as whole.
std::size_t WholeUtf8Length(std::string_view bytes);

}  // namespace zelmora
