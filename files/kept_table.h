#pragma once

#include <string>
#include <string_view>

#include "engine/encounter.h"

// The table the program keeps for the user between runs: the ten records as
// roster lines, then one closing line with what a roster does not carry (the
// eight shown modifiers) and the five evasion kinds again, the format's version and
// a checksum of everything before it. A roster reader skips the closing line,
// so the file also loads as a roster. Being one file written in one piece, it
// can never hold the records of one moment and the settings of another.
namespace zelmora {

std::string KeptTableBytes(const Encounter& encounter);

enum class KeptTableProblem {
  kNone,
  kDamaged,       // truncated, altered or not a kept table at all
  kOtherVersion,  // written by a version of the program that keeps it differently
};

// Replaces every record, evasion kind and modifier of `encounter` with the
// kept ones; results are left for the caller to recalculate. On a problem
// the encounter is unchanged.
KeptTableProblem ReadKeptTable(std::string_view bytes, Encounter& encounter);

}  // namespace zelmora
