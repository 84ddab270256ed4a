#include "files/json_export.h"

#include <array>
#include <string_view>

#include "engine/dice.h"
#include "engine/matchup.h"
#include "engine/records.h"
#include "files/export_values.h"
#include "files/json_value.h"

namespace zelmora {
namespace {

constexpr int kSlots = Encounter::kSlots;

// The keys of the eight modifier values, in the order of the modifiers dialog.
constexpr std::array<std::string_view, 8> kModifierKeys = {
    "physical_hit",     "magic_hit",     "physical_damage",  "magic_damage",
    "physical_evasion", "magic_evasion", "physical_defence", "magic_defence"};

void AddName(JsonValue& record, std::string_view cp932) {
  const DecodedName name = DecodeName(cp932);
  record.Add("name", JsonValue::String(name.utf8));
  record.Add("name_undecodable", JsonValue::Bool(name.lossy));
}

JsonValue AttackerRecord(const Attacker& a, int slot) {
  JsonValue record = JsonValue::Object();
  record.Add("slot", JsonValue::Integer(slot));
  AddName(record, a.name);
  record.Add("judgment_value", JsonValue::Integer(a.judgment_value))
      .Add("dice_count", JsonValue::Integer(a.dice_count))
      .Add("damage_bonus", JsonValue::Integer(a.damage_bonus))
      .Add("judgment_kind", JsonValue::Integer(a.judgment_kind))
      .Add("defence_flags", JsonValue::Integer(a.defence_flags))
      .Add("attack_attribute", JsonValue::Integer(a.attack_attribute))
      .Add("attack_count", JsonValue::Integer(a.attack_count))
      .Add("auto_trigger", JsonValue::Integer(a.auto_trigger));
  return record;
}

JsonValue DefenderRecord(const Defender& d, int slot) {
  JsonValue record = JsonValue::Object();
  record.Add("slot", JsonValue::Integer(slot));
  AddName(record, d.name);
  JsonValue affinities = JsonValue::Array();
  for (const std::int32_t code : d.affinities) affinities.Push(JsonValue::Integer(code));
  record.Add("melee_evasion", JsonValue::Integer(d.melee_evasion))
      .Add("ranged_evasion", JsonValue::Integer(d.ranged_evasion))
      .Add("magic_evasion", JsonValue::Integer(d.magic_evasion))
      .Add("physical_defence", JsonValue::Integer(d.physical_defence))
      .Add("magic_defence", JsonValue::Integer(d.magic_defence))
      .Add("affinities", std::move(affinities));
  return record;
}

JsonValue Modifiers(const GlobalModifiers& modifiers) {
  const ShownModifiers shown = ShowModifiers(modifiers);
  JsonValue object = JsonValue::Object();
  for (std::size_t k = 0; k < shown.size(); ++k) {
    object.Add(kModifierKeys[k], JsonValue::Integer(shown[k]));
  }
  return object;
}

// One row of roll chances, in percent, after the keys `row` already holds.
JsonValue RollChancesRow(JsonValue row, const RollChances& c) {
  row.Add("hit_percent", JsonValue::Real(c.hit_percent))
      .Add("attacker_fumble", JsonValue::Real(c.attacker_fumble))
      .Add("critical", JsonValue::Real(c.critical))
      .Add("piercing", JsonValue::Real(c.piercing))
      .Add("critical_piercing", JsonValue::Real(c.critical_piercing));
  return row;
}

// The raw roll chances the matchup detail dialog shows, with the rows it has.
JsonValue Detail(const Attacker& attacker, const Defender& defender) {
  const MatchupDetail shown = DetailOf(attacker, defender);
  JsonValue detail = JsonValue::Object();
  detail.Add("judgment_value", JsonValue::Integer(shown.judgment_value))
      .Add("evasion_value", JsonValue::Integer(shown.evasion_value));
  detail.Add("auto_trigger", shown.auto_trigger
                                 ? RollChancesRow(JsonValue::Object(), *shown.auto_trigger)
                                 : JsonValue::Null());
  JsonValue techniques = JsonValue::Array();
  for (int step = 0; step < kTechniqueSteps; ++step) {
    if (!shown.techniques[step]) break;
    const std::int64_t penalty = std::int64_t{kTechniqueStep} * step;
    techniques.Push(RollChancesRow(JsonValue::Object().Add("penalty", JsonValue::Integer(penalty)),
                                   *shown.techniques[step]));
  }
  detail.Add("techniques", std::move(techniques));
  return detail;
}

JsonValue Pairing(const Encounter& e, int row, int column) {
  const MatchupResult& result = e.result(row, column);
  const TechniqueChoice technique = ReadTechnique(result);
  JsonValue pairing = JsonValue::Object();
  pairing.Add("attacker", JsonValue::Integer(row))
      .Add("defender", JsonValue::Integer(column))
      .Add("attack_chance", JsonValue::Real(result.attack_chance))
      .Add("technique", JsonValue::String(result.technique))
      .Add("technique_penalty",
           technique.penalty ? JsonValue::Integer(*technique.penalty) : JsonValue::Null())
      .Add("auto_triggered", JsonValue::Bool(technique.auto_triggered))
      .Add("expected_damage", JsonValue::Real(result.expected_damage))
      .Add("detail", Detail(e.attacker(row), e.defender(column)));
  return pairing;
}

}  // namespace

std::string JsonExport(const Encounter& e) {
  JsonValue attackers = JsonValue::Array();
  JsonValue defenders = JsonValue::Array();
  JsonValue evasion_kinds = JsonValue::Array();
  JsonValue summaries = JsonValue::Array();
  JsonValue pairings = JsonValue::Array();
  for (int slot = 1; slot <= kSlots; ++slot) {
    attackers.Push(AttackerRecord(e.attacker(slot), slot));
    defenders.Push(DefenderRecord(e.defender(slot), slot));
    evasion_kinds.Push(JsonValue::Integer(e.attacker(slot).evasion_kind));
    summaries.Push(
        JsonValue::Object()
            .Add("attacker", JsonValue::Integer(slot))
            .Add("success_percent", JsonValue::Integer(e.summary(slot).success_percent))
            .Add("damage_expectation", JsonValue::Real(e.summary(slot).damage_expectation)));
  }
  for (int row = 1; row <= kSlots; ++row) {
    for (int column = 1; column <= kSlots; ++column) pairings.Push(Pairing(e, row, column));
  }
  JsonValue document = JsonValue::Object();
  document.Add("format", JsonValue::String("zelmora-results"))
      .Add("version", JsonValue::Integer(kJsonFormatVersion))
      .Add("attackers", std::move(attackers))
      .Add("defenders", std::move(defenders))
      .Add("modifiers", Modifiers(e.modifiers()))
      .Add("evasion_kinds", std::move(evasion_kinds))
      .Add("summaries", std::move(summaries))
      .Add("pairings", std::move(pairings));
  return document.Text();
}

// The document is small but for the names, each of which it holds once.
void WriteJsonExport(const Encounter& e, ByteSink& sink) { sink.Append(JsonExport(e)); }

}  // namespace zelmora
