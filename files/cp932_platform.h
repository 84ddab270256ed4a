#pragma once

#include <optional>
#include <string>
#include <string_view>

// The platform's own code page 932 converter, strict both ways: nothing when
// any part of the text does not convert. files/cp932.h builds on it the rules
// that are the same on every platform.
namespace zelmora {

std::optional<std::string> PlatformCp932FromUtf8(std::string_view utf8);
std::optional<std::string> PlatformUtf8FromCp932(std::string_view cp932);

}  // namespace zelmora
