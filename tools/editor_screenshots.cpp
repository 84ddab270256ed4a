// Shows one editor filled with an example, for tools/editor-screenshots.sh:
// prints the dialog's X window id once it is on screen and stays open until
// it is closed or killed.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "attacker_editor.h"
#include "cp932.h"
#include "defender_editor.h"
#include "encounter.h"
#include "labels.h"
#include "prompts.h"
#include "slot_chooser.h"

namespace zelmora {
namespace {

std::string Cp932(const char* utf8) { return Cp932FromUtf8(utf8).value(); }

Encounter ExampleEncounter() {
  Encounter encounter;
  Attacker& archer = encounter.attacker(1);
  archer.name = Cp932("ゴブリン弓兵");
  archer.judgment_value = 55;
  archer.dice_count = 2;
  archer.damage_bonus = 3;
  archer.evasion_kind = kEvadeRanged;
  archer.defence_flags = kHalfDefenceFlag;
  archer.attack_attribute = kAttrThing;
  archer.attack_count = 2;
  encounter.attacker(2).name = Cp932("オーガ");
  encounter.attacker(4).name = Cp932("火の精霊");

  Defender& knight = encounter.defender(1);
  knight.name = Cp932("聖騎士");
  knight.melee_evasion = 40;
  knight.ranged_evasion = 35;
  knight.magic_evasion = 20;
  knight.physical_defence = 8;
  knight.magic_defence = 3;
  knight.affinities = {0, 0, 2, 1, 0, 0, 0, 3, 0, 4, 5};
  return encounter;
}

}  // namespace
}  // namespace zelmora

int main(int argc, char** argv) {
  using namespace zelmora;
  QApplication app(argc, argv);
  Encounter encounter = ExampleEncounter();
  DesktopPrompts prompts;
  const std::map<std::string, std::function<std::unique_ptr<QDialog>()>> examples = {
      {"attacker", [&] { return std::make_unique<AttackerEditor>(encounter, prompts, 1); }},
      {"defender", [&] { return std::make_unique<DefenderEditor>(encounter, prompts, 1); }},
      {"chooser",
       [] {
         return std::make_unique<SlotChooser>(
             QStringLiteral("どれと入れ替えますか？"),
             SlotNames{QStringLiteral("ゴブリン弓兵"), QStringLiteral("オーガ"), QString(),
                       QStringLiteral("火の精霊"), QString()});
       }},
  };
  const auto example = argc == 2 ? examples.find(argv[1]) : examples.end();
  if (example == examples.end()) {
    std::fprintf(stderr, "usage: %s attacker|defender|chooser\n", argv[0]);
    return 2;
  }
  const std::unique_ptr<QDialog> dialog = example->second();
  dialog->show();
  // Give the X server a moment to draw before the id is handed out.
  QTimer::singleShot(500, [&] {
    std::printf("%llu\n", static_cast<unsigned long long>(dialog->winId()));
    std::fflush(stdout);
  });
  return app.exec();
}
