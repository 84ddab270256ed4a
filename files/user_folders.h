#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "files/file_io.h"

// The user's own folders the program keeps things in between runs: the
// state folder with the kept table, and the settings folder. Both private.
namespace zelmora {

// Where the kept table goes, or why it goes nowhere.
struct KeptTablePlace {
  std::string path;                  // empty when the table is not kept
  std::optional<FileError> refused;  // the state folder, and why it is not used
};

// "zelmora/table.qvr" in $XDG_STATE_HOME when that is an absolute path, else
// in ~/.local/state. Missing folders are made 0700. A "zelmora" folder that
// is a link, belongs to another user or that others may write to is not
// used. A table kept by the previous version in $XDG_DATA_HOME (or
// ~/.local/share) is moved here the first time; a kept table is made 0600.
KeptTablePlace FindKeptTablePlace();

// Where the kept table is, or would be once kept; empty when there is no
// state folder. Makes no folder, unless a table kept by the previous version
// is to be moved to it.
std::string KeptTablePath();

// The settings file is read only up to this size.
inline constexpr std::size_t kMaxSettingsBytes = std::size_t{1} << 20;

// What was done about a settings file that could stall the start.
struct SettingsSetAside {
  FileError problem;     // the settings file, and what was wrong with it
  std::string moved_to;  // empty when it could not be moved
};

// "zelmora/zelmora.conf" in $XDG_CONFIG_HOME when that is an absolute path,
// else in ~/.config, its folders made 0700 where missing. A settings file
// that is not a regular file or is over kMaxSettingsBytes is renamed aside
// (".set-aside" added) so that the defaults are used; the result says so.
std::optional<SettingsSetAside> SetAsideUnreadableSettings();

}  // namespace zelmora
