#include "files/kept_table.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

#include "engine/text.h"
#include "files/roster_file.h"

namespace zelmora {
namespace {

// The closing line: "#zelmora-kept-table VERSION MODIFIERS EVASION CHECKSUM".
// The checksum covers every byte before it, the roster lines included.
constexpr std::string_view kMark = "#zelmora-kept-table ";
// "#zelmora-kept-roster saved|modified PATH", the path's bytes in hex so that
// any name fits on one line.
constexpr std::string_view kRosterMark = "#zelmora-kept-roster ";
constexpr std::string_view kSaved = "saved";
constexpr std::string_view kModified = "modified";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kChecksumDigits = 16;

// 64-bit FNV-1a: enough to tell a damaged file from a whole one.
std::uint64_t Checksum(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3u;
  }
  return hash;
}

std::string Hex(std::uint64_t value) {
  std::string text(kChecksumDigits, '0');
  for (std::size_t i = kChecksumDigits; i-- > 0; value >>= 4) {
    text[i] = "0123456789abcdef"[value & 0xf];
  }
  return text;
}

template <std::size_t N>
std::string CommaList(const std::array<std::int32_t, N>& values) {
  std::string text;
  for (const std::int32_t value : values) {
    if (!text.empty()) text += ',';
    text += FormatInt(value);
  }
  return text;
}

// Exactly N comma-separated integers, nothing else.
template <std::size_t N>
std::optional<std::array<std::int32_t, N>> ParseCommaList(std::string_view text) {
  std::array<std::int32_t, N> values{};
  const char* at = text.data();
  const char* const end = text.data() + text.size();
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) {
      if (at == end || *at != ',') return std::nullopt;
      ++at;
    }
    const auto [stop, error] = std::from_chars(at, end, values[i]);
    if (error != std::errc()) return std::nullopt;
    at = stop;
  }
  if (at != end) return std::nullopt;
  return values;
}

std::string_view TakeWord(std::string_view& text);

std::string HexBytes(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text += "0123456789abcdef"[byte >> 4];
    text += "0123456789abcdef"[byte & 0xf];
  }
  return text;
}

std::optional<std::string> BytesOfHex(std::string_view text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    unsigned value = 0;
    const auto [stop, error] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
    if (error != std::errc() || stop != text.data() + i + 2) return std::nullopt;
    bytes += static_cast<char>(value);
  }
  return bytes;
}

// The roster line, if `records` (everything before the closing line) ends
// with one; nullopt when it is there but malformed.
std::optional<KeptRoster> RosterOf(std::string_view records) {
  if (!records.ends_with(kLineEnd)) return KeptRoster{};
  const std::string_view body = records.substr(0, records.size() - kLineEnd.size());
  const std::size_t newline = body.rfind('\n');
  std::string_view line = newline == std::string_view::npos ? body : body.substr(newline + 1);
  if (!line.starts_with(kRosterMark)) return KeptRoster{};
  line.remove_prefix(kRosterMark.size());
  const std::string_view saved = TakeWord(line);
  if (saved != kSaved && saved != kModified) return std::nullopt;
  auto path = BytesOfHex(line);
  if (!path || path->empty()) return std::nullopt;
  return KeptRoster{std::move(*path), saved == kSaved};
}

// Cuts the next blank-separated word off the front of `text`.
std::string_view TakeWord(std::string_view& text) {
  const std::size_t blank = text.find(' ');
  const std::string_view word = text.substr(0, blank);
  text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
  return word;
}

}  // namespace

std::string KeptTableBytes(const Encounter& encounter, const KeptRoster& roster) {
  std::string bytes = SaveAllBytes(encounter);
  if (!roster.path.empty()) {
    bytes += kRosterMark;
    bytes += roster.saved ? kSaved : kModified;
    bytes += ' ';
    bytes += HexBytes(roster.path);
    bytes += kLineEnd;
  }
  bytes += kMark;
  bytes += kVersion;
  bytes += ' ';
  bytes += CommaList(ShowModifiers(encounter.modifiers()));
  bytes += ' ';
  bytes += CommaList(EvasionKindsOf(encounter));
  bytes += ' ';
  bytes += Hex(Checksum(bytes));
  bytes += kLineEnd;
  return bytes;
}

KeptTableProblem ReadKeptTable(std::string_view bytes, Encounter& encounter, KeptRoster* roster) {
  if (bytes.size() < kChecksumDigits + kLineEnd.size() || !bytes.ends_with(kLineEnd)) {
    return KeptTableProblem::kDamaged;
  }
  const std::string_view checked =
      bytes.substr(0, bytes.size() - kChecksumDigits - kLineEnd.size());
  const std::string_view checksum = bytes.substr(checked.size(), kChecksumDigits);
  const std::size_t mark = checked.rfind(kMark);
  if (mark == std::string_view::npos || (mark > 0 && checked[mark - 1] != '\n')) {
    return KeptTableProblem::kDamaged;
  }
  std::string_view closing = checked.substr(mark + kMark.size());
  // A later version may change the closing line but keeps its version, a
  // plain number, first.
  const std::string_view version = TakeWord(closing);
  if (version != kVersion) {
    const bool number =
        !version.empty() && version.find_first_not_of("0123456789") == std::string_view::npos;
    return number ? KeptTableProblem::kOtherVersion : KeptTableProblem::kDamaged;
  }
  if (checksum != Hex(Checksum(checked))) return KeptTableProblem::kDamaged;
  const auto shown = ParseCommaList<8>(TakeWord(closing));
  const auto kinds = ParseCommaList<Encounter::kSlots>(TakeWord(closing));
  if (!shown || !kinds || !closing.empty()) return KeptTableProblem::kDamaged;
  auto kept_roster = RosterOf(checked.substr(0, mark));
  if (!kept_roster) return KeptTableProblem::kDamaged;

  Encounter kept;
  // The program's own bytes: never taken for a text editor's UTF-8.
  ReadRoster(checked.substr(0, mark), {&kept.attackers(), &kept.defenders()});
  SetEvasionKinds(kept, *kinds);
  kept.modifiers() = ModifiersFromShown(*shown);
  encounter.attackers() = kept.attackers();
  encounter.defenders() = kept.defenders();
  encounter.modifiers() = kept.modifiers();
  if (roster) *roster = std::move(*kept_roster);
  return KeptTableProblem::kNone;
}

}  // namespace zelmora
