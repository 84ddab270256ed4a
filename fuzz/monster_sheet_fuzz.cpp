// Any bytes as a monster sheet, in both forms, over a record that already
// holds values: the numbers must not depend on them. (A .qvm sheet without a
// name or affinity line keeps those, as the user expects of a partial sheet.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/monster_sheet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmora;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (bool qvm_form : {false, true}) {
    Defender fresh;
    ReadMonsterSheet(bytes, qvm_form, fresh);
    Defender used;
    used.melee_evasion = used.ranged_evasion = used.magic_evasion = 77;
    used.physical_defence = used.magic_defence = -77;
    used.affinities.fill(5);
    ReadMonsterSheet(bytes, qvm_form, used);
    used.name = fresh.name;
    if (qvm_form) used.affinities = fresh.affinities;
    if (!(used == fresh)) std::abort();
  }
  return 0;
}
