#pragma once

#include <QString>

// The short explanations that the detail dialog's column headings and the
// grid's cells carry as tooltips; the help window says the same at length.
namespace zelmora {

// The tooltip of a heading or label as the program shows it ("成功率",
// "高度な技", "ファンブル", "クリット", "ＰＨ", "ＣＲＰＨ", "期待DMG", "高度",
// "期待値"); empty for any other text.
QString TermTooltip(const QString& term);

// The tooltip of a grid technique cell from its text: "A", "-0" or "-10" to
// "-50"; empty for any other text (an empty cell).
QString TechniqueTooltip(const QString& technique);

}  // namespace zelmora
