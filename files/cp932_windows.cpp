#include <windows.h>

#include "files/cp932_platform.h"
#include "files/wide_text.h"

namespace zelmora {
namespace {

constexpr UINT kCodePage = 932;

}  // namespace

std::optional<std::string> PlatformCp932FromUtf8(std::string_view utf8) {
  const std::optional<std::wstring> wide = WideFromUtf8(utf8);
  if (!wide) return std::nullopt;
  if (wide->empty()) return std::string();
  const int size = static_cast<int>(wide->size());
  // Without best fit a character the code page lacks becomes the default
  // character, and the flag says so: never a look-alike in its place.
  BOOL lacking = FALSE;
  const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide->data(), size,
                                         nullptr, 0, nullptr, &lacking);
  if (length <= 0 || lacking) return std::nullopt;
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide->data(), size, out.data(), length,
                      nullptr, &lacking);
  return out;
}

std::optional<std::string> PlatformUtf8FromCp932(std::string_view cp932) {
  const std::optional<std::wstring> wide = WideFromCodePage(kCodePage, cp932);
  if (!wide) return std::nullopt;
  return Utf8FromWide(*wide);
}

}  // namespace zelmora
