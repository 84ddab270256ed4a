// Any bytes as typed into a number, evasion or defence cell, and through the
// code page conversions the window uses.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/text.h"
#include "files/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmora;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const std::int32_t value = ParseLeadingInt(text);
  // A canonical number reads back as itself.
  if (ParseLeadingInt(FormatInt(value)) != value) std::abort();
  const auto evasion = ParseEvasionText(text);
  const std::string canonical =
      FormatInt(evasion[0]) + "," + FormatInt(evasion[1]) + "," + FormatInt(evasion[2]);
  if (ParseEvasionText(canonical) != evasion) std::abort();
  const auto defence = ParseDefenceText(text);
  if (ParseDefenceText(FormatInt(defence[0]) + "," + FormatInt(defence[1])) != defence) {
    std::abort();
  }

  // Whatever decodes and encodes again is the same text.
  const std::string shown = Utf8FromCp932(text);
  if (const auto encoded = Cp932FromUtf8(shown)) {
    if (Utf8FromCp932(*encoded) != shown) std::abort();
  }
  Cp932FromUtf8(text);
  return 0;
}
