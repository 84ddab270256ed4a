#include "files/same_file.h"

#include <sys/stat.h>

#include <filesystem>

namespace zelmora {

bool SameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code first_error, second_error;
  const fs::path first = fs::absolute(a, first_error).lexically_normal();
  const fs::path second = fs::absolute(b, second_error).lexically_normal();
  if (!first_error && !second_error && first == second) return true;
  struct stat first_stat, second_stat;
  return stat(a.c_str(), &first_stat) == 0 && stat(b.c_str(), &second_stat) == 0 &&
         first_stat.st_dev == second_stat.st_dev && first_stat.st_ino == second_stat.st_ino;
}

}  // namespace zelmora
