#include "files/kept_table.h"

#include <gtest/gtest.h>

#include "files/roster_file.h"
#include "tests/support/sample_table.h"

namespace zelmora {
namespace {

using testing::SameTable;

class KeptTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FillSampleTable(kept);
    bytes = KeptTableBytes(kept);
  }
  Encounter kept;
  std::string bytes;
};

TEST_F(KeptTableTest, RestoresRecordsEvasionKindsAndModifiersExactly) {
  for (Attacker& a : kept.attackers()) a.name = "\xE3\x81\x82";  // UTF-8, not code page 932
  bytes = KeptTableBytes(kept);
  Encounter restored;
  restored.attacker(2).name = "stale";
  ASSERT_EQ(ReadKeptTable(bytes, restored), KeptTableProblem::kNone);
  EXPECT_TRUE(SameTable(restored, kept));
}

// The records stay a roster: the load-all reader takes the ten lines and
// skips the closing one.
TEST_F(KeptTableTest, RosterReaderSeesTheTenRecordsAndNothingElse) {
  Encounter loaded;
  LoadAllBytes(bytes, loaded);
  EXPECT_EQ(loaded.attackers(), kept.attackers());
  EXPECT_EQ(loaded.defenders(), kept.defenders());
  EXPECT_EQ(loaded.modifiers(), GlobalModifiers{});
}

// Whatever happened to the file, a damaged one is told apart and the table
// it was to be read into keeps every value.
TEST_F(KeptTableTest, EveryTruncationAndEveryAlteredByteIsRefusedAndChangesNothing) {
  Encounter untouched;
  untouched.attacker(1).judgment_value = 99;
  const auto expect_refused = [&](const std::string& damaged, const std::string& what) {
    Encounter target = untouched;
    EXPECT_EQ(ReadKeptTable(damaged, target), KeptTableProblem::kDamaged) << what;
    EXPECT_TRUE(SameTable(target, untouched)) << what;
  };
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    expect_refused(bytes.substr(0, length), "cut to " + std::to_string(length));
  }
  const std::size_t version_at = bytes.find("table 1 ") + 6;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (at == version_at) continue;
    std::string altered = bytes;
    altered[at] = static_cast<char>(altered[at] ^ 0x04);
    expect_refused(altered, "byte " + std::to_string(at) + " altered");
  }
  expect_refused(SaveAllBytes(kept), "a plain roster");
  expect_refused("\x89\x50\x4e\x47\r\n", "garbage");
}

TEST_F(KeptTableTest, AnotherVersionIsNamedAsSuch) {
  std::string later = bytes;
  later.replace(later.find("table 1 ") + 6, 1, "2");
  Encounter target;
  EXPECT_EQ(ReadKeptTable(later, target), KeptTableProblem::kOtherVersion);
  EXPECT_TRUE(SameTable(target, Encounter{}));
}

// The roster a table belongs to comes back byte for byte, whatever the
// name holds; a table of no roster, or one kept before rosters were kept,
// belongs to none. Either way the records stay a roster.
TEST_F(KeptTableTest, RosterAndItsSavedStateComeBackWithTheTable) {
  const KeptRoster rosters[] = {
      {"/home/gm/party.qvr", true},
      {std::string("/tmp/\x83\x53 a b\r\n\xff\x00z.qvr", 20), false},
      {},
  };
  for (const KeptRoster& roster : rosters) {
    const std::string with_roster = KeptTableBytes(kept, roster);
    Encounter restored;
    KeptRoster read{"stale", true};
    ASSERT_EQ(ReadKeptTable(with_roster, restored, &read), KeptTableProblem::kNone);
    EXPECT_EQ(read, roster);
    EXPECT_TRUE(SameTable(restored, kept));
    Encounter loaded;
    LoadAllBytes(with_roster, loaded);
    EXPECT_EQ(loaded.attackers(), kept.attackers());
    EXPECT_EQ(loaded.defenders(), kept.defenders());
  }
  KeptRoster read{"stale", true};
  Encounter restored;
  ASSERT_EQ(ReadKeptTable(bytes, restored, &read), KeptTableProblem::kNone);
  EXPECT_EQ(read, KeptRoster{});
}

}  // namespace
}  // namespace zelmora
