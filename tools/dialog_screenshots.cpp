// Shows one dialog filled with an example pairing, for
// tools/dialog-screenshots.sh: prints the dialog's X window id once it is on
// screen and stays open until it is closed or killed.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

#include "cp932.h"
#include "labels.h"
#include "matchup.h"
#include "matchup_detail_dialog.h"
#include "modifiers_dialog.h"
#include "text.h"

namespace zelmora {
namespace {

std::unique_ptr<QDialog> ExampleDetail() {
  Attacker attacker;
  attacker.name = Cp932FromUtf8("ゴブリン弓兵").value();
  attacker.judgment_value = 50;
  attacker.dice_count = 2;
  attacker.damage_bonus = 3;
  attacker.attack_attribute = kAttrSword;
  attacker.auto_trigger = 1;
  Defender defender;
  defender.name = Cp932FromUtf8("騎士").value();
  defender.melee_evasion = 30;
  defender.physical_defence = 5;
  const MatchupResult result = ResultOf(attacker, defender, GlobalModifiers{});
  return std::make_unique<MatchupDetailDialog>(
      attacker, defender, QString::fromStdString(FormatFixed(result.attack_chance, 6)),
      QString::fromStdString(result.technique),
      QString::fromStdString(FormatFixed(result.expected_damage, 6)));
}

std::unique_ptr<QDialog> ExampleModifiers() {
  return std::make_unique<ModifiersDialog>(ShownModifiers{5, 0, 2, 0, -10, 0, 3, 0});
}

}  // namespace
}  // namespace zelmora

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool detail = argc == 2 && std::strcmp(argv[1], "detail") == 0;
  const bool modifiers = argc == 2 && std::strcmp(argv[1], "modifiers") == 0;
  if (!detail && !modifiers) {
    std::fprintf(stderr, "usage: %s detail|modifiers\n", argv[0]);
    return 2;
  }
  const std::unique_ptr<QDialog> dialog =
      detail ? zelmora::ExampleDetail() : zelmora::ExampleModifiers();
  dialog->show();
  // Give the X server a moment to draw before the id is handed out.
  QTimer::singleShot(500, [&] {
    std::printf("%llu\n", static_cast<unsigned long long>(dialog->winId()));
    std::fflush(stdout);
  });
  return app.exec();
}
