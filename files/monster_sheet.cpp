#include "files/monster_sheet.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/labels.h"
#include "engine/text.h"
#include "files/cp932.h"
#include "files/lines.h"

namespace zelmora {
namespace {

using Lines = std::vector<std::string_view>;

// Line n (from 1) of a sheet; a line the sheet lacks is empty.
std::string_view LineAt(const Lines& lines, std::size_t n) {
  return n <= lines.size() ? lines[n - 1] : std::string_view();
}

std::int32_t AffinityOf(std::string_view symbol) {
  for (std::size_t code = 0; code < kAffinityLabels.size(); ++code) {
    if (kAffinityLabels[code] == symbol) return static_cast<std::int32_t>(code);
  }
  return kAffNormal;
}

std::int32_t Clamp32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

constexpr std::size_t kSheetNumbers = 10;

// The quoted texts of a line, pair by pair: the first and second quote
// enclose the first text, the third and fourth the second, and so on.
std::vector<std::string_view> QuotedTexts(std::string_view line, std::size_t limit) {
  std::vector<std::string_view> texts;
  std::size_t from = 0;
  while (texts.size() < limit) {
    const std::size_t open = line.find('"', from);
    if (open == std::string_view::npos) break;
    const std::size_t close = line.find('"', open + 1);
    if (close == std::string_view::npos) break;
    texts.push_back(line.substr(open + 1, close - open - 1));
    from = close + 1;
  }
  return texts;
}

// s1 to s10: integers joined by commas; the reading stops at the first that
// is missing and leaves it and the rest at 0.
std::array<std::int32_t, kSheetNumbers> SheetNumbers(std::string_view line) {
  std::array<std::int32_t, kSheetNumbers> numbers{};
  for (std::size_t i = 0; i < kSheetNumbers; ++i) {
    const std::optional<std::int32_t> value = i == 0 ? TakeLeadingInt(line) : TakeCommaInt(line);
    if (!value) break;
    numbers[i] = *value;
  }
  return numbers;
}

// s x (6 x L + 180) / 100, cut toward zero. Computed wider than 32 bits and
// clamped to the 32-bit range, so a huge sheet value stays a huge value of
// its sign instead of wrapping around.
std::int32_t Scaled(std::int32_t s, std::int32_t scale) {
  const std::int64_t factor = 6 * std::int64_t{scale} + 180;  // below 2^35 in magnitude
  std::int64_t product;
  if (__builtin_mul_overflow(std::int64_t{s}, factor, &product)) {
    return (s < 0) != (factor < 0) ? std::numeric_limits<std::int32_t>::min()
                                   : std::numeric_limits<std::int32_t>::max();
  }
  return Clamp32(product / 100);
}

void ReadQvmForm(const Lines& lines, Defender& defender) {
  const std::int32_t scale = ParseLeadingInt(LineAt(lines, 9));
  std::array<std::int64_t, kSheetNumbers + 1> s{};  // s[1] to s[10], scaled
  const auto raw = SheetNumbers(LineAt(lines, 1));
  for (std::size_t i = 0; i < kSheetNumbers; ++i) s[i + 1] = Scaled(raw[i], scale);

  defender.melee_evasion = static_cast<std::int32_t>(s[4]);
  defender.ranged_evasion = static_cast<std::int32_t>(s[5]);
  defender.magic_evasion = static_cast<std::int32_t>(s[7]);
  defender.physical_defence = Clamp32(s[2] / 5 + scale);
  defender.magic_defence = Clamp32((s[6] + s[10] + scale) / 10);

  const auto name = QuotedTexts(LineAt(lines, 12), 1);
  if (!name.empty()) defender.name = std::string(name.front());

  const auto symbols = QuotedTexts(LineAt(lines, 13), kAffinityCount);
  if (symbols.empty()) return;
  for (std::size_t i = 0; i < kAffinityCount; ++i) {
    defender.affinities[i] = i < symbols.size() ? AffinityOf(symbols[i]) : kAffNormal;
  }
}

bool IsLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The first occurrence of `needle` that starts on a character boundary, so
// that the second byte of one character and the first of the next never
// pass for a label.
std::size_t FindText(std::string_view text, std::string_view needle) {
  for (std::size_t i = 0; i + needle.size() <= text.size(); i += IsLeadByte(text[i]) ? 2 : 1) {
    if (text.substr(i, needle.size()) == needle) return i;
  }
  return std::string_view::npos;
}

// The text after a label; empty when the label is missing.
std::optional<std::string_view> AfterLabel(std::string_view line, std::string_view label) {
  const std::size_t at = FindText(line, label);
  if (at == std::string_view::npos) return std::nullopt;
  return line.substr(at + label.size());
}

// The leading integer of the text after `label` up to `end`; 0 when the
// label or the end is missing.
std::int32_t NumberBefore(std::string_view line, std::string_view label, std::string_view end) {
  const auto text = AfterLabel(line, label);
  if (!text) return 0;
  const std::size_t stop = FindText(*text, end);
  return stop == std::string_view::npos ? 0 : ParseLeadingInt(text->substr(0, stop));
}

void ReadTextForm(const Lines& lines, Defender& defender) {
  if (const auto name = AfterLabel(LineAt(lines, 1), Cp932Text<"名称: ">())) {
    defender.name = std::string(*name);
  }

  const std::string_view evasions = LineAt(lines, 11);
  const std::string& percent = Cp932Text<"％">();
  defender.melee_evasion = NumberBefore(evasions, Cp932Text<"格闘回避: ">(), percent);
  defender.ranged_evasion = NumberBefore(evasions, Cp932Text<"射撃回避: ">(), percent);
  defender.magic_evasion = NumberBefore(evasions, Cp932Text<"魔法回避: ">(), percent);

  const std::string_view defences = LineAt(lines, 12);
  defender.physical_defence = NumberBefore(defences, Cp932Text<"物理防御点: ">(), "\t");
  const auto magic = AfterLabel(defences, Cp932Text<"魔法防御点: ">());
  defender.magic_defence = magic ? ParseLeadingInt(*magic) : 0;

  // Tokens between single blanks; two blanks in a row make an empty token.
  std::string_view symbols = LineAt(lines, 23);
  for (std::size_t i = 0; i < kAffinityCount; ++i) {
    const std::size_t blank = symbols.find(' ');
    defender.affinities[i] = AffinityOf(symbols.substr(0, blank));
    symbols = blank == std::string_view::npos ? std::string_view() : symbols.substr(blank + 1);
  }
}

}  // namespace

bool IsQvmSheet(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  return dot != std::string::npos && path.compare(dot + 1, std::string::npos, "qvm") == 0;
}

void ReadMonsterSheet(std::string_view file_bytes, bool qvm_form, Defender& defender) {
  const Lines lines = SplitLines(file_bytes, kMonsterSheetLines);
  if (qvm_form) {
    ReadQvmForm(lines, defender);
  } else {
    ReadTextForm(lines, defender);
  }
}

std::optional<FileError> ImportMonsterSheet(const std::string& path, Defender& defender) {
  const ReadResult file = ReadFileBytes(path, kMonsterSheetLines);
  if (!file.error) ReadMonsterSheet(file.bytes, IsQvmSheet(path), defender);
  return file.error;
}

}  // namespace zelmora
