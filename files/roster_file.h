#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/encounter.h"
#include "engine/records.h"
#include "files/error_reason.h"
#include "files/file_io.h"

// The roster file: one line per attacker ("P") or defender ("M") with the
// slot it belongs to, code page 932, CR LF.
namespace zelmora {

using AttackerSlots = std::array<Attacker, Encounter::kSlots>;
using DefenderSlots = std::array<Defender, Encounter::kSlots>;

// One line without its line end. A double quote inside the name is doubled
// and a CR or LF in it is written as a blank.
std::string AttackerLine(const Attacker& attacker, int slot);
std::string DefenderLine(const Defender& defender, int slot);

// Overwrites the fields a line supplies; the others keep their values. A
// doubled quote inside the name reads as one quote.
void ReadAttackerLine(std::string_view line, Attacker& attacker);
void ReadDefenderLine(std::string_view line, Defender& defender);

// The targets of the file reading procedure: a side left null is not read.
struct RosterTargets {
  AttackerSlots* attackers = nullptr;  // letter "P"
  DefenderSlots* defenders = nullptr;  // letter "M"
};

// Applies every usable line of a file, in file order, to the record its
// letter and slot select; every other line is skipped without a trace.
void ReadRoster(std::string_view file_bytes, const RosterTargets& targets);

// Load one: five default records of one side, filled from the file's lines
// of that side's letter (a UTF-8 file converted as by load all; a refused
// file fills nothing). Instantiated for Attacker and Defender.
template <class Record>
std::array<Record, Encounter::kSlots> ReadOneSide(std::string_view file_bytes);
extern template AttackerSlots ReadOneSide<Attacker>(std::string_view);
extern template DefenderSlots ReadOneSide<Defender>(std::string_view);

// The ten lines of save all, each ending with CR LF.
std::string SaveAllBytes(const Encounter& encounter);

// What reading a file as a roster came to. A file is read as code page 932,
// or as UTF-8 when it is valid UTF-8 and not valid code page 932 (a text
// editor's roster); its names are then converted to code page 932.
struct RosterRead {
  // Why the file was refused, in words; nothing was changed. Empty when read.
  std::optional<std::string> refusal;
  bool read_as_utf8 = false;
  // The first character of a UTF-8 file that code page 932 cannot hold,
  // when that was the refusal.
  std::string unholdable;
};

// The refusal of a file in which no line selects a record.
inline constexpr std::string_view kNoRosterLine = kNoRosterLineReason;

// Load all: both sides of the encounter, in file order; an attacker line
// without an evasion kind leaves it as it was. A file with no line for a
// record, or with a character code page 932 cannot hold, changes nothing.
// The caller then refreshes and recalculates.
RosterRead LoadAllBytes(std::string_view file_bytes, Encounter& encounter);

// One line and CR LF: the file save one writes.
std::string SaveOneBytes(const Attacker& attacker, int slot);
std::string SaveOneBytes(const Defender& defender, int slot);

// The same through a file. A file that cannot be read, or is refused as a
// roster, changes nothing; the error then carries the refusal as its reason.
struct RosterLoad {
  std::optional<FileError> error;
  bool read_as_utf8 = false;
};
std::optional<FileError> SaveAll(const std::string& path, const Encounter& encounter);
RosterLoad LoadAll(const std::string& path, Encounter& encounter);

}  // namespace zelmora
