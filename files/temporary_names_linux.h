#pragma once

// Linux's side of files/temporary_names.h: a folder is an open descriptor.
namespace zelmora {

// Removes the temporaries in `folder` that belong to the user and to no
// running process. Best effort: what cannot be listed or removed stays.
void RemoveStaleTemporaries(int folder);

}  // namespace zelmora
