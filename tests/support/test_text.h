#pragma once

#include <string>
#include <string_view>

// Qt-free text helpers every test layer shares.
namespace zelmora::testing {

// Code page 932 bytes of a UTF-8 test text; the text must be representable.
std::string Cp932(std::string_view utf8);

}  // namespace zelmora::testing
