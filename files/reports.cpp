#include "files/reports.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "engine/labels.h"
#include "engine/records.h"
#include "engine/text.h"
#include "files/cp932.h"

namespace zelmora {
namespace {

constexpr int kSlots = Encounter::kSlots;
constexpr std::size_t kMatrixNameBytes = 10;
constexpr std::string_view kUnknownCode = "?";

// What a name's byte becomes in a report, or nothing when it stays: names
// never break a line, and in HTML markup characters become entities.
std::string_view Replacement(char c, bool html) {
  switch (c) {
    case '\r':
    case '\n':
      return " ";
    case '&':
      return html ? "&amp;" : "";
    case '<':
      return html ? "&lt;" : "";
    case '>':
      return html ? "&gt;" : "";
    case '"':
      return html ? "&quot;" : "";
    default:
      return "";
  }
}

// A whole name as one part of a line, written into the page without a copy,
// so that a huge name costs no more memory than it already takes.
struct Name {
  std::string_view bytes;
  bool html = false;
};

// Writes lines, each ending with CR LF, as they are made: no more than one
// line (less its names) is ever held.
class Page {
 public:
  explicit Page(ByteSink& sink) : sink_(sink) {}

  template <class... Parts>
  void Line(const Parts&... parts) {
    (Put(parts), ...);
    sink_.Append("\r\n");
  }

 private:
  void Put(std::string_view text) { sink_.Append(text); }
  void Put(const Name& name) {
    // Only a few bytes are replaced; the table finds them without asking
    // Replacement about every byte of a long name.
    static constexpr auto kSpecial = [] {
      std::array<std::uint8_t, 256> special{};
      for (const char c : {'\r', '\n'}) special[static_cast<unsigned char>(c)] = 1;
      for (const char c : {'&', '<', '>', '"'}) special[static_cast<unsigned char>(c)] = 2;
      return special;
    }();
    const std::uint8_t wanted = name.html ? 2 : 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < name.bytes.size(); ++i) {
      const std::uint8_t kind = kSpecial[static_cast<unsigned char>(name.bytes[i])];
      if (kind == 0 || kind > wanted) continue;
      const std::string_view replacement = Replacement(name.bytes[i], name.html);
      if (replacement.empty()) continue;
      sink_.Append(name.bytes.substr(start, i - start));
      sink_.Append(replacement);
      start = i + 1;
    }
    sink_.Append(name.bytes.substr(start));
  }

  ByteSink& sink_;
};

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (const std::string_view part : parts) out += part;
  return out;
}

std::string Blanks(std::size_t count) { return std::string(count, ' '); }
std::string Int(std::int32_t value) { return FormatInt(value); }

// A short name as a report shows it (see Replacement).
std::string Shown(std::string_view name, bool html) {
  std::string out;
  for (const char c : name) {
    const std::string_view replacement = Replacement(c, html);
    if (replacement.empty()) {
      out += c;
    } else {
      out += replacement;
    }
  }
  return out;
}

// The whole characters of the first ten bytes; a two-byte character that
// does not fit becomes a blank, so the width stays ten and the page stays
// valid code page 932.
std::string MatrixName(std::string_view name) {
  std::size_t end = 0;
  while (end < name.size()) {
    const std::size_t next = end + Cp932CharacterBytes(name[end]);
    if (next > kMatrixNameBytes) break;
    end = next;
  }
  std::string cut(name.substr(0, end));
  if (end < kMatrixNameBytes && end < name.size()) cut += ' ';
  return cut;
}

std::string_view AutoTriggerLabel(std::int32_t flag) {
  return kAutoTriggerLabels[flag != 0 ? 0 : 1];
}

std::string PowerText(const Attacker& attacker) {
  return Int(attacker.dice_count) + "d6+ " + Int(attacker.damage_bonus);
}

// The reports' own reading of the defence flags: the kind as the editor
// shows it, and the ignore option before the half one, so that "なし" hides
// the option of 無効 but not of 半減.
std::string_view DefenceLabel(std::int32_t flags) {
  switch (ShownDefenceKind(flags)) {
    case kDefendNone:
      return Cp932Text<" － ">();
    case kDefendMagic:
      return Cp932Text<"魔法">();
    default:
      return Cp932Text<"物理">();
  }
}

std::string_view OptionLabel(std::int32_t flags) {
  if (flags & kIgnoreDefenceFlag) {
    return ShownDefenceKind(flags) == kDefendNone ? Cp932Text<" － ">() : Cp932Text<"無効">();
  }
  if (flags & kHalfDefenceFlag) return Cp932Text<"半減">();
  return Cp932Text<"通常">();
}

std::string_view EvasionLabel(std::int32_t kind) {
  return LabelOr(kEvasionKindLabels, kind, kUnknownCode);
}

std::string_view AttributeLabel(std::int32_t attribute) {
  return LabelOr(kAttackAttributeLabels, attribute, kUnknownCode);
}

std::string AffinitySymbols(const Defender& defender) {
  std::string symbols;
  for (const std::int32_t code : defender.affinities) {
    symbols += LabelOr(kAffinityLabels, code, kUnknownCode);
  }
  return symbols;
}

// The eight values of the bonus section, in the order of ShowModifiers; the
// first four belong to the attack side, the rest to the defence side.
const std::array<std::string_view, 8>& BonusLabels() {
  static const std::array<std::string_view, 8> labels = {
      Cp932Text<"物理命中率">(),   Cp932Text<"魔法命中率">(), Cp932Text<"物理ダメージ">(),
      Cp932Text<"魔法ダメージ">(), Cp932Text<"物理回避">(),   Cp932Text<"魔法回避">(),
      Cp932Text<"物理防御点">(),   Cp932Text<"魔法防御点">()};
  return labels;
}
constexpr std::size_t kAttackSideBonuses = 4;

// The blanks that pad a name to `width` bytes.
std::string PaddingAfter(std::string_view name, std::size_t width) {
  return Blanks(width - std::min(width, name.size()));
}

void TextDefenderLine(Page& page, const Defender& d) {
  page.Line(
      Name{d.name}, PaddingAfter(d.name, 23),
      Concat({" ", PadLeft(Int(d.melee_evasion), 3), "% ", PadLeft(Int(d.ranged_evasion), 3), "% ",
              PadLeft(Int(d.magic_evasion), 3), "%   ", PadLeft(Int(d.physical_defence), 3), "  ",
              PadLeft(Int(d.magic_defence), 3), "    ", AffinitySymbols(d)}));
}

void TextAttackerLine(Page& page, const Attacker& a) {
  page.Line(Name{a.name}, PaddingAfter(a.name, 23),
            Concat({" ", AutoTriggerLabel(a.auto_trigger), " ", PadLeft(Int(a.judgment_value), 3),
                    "% ", PadLeft(PowerText(a), 9), "  ", EvasionLabel(a.evasion_kind), " ",
                    DefenceLabel(a.defence_flags), " ", OptionLabel(a.defence_flags), "   ",
                    Int(a.attack_count), "   ", AttributeLabel(a.attack_attribute)}));
}

std::string TextBonusRow(std::string_view label, std::int32_t value) {
  return PadRight(label, 14) + PadLeft(Int(value), 4) + "%";
}

std::string TextMatrixHeader(const Encounter& e) {
  std::string line = Blanks(11);
  for (int j = 1; j <= kSlots; ++j) {
    line += PadLeft(Shown(MatrixName(e.defender(j).name), false), 10) + "  ";
  }
  return line;
}

template <class Cell>
std::string TextMatrixRow(const Encounter& e, int row, Cell cell) {
  std::string line = PadLeft(Shown(MatrixName(e.attacker(row).name), false), 10) + " ";
  for (int j = 1; j <= kSlots; ++j) line += cell(e.result(row, j));
  return line;
}

template <class Cell>
void TextMatrix(Page& page, const Encounter& e, std::string_view title, Cell cell) {
  page.Line(title);
  page.Line(TextMatrixHeader(e));
  for (int i = 1; i <= kSlots; ++i) page.Line(TextMatrixRow(e, i, cell));
}

std::string Cell(std::string_view content) { return "<TD>" + std::string(content) + "</TD>"; }
std::string PercentCell(std::int32_t value) { return Cell(Int(value) + "%"); }

void HtmlDefenderLine(Page& page, const Defender& d) {
  page.Line("<TR><TD>", Name{d.name, true}, "</TD>",
            PercentCell(d.melee_evasion) + PercentCell(d.ranged_evasion) +
                PercentCell(d.magic_evasion) + Cell(Int(d.physical_defence)) +
                Cell(Int(d.magic_defence)) + Cell(AffinitySymbols(d)) + "</TR>");
}

void HtmlAttackerLine(Page& page, const Attacker& a) {
  page.Line("<TR><TD>", Name{a.name, true}, "</TD>",
            Cell(AutoTriggerLabel(a.auto_trigger)) + PercentCell(a.judgment_value) +
                Cell(PowerText(a)) + Cell(EvasionLabel(a.evasion_kind)) +
                Cell(DefenceLabel(a.defence_flags)) + Cell(OptionLabel(a.defence_flags)) +
                Cell(Int(a.attack_count)) + Cell(AttributeLabel(a.attack_attribute)) + "</TR>");
}

std::string HtmlMatrixHeader(const Encounter& e) {
  std::string line = "<TR><TD></TD>";
  for (int j = 1; j <= kSlots; ++j) line += Cell(Shown(MatrixName(e.defender(j).name), true));
  return line + "</TR>";
}

template <class CellOf>
void HtmlMatrixLine(Page& page, const Encounter& e, int row, CellOf cell) {
  std::string cells;
  for (int j = 1; j <= kSlots; ++j) cells += cell(e.result(row, j));
  page.Line("<TR><TD>", Name{e.attacker(row).name, true}, "</TD>", cells, "</TR>");
}

void SectionEnd(Page& page) {
  page.Line("</TABLE>");
  page.Line();
  page.Line("<BR>");
  page.Line();
}

template <class CellOf>
void HtmlMatrix(Page& page, const Encounter& e, std::string_view title, CellOf cell) {
  page.Line(title);
  page.Line("<TABLE BORDER=1>");
  page.Line(HtmlMatrixHeader(e));
  for (int i = 1; i <= kSlots; ++i) HtmlMatrixLine(page, e, i, cell);
  SectionEnd(page);
}

void WriteHtmlPage(const Encounter& e, std::string_view head, ByteSink& sink) {
  Page page(sink);
  page.Line("<HTML>");
  page.Line(head);
  page.Line("<BODY>");

  page.Line(Cp932Text<"<H3>防御側設定</H3>">());
  page.Line("<TABLE BORDER=1>");
  page.Line(Cp932Text<"<TR><TD></TD><TD COLSPAN=3>回避</TD><TD COLSPAN=2>防御</TD>"
                      "<TD>相性</TD></TR>">());
  page.Line(Cp932Text<"<TR><TD>名称</TD><TD>格闘</TD><TD>射撃</TD><TD>魔法</TD><TD>物理</TD>"
                      "<TD>魔法</TD><TD>剣物技火氷電風心禁聖呪</TD></TR>">());
  for (const Defender& d : e.defenders()) HtmlDefenderLine(page, d);
  SectionEnd(page);

  page.Line(Cp932Text<"<H3>攻撃側設定</H3>">());
  page.Line("<TABLE BORDER=1>");
  page.Line(Cp932Text<"<TR><TD>名称</TD><TD>Ａ</TD><TD>判定</TD><TD>威力</TD><TD>回避</TD>"
                      "<TD>防御</TD><TD>特性</TD><TD>回数</TD><TD>相性</TD></TR>">());
  for (const Attacker& a : e.attackers()) HtmlAttackerLine(page, a);
  SectionEnd(page);

  page.Line(Cp932Text<"<H3>ボーナス／ペナルティ</H3>">());
  page.Line("<TABLE BORDER=1>");
  const ShownModifiers bonuses = ShowModifiers(e.modifiers());
  for (std::size_t k = 0; k < bonuses.size(); ++k) {
    if (k == 0) page.Line(Cp932Text<"<TR><TD>攻撃側</TD></TR>">());
    if (k == kAttackSideBonuses) page.Line(Cp932Text<"<TR><TD>防御側</TD></TR>">());
    page.Line("<TR>", Cell(BonusLabels()[k]), PercentCell(bonuses[k]), "</TR>");
  }
  SectionEnd(page);

  HtmlMatrix(page, e, Cp932Text<"<H3>命中率</H3>">(), HtmlHitCell);
  HtmlMatrix(page, e, Cp932Text<"<H3>期待ダメージ</H3>">(), HtmlDamageCell);
  page.Line("</BODY>");
  page.Line("</HTML>");
}

std::string_view HtmlHead() {
  return Cp932Text<
      "<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
      "charset=Shift_JIS\"><TITLE>ZELMORA確率計算プログラム</TITLE></HEAD>">();
}

std::string_view HtmlHeadForUtf8() {
  return Cp932Text<
      "<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
      "charset=UTF-8\"><TITLE>ZELMORA確率計算プログラム</TITLE></HEAD>">();
}

}  // namespace

std::string TextHitCell(const MatchupResult& r) {
  return " " + PadLeft(FormatFixed(r.attack_chance, 2), 5) + "%(" + PadLeft(r.technique, 3) + ")";
}

std::string TextDamageCell(const MatchupResult& r) {
  return " " + PadLeft(FormatFixed(r.expected_damage, 3), 9) + "  ";
}

std::string HtmlHitCell(const MatchupResult& r) {
  return Cell(FormatFixed(r.attack_chance, 2) + "%(" + PadLeft(r.technique, 3) + ")");
}

std::string HtmlDamageCell(const MatchupResult& r) {
  return Cell(FormatFixed(r.expected_damage, 3));
}

void WriteTextReport(const Encounter& e, ByteSink& sink) {
  Page page(sink);
  page.Line(Cp932Text<"防御側設定                   回避           防御               相性">());
  page.Line(
      Cp932Text<"名称                    格闘 射撃 魔法   物理 魔法   剣物技火氷電風心禁聖呪">());
  for (const Defender& d : e.defenders()) TextDefenderLine(page, d);
  page.Line();

  page.Line(Cp932Text<"攻撃側設定">());
  page.Line(Cp932Text<"名称                    Ａ 判定    威力    回避 防御 特性 回数 相性">());
  for (const Attacker& a : e.attackers()) TextAttackerLine(page, a);
  page.Line();

  page.Line(Cp932Text<"ボーナス／ペナルティ">());
  const ShownModifiers bonuses = ShowModifiers(e.modifiers());
  for (std::size_t k = 0; k < bonuses.size(); ++k) {
    if (k == 0) page.Line(Cp932Text<"攻撃側">());
    if (k == kAttackSideBonuses) page.Line(Cp932Text<"防御側">());
    page.Line(TextBonusRow(BonusLabels()[k], bonuses[k]));
  }
  page.Line();
  page.Line();

  TextMatrix(page, e, Cp932Text<"命中率">(), TextHitCell);
  page.Line();
  page.Line();
  TextMatrix(page, e, Cp932Text<"期待ダメージ">(), TextDamageCell);
}

void WriteHtmlReport(const Encounter& e, ByteSink& sink) { WriteHtmlPage(e, HtmlHead(), sink); }

void WriteHtmlReportForUtf8(const Encounter& e, ByteSink& sink) {
  WriteHtmlPage(e, HtmlHeadForUtf8(), sink);
}

std::string TextReport(const Encounter& e) {
  return CollectBytes([&e](ByteSink& sink) { WriteTextReport(e, sink); });
}

std::string HtmlReport(const Encounter& e) {
  return CollectBytes([&e](ByteSink& sink) { WriteHtmlReport(e, sink); });
}

std::string HtmlReportUtf8(const Encounter& e) {
  return Utf8FromCp932(CollectBytes([&e](ByteSink& sink) { WriteHtmlReportForUtf8(e, sink); }));
}

}  // namespace zelmora
