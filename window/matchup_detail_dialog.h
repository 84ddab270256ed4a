#pragma once

#include <QDialog>
#include <QString>

#include "engine/matchup.h"
#include "engine/records.h"

namespace zelmora {

// "命中率、ダメージ詳細": one pairing of the grid in detail. Read-only; it
// fills its fields from copies of the two records and the cell's results (as
// the grid computed them) when it is built, and changes nothing. Numbers are
// fitted to their fields, each whole in its tooltip.
class MatchupDetailDialog : public QDialog {
  Q_OBJECT

 public:
  MatchupDetailDialog(const Attacker& attacker, const Defender& defender,
                      const MatchupResult& result, QWidget* parent = nullptr);

  // Whether this pairing is its attacker's best target, said beside the
  // expected damage.
  enum class TargetRank { kBest, kNotBest, kNoneInRow };
  void ShowTargetRank(TargetRank rank);

 private:
  void SetField(int id, const QString& text);
  void SetNumber(int id, double value);
  void SetDamage(std::int32_t dice_count, std::int32_t damage_bonus);
  void FillInputs(const Attacker& attacker, const Defender& defender, const MatchupDetail& detail);
  void FillTable(const MatchupDetail& detail);
};

}  // namespace zelmora
