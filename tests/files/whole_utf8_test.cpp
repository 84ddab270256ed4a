// Text for a console is converted in pieces: a piece ends before a UTF-8
// sequence that is not complete yet, and never holds back whole text.
#include <gtest/gtest.h>

#include <string>

#include "files/terminal_text.h"

namespace zelmora {
namespace {

TEST(WholeUtf8LengthTest, EndsBeforeACutSequenceOnly) {
  const struct {
    const char* what;
    std::string bytes;
    std::size_t whole;
  } cases[] = {
      {"nothing", "", 0},
      {"ASCII", "ab\n", 3},
      {"whole 2-byte", "\xC3\xA9", 2},
      {"cut 2-byte", "a\xC3", 1},
      {"whole 3-byte", "\xE3\x83\x91", 3},
      {"3-byte cut after 1", "a\xE3", 1},
      {"3-byte cut after 2", "a\xE3\x83", 1},
      {"whole 4-byte", "\xF0\x9F\x8E\xB2", 4},
      {"4-byte cut after 3", "\xE3\x83\x91\xF0\x9F\x8E", 3},
      {"stray continuation", "a\x80", 2},
      {"five continuations", "\x80\x80\x80\x80\x80", 5},
      {"stray lead byte mid-text", "\xE3\x61", 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WholeUtf8Length(c.bytes), c.whole) << c.what;
  }
  // Fed byte by byte, the pieces are exactly the characters.
  const std::string text = "パ-é🎲";
  std::string held;
  std::string given;
  for (const char byte : text) {
    held += byte;
    const std::size_t whole = WholeUtf8Length(held);
    given += held.substr(0, whole);
    held.erase(0, whole);
  }
  EXPECT_EQ(given, text);
  EXPECT_EQ(held, "");
}

}  // namespace
}  // namespace zelmora
