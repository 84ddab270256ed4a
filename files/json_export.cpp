#include "files/json_export.h"

#include <array>
#include <string_view>

#include "engine/dice.h"
#include "engine/matchup.h"
#include "engine/records.h"
#include "files/export_values.h"
#include "files/json_writer.h"

// The document is written as it is made: nothing but the line in hand and a
// piece of a long name is held, whatever the size of the names.
namespace zelmora {
namespace {

constexpr int kSlots = Encounter::kSlots;
constexpr bool kFlat = true;

// The keys of the eight modifier values, in the order of the modifiers dialog.
constexpr std::array<std::string_view, 8> kModifierKeys = {
    "physical_hit",     "magic_hit",     "physical_damage",  "magic_damage",
    "physical_evasion", "magic_evasion", "physical_defence", "magic_defence"};

void Name(JsonWriter& w, std::string_view cp932) {
  const bool whole = w.Key("name").Cp932String(cp932);
  w.Key("name_undecodable").Bool(!whole);
}

void AttackerRecord(JsonWriter& w, const Attacker& a, int slot) {
  w.Item().Open('{', kFlat);
  w.Key("slot").Integer(slot);
  Name(w, a.name);
  w.Key("judgment_value").Integer(a.judgment_value);
  w.Key("dice_count").Integer(a.dice_count);
  w.Key("damage_bonus").Integer(a.damage_bonus);
  w.Key("judgment_kind").Integer(a.judgment_kind);
  w.Key("defence_flags").Integer(a.defence_flags);
  w.Key("attack_attribute").Integer(a.attack_attribute);
  w.Key("attack_count").Integer(a.attack_count);
  w.Key("auto_trigger").Integer(a.auto_trigger);
  w.Close();
}

void DefenderRecord(JsonWriter& w, const Defender& d, int slot) {
  w.Item().Open('{', d.affinities.empty());
  w.Key("slot").Integer(slot);
  Name(w, d.name);
  w.Key("melee_evasion").Integer(d.melee_evasion);
  w.Key("ranged_evasion").Integer(d.ranged_evasion);
  w.Key("magic_evasion").Integer(d.magic_evasion);
  w.Key("physical_defence").Integer(d.physical_defence);
  w.Key("magic_defence").Integer(d.magic_defence);
  w.Key("affinities").Open('[', kFlat);
  for (const std::int32_t code : d.affinities) w.Item().Integer(code);
  w.Close().Close();
}

void Modifiers(JsonWriter& w, const GlobalModifiers& modifiers) {
  const ShownModifiers shown = ShowModifiers(modifiers);
  w.Key("modifiers").Open('{', kFlat);
  for (std::size_t k = 0; k < shown.size(); ++k) w.Key(kModifierKeys[k]).Integer(shown[k]);
  w.Close();
}

// One row of roll chances, in percent, as the members of an open object.
void RollChancesRow(JsonWriter& w, const RollChances& c) {
  w.Key("hit_percent").Real(c.hit_percent);
  w.Key("attacker_fumble").Real(c.attacker_fumble);
  w.Key("critical").Real(c.critical);
  w.Key("piercing").Real(c.piercing);
  w.Key("critical_piercing").Real(c.critical_piercing);
}

// The raw roll chances the matchup detail dialog shows, with the rows it has.
void Detail(JsonWriter& w, const Attacker& attacker, const Defender& defender) {
  const MatchupDetail shown = DetailOf(attacker, defender);
  const bool any_technique = shown.techniques[0].has_value();
  w.Key("detail").Open('{', !shown.auto_trigger && !any_technique);
  w.Key("judgment_value").Integer(shown.judgment_value);
  w.Key("evasion_value").Integer(shown.evasion_value);
  w.Key("auto_trigger");
  if (shown.auto_trigger) {
    w.Open('{', kFlat);
    RollChancesRow(w, *shown.auto_trigger);
    w.Close();
  } else {
    w.Raw("null");
  }
  w.Key("techniques").Open('[', !any_technique);
  for (int step = 0; step < kTechniqueSteps; ++step) {
    if (!shown.techniques[step]) break;
    w.Item().Open('{', kFlat);
    w.Key("penalty").Integer(std::int64_t{kTechniqueStep} * step);
    RollChancesRow(w, *shown.techniques[step]);
    w.Close();
  }
  w.Close().Close();
}

void Pairing(JsonWriter& w, const Encounter& e, int row, int column) {
  const MatchupResult& result = e.result(row, column);
  const TechniqueChoice technique = ReadTechnique(result);
  w.Item().Open('{', !kFlat);
  w.Key("attacker").Integer(row);
  w.Key("defender").Integer(column);
  w.Key("attack_chance").Real(result.attack_chance);
  w.Key("technique").String(result.technique);
  w.Key("technique_penalty");
  if (technique.penalty) {
    w.Integer(*technique.penalty);
  } else {
    w.Raw("null");
  }
  w.Key("auto_triggered").Bool(technique.auto_triggered);
  w.Key("expected_damage").Real(result.expected_damage);
  Detail(w, e.attacker(row), e.defender(column));
  w.Close();
}

}  // namespace

void WriteJsonExport(const Encounter& e, ByteSink& sink) {
  JsonWriter w(sink);
  w.Open('{', !kFlat);
  w.Key("format").String("zelmora-results");
  w.Key("version").Integer(kJsonFormatVersion);
  w.Key("attackers").Open('[', !kFlat);
  for (int slot = 1; slot <= kSlots; ++slot) AttackerRecord(w, e.attacker(slot), slot);
  w.Close();
  w.Key("defenders").Open('[', !kFlat);
  for (int slot = 1; slot <= kSlots; ++slot) DefenderRecord(w, e.defender(slot), slot);
  w.Close();
  Modifiers(w, e.modifiers());
  w.Key("evasion_kinds").Open('[', kFlat);
  for (int slot = 1; slot <= kSlots; ++slot) w.Item().Integer(e.attacker(slot).evasion_kind);
  w.Close();
  w.Key("summaries").Open('[', !kFlat);
  for (int slot = 1; slot <= kSlots; ++slot) {
    w.Item().Open('{', kFlat);
    w.Key("attacker").Integer(slot);
    w.Key("success_percent").Integer(e.summary(slot).success_percent);
    w.Key("damage_expectation").Real(e.summary(slot).damage_expectation);
    w.Close();
  }
  w.Close();
  w.Key("pairings").Open('[', !kFlat);
  for (int row = 1; row <= kSlots; ++row) {
    for (int column = 1; column <= kSlots; ++column) Pairing(w, e, row, column);
  }
  w.Close().Close();
  w.Finish();
}

std::string JsonExport(const Encounter& e) {
  return CollectBytes([&e](ByteSink& sink) { WriteJsonExport(e, sink); });
}

}  // namespace zelmora
