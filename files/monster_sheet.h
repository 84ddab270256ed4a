#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/records.h"
#include "files/file_io.h"

// Monster sheets fill one defender: the comma-separated .qvm form, or the
// labelled text form for every other extension.
//
// What a sheet lacks is defined without regard to any earlier read: a
// missing number or label gives 0, a missing affinity gives "○" (0). Only a
// sheet that names no name (no quoted name on .qvm line 12, no "名称: " on
// text line 1) keeps the record's name, and a .qvm line 13 without a single
// quoted text keeps the record's affinities.
namespace zelmora {

inline constexpr std::size_t kMonsterSheetLines = 24;

// True when the extension (after the last dot) is exactly "qvm".
bool IsQvmSheet(const std::string& path);

// Sets the name, the five evasion and defence values and the eleven
// affinities of `defender` from the first 24 lines of a sheet.
void ReadMonsterSheet(std::string_view file_bytes, bool qvm_form, Defender& defender);

// Reads the sheet at `path` in the form its extension selects, only as far
// as its 24 lines. A file that cannot be read leaves `defender` as it was.
std::optional<FileError> ImportMonsterSheet(const std::string& path, Defender& defender);

}  // namespace zelmora
