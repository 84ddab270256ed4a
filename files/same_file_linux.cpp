#include "files/same_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <variant>

#include "files/write_target_linux.h"

namespace zelmora {
namespace {

// Where a name leads once every link is followed, in its folder or in the
// folders above (resolved as a save resolves it, with Linux's O_PATH): the
// folder (device and inode) and the name in it. Nothing where the path does
// not resolve to a file that could be written.
struct Destination {
  dev_t device;
  ino_t folder;
  std::string name;

  bool operator==(const Destination&) const = default;
};

std::optional<Destination> DestinationOf(const std::string& path) {
  const std::variant<WriteTarget, std::string> resolved = ResolveWriteTarget(path);
  const auto* target = std::get_if<WriteTarget>(&resolved);
  struct stat folder;
  if (target == nullptr || fstat(target->folder.get(), &folder) != 0) return std::nullopt;
  return Destination{folder.st_dev, folder.st_ino, target->name};
}

}  // namespace

// Whether two names lead to one file: one destination through whatever
// links their folders are, one existing file under two names, or one path
// once "." and ".." are taken away (a folder still to be made).
bool SameFile(const std::string& a, const std::string& b) {
  const std::optional<Destination> first = DestinationOf(a);
  if (first && first == DestinationOf(b)) return true;
  namespace fs = std::filesystem;
  std::error_code first_error, second_error;
  const fs::path first_path = fs::absolute(a, first_error).lexically_normal();
  const fs::path second_path = fs::absolute(b, second_error).lexically_normal();
  if (!first_error && !second_error && first_path == second_path) return true;
  struct stat first_stat, second_stat;
  return stat(a.c_str(), &first_stat) == 0 && stat(b.c_str(), &second_stat) == 0 &&
         first_stat.st_dev == second_stat.st_dev && first_stat.st_ino == second_stat.st_ino;
}

}  // namespace zelmora
