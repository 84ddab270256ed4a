#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/byte_sink.h"

// A JSON document written into a sink as it is made: two blanks a level,
// and a container the caller calls flat (one that holds no non-empty object
// or array) on one line, so that a record reads as one row.
namespace zelmora {

class JsonWriter {
 public:
  explicit JsonWriter(ByteSink& sink) : sink_(sink) {}

  // An object ('{') or array ('['), as the value of the member or item just
  // begun (or as the document).
  JsonWriter& Open(char bracket, bool flat);
  JsonWriter& Close();

  // Begins a member of the open object; `key` is plain text that needs no
  // escape (the exports' own keys).
  JsonWriter& Key(std::string_view key);
  // Begins an item of the open array.
  JsonWriter& Item();

  // A value: encoded JSON text as it is, or one of these.
  JsonWriter& Raw(std::string_view text);
  JsonWriter& Integer(std::int64_t value);
  JsonWriter& Real(double value);  // null when not finite
  JsonWriter& Bool(bool value);
  JsonWriter& String(std::string_view utf8);
  // Code page 932 bytes as a string, decoded and escaped a piece at a time,
  // so that a long name is never held again whole. Whether every byte decoded
  // (those that did not are U+FFFD).
  bool Cp932String(std::string_view cp932);

  // Ends the document with a line end and passes on what is still held.
  void Finish();

 private:
  struct Level {
    bool flat;
    bool empty = true;
    char close;
  };

  void Separate();
  void Indent(std::size_t depth);
  // Text goes to the sink a few kilobytes at a time, not a key at a time.
  void Put(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= kFlushBytes) Flush();
  }
  void Flush() {
    sink_.Append(buffer_);
    buffer_.clear();
  }

  static constexpr std::size_t kFlushBytes = 8192;
  ByteSink& sink_;
  std::string buffer_;
  std::vector<Level> levels_;
};

// `utf8` escaped for the inside of a JSON string (without the quotes)
// and appended to `out`. Control characters, C1 controls included, are
// escaped, so the text is safe on a terminal.
void AppendJsonEscaped(std::string_view utf8, std::string& out);

}  // namespace zelmora
