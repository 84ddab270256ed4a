#include "files/json_value.h"

#include <algorithm>

#include "engine/text.h"
#include "files/export_values.h"
#include "files/json_writer.h"

namespace zelmora {

JsonValue JsonValue::Null() { return JsonValue(Kind::kScalar, "null"); }
JsonValue JsonValue::Bool(bool value) { return JsonValue(Kind::kScalar, value ? "true" : "false"); }
JsonValue JsonValue::Integer(std::int64_t value) {
  return JsonValue(Kind::kScalar, FormatInt(value));
}

JsonValue JsonValue::Real(double value) {
  const std::string text = ShortestReal(value);
  return text.empty() ? Null() : JsonValue(Kind::kScalar, text);
}

JsonValue JsonValue::String(std::string_view utf8) {
  return JsonValue(Kind::kScalar, JsonQuoted(utf8));
}

JsonValue JsonValue::Object() { return JsonValue(Kind::kObject); }
JsonValue JsonValue::Array() { return JsonValue(Kind::kArray); }

JsonValue& JsonValue::Add(std::string_view key, JsonValue value) {
  std::string escaped;
  AppendJsonEscaped(key, escaped);
  members_.emplace_back(std::move(escaped), std::move(value));
  return *this;
}

JsonValue& JsonValue::Push(JsonValue value) {
  items_.push_back(std::move(value));
  return *this;
}

std::string JsonValue::Text() const {
  return CollectBytes([this](ByteSink& sink) {
    JsonWriter writer(sink);
    Write(writer);
    writer.Finish();
  });
}

bool JsonValue::IsFlat() const {
  const auto scalar = [](const JsonValue& v) {
    return v.kind_ == Kind::kScalar || (v.items_.empty() && v.members_.empty());
  };
  return std::all_of(items_.begin(), items_.end(), scalar) &&
         std::all_of(members_.begin(), members_.end(),
                     [&](const auto& member) { return scalar(member.second); });
}

void JsonValue::Write(JsonWriter& writer) const {
  if (kind_ == Kind::kScalar) {
    writer.Raw(scalar_);
    return;
  }
  writer.Open(kind_ == Kind::kObject ? '{' : '[', IsFlat());
  for (const auto& [key, value] : members_) value.Write(writer.Key(key));
  for (const JsonValue& item : items_) item.Write(writer.Item());
  writer.Close();
}

std::string JsonQuoted(std::string_view utf8) {
  std::string out = "\"";
  AppendJsonEscaped(utf8, out);
  return out + "\"";
}

}  // namespace zelmora
