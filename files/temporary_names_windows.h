#pragma once

#include <string>

// Windows's side of files/temporary_names.h: a folder is named by its path.
namespace zelmora {

// Removes the temporaries in `folder` whose process no longer runs. Best
// effort: what cannot be listed or removed stays.
void RemoveStaleTemporariesIn(const std::wstring& folder);

}  // namespace zelmora
