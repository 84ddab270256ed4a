#include "gui/term_tooltips.h"

#include <QRegularExpression>

namespace zelmora {
namespace {

struct Term {
  const char16_t* term;
  const char16_t* tooltip;
};

constexpr Term kTerms[] = {
    {u"成功率", u"攻撃が相手の回避を抜けて当たる確率（%）"},
    {u"高度な技", u"命中値と回避値を同じだけ下げる技の下げ幅"},
    {u"高度", u"当たる確率が最も高くなる高度な技。Aは自動発動"},
    {u"ファンブル", u"攻撃側の判定がファンブルする確率（%）"},
    {u"クリット", u"クリティカルが回避の失敗に当たる確率（%）。ダメージ2倍"},
    {u"ＰＨ", u"貫通ヒット：通常の成功が回避のファンブルに当たる確率（%）。防御点を無視"},
    {u"ＣＲＰＨ",
     u"クリティカル貫通ヒット：クリティカルが回避のファンブルに当たる確率（%）。ダメージ2倍、"
     u"防御点を無視"},
    {u"期待DMG", u"外れも含めた1回の攻撃の平均ダメージ×回数"},
    {u"期待値", u"1回の命中の基本ダメージの平均（ダイス1個を4.2として）"},
    {u"自動発動", u"攻撃の判定をせず、相手が回避に失敗すれば当たる場合"},
};

}  // namespace

QString TermTooltip(const QString& term) {
  for (const Term& entry : kTerms) {
    if (term == QStringView(entry.term)) return QString::fromUtf16(entry.tooltip);
  }
  return {};
}

QString TechniqueTooltip(const QString& technique) {
  if (technique == u"A")
    return QStringLiteral("自動発動：攻撃の判定をせず、相手が回避に失敗すれば当たる");
  if (technique == u"-0") return QStringLiteral("高度な技を使わない");
  static const QRegularExpression kPenalty(QStringLiteral("^-([1-5]0)$"));
  const QRegularExpressionMatch penalty = kPenalty.match(technique);
  if (!penalty.hasMatch()) return {};
  return QStringLiteral("高度な技 %1：命中値と相手の回避値をともに%1下げる")
      .arg(penalty.captured(1));
}

}  // namespace zelmora
