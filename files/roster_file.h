#pragma once

#include <span>
#include <string>
#include <string_view>

#include "encounter.h"
#include "records.h"

// The roster file: one line per attacker ("P") or defender ("M") with the
// slot it belongs to, code page 932, CR LF.
namespace zelmora {

// One line without its line end. A double quote inside the name is doubled
// and a CR or LF in it is written as a blank.
std::string AttackerLine(const Attacker& attacker, int slot);
std::string DefenderLine(const Defender& defender, int slot);

// Overwrites the fields a line supplies; the others keep their values.
void ReadAttackerLine(std::string_view line, Attacker& attacker);
void ReadDefenderLine(std::string_view line, Defender& defender);

// The targets of the file reading procedure: either side may be absent.
struct RosterTargets {
  std::span<Attacker, Encounter::kSlots> attackers{};  // letter "P"
  std::span<Defender, Encounter::kSlots> defenders{};  // letter "M"
  bool read_attackers = false;
  bool read_defenders = false;
};

// Applies every usable line of a file to the record its letter and slot
// select; every other line is skipped without a trace.
void ReadRoster(std::string_view file_bytes, const RosterTargets& targets);

// The ten lines of save all, each ending with CR LF.
std::string SaveAllBytes(const Encounter& encounter);
// Load all: both sides of the encounter, in file order. The caller then
// recalculates.
void LoadAllBytes(std::string_view file_bytes, Encounter& encounter);

// One line and CR LF: the file save one writes.
std::string SaveOneBytes(const Attacker& attacker, int slot);
std::string SaveOneBytes(const Defender& defender, int slot);

}  // namespace zelmora
