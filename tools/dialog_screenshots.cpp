// Shows one dialog filled with an example, for tools/screenshots.sh: prints
// the dialog's X window id once it is on screen and stays open until it is
// closed or killed.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "editors/attacker_editor.h"
#include "editors/defender_editor.h"
#include "editors/modifiers_dialog.h"
#include "editors/slot_chooser.h"
#include "engine/encounter.h"
#include "engine/labels.h"
#include "engine/text.h"
#include "gui/prompts.h"
#include "gui/screen_fit.h"
#include "tests/support/sample_records.h"
#include "tests/support/test_text.h"
#include "window/about_dialog.h"
#include "window/matchup_detail_dialog.h"
#include "window/pairing_marks.h"

namespace zelmora {
namespace {

using testing::Cp932;

Encounter ExampleEncounter() {
  Encounter encounter;
  encounter.attacker(1) = {.judgment_value = 55,
                           .dice_count = 2,
                           .damage_bonus = 3,
                           .defence_flags = kHalfDefenceFlag,
                           .attack_attribute = kAttrThing,
                           .evasion_kind = kEvadeRanged,
                           .attack_count = 2,
                           .name = Cp932("ゴブリン弓兵")};
  encounter.attacker(2).name = Cp932("オーガ");
  Attacker goblin = testing::WorkedAttacker();
  goblin.auto_trigger = 1;
  goblin.name = Cp932("ゴブリン");
  encounter.attacker(3) = goblin;
  encounter.attacker(4).name = Cp932("火の精霊");

  encounter.defender(1) = {.melee_evasion = 40,
                           .ranged_evasion = 35,
                           .magic_evasion = 20,
                           .physical_defence = 8,
                           .magic_defence = 3,
                           .affinities = {0, 0, 2, 1, 0, 0, 0, 3, 0, 4, 5},
                           .name = Cp932("聖騎士")};
  Defender guard = testing::WorkedDefender();
  guard.name = Cp932("騎士");
  encounter.defender(2) = guard;
  encounter.Recalculate();
  return encounter;
}

// The detail of attacker 3 against defender 2, as the grid hands it over,
// with the note the window adds.
std::unique_ptr<QDialog> Detail(const Encounter& encounter) {
  auto detail = std::make_unique<MatchupDetailDialog>(encounter.attacker(3), encounter.defender(2),
                                                      encounter.result(3, 2));
  using Rank = MatchupDetailDialog::TargetRank;
  detail->ShowTargetRank(BestTargets(encounter)[2][1] ? Rank::kBest : Rank::kNotBest);
  return detail;
}

}  // namespace
}  // namespace zelmora

int main(int argc, char** argv) {
  using namespace zelmora;
  QApplication app(argc, argv);
  Encounter encounter = ExampleEncounter();
  DesktopPrompts prompts;
  const std::map<std::string, std::function<std::unique_ptr<QDialog>()>> examples = {
      {"about", [] { return std::make_unique<AboutDialog>(); }},
      {"detail", [&] { return Detail(encounter); }},
      {"modifiers",
       [] {
         return std::make_unique<ModifiersDialog>(ShownModifiers{5, 0, 2, 0, -10, 0, 3, 0});
       }},
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
    std::fprintf(stderr, "usage: %s about|detail|modifiers|attacker|defender|chooser\n", argv[0]);
    return 2;
  }
  const std::unique_ptr<QDialog> dialog = example->second();
  FitToScreen(*dialog);  // as the program shows it
  dialog->show();
  // Give the X server a moment to draw before the id is handed out.
  QTimer::singleShot(500, [&] {
    std::printf("%llu\n", static_cast<unsigned long long>(dialog->winId()));
    std::fflush(stdout);
  });
  return app.exec();
}
