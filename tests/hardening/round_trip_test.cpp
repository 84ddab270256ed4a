#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "files/file_io.h"
#include "files/roster_file.h"

namespace zelmora {
namespace {

// Loads, saves, loads and saves again: the two saved files must be equal.
void ExpectStableRoundTrip(const std::string& bytes, const std::string& what) {
  Encounter first;
  LoadAllBytes(bytes, first);
  const std::string saved = SaveAllBytes(first);
  Encounter second;
  LoadAllBytes(saved, second);
  EXPECT_EQ(SaveAllBytes(second), saved) << what;
  // Every record comes back whole, but for a line break in a name, which a
  // file never carries.
  auto has_break = [](const std::string& name) {
    return name.find_first_of("\r\n") != std::string::npos;
  };
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    if (!has_break(first.attacker(slot).name)) {
      EXPECT_EQ(second.attacker(slot), first.attacker(slot)) << what << " attacker " << slot;
    }
    if (!has_break(first.defender(slot).name)) {
      EXPECT_EQ(second.defender(slot), first.defender(slot)) << what << " defender " << slot;
    }
  }
}

TEST(RoundTripTest, EveryRosterFixtureSavesLoadsAndSavesToTheSameBytes) {
  int files = 0;
  for (const char* folder : {"/fuzz/corpus/roster", "/examples"}) {
    const std::filesystem::path dir = std::string(ZELMORA_SOURCE_DIR) + folder;
    if (!std::filesystem::exists(dir)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      if (entry.path().extension() != ".qvr") continue;
      const ReadResult read = ReadFileBytes(entry.path().string());
      ASSERT_FALSE(read.error) << read.error->reason;
      ExpectStableRoundTrip(read.bytes, entry.path().filename().string());
      ++files;
    }
  }
  EXPECT_GT(files, 10);
}

TEST(RoundTripTest, GeneratedHundredThousandLineRoster) {
  std::mt19937 random(2026);
  std::uniform_int_distribution<std::int32_t> any_int;
  std::uniform_int_distribution<int> slot(0, 6), byte(0x20, 0xfc);
  std::string file;
  for (int line = 0; line < 100000; ++line) {
    std::string name;
    for (int i = line % 7; i > 0; --i) name += static_cast<char>(byte(random));
    if (line % 2 == 0) {
      Attacker a;
      a.name = name;
      a.judgment_value = any_int(random);
      a.dice_count = any_int(random);
      a.defence_flags = any_int(random);
      a.auto_trigger = any_int(random);
      file += AttackerLine(a, slot(random)) + "\r\n";
    } else {
      Defender d;
      d.name = name;
      d.melee_evasion = any_int(random);
      d.magic_defence = any_int(random);
      d.affinities[line % 11] = any_int(random);
      file += DefenderLine(d, slot(random)) + "\r\n";
    }
  }
  ExpectStableRoundTrip(file, "generated roster");
}

}  // namespace
}  // namespace zelmora
