#include "app/wrapped_text.h"

#include <vector>

namespace zelmora {
namespace {

struct CodePoint {
  char32_t value;
  std::size_t size;  // bytes
};

CodePoint CodePointAt(std::string_view utf8, std::size_t i) {
  const auto lead = static_cast<unsigned char>(utf8[i]);
  const std::size_t size = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (size == 1 || i + size > utf8.size()) return {lead, 1};
  char32_t value = lead & (0x7F >> size);
  for (std::size_t k = 1; k < size; ++k) {
    value = (value << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
  }
  return {value, size};
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6);
}

constexpr std::u32string_view kNoBreakBefore = U"、。，．）」』：";
constexpr std::u32string_view kNoBreakAfter = U"（「『";

// A piece of text that stays on one line, and whether a blank stood before it.
struct Piece {
  std::string_view text;
  bool blank_before;
};

std::vector<Piece> Pieces(std::string_view text) {
  std::vector<Piece> pieces;
  std::size_t start = 0;
  bool blank_before = false;
  char32_t previous = U' ';
  for (std::size_t i = 0; i < text.size();) {
    const CodePoint c = CodePointAt(text, i);
    if (c.value == U' ') {
      if (i > start) pieces.push_back({text.substr(start, i - start), blank_before});
      blank_before = true;
      start = i + 1;
    } else if (i > start && (IsWide(previous) || IsWide(c.value)) &&
               kNoBreakBefore.find(c.value) == std::u32string_view::npos &&
               kNoBreakAfter.find(previous) == std::u32string_view::npos) {
      pieces.push_back({text.substr(start, i - start), blank_before});
      blank_before = false;
      start = i;
    }
    previous = c.value;
    i += c.size;
  }
  if (start < text.size()) pieces.push_back({text.substr(start), blank_before});
  return pieces;
}

}  // namespace

std::size_t TerminalColumns(std::string_view utf8) {
  std::size_t columns = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const CodePoint c = CodePointAt(utf8, i);
    columns += IsWide(c.value) ? 2 : 1;
    i += c.size;
  }
  return columns;
}

std::string Wrapped(std::string head, std::string_view text, std::size_t indent,
                    std::size_t width) {
  std::string out;
  std::string line = std::move(head);
  if (!line.empty() && line.size() >= indent) {
    out += line + "\n";
    line.clear();
  }
  line.resize(indent, ' ');
  std::size_t columns = indent;
  bool line_empty = true;
  for (const Piece& piece : Pieces(text)) {
    const std::size_t blank = piece.blank_before && !line_empty ? 1 : 0;
    const std::size_t piece_columns = TerminalColumns(piece.text);
    if (!line_empty && columns + blank + piece_columns > width) {
      out += line + "\n";
      line.assign(indent, ' ');
      columns = indent;
      line_empty = true;
    } else if (blank != 0) {
      line += ' ';
      ++columns;
    }
    line += piece.text;
    columns += piece_columns;
    line_empty = false;
  }
  return out + line + "\n";
}

}  // namespace zelmora
