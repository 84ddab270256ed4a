#pragma once

#include <array>

// Control identifiers of the calculator window's grid. They follow no
// formula, so every use goes through these tables: by attacker row, by
// defender column, and by pairing (row, column). Index 0 is slot 1.
namespace zelmora::grid {

inline constexpr int kSlots = 5;

struct AttackerRowIds {
  int editor;  // blank button at the head of the row
  int name;
  int judgment;     // judgment value, headed "命中率"
  int dice;         // damage dice count
  int bonus;        // damage bonus
  int success;      // output: success percent, headed "成功率"
  int expectation;  // output: damage expectation, headed "期待値"
};

struct DefenderColumnIds {
  int editor;  // thin button along the top of the column
  int name;
  int evasion;  // "melee,ranged,magic"
  int defence;  // "physical,magic"
};

struct PairingIds {
  int chance;     // output: attack chance, "成功率"
  int technique;  // output: technique text, "高度"
  int damage;     // output: expected damage, "期待DMG"
  int detail;     // detail button
};

inline constexpr std::array<AttackerRowIds, kSlots> kAttackerRows = {{
    {1001, 1002, 1003, 1004, 1005, 1006, 1007},
    {1128, 1132, 1129, 1130, 1131, 1017, 1018},
    {1152, 1156, 1153, 1154, 1155, 1057, 1058},
    {1180, 1184, 1181, 1182, 1183, 1085, 1086},
    {1207, 1211, 1208, 1209, 1210, 1212, 1213},
}};

inline constexpr std::array<DefenderColumnIds, kSlots> kDefenderColumns = {{
    {1009, 1010, 1011, 1012},
    {1108, 1097, 1095, 1096},
    {1109, 1099, 1100, 1101},
    {1110, 1102, 1103, 1104},
    {1111, 1105, 1106, 1107},
}};

// kPairings[row][column].
inline constexpr std::array<std::array<PairingIds, kSlots>, kSlots> kPairings = {{
    {{{1013, 1014, 1015, 1016},
      {1112, 1113, 1114, 1124},
      {1115, 1116, 1117, 1125},
      {1118, 1119, 1120, 1126},
      {1121, 1122, 1123, 1127}}},
    {{{1020, 1023, 1022, 1019},
      {1136, 1137, 1138, 1148},
      {1139, 1140, 1141, 1149},
      {1142, 1143, 1144, 1150},
      {1145, 1146, 1147, 1151}}},
    {{{1159, 1160, 1161, 1075},
      {1163, 1164, 1165, 1176},
      {1166, 1167, 1168, 1177},
      {1169, 1170, 1171, 1178},
      {1172, 1173, 1174, 1179}}},
    {{{1187, 1188, 1189, 1202},
      {1190, 1191, 1192, 1203},
      {1193, 1194, 1195, 1204},
      {1196, 1197, 1198, 1205},
      {1199, 1200, 1201, 1206}}},
    {{{1214, 1215, 1216, 1229},
      {1217, 1218, 1219, 1230},
      {1220, 1221, 1222, 1231},
      {1223, 1224, 1225, 1232},
      {1226, 1227, 1228, 1233}}},
}};

inline constexpr int kRecalculateButton = 1008;
inline constexpr int kModifiersButton = 1259;

}  // namespace zelmora::grid
