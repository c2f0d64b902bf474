// The picture-only buttons of the main window say what they do once the pointer rests on them.
#include "app/window_controls.h"
#include "lang/text_ids.h"
#include "main_window_fixture.h"

namespace pelorin::testing {
namespace {

TEST_F(MainWindowTest, TooltipAfterARestAndGoneOnTheNextControl) {
  start();
  CControlBase* import = window->findControl(ctl_id::kImportProfile);
  ASSERT_EQ(import->tooltip(), text(text_id::kTipImportProfile));
  const Rect frame = simWindow().frame();
  const Rect button = import->rect();
  host.moveMouse(frame.left + button.left + 5, frame.top + button.top + 5);
  settle();
  advance(200);
  EXPECT_FALSE(window->tooltipRect()) << "the tooltip came before the rest";
  advance(500);
  const auto box = window->tooltipRect();
  ASSERT_TRUE(box);
  EXPECT_GE(box->top, button.top + 5) << "the tooltip is not below the pointer";
  EXPECT_LE(box->right, frame.width());
  const Colour drawn = simWindow().pixel(box->left + 2, box->top + 2);
  host.moveMouse(frame.left + 600, frame.top + 20);
  settle();
  EXPECT_FALSE(window->tooltipRect());
  EXPECT_NE(simWindow().pixel(box->left + 2, box->top + 2), drawn) << "the tooltip was not drawn";
}

}  // namespace
}  // namespace pelorin::testing
