#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "engine/matchup.h"
#include "engine/records.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace zelmora {

class DialogButtons;

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

  // The names and the pairing's inputs and results above the table.
  struct Fields {
    QLineEdit* attacker_name;
    QLineEdit* defender_name;
    QLineEdit* judgment_value;
    QLineEdit* evasion_kind;
    QLineEdit* evasion_value;
    QLineEdit* damage;
    QLineEdit* defence_kind;
    QLineEdit* defence_value;
    QLineEdit* defence_option;
    QLineEdit* attack_attribute;
    QLineEdit* affinity_symbol;
    QLineEdit* attack_chance;
    QLineEdit* technique;
    QLineEdit* expected_damage;
  };
  // The table of roll chances: row 0 is auto-trigger, rows 1 to 6 the
  // technique penalties 0 to 50; five columns, 成功率 to ＣＲＰＨ.
  static constexpr int kTableRows = 7;
  static constexpr int kTableColumns = 5;
  using Table = std::array<std::array<QLineEdit*, kTableColumns>, kTableRows>;

  const Fields& fields() const { return fields_; }
  const Table& table() const { return table_; }
  const DialogButtons& buttons() const { return *buttons_; }
  // Empty until ShowTargetRank.
  const QLabel& target_rank() const { return *target_rank_; }

 private:
  void MakeFields();
  void LayOut();
  QGridLayout* LayOutTable();
  void SetDamage(std::int32_t dice_count, std::int32_t damage_bonus);
  void FillInputs(const Attacker& attacker, const Defender& defender, const MatchupDetail& detail);
  void FillTable(const MatchupDetail& detail);

  Fields fields_{};
  Table table_{};
  QLabel* target_rank_ = nullptr;
  DialogButtons* buttons_ = nullptr;
};

}  // namespace zelmora
