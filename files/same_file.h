#pragma once

#include <string>

namespace zelmora {

// Whether two names lead to one file: the same path once "." and ".." are
// resolved, or one existing file under two names (links included).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace zelmora
