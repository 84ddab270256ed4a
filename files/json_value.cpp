#include "files/json_value.h"

#include <algorithm>

#include "engine/text.h"
#include "files/export_values.h"

namespace zelmora {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

std::string UnicodeEscape(unsigned code) {
  std::string escape = "\\u00";
  escape += kHexDigits[(code >> 4) & 0xF];
  escape += kHexDigits[code & 0xF];
  return escape;
}

}  // namespace

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
  members_.emplace_back(JsonQuoted(key), std::move(value));
  return *this;
}

JsonValue& JsonValue::Push(JsonValue value) {
  items_.push_back(std::move(value));
  return *this;
}

std::string JsonValue::Text() const {
  std::string out;
  Write(out, 0);
  out += '\n';
  return out;
}

bool JsonValue::IsFlat() const {
  const auto scalar = [](const JsonValue& v) {
    return v.kind_ == Kind::kScalar || (v.items_.empty() && v.members_.empty());
  };
  return std::all_of(items_.begin(), items_.end(), scalar) &&
         std::all_of(members_.begin(), members_.end(),
                     [&](const auto& member) { return scalar(member.second); });
}

void JsonValue::Write(std::string& out, std::size_t depth) const {
  if (kind_ == Kind::kScalar) {
    out += scalar_;
    return;
  }
  const bool object = kind_ == Kind::kObject;
  const std::size_t count = object ? members_.size() : items_.size();
  const bool flat = IsFlat();
  const std::string inner = flat ? " " : "\n" + std::string(2 * (depth + 1), ' ');
  out += object ? '{' : '[';
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) out += ',';
    out += inner;
    if (object) {
      out += members_[i].first;
      out += ": ";
      members_[i].second.Write(out, depth + 1);
    } else {
      items_[i].Write(out, depth + 1);
    }
  }
  if (count > 0) out += flat ? " " : "\n" + std::string(2 * depth, ' ');
  out += object ? '}' : ']';
}

std::string JsonQuoted(std::string_view utf8) {
  std::string out = "\"";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
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
      default:
        if (byte < 0x20 || byte == 0x7F) {
          out += UnicodeEscape(byte);
        } else if (IsC1ControlAt(utf8, i)) {
          out += UnicodeEscape(static_cast<unsigned char>(utf8[++i]));  // a C1 control
        } else {
          out += static_cast<char>(byte);
        }
    }
  }
  return out + "\"";
}

}  // namespace zelmora
