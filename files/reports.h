#pragma once

#include <string>

#include "engine/encounter.h"
#include "files/byte_sink.h"

// The two reports of the current records, modifiers and stored results,
// as code page 932 bytes with CR LF line ends. Neither recalculates.
// Names never break a line: a CR or LF in a name is printed as a blank.
namespace zelmora {

// Each report written into a sink line by line, and the same whole.
void WriteTextReport(const Encounter& encounter, ByteSink& sink);
void WriteHtmlReport(const Encounter& encounter, ByteSink& sink);
// The HTML report still in code page 932 but with a head that declares
// UTF-8: for a sink that converts it.
void WriteHtmlReportForUtf8(const Encounter& encounter, ByteSink& sink);

std::string TextReport(const Encounter& encounter);  // 45 lines
std::string HtmlReport(const Encounter& encounter);  // 70 lines, names escaped

// The HTML report converted to UTF-8 for standard output; its head then
// declares UTF-8 instead of Shift_JIS. (The text report needs only
// Utf8FromCp932.)
std::string HtmlReportUtf8(const Encounter& encounter);

// One pairing's cell in each matrix, as the reports print it: the text
// report " %5.2f%%(%3s)" and " %9.3f  ", the HTML report
// "<TD>%.2f%%(%3s)</TD>" and "<TD>%.3f</TD>".
std::string TextHitCell(const MatchupResult& result);
std::string TextDamageCell(const MatchupResult& result);
std::string HtmlHitCell(const MatchupResult& result);
std::string HtmlDamageCell(const MatchupResult& result);

}  // namespace zelmora
