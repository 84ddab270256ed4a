#include "tests/support/test_text.h"

#include "files/cp932.h"

namespace zelmora::testing {

std::string Cp932(std::string_view utf8) { return Cp932FromUtf8(utf8).value(); }

}  // namespace zelmora::testing
