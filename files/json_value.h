#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A JSON document built in memory and written as UTF-8 text. Only what the
// exports need: objects keep their members in the order they were added.
namespace zelmora {

class JsonWriter;

class JsonValue {
 public:
  static JsonValue Null();
  static JsonValue Bool(bool value);
  static JsonValue Integer(std::int64_t value);
  // The shortest text that reads back as the same double; null when the
  // value is not finite, which JSON cannot carry.
  static JsonValue Real(double value);
  static JsonValue String(std::string_view utf8);
  static JsonValue Object();
  static JsonValue Array();

  // For objects and arrays; each returns *this so that calls chain.
  JsonValue& Add(std::string_view key, JsonValue value);
  JsonValue& Push(JsonValue value);

  // Indented by two blanks a level; an object or array that holds no object
  // or array (but empty ones) stays on one line, so that a record reads as
  // one row.
  std::string Text() const;

 private:
  enum class Kind { kScalar, kObject, kArray };
  explicit JsonValue(Kind kind, std::string scalar = {})
      : kind_(kind), scalar_(std::move(scalar)) {}

  bool IsFlat() const;
  void Write(JsonWriter& writer) const;

  Kind kind_;
  std::string scalar_;                                      // the encoded text of a scalar
  std::vector<std::pair<std::string, JsonValue>> members_;  // keys escaped
  std::vector<JsonValue> items_;
};

// `utf8` as a JSON string literal, quotes included. Control characters,
// C1 controls included, are escaped, so the text is safe on a terminal.
std::string JsonQuoted(std::string_view utf8);

}  // namespace zelmora
