#pragma once

#include <string>
#include <string_view>

#include "records.h"

// Monster sheets fill one defender: the comma-separated .qvm form, or the
// labelled text form for every other extension.
namespace zelmora {

// True when the extension (after the last dot) is exactly "qvm".
bool IsQvmSheet(const std::string& path);

// Sets the name, the five evasion and defence values and the eleven
// affinities of `defender` from the first 24 lines of a sheet.
void ReadMonsterSheet(std::string_view file_bytes, bool qvm_form, Defender& defender);

}  // namespace zelmora
