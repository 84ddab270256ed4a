#pragma once

#include <string>

// The hidden temporary files a save may leave for a moment in the target's
// folder: ".zelmora-<process id>-<random>", so that a later save can tell
// one whose process no longer runs.
namespace zelmora {

std::string NewTemporaryName();

// Removes the temporaries in `folder` that belong to the user and to no
// running process. Best effort: what cannot be listed or removed stays.
void RemoveStaleTemporaries(int folder);

}  // namespace zelmora
