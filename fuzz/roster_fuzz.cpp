// Any bytes as a roster file: load all, load one of either side, and the
// saved file of what was loaded must load back to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/cp932.h"
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
  // A file that is neither code page 932 nor UTF-8 is read byte for byte;
  // its saved names may then read as UTF-8 holding a character code page
  // 932 cannot, which the reader refuses whole rather than guess at. Any
  // other refusal or change is a fault.
  if (LoadAllBytes(saved, reloaded).refusal) {
    if (IsCp932Text(saved) || !IsUtf8Text(saved)) std::abort();
    return 0;
  }
  if (SaveAllBytes(reloaded) != saved) std::abort();
  return 0;
}
