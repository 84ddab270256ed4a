#include "files/json_writer.h"

#include <charconv>
#include <cmath>

#include "engine/text.h"
#include "files/cp932.h"
#include "files/export_values.h"

namespace zelmora {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

bool NeedsEscape(unsigned char byte) {
  return byte < 0x20 || byte == '"' || byte == '\\' || byte == 0x7F || byte == 0xC2;
}

}  // namespace

void AppendJsonEscaped(std::string_view utf8, std::string& out) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (!NeedsEscape(byte)) continue;
    if (byte == 0xC2 && !IsC1ControlAt(utf8, i)) continue;
    out.append(utf8.substr(start, i - start));
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default: {
        const auto code = byte == 0xC2 ? static_cast<unsigned char>(utf8[++i]) : byte;
        out += "\\u00";
        out += kHexDigits[(code >> 4) & 0xF];
        out += kHexDigits[code & 0xF];
      }
    }
    start = i + 1;
  }
  out.append(utf8.substr(start));
}

void JsonWriter::Separate() {
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (!level.empty) Put(",");
  level.empty = false;
  if (level.flat) {
    Put(" ");
  } else {
    Put("\n");
    Indent(levels_.size());
  }
}

void JsonWriter::Indent(std::size_t depth) {
  static constexpr std::string_view kBlanks = "                                ";
  for (std::size_t blanks = 2 * depth; blanks > 0;) {
    const std::size_t part = std::min(blanks, kBlanks.size());
    Put(kBlanks.substr(0, part));
    blanks -= part;
  }
}

JsonWriter& JsonWriter::Open(char bracket, bool flat) {
  Put(std::string_view(&bracket, 1));
  levels_.push_back({flat, true, bracket == '{' ? '}' : ']'});
  return *this;
}

JsonWriter& JsonWriter::Close() {
  const Level level = levels_.back();
  levels_.pop_back();
  if (!level.empty) {
    if (level.flat) {
      Put(" ");
    } else {
      Put("\n");
      Indent(levels_.size());
    }
  }
  Put(std::string_view(&level.close, 1));
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  Separate();
  Put("\"");
  Put(key);
  Put("\": ");
  return *this;
}

JsonWriter& JsonWriter::Item() {
  Separate();
  return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view text) {
  Put(text);
  return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t value) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return Raw(std::string_view(text, static_cast<std::size_t>(end - text)));
}

JsonWriter& JsonWriter::Real(double value) {
  // As ShortestReal, without a string of its own for every value.
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  if (!std::isfinite(value) || error != std::errc()) return Raw("null");
  return Raw(std::string_view(text, static_cast<std::size_t>(end - text)));
}

JsonWriter& JsonWriter::Bool(bool value) { return Raw(value ? "true" : "false"); }

JsonWriter& JsonWriter::String(std::string_view utf8) {
  buffer_ += '"';
  AppendJsonEscaped(utf8, buffer_);
  Put("\"");
  return *this;
}

bool JsonWriter::Cp932String(std::string_view cp932) {
  buffer_ += '"';
  const bool whole = ForEachUtf8Piece(cp932, [this](std::string_view utf8) {
    AppendJsonEscaped(utf8, buffer_);
    if (buffer_.size() >= kFlushBytes) Flush();
  });
  Put("\"");
  return whole;
}

void JsonWriter::Finish() {
  buffer_ += '\n';
  Flush();
}

}  // namespace zelmora
