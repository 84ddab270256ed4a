#pragma once

#include <QString>
#include <string>

#include "files/file_io.h"
#include "gui/file_path.h"

// The one message a failed file operation shows: which file, and the
// system's reason.
namespace zelmora {

QString ReadErrorMessage(const FileError& error);
QString WriteErrorMessage(const FileError& error);

// The notice after a roster was read as UTF-8 rather than code page 932.
QString Utf8RosterNotice(const QString& path);

}  // namespace zelmora
