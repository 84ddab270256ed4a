#pragma once

#include <string>

#include "engine/encounter.h"
#include "files/byte_sink.h"

namespace zelmora {

// The version of the JSON document's layout; it grows when a key changes
// meaning or goes away (new keys may appear within a version).
inline constexpr int kJsonFormatVersion = 1;

// The records, modifiers, evasion kinds and stored results of an encounter
// as one UTF-8 JSON document, for scripts: nothing is recalculated except
// the raw roll chances of each pairing's detail, which the results do not
// keep. The README describes the keys.
std::string JsonExport(const Encounter& encounter);
void WriteJsonExport(const Encounter& encounter, ByteSink& sink);

}  // namespace zelmora
