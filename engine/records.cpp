#include "engine/records.h"

namespace zelmora {

ShownModifiers ShowModifiers(const GlobalModifiers& m) {
  return {m.hit_bonus[0],     m.hit_bonus[1],     m.damage_bonus[0],  m.damage_bonus[1],
          m.evasion_bonus[0], m.evasion_bonus[2], m.defence_bonus[0], m.defence_bonus[1]};
}

GlobalModifiers ModifiersFromShown(const ShownModifiers& shown) {
  GlobalModifiers m;
  m.hit_bonus = {shown[0], shown[1], 0};
  m.damage_bonus = {shown[2], shown[3], 0};
  m.evasion_bonus = {shown[4], shown[4], shown[5], 0};
  m.defence_bonus = {shown[6], shown[7], 0};
  return m;
}

}  // namespace zelmora
