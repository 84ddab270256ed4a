#include "files/system_error.h"

#include <errno.h>

#include "files/error_reason.h"

namespace zelmora {

SystemError LastSystemError() { return errno; }

std::string SystemErrorReason(SystemError code) { return ErrorReason(code); }

}  // namespace zelmora
