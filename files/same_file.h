#pragma once

#include <string>

namespace zelmora {

// Whether two names lead to one file: one destination through whatever
// links their folders are, one existing file under two names, or one path
// once "." and ".." are taken away (a folder still to be made).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace zelmora
