#include "files/temporary_names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora {
namespace {

// A name made for a process reads back as that process's, on every
// platform, whatever the random part.
TEST(TemporaryNamesTest, NameReadsBackAsItsProcess) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  for (const auto& [process, random] : {std::pair<std::uint64_t, std::uint64_t>{1, 0},
                                        {4242, 0xdeadbeef},
                                        {4294967295, kMax},
                                        {kMax, 1}}) {
    const std::string name = TemporaryName(process, random);
    EXPECT_TRUE(name.starts_with(kTemporaryPrefix)) << name;
    EXPECT_EQ(TemporaryOwner(name), process) << name;
  }
}

// Only our own names count, so that a cleanup never takes another
// program's file or one of the user's.
TEST(TemporaryNamesTest, OtherNamesHaveNoOwner) {
  for (std::string_view name : {
           "",
           "party.qvr",
           ".zelmora-",
           ".zelmora-12",      // no separator after the process
           ".zelmora--12-ab",  // a sign is no process
           ".zelmora-+12-ab",
           ".zelmora-0-ab",  // no process has id 0
           ".zelmora-x12-ab",
           ".zelmora-12x-ab",
           ".zelmora-18446744073709551616-ab",  // past 64 bits
           "zelmora-12-ab",
           "..zelmora-12-ab",
           ".ZELMORA-12-ab",
       }) {
    EXPECT_EQ(TemporaryOwner(name), std::nullopt) << name;
  }
}

// New names belong to this process and differ, so that two saves at once
// never take the same temporary.
TEST(TemporaryNamesTest, NewNamesAreThisProcessAndDiffer) {
  const std::string first = NewTemporaryName();
  const std::string second = NewTemporaryName();
  EXPECT_EQ(TemporaryOwner(first), CurrentProcess());
  EXPECT_EQ(TemporaryOwner(second), CurrentProcess());
  EXPECT_NE(first, second);
}

}  // namespace
}  // namespace zelmora
