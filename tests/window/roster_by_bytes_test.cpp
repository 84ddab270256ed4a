// The window opens the roster its command line names by the bytes given,
// even where they are no text in the locale's encoding (a Shift-JIS name
// from a Windows archive under a UTF-8 locale).
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "tests/support/scripted_prompts.h"
#include "window/calc_app.h"
#include "window/calc_window.h"

namespace zelmora {
namespace {

TEST(CalcAppTest, RosterNamedInShiftJisOpens) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows names files in UTF-16: a name is never bare bytes there";
#endif
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::string path = folder.path().toStdString() + "/\x8b\x53.qvr";  // 鬼 in code page 932
  std::ofstream(path, std::ios::binary) << "P,3,\"\x8b\x53\",70,2\r\n";
  testing::ScriptedPrompts prompts;
  CalcApp app(prompts);
  EXPECT_EQ(app.OpenWithRosterBytes(path).encounter().attacker(3).judgment_value, 70);
  EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("\n").toStdString();
}

}  // namespace
}  // namespace zelmora
