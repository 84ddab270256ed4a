#pragma once

#include <sys/stat.h>

namespace zelmora {

// Gives the new file `fd` what the replaced file had: its owner and group
// where the user may set them, its extended attributes (ACLs among them)
// where the file system keeps them, and its permission bits, less set-uid
// and set-gid when the owner could not be kept. `original` is the replaced
// file opened for reading, or -1 when it could not be opened (its extended
// attributes are then lost). What cannot be kept is no error; returns 0 or
// the errno of setting the permission bits.
int KeepMetadata(const struct stat& replaced, int original, int fd);

}  // namespace zelmora
