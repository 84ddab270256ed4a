#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/encounter.h"
#include "engine/records.h"
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
// of that side's letter. Instantiated for Attacker and Defender.
template <class Record>
std::array<Record, Encounter::kSlots> ReadOneSide(std::string_view file_bytes);
extern template AttackerSlots ReadOneSide<Attacker>(std::string_view);
extern template DefenderSlots ReadOneSide<Defender>(std::string_view);

// The ten lines of save all, each ending with CR LF.
std::string SaveAllBytes(const Encounter& encounter);
// Load all: both sides of the encounter, in file order; attackers' evasion
// kinds stay. The caller then refreshes and recalculates.
void LoadAllBytes(std::string_view file_bytes, Encounter& encounter);

// One line and CR LF: the file save one writes.
std::string SaveOneBytes(const Attacker& attacker, int slot);
std::string SaveOneBytes(const Defender& defender, int slot);

// The same through a file. A file that cannot be read changes nothing.
std::optional<FileError> SaveAll(const std::string& path, const Encounter& encounter);
std::optional<FileError> LoadAll(const std::string& path, Encounter& encounter);

}  // namespace zelmora
