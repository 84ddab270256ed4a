#pragma once

#include <QDialog>
#include <QString>

#include "engine/records.h"

namespace zelmora {

// "命中率、ダメージ詳細": one pairing of the grid in detail. Read-only; it
// fills its fields from copies of the two records and the cell's three
// results (as the grid computed them) when it is built, and changes nothing.
class MatchupDetailDialog : public QDialog {
  Q_OBJECT

 public:
  MatchupDetailDialog(const Attacker& attacker, const Defender& defender,
                      const QString& attack_chance, const QString& technique,
                      const QString& expected_damage, QWidget* parent = nullptr);

 private:
  void SetField(int id, const QString& text);
  void FillInputs(const Attacker& attacker, const Defender& defender);
  void FillTable(const Attacker& attacker, const Defender& defender);
};

}  // namespace zelmora
