#include "files/terminal_text.h"

#include "engine/text.h"
#include "files/cp932.h"

namespace zelmora {
namespace {

constexpr char32_t kControlPictures = 0x2400;  // U+2400 shows NUL, U+241B ESC
constexpr char32_t kDeletePicture = 0x2421;
constexpr std::string_view kReplacement = "\uFFFD";

// A code point of the Basic Multilingual Plane as UTF-8.
std::string Utf8Of(char32_t code) {
  return {static_cast<char>(0xE0 | (code >> 12)), static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
          static_cast<char>(0x80 | (code & 0x3F))};
}

// A byte that is no text as `\x9B`: shown, never sent to the terminal raw,
// where some bytes (0x9B) start a control sequence.
void AppendEscapedByte(unsigned char byte, std::string& out) {
  constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

std::string Visible(std::string_view utf8, bool keep_line_ends) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const bool line_end = keep_line_ends && (byte == '\r' || byte == '\n');
    if (byte < 0x20 && !line_end) {
      out += Utf8Of(kControlPictures + byte);
    } else if (byte == 0x7F) {
      out += Utf8Of(kDeletePicture);
    } else if (IsC1ControlAt(utf8, i)) {
      out += kReplacement;
      ++i;
    } else if (byte >= 0x80) {
      const std::size_t length = Utf8SequenceLength(utf8, i);
      if (length == 0) {
        AppendEscapedByte(byte, out);
      } else {
        out.append(utf8.substr(i, length));
        i += length - 1;
      }
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

}  // namespace

std::string WithVisibleControls(std::string_view utf8) { return Visible(utf8, true); }

std::string TerminalSafe(std::string_view text) { return Visible(text, false); }

// Looks back at most three bytes for the lead byte of the last sequence.
std::size_t WholeUtf8Length(std::string_view bytes) {
  const std::size_t size = bytes.size();
  for (std::size_t back = 1; back <= 4 && back <= size; ++back) {
    const auto byte = static_cast<unsigned char>(bytes[size - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? size - back : size;
  }
  return size;
}

}  // namespace zelmora
