#include "files/roster_file.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/labels.h"
#include "engine/text.h"
#include "files/lines.h"
#include "tests/files/files_test_support.h"

namespace zelmora {
namespace {

using testing::Cp932;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// An attacker and a defender in which every field differs from its default.
Attacker SampleAttacker(std::string name) {
  Attacker a;
  a.judgment_value = 65;
  a.dice_count = 2;
  a.damage_bonus = -3;
  a.judgment_kind = kJudgeMagic;
  a.defence_flags = 6;
  a.attack_attribute = kAttrFire;
  a.evasion_kind = kEvadeRanged;
  a.attack_count = kMax;
  a.auto_trigger = 1;
  a.name = std::move(name);
  return a;
}

Defender SampleDefender(std::string name) {
  Defender d;
  d.melee_evasion = 30;
  d.ranged_evasion = 25;
  d.magic_evasion = kMin;
  d.physical_defence = 4;
  d.magic_defence = -2;
  for (int i = 0; i < kAffinityCount; ++i) d.affinities[static_cast<std::size_t>(i)] = i % 6;
  d.name = std::move(name);
  return d;
}

TEST(RosterLineTest, DefaultRecordsWriteTheDocumentedLines) {
  EXPECT_EQ(AttackerLine(Attacker{}, 3), "P,3,\"\",0,0,0,0,0,11,1,0,0");
  EXPECT_EQ(DefenderLine(Defender{}, 1), "M,1,\"\",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(SaveOneBytes(Attacker{}, 5), "P,5,\"\",0,0,0,0,0,11,1,0,0\r\n");
}

TEST(RosterLineTest, EveryFieldRoundTripsAndOlderLinesKeepTheEvasionKind) {
  const Attacker a = SampleAttacker(Cp932("鬼, the \"big\" one"));
  // A reader of eight integers finds each where it always stood.
  const std::string old_line =
      "P,2,\"" + Cp932("鬼") + ", the \"\"big\"\" one\",65,2,-3,1,6,3,2147483647,1";
  EXPECT_EQ(AttackerLine(a, 2), old_line + ",1");
  Attacker read;
  ReadAttackerLine(AttackerLine(a, 2), read);
  EXPECT_EQ(read, a);
  read.evasion_kind = kEvadeNone;
  ReadAttackerLine(old_line, read);
  EXPECT_EQ(read.evasion_kind, kEvadeNone);

  const Defender d = SampleDefender(Cp932("ゴブリン,甲"));
  EXPECT_EQ(DefenderLine(d, 4),
            "M,4,\"" + Cp932("ゴブリン,甲") + "\",30,25,-2147483648,4,-2,0,1,2,3,4,5,0,1,2,3,4");
  Defender read_defender;
  ReadDefenderLine(DefenderLine(d, 4), read_defender);
  EXPECT_EQ(read_defender, d);
}

TEST(RosterLineTest, LineBreaksInANameAreWrittenAsBlanks) {
  Attacker a;
  a.name = "a\r\nb\rc\nd";
  EXPECT_EQ(AttackerLine(a, 1), "P,1,\"a  b c d\",0,0,0,0,0,11,1,0,0");
}

TEST(RosterLineTest, PartialLinesSetOnlyWhatTheySupply) {
  const Attacker before = SampleAttacker("x");
  struct Case {
    const char* what;
    std::string line;
    Attacker expected;
  };
  auto with = [&](auto change) {
    Attacker a = before;
    change(a);
    return a;
  };
  const std::string oni = Cp932("鬼");
  for (const Case& c : {
           Case{"two integers", "P,2,\"" + oni + "\",70,2", with([&](Attacker& a) {
                  a.name = oni;
                  a.judgment_value = 70;
                  a.dice_count = 2;
                })},
           Case{"blank before the comma", "P,2,\"" + oni + "\" ,70,2",
                with([&](Attacker& a) { a.name = oni; })},
           Case{"blanks and signs after commas", "P,1,\"n\", 70,+2,\t-4", with([&](Attacker& a) {
                  a.name = "n";
                  a.judgment_value = 70;
                  a.dice_count = 2;
                  a.damage_bonus = -4;
                })},
           Case{"stops at a missing integer", "P,1,\"n\",5,,7", with([&](Attacker& a) {
                  a.name = "n";
                  a.judgment_value = 5;
                })},
           Case{"digits end at the first other character", "P,1,\"n\",5x,7", with([&](Attacker& a) {
                  a.name = "n";
                  a.judgment_value = 5;
                })},
           Case{"extra integers ignored", "P,1,\"\",1,2,3,4,5,6,7,8,9,10;x", with([&](Attacker& a) {
                  a.name = "";
                  a.judgment_value = 1;
                  a.dice_count = 2;
                  a.damage_bonus = 3;
                  a.judgment_kind = 4;
                  a.defence_flags = 5;
                  a.attack_attribute = 6;
                  a.attack_count = 7;
                  a.auto_trigger = 8;
                  a.evasion_kind = 9;
                })},
           Case{"saturated integers", "P,1,\"n\",99999999999,-99999999999", with([&](Attacker& a) {
                  a.name = "n";
                  a.judgment_value = kMax;
                  a.dice_count = kMin;
                })},
           Case{"only one quote", "P,1,\"n,5,6", before},
           Case{"no quote", "P,1,5,6", before},
           Case{"comma-separated name", "P,1,\"a,b,,c\",9", with([&](Attacker& a) {
                  a.name = "a,b,,c";
                  a.judgment_value = 9;
                })},
       }) {
    Attacker read = before;
    ReadAttackerLine(c.line, read);
    EXPECT_EQ(read, c.expected) << c.what;
  }
}

TEST(RosterLineTest, QuotesInNames) {
  Attacker a = SampleAttacker("ab\"c");
  EXPECT_EQ(AttackerLine(a, 1).substr(0, 12), "P,1,\"ab\"\"c\",");
  Attacker read;
  ReadAttackerLine(AttackerLine(a, 1), read);
  EXPECT_EQ(read.name, "ab\"c");
  EXPECT_EQ(read.judgment_value, 65);

  // A line of the old writer, three quotes: the name ends at the second one
  // and no integer follows it directly.
  Attacker old_line = SampleAttacker("keep");
  ReadAttackerLine("P,1,\"ab\"c\",1,2,3", old_line);
  Attacker expected = SampleAttacker("ab");
  EXPECT_EQ(old_line, expected);

  for (const std::string name : {"\"", "\"\"", "a\"", "\"a", ""}) {
    Defender d;
    d.name = name;
    d.magic_defence = 9;
    Defender back;
    ReadDefenderLine(DefenderLine(d, 1), back);
    EXPECT_EQ(back, d) << name;
  }
}

TEST(RosterFileTest, ReadsOnlyLinesWithATargetLetterCommaAndSlotOneToFive) {
  AttackerSlots attackers{};
  DefenderSlots defenders{};
  ReadRoster(
      "P,6,\"six\",1\r\n"
      "X,1,\"x\",1\r\n"
      "p,1,\"lower\",1\r\n"
      "P1,\"no comma\",1\r\n"
      "P,0,\"zero\",1\r\n"
      "P,-1,\"minus\",1\r\n"
      "P,,\"none\",1\r\n"
      "\r\n"
      "P\r\n"
      "P, 2,\"blank slot\",20\r\n"
      "P,+3x,\"signed slot\",30\r\n"
      "M,4,\"first\",40,41\r\n"
      "M,4,\"second\",44\n"
      "M,5,\"no end\",50",
      {&attackers, &defenders});
  EXPECT_EQ(attackers[0], Attacker{});
  EXPECT_EQ(attackers[1].name, "blank slot");
  EXPECT_EQ(attackers[1].judgment_value, 20);
  EXPECT_EQ(attackers[2].name, "signed slot");
  EXPECT_EQ(attackers[3], Attacker{});
  EXPECT_EQ(attackers[4], Attacker{});
  // Both lines for slot 4 apply in file order.
  EXPECT_EQ(defenders[3].name, "second");
  EXPECT_EQ(defenders[3].melee_evasion, 44);
  EXPECT_EQ(defenders[3].ranged_evasion, 41);
  EXPECT_EQ(defenders[4].melee_evasion, 50);
}

TEST(RosterFileTest, LoadOneReadsOneSideIntoDefaultRecords) {
  const std::string file = "M,2,\"m\",7\r\nP,2,\"p\",8\r\nP,9,\"q\",9\r\n";
  const AttackerSlots attackers = ReadOneSide<Attacker>(file);
  const DefenderSlots defenders = ReadOneSide<Defender>(file);
  for (int i = 0; i < Encounter::kSlots; ++i) {
    if (i == 1) continue;
    EXPECT_EQ(attackers[static_cast<std::size_t>(i)], Attacker{});
    EXPECT_EQ(defenders[static_cast<std::size_t>(i)], Defender{});
  }
  Attacker p;
  p.name = "p";
  p.judgment_value = 8;
  EXPECT_EQ(attackers[1], p);
  EXPECT_EQ(defenders[1].name, "m");
  EXPECT_EQ(defenders[1].melee_evasion, 7);
}

class SaveLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
      encounter_.attacker(slot) = SampleAttacker(Cp932("攻撃者") + char('0' + slot));
      encounter_.attacker(slot).judgment_value = 10 * slot;
      encounter_.defender(slot) = SampleDefender(Cp932("防御者") + char('0' + slot));
      encounter_.defender(slot).physical_defence = slot;
    }
  }
  Encounter encounter_;
};

TEST_F(SaveLoadTest, SaveAllWritesTenLinesThatLoadAllRestores) {
  const std::string saved = SaveAllBytes(encounter_);
  const auto lines = SplitLines(saved);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(testing::CountLines(saved), 10u);
  EXPECT_EQ(saved.find("\r\n") + 2, saved.find("P,2,"));
  for (int slot = 1; slot <= 5; ++slot) {
    EXPECT_EQ(lines[static_cast<std::size_t>(slot - 1)],
              AttackerLine(encounter_.attacker(slot), slot));
    EXPECT_EQ(lines[static_cast<std::size_t>(slot + 4)],
              DefenderLine(encounter_.defender(slot), slot));
  }

  encounter_.attacker(4).evasion_kind = kEvadeMagic;
  Encounter loaded;
  for (int slot = 1; slot <= 5; ++slot) loaded.attacker(slot).evasion_kind = kEvadeNone;
  EXPECT_EQ(LoadAllBytes(SaveAllBytes(encounter_), loaded).refusal, std::nullopt);
  EXPECT_EQ(loaded.attackers(), encounter_.attackers());
  EXPECT_EQ(loaded.defenders(), encounter_.defenders());
}

// Against melee evasion, the kind a load used to leave, she has 63.36.
TEST(RosterEvasionTest, ACasterKeepsHerChanceThroughSaveAndLoad) {
  Encounter party;
  LoadAllBytes(
      Cp932("P,2,\"魔術師リナ\",70,4,0,1,1,3,1,0\r\nM,1,\"ゴブリン\",30,25,10,4,2,0,0,0,1,2,0,"
            "0,3,0,4,5\r\n"),
      party);
  for (const auto& [kind, chance] : {std::pair{kEvadeMagic, "83.16"}, {kEvadeNone, "91"}}) {
    party.attacker(2).evasion_kind = kind;
    Encounter loaded;
    LoadAllBytes(SaveAllBytes(party), loaded);
    loaded.Recalculate();
    EXPECT_EQ(FormatGeneral(loaded.result(2, 1).attack_chance), chance);
  }
}

TEST_F(SaveLoadTest, OneDefenderLineChangesThatSlotAlone) {
  const Encounter before = encounter_;
  LoadAllBytes("M,2,\"" + Cp932("鬼") + "\",10,20,30,5,6,1,1,1,1,1,1,1,1,1,1,1\r\n", encounter_);
  Defender oni{10, 20, 30, 5, 6, {}, Cp932("鬼")};
  oni.affinities.fill(kAffDouble);
  EXPECT_EQ(encounter_.defender(2), oni);
  for (int slot = 1; slot <= 5; ++slot) {
    EXPECT_EQ(encounter_.attacker(slot), before.attacker(slot));
    if (slot != 2) {
      EXPECT_EQ(encounter_.defender(slot), before.defender(slot));
    }
  }
}

TEST_F(SaveLoadTest, FilesWithoutUsableLinesChangeNothing) {
  const std::string long_line = "P,1,\"" + std::string(8 << 20, 'a');  // never closed
  for (const std::string& bytes :
       {std::string(), std::string("\r\n\n\r\n\n"), std::string("P,1,\"\0\",5\0", 10),
        std::string("\0\0\0", 3), long_line, std::string("P,1,\"\x81"), std::string("\x81"),
        std::string("garbage\r\nP,6,\"a\",1\r\nX,1,\"b\",2\r\n")}) {
    Encounter loaded = encounter_;
    const bool roster_line = bytes.starts_with("P,1,");
    EXPECT_EQ(LoadAllBytes(bytes, loaded).refusal,
              roster_line ? std::nullopt : std::optional<std::string>(kNoRosterLine));
    if (bytes.size() == 10) {  // the NUL line: NUL bytes are name bytes, the 5 is read
      EXPECT_EQ(loaded.attacker(1).name, std::string("\0", 1));
      EXPECT_EQ(loaded.attacker(1).judgment_value, 5);
      loaded.attacker(1) = encounter_.attacker(1);
    }
    EXPECT_EQ(SaveAllBytes(loaded), SaveAllBytes(encounter_)) << bytes.size() << " bytes";
  }
}

TEST(RosterDecodingTest, UTF8RostersAreConvertedAndUnholdableCharactersRefused) {
  const std::string lina = "P,1,\"魔術師リナ\",70\r\n";  // this source is UTF-8
  for (const auto& [bytes, utf8, unholdable] : {std::tuple{Cp932(lina), false, ""},
                                                {lina, true, ""},
                                                {"\xEF\xBB\xBF" + lina, true, ""},
                                                {"P,1,\"リナ😀\",70\r\n", true, "😀"}}) {
    Encounter e;
    const RosterRead read = LoadAllBytes(bytes, e);
    EXPECT_EQ(read.read_as_utf8, utf8) << bytes;
    EXPECT_EQ(read.unholdable, unholdable);
    EXPECT_EQ(read.refusal.has_value(), *unholdable != 0);
    EXPECT_EQ(e.attacker(1).name, *unholdable ? "" : Cp932("魔術師リナ"));
  }
  EXPECT_EQ(ReadOneSide<Attacker>(lina)[0].name, Cp932("魔術師リナ"));
}

TEST_F(SaveLoadTest, HugeNamesAndRostersLoad) {
  const std::string saved = SaveAllBytes(encounter_);
  std::string many;
  for (int i = 0; i < 10'000; ++i) many += saved;  // 100,000 lines
  Encounter from_many;
  LoadAllBytes(many, from_many);
  EXPECT_EQ(SaveAllBytes(from_many), saved);

  encounter_.attacker(3).name = std::string(8 << 20, '\x82');  // an 8 MiB line
  Encounter loaded;
  LoadAllBytes(SaveAllBytes(encounter_), loaded);
  EXPECT_EQ(loaded.attacker(3).name, encounter_.attacker(3).name);
}

// Load all from a file takes the names out of the file's own bytes; it must
// come to what loading the same bytes from memory comes to.
TEST_F(SaveLoadTest, LoadingAFileTakesItsNamesAsLoadingItsBytesDoes) {
  const std::string big(300'000, '\x88');  // a longest name, among others
  const std::string quoted_big = "a\"\"" + big + "\"\"z";
  const std::string cases[] = {
      SaveAllBytes(encounter_),
      // The longest first, last, in the middle; doubled quotes around it.
      "P,1,\"" + quoted_big + "\",1\r\nM,2,\"x\"\"y\",2\r\nP,5,\"short\",3\r\n",
      "M,2,\"x\",2\r\nP,3,\"" + quoted_big + "\",1\r\nM,5,\"\"\"\",9\r\n",
      "M,4,\"x\",2\r\nP,2,\"yy\",3\r\nM,1,\"" + quoted_big + "\",1",
      // A slot named again: the later name wins, the longest one overwritten.
      "P,1,\"" + big + "\",1\r\nP,1,\"later\",2\r\nM,1,\"m\",3\r\n",
      // A name never closed leaves its record; a UTF-8 file with its mark.
      "P,1,\"open,1\r\nM,3,\"closed\",4\r\n",
      "\xEF\xBB\xBFP,1,\"剣士アルド\",75\r\nM,2,\"ゴブリン\",30\r\n",
      "P,1,\"剣士アルド\",75\r\nP,2,\"" + std::string(5000, 'q') + "\u2015\",1\r\n",
  };
  testing::TempFolder folder;
  const std::string path = folder.File("roster.qvr");
  for (const std::string& bytes : cases) {
    testing::Put(path, bytes);
    Encounter from_file = encounter_;
    Encounter from_bytes = encounter_;
    const RosterLoad load = LoadAll(path, from_file);
    const RosterRead read = LoadAllBytes(bytes, from_bytes);
    ASSERT_EQ(load.error, std::nullopt) << bytes.substr(0, 40);
    EXPECT_EQ(load.read_as_utf8, read.read_as_utf8) << bytes.substr(0, 40);
    EXPECT_EQ(SaveAllBytes(from_file), SaveAllBytes(from_bytes)) << bytes.substr(0, 40);
  }
}

TEST_F(SaveLoadTest, ThroughFiles) {
  testing::TempFolder folder;
  const std::string path = folder.File("party.qvr");
  ASSERT_EQ(SaveAll(path, encounter_), std::nullopt);
  EXPECT_EQ(testing::Slurp(path), SaveAllBytes(encounter_));
  Encounter loaded;
  ASSERT_EQ(LoadAll(path, loaded).error, std::nullopt);
  EXPECT_EQ(SaveAllBytes(loaded), SaveAllBytes(encounter_));

  const std::string missing = folder.File("missing.qvr");
  Encounter untouched = encounter_;
  const auto error = LoadAll(missing, untouched).error;
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->path, missing);
  EXPECT_EQ(SaveAllBytes(untouched), SaveAllBytes(encounter_));
  EXPECT_TRUE(SaveAll(folder.File("no/such/folder.qvr"), encounter_).has_value());
}

}  // namespace
}  // namespace zelmora
