// Any bytes as a roster file: load all, load one of either side, and the
// saved file of what was loaded must load back to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/roster_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmora;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  Encounter loaded;
  LoadAllBytes(bytes, loaded);
  ReadOneSide<Attacker>(bytes);
  ReadOneSide<Defender>(bytes);

  const std::string saved = SaveAllBytes(loaded);
  Encounter reloaded;
  LoadAllBytes(saved, reloaded);
  if (SaveAllBytes(reloaded) != saved) std::abort();
  return 0;
}
