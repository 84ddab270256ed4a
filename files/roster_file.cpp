#include "files/roster_file.h"

#include <type_traits>

#include "engine/text.h"
#include "files/cp932.h"
#include "files/lines.h"

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

// The name from the first quote to its closing quote, a doubled quote taken
// as one; `rest` becomes the text after the closing quote. Empty when the
// name is not closed.
std::optional<std::string> ReadName(std::string_view line, std::string_view& rest) {
  const std::size_t open = line.find('"');
  if (open == std::string_view::npos) return std::nullopt;
  std::string name;
  std::size_t i = open + 1;
  for (;;) {
    const std::size_t quote = line.find('"', i);
    if (quote == std::string_view::npos) return std::nullopt;
    name.append(line.substr(i, quote - i));
    if (quote + 1 < line.size() && line[quote + 1] == '"') {
      name += '"';
      i = quote + 2;
      continue;
    }
    rest = line.substr(quote + 1);
    return name;
  }
}

template <class Record>
void ReadLine(std::string_view line, Record& record) {
  std::string_view rest;
  std::optional<std::string> name = ReadName(line, rest);
  if (!name) return;
  record.name = std::move(*name);
  for (std::int32_t* field : Fields(record)) {
    const std::optional<std::int32_t> value = TakeCommaInt(rest);
    if (!value) return;
    *field = *value;
  }
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

// The bytes as code page 932: a file that is valid code page 932 as it is,
// else one that is valid UTF-8 (a byte-order mark dropped) converted.
RosterRead Decode(std::string_view file_bytes, std::string& cp932) {
  RosterRead read;
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const bool marked = file_bytes.starts_with(kByteOrderMark) && IsUtf8Text(file_bytes);
  if (!marked && (IsCp932Text(file_bytes) || !IsUtf8Text(file_bytes))) {
    cp932 = file_bytes;
    return read;
  }
  if (marked) file_bytes.remove_prefix(kByteOrderMark.size());
  read.read_as_utf8 = true;
  if (std::optional<std::string> converted = Cp932FromUtf8(file_bytes)) {
    cp932 = std::move(*converted);
  } else {
    read.unholdable = FirstUnholdable(file_bytes);
    read.refusal = "「" + read.unholdable + "」はシフトJISにない文字です";
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
  // Line by line, without a list of all lines: a file of blank lines would
  // need far more memory for the list than for its bytes.
  while (!file_bytes.empty()) {
    const std::string_view line = TakeLine(file_bytes);
    if (line.empty()) continue;
    if (Attacker* a = Selected(line, kAttackerLetter, targets.attackers)) ReadLine(line, *a);
    if (Defender* d = Selected(line, kDefenderLetter, targets.defenders)) ReadLine(line, *d);
  }
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
  const ReadResult file = ReadFileBytes(path);
  if (file.error) return {file.error};
  const RosterRead read = LoadAllBytes(file.bytes, encounter);
  if (read.refusal) return {FileError{path, *read.refusal}};
  return {std::nullopt, read.read_as_utf8};
}

}  // namespace zelmora
