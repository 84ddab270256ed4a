// Any bytes as a roster file: load all, load one of either side, and the
// saved file of what was loaded must load back to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "files/cp932.h"
#include "files/roster_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmora;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // The code page's table both ways: text of the code page decodes to
  // characters that all encode again and decode the same; any text decoded
  // a piece at a time reads as decoded whole.
  const std::string decoded = Utf8FromCp932(bytes);
  if (IsCp932Text(bytes)) {
    const std::optional<std::string> encoded = Cp932FromUtf8(decoded);
    if (!encoded || Utf8FromCp932(*encoded) != decoded) std::abort();
  }
  std::string pieces;
  bool whole = true;
  for (std::string_view rest = bytes; !rest.empty();) {
    rest.remove_prefix(AppendUtf8FromCp932Prefix(rest, 1 + rest.size() % 7, pieces, whole));
  }
  if (pieces != decoded || whole != IsCp932Text(bytes)) std::abort();

  Encounter loaded;
  LoadAllBytes(bytes, loaded);
  ReadOneSide<Attacker>(bytes);
  ReadOneSide<Defender>(bytes);

  const std::string saved = SaveAllBytes(loaded);
  Encounter reloaded;
  const RosterRead again = LoadAllBytes(saved, reloaded);
  if (again.read_as_utf8) {
    // A file that is neither code page 932 nor UTF-8 is read byte for byte;
    // its saved names may then read as UTF-8: converted, or refused whole
    // for a character code page 932 cannot hold. Only such a file may, and
    // what is saved from that reading is stable.
    if (IsCp932Text(saved) || !IsUtf8Text(saved)) std::abort();
    if (again.refusal) return 0;
    const std::string resaved = SaveAllBytes(reloaded);
    Encounter third;
    if (LoadAllBytes(resaved, third).refusal || SaveAllBytes(third) != resaved) std::abort();
    return 0;
  }
  if (again.refusal || SaveAllBytes(reloaded) != saved) std::abort();
  return 0;
}
