// The window opens at the size its laid-out contents need, in the fonts and
// at the scale of its screen: run once on the default screen and once per
// screen described in tests/window/screens (`-platform offscreen:configfile=`).
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include "tests/support/scripted_prompts.h"
#include "window/attacker_row.h"
#include "window/calc_app.h"
#include "window/calc_grid.h"
#include "window/calc_window.h"
#include "window/defender_column.h"
#include "window/results_grid.h"

namespace zelmora {
namespace {

// Whether `widget` lies wholly in what the scroll area shows.
::testing::AssertionResult WhollyShown(const QScrollArea& scroll, const QWidget& widget,
                                       const char* what) {
  const QRect shown = scroll.viewport()->rect();
  const QRect place(widget.mapTo(scroll.viewport(), QPoint(0, 0)), widget.size());
  if (shown.contains(place)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << what << " at " << place.x() << "," << place.y() << " " << place.width() << "x"
         << place.height() << " outside " << shown.width() << "x" << shown.height();
}

TEST(WindowSizeTest, OpensWithTheWholeGridInViewWhereTheScreenHasRoom) {
  testing::ScriptedPrompts prompts;
  CalcApp app(prompts);
  CalcWindow& window = app.Open();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* scroll = qobject_cast<QScrollArea*>(window.centralWidget());
  ASSERT_NE(scroll, nullptr);
  const QRect room = window.screen()->availableGeometry();
  const QSize natural = window.NaturalSize();
  SCOPED_TRACE(::testing::Message()
               << "screen " << room.width() << "x" << room.height() << " at "
               << window.screen()->logicalDotsPerInch() << " dpi, "
               << "window needs " << natural.width() << "x" << natural.height());
  // Nothing is left out of the size, nor added for nothing.
  EXPECT_GE(natural.height(), window.menuBar()->height() + window.statusBar()->height() +
                                  window.grid().minimumSizeHint().height());
  EXPECT_GE(natural.width(), window.grid().minimumSizeHint().width());

  const bool fits = natural.width() + 8 <= room.width() && natural.height() + 34 <= room.height();
  if (!fits) {
    // As much as the screen holds, on the screen; the grid scrolls.
    EXPECT_LE(window.width(), room.width());
    EXPECT_LE(window.height(), room.height());
    EXPECT_TRUE(room.contains(window.geometry().topLeft()));
    return;
  }
  EXPECT_EQ(window.size(), natural);
  EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
  EXPECT_GE(window.grid().width(), window.grid().minimumSizeHint().width());
  EXPECT_GE(window.grid().height(), window.grid().minimumSizeHint().height());
  for (int slot = 1; slot <= 5; ++slot) {
    EXPECT_TRUE(WhollyShown(*scroll, window.grid().attacker(slot), "attacker row"));
    EXPECT_TRUE(WhollyShown(*scroll, window.grid().defender(slot), "defender column"));
  }
  EXPECT_TRUE(WhollyShown(*scroll, window.grid().results(), "pairings"));
  EXPECT_TRUE(WhollyShown(*scroll, window.grid().recalculate_button(), "再計算"));
}

}  // namespace
}  // namespace zelmora
