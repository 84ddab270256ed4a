#include "files/roster_file.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#include "engine/text.h"
#include "files/cp932.h"
#include "files/lines.h"
#include "files/released_pages.h"

namespace zelmora {
namespace {

constexpr char kAttackerLetter = 'P';
constexpr char kDefenderLetter = 'M';
constexpr std::string_view kLineEnd = "\r\n";

// The line integers of each record, in line order; const or not as the
// record is.
template <class A>
auto AttackerFields(A& a) {
  // The evasion kind came last, after the lines of older versions: their
  // readers stop after the auto-trigger flag, and their lines leave it be.
  return std::array{&a.judgment_value, &a.dice_count,    &a.damage_bonus,
                    &a.judgment_kind,  &a.defence_flags, &a.attack_attribute,
                    &a.attack_count,   &a.auto_trigger,  &a.evasion_kind};
}

template <class D>
auto DefenderFields(D& d) {
  std::array<decltype(&d.melee_evasion), 5 + kAffinityCount> fields{
      &d.melee_evasion, &d.ranged_evasion, &d.magic_evasion, &d.physical_defence, &d.magic_defence};
  for (int i = 0; i < kAffinityCount; ++i) fields[5 + i] = &d.affinities[i];
  return fields;
}

auto Fields(Attacker& a) { return AttackerFields(a); }
auto Fields(const Attacker& a) { return AttackerFields(a); }
auto Fields(Defender& d) { return DefenderFields(d); }
auto Fields(const Defender& d) { return DefenderFields(d); }

// The name as it stands between the quotes of a line. Neither a quote nor a
// line end can be the second byte of a two-byte character, so the bytes are
// safe to look at one by one.
void AppendQuotedName(std::string& line, std::string_view name) {
  line += '"';
  for (const char c : name) {
    if (c == '"') {
      line += "\"\"";
    } else {
      line += c == '\r' || c == '\n' ? ' ' : c;
    }
  }
  line += '"';
}

template <class Record>
std::string LineOf(char letter, const Record& record, int slot) {
  std::string line(1, letter);
  line += ',';
  line += FormatInt(slot);
  line += ',';
  AppendQuotedName(line, record.name);
  for (const std::int32_t* field : Fields(record)) {
    line += ',';
    line += FormatInt(*field);
  }
  return line;
}

// The name as it stands between the first quote and its closing quote,
// doubled quotes still doubled; `rest` becomes the text after the closing
// quote. Empty when the name is not closed.
std::optional<std::string_view> QuotedName(std::string_view line, std::string_view& rest) {
  const std::size_t open = line.find('"');
  if (open == std::string_view::npos) return std::nullopt;
  for (std::size_t i = open + 1;;) {
    const std::size_t quote = line.find('"', i);
    if (quote == std::string_view::npos) return std::nullopt;
    if (quote + 1 < line.size() && line[quote + 1] == '"') {
      i = quote + 2;
      continue;
    }
    rest = line.substr(quote + 1);
    return line.substr(open + 1, quote - open - 1);
  }
}

// A quoted name with each doubled quote taken as one, written from `to`
// on; `to` may be the name's own first byte or any before it, since the
// name only shrinks. Returns its length.
std::size_t Unquote(std::string_view quoted, char* to) {
  std::size_t length = 0;
  while (!quoted.empty()) {
    const std::size_t quote = quoted.find('"');
    const std::size_t run = quote == std::string_view::npos ? quoted.size() : quote + 1;
    std::memmove(to + length, quoted.data(), run);
    length += run;
    quoted.remove_prefix(std::min(quoted.size(), run + (quote == std::string_view::npos ? 0 : 1)));
  }
  return length;
}

std::string Unquoted(std::string_view quoted) {
  std::string name(quoted.size(), '\0');
  name.resize(Unquote(quoted, name.data()));
  return name;
}

// Reads one line into its record; `take_name` is given the record and its
// quoted name.
template <class Record, class TakeName>
void ReadLineWith(std::string_view line, Record& record, const TakeName& take_name) {
  std::string_view rest;
  const std::optional<std::string_view> quoted = QuotedName(line, rest);
  if (!quoted) return;
  take_name(record, *quoted);
  for (std::int32_t* field : Fields(record)) {
    const std::optional<std::int32_t> value = TakeCommaInt(rest);
    if (!value) return;
    *field = *value;
  }
}

template <class Record>
void ReadLine(std::string_view line, Record& record) {
  ReadLineWith(line, record, [](Record& r, std::string_view quoted) { r.name = Unquoted(quoted); });
}

// The slot a line names after its letter and comma, or 0.
int SlotOf(std::string_view line) {
  if (line.size() < 2 || line[1] != ',') return 0;
  return ParseLeadingInt(line.substr(2));
}

// The record a line selects among the targets, or null.
template <class Record>
Record* Selected(std::string_view line, char letter, std::array<Record, Encounter::kSlots>* slots) {
  const int slot = SlotOf(line);
  if (slots == nullptr || line.front() != letter || slot < 1 || slot > Encounter::kSlots) {
    return nullptr;
  }
  return &(*slots)[static_cast<std::size_t>(slot - 1)];
}

bool HasRosterLine(std::string_view file_bytes, const RosterTargets& targets) {
  while (!file_bytes.empty()) {
    const std::string_view line = TakeLine(file_bytes);
    if (line.empty()) continue;
    if (Selected(line, kAttackerLetter, targets.attackers) ||
        Selected(line, kDefenderLetter, targets.defenders)) {
      return true;
    }
  }
  return false;
}

// How a file is read: as code page 932 when it is valid code page 932 as it
// is, else as UTF-8 when it is valid UTF-8, after its byte-order mark if it
// has one (`mark`, its length).
struct Encoding {
  bool utf8 = false;
  std::size_t mark = 0;
};

Encoding EncodingOf(std::string_view file_bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (file_bytes.starts_with(kByteOrderMark) && IsUtf8Text(file_bytes)) {
    return {true, kByteOrderMark.size()};
  }
  return {!IsCp932Text(file_bytes) && IsUtf8Text(file_bytes), 0};
}

// The bytes as code page 932, a UTF-8 file converted.
RosterRead Decode(std::string_view file_bytes, std::string& cp932) {
  RosterRead read;
  const Encoding encoding = EncodingOf(file_bytes);
  if (!encoding.utf8) {
    cp932 = file_bytes;
    return read;
  }
  file_bytes.remove_prefix(encoding.mark);
  read.read_as_utf8 = true;
  if (std::optional<std::string> converted = Cp932FromUtf8(file_bytes)) {
    cp932 = std::move(*converted);
  } else {
    read.unholdable = FirstUnholdable(file_bytes);
    read.refusal = UnholdableReason(read.unholdable);
  }
  return read;
}

RosterRead ReadRosterFile(std::string_view file_bytes, const RosterTargets& targets) {
  std::string cp932;
  RosterRead read = Decode(file_bytes, cp932);
  if (read.refusal) return read;
  if (!HasRosterLine(cp932, targets)) {
    read.refusal = kNoRosterLine;
    return read;
  }
  ReadRoster(cp932, targets);
  return read;
}

// Every usable line of the file applied in file order, each name given to
// `take_name` (see ReadLineWith). Line by line, without a list of all lines:
// a file of blank lines would need far more memory for the list than for
// its bytes.
template <class TakeName>
void ReadRosterWith(std::string_view file_bytes, const RosterTargets& targets,
                    const TakeName& take_name) {
  while (!file_bytes.empty()) {
    const std::string_view line = TakeLine(file_bytes);
    if (line.empty()) continue;
    if (Attacker* a = Selected(line, kAttackerLetter, targets.attackers)) {
      ReadLineWith(line, *a, take_name);
    }
    if (Defender* d = Selected(line, kDefenderLetter, targets.defenders)) {
      ReadLineWith(line, *d, take_name);
    }
  }
}

// A UTF-8 file converted to code page 932 in its own bytes: no character
// takes more bytes in code page 932 than in UTF-8, so the converted text
// never overtakes the part still to read. False, with the first character
// the code page cannot hold, when one is found; the bytes are then spoilt.
bool ConvertInPlace(std::string& bytes, std::string& unholdable) {
  constexpr std::size_t kPiece = 4096;
  std::size_t read = 0;
  std::size_t written = 0;
  while (read < bytes.size()) {
    // A piece ends before a byte that starts a character, so none is cut.
    std::size_t end = std::min(bytes.size(), read + kPiece);
    while (end < bytes.size() && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) ++end;
    const std::string_view piece(bytes.data() + read, end - read);
    const std::optional<std::string> converted = Cp932FromUtf8(piece);
    if (!converted) {
      unholdable = FirstUnholdable(piece);
      return false;
    }
    std::memcpy(bytes.data() + written, converted->data(), converted->size());
    written += converted->size();
    read = end;
  }
  bytes.resize(written);
  return true;
}

// Load all from file bytes that are no longer needed: the names are taken
// out of the bytes themselves rather than copied beside them, and the
// longest keeps the bytes' own memory, so that loading a huge name takes
// little more memory than the file.
RosterRead LoadAllInPlace(std::string&& bytes, Encounter& encounter) {
  RosterRead read;
  const Encoding encoding = EncodingOf(bytes);
  if (encoding.utf8) {
    read.read_as_utf8 = true;
    bytes.erase(0, encoding.mark);
    if (!ConvertInPlace(bytes, read.unholdable)) {
      read.refusal = UnholdableReason(read.unholdable);
      return read;
    }
  }
  const RosterTargets targets{&encounter.attackers(), &encounter.defenders()};
  if (!HasRosterLine(bytes, targets)) {
    read.refusal = kNoRosterLine;
    return read;
  }

  // Where each record's last name stands in the bytes.
  struct Taken {
    std::string* name;
    std::size_t start;
    std::size_t length;
  };
  std::vector<Taken> taken;
  const char* base = bytes.data();
  ReadRosterWith(bytes, targets, [&](auto& record, std::string_view quoted) {
    const auto found = std::find_if(taken.begin(), taken.end(),
                                    [&](const Taken& t) { return t.name == &record.name; });
    const Taken name{&record.name, static_cast<std::size_t>(quoted.data() - base), quoted.size()};
    if (found == taken.end()) {
      taken.push_back(name);
    } else {
      *found = name;
    }
  });
  if (taken.empty()) return read;

  // Every name but the longest is copied out, and the bytes it stood in
  // given back: from the end of the file down to the longest, then the
  // rest. The longest is then unquoted to the front of the bytes and keeps
  // them; at no time is much more than the file held.
  std::sort(taken.begin(), taken.end(),
            [](const Taken& a, const Taken& b) { return a.start < b.start; });
  const auto longest =
      std::max_element(taken.begin(), taken.end(),
                       [](const Taken& a, const Taken& b) { return a.length < b.length; });
  char* const data = bytes.data();
  const auto copy_out = [&](const Taken& t, char* dead_end) {
    *t.name = Unquoted(std::string_view(data + t.start, t.length));
    ReleasePages(data + t.start, dead_end);
  };
  char* dead_end = data + bytes.size();
  for (auto t = taken.end(); --t != longest;) {
    copy_out(*t, dead_end);
    dead_end = data + t->start;
  }
  for (auto t = taken.begin(); t != longest; ++t) copy_out(*t, data + t->start + t->length);
  const std::size_t length =
      Unquote(std::string_view(data + longest->start, longest->length), data);
  ReleasePages(data + length, data + bytes.size());
  bytes.resize(length);
  *longest->name = std::move(bytes);
  return read;
}

}  // namespace

std::string AttackerLine(const Attacker& attacker, int slot) {
  return LineOf(kAttackerLetter, attacker, slot);
}

std::string DefenderLine(const Defender& defender, int slot) {
  return LineOf(kDefenderLetter, defender, slot);
}

void ReadAttackerLine(std::string_view line, Attacker& attacker) { ReadLine(line, attacker); }
void ReadDefenderLine(std::string_view line, Defender& defender) { ReadLine(line, defender); }

void ReadRoster(std::string_view file_bytes, const RosterTargets& targets) {
  ReadRosterWith(file_bytes, targets,
                 [](auto& record, std::string_view quoted) { record.name = Unquoted(quoted); });
}

template <class Record>
std::array<Record, Encounter::kSlots> ReadOneSide(std::string_view file_bytes) {
  std::array<Record, Encounter::kSlots> slots{};
  RosterTargets targets;
  if constexpr (std::is_same_v<Record, Attacker>) {
    targets.attackers = &slots;
  } else {
    targets.defenders = &slots;
  }
  ReadRosterFile(file_bytes, targets);
  return slots;
}

template AttackerSlots ReadOneSide<Attacker>(std::string_view);
template DefenderSlots ReadOneSide<Defender>(std::string_view);

std::string SaveAllBytes(const Encounter& encounter) {
  std::string bytes;
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    bytes += AttackerLine(encounter.attacker(slot), slot);
    bytes += kLineEnd;
  }
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    bytes += DefenderLine(encounter.defender(slot), slot);
    bytes += kLineEnd;
  }
  return bytes;
}

RosterRead LoadAllBytes(std::string_view file_bytes, Encounter& encounter) {
  return ReadRosterFile(file_bytes, {&encounter.attackers(), &encounter.defenders()});
}

std::string SaveOneBytes(const Attacker& attacker, int slot) {
  return AttackerLine(attacker, slot) + std::string(kLineEnd);
}

std::string SaveOneBytes(const Defender& defender, int slot) {
  return DefenderLine(defender, slot) + std::string(kLineEnd);
}

std::optional<FileError> SaveAll(const std::string& path, const Encounter& encounter) {
  return WriteFileSafely(path, SaveAllBytes(encounter));
}

RosterLoad LoadAll(const std::string& path, Encounter& encounter) {
  ReadResult file = ReadFileBytes(path);
  if (file.error) return {file.error};
  const RosterRead read = LoadAllInPlace(std::move(file.bytes), encounter);
  if (read.refusal) return {FileError{path, *read.refusal}};
  return {std::nullopt, read.read_as_utf8};
}

}  // namespace zelmora
