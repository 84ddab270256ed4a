#pragma once

#include <string>

#include "encounter.h"

// The two reports of the current records, modifiers and stored results,
// as code page 932 bytes with CR LF line ends. Neither recalculates.
namespace zelmora {

std::string TextReport(const Encounter& encounter);  // 45 lines
std::string HtmlReport(const Encounter& encounter);  // 70 lines

}  // namespace zelmora
