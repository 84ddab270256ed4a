#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The hidden temporary files a save may leave for a moment in the target's
// folder: ".zelmora-<process id>-<random>", so that a later save can tell
// one whose process no longer runs. Removing those is the platforms' own
// (files/temporary_names_linux.h, files/temporary_names_windows.h).
namespace zelmora {

inline constexpr std::string_view kTemporaryPrefix = ".zelmora-";

// The name of a temporary of process `process`, told apart by `random`.
std::string TemporaryName(std::uint64_t process, std::uint64_t random);

// The process a temporary name belongs to, or nothing when the name is not
// one of ours.
std::optional<std::uint64_t> TemporaryOwner(std::string_view name);

// A name for a new temporary of this process.
std::string NewTemporaryName();

// What the platform gives the names (files/temporary_names_linux.cpp,
// files/temporary_names_windows.cpp): this process's id, and random bits,
// or at worst bits that differ between calls.
std::uint64_t CurrentProcess();
std::uint64_t RandomBits();

}  // namespace zelmora
