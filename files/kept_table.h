#pragma once

#include <string>
#include <string_view>

#include "engine/encounter.h"

// The table the program keeps for the user between runs: the ten records as
// roster lines, then one closing line with what a roster does not carry (the
// eight shown modifiers) and the five evasion kinds again, the format's version and
// a checksum of everything before it. A table that belongs to a roster has
// one more line before the closing one, naming the roster and whether the
// table was saved there as it stands; a reader that does not know the line
// skips it, as a roster reader does. A roster reader skips the closing line,
// so the file also loads as a roster. Being one file written in one piece, it
// can never hold the records of one moment and the settings of another.
namespace zelmora {

// The roster a kept table belongs to: its path as the file layer holds it
// (empty for none), and whether the table was saved there as it stands.
struct KeptRoster {
  std::string path;
  bool saved = false;

  bool operator==(const KeptRoster&) const = default;
};

std::string KeptTableBytes(const Encounter& encounter, const KeptRoster& roster = {});

enum class KeptTableProblem {
  kNone,
  kDamaged,       // truncated, altered or not a kept table at all
  kOtherVersion,  // written by a version of the program that keeps it differently
};

// Replaces every record, evasion kind and modifier of `encounter` with the
// kept ones, and `roster` (when given) with the roster the table belongs
// to; results are left for the caller to recalculate. On a problem neither
// is changed.
KeptTableProblem ReadKeptTable(std::string_view bytes, Encounter& encounter,
                               KeptRoster* roster = nullptr);

}  // namespace zelmora
