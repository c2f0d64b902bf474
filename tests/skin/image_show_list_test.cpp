#include "skin/image_show_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "control_fixture.h"
#include "skin/list_style.h"

namespace pelorin {
namespace {

using testing::Notification;
using Notifications = std::vector<Notification>;

constexpr Colour kIcon = 0x00FF00;
const Rect kList{200, 20, 340, 100};  // four rows of 20

int rowY(int row) {
  return kList.top + 20 * row + 10;
}

class ActionListTest : public testing::ControlTest {
 protected:
  MacroKey macro = MacroKey::create(u"m");
  std::unique_ptr<CImageShowList> list;

  void SetUp() override {
    ControlTest::SetUp();
    for (const char* icon : {"macro_time.png", "macro_up.png", "macro_down.png"}) {
      writeSkin(icon, {13, 14}, kIcon);
    }
    for (int i = 0; i < 6; ++i) {
      macro.insertAction(macro.actionCount,
                         i % 2 == 0 ? MacroAction::press(0x04) : MacroAction::release(0x04));
    }
    list = std::make_unique<CImageShowList>(context, parent(), kList);
    list->setMacro(&macro);
  }
};

TEST_F(ActionListTest, PressSelectsTheActionUnderThePointerSilently) {
  EXPECT_EQ(list->visibleRowCount(), 4);
  list->onLButtonDown(0, 250, rowY(2));
  EXPECT_EQ(list->selectedRow(), 2);
  list->setFirstVisibleRow(3);
  list->onLButtonDown(0, 250, rowY(2));
  EXPECT_EQ(list->selectedRow(), 5);
  list->onLButtonDown(0, 250, rowY(3));
  EXPECT_EQ(list->selectedRow(), -1) << "below the last action";
  EXPECT_TRUE(dialog.received.empty());
}

TEST_F(ActionListTest, DoubleClickNotifiesWithItsFixedId) {
  list->onLButtonDblClk(0, 250, rowY(0));
  EXPECT_EQ(dialog.received, (Notifications{{CImageShowList::kId, 0, notify::kDoubleClick}}));
}

TEST_F(ActionListTest, RowsEndWithTheLastAction) {
  list->setFirstVisibleRow(4);
  const auto picture = render(*list);
  EXPECT_EQ(picture->pixel(208, rowY(1) - 4), kIcon);
  EXPECT_EQ(picture->pixel(208, rowY(2) - 4), list_style::kBackground);
}

TEST_F(ActionListTest, AnEmptyListSelectsNothing) {
  list->setMacro(nullptr);
  list->onLButtonDown(0, 250, rowY(0));
  EXPECT_EQ(list->selectedRow(), -1);
  EXPECT_EQ(render(*list)->pixel(250, rowY(0)), list_style::kBackground);
}

TEST_F(ActionListTest, RowsLeaveRoomForTheIconBeforeTheText) {
  list->select(1);
  const auto picture = render(*list);
  EXPECT_EQ(picture->pixel(337, rowY(1)), list_style::kSelection);
  EXPECT_EQ(picture->pixel(338, rowY(1)), list_style::kBackground);
  EXPECT_EQ(picture->pixel(215, rowY(1) + 5), list_style::kBackground)
      << "the selection starts 17 in";
  // The icon hangs 15 left of the row and 3 below its top.
  EXPECT_EQ(picture->pixel(202, kList.top + 20 + 3), kIcon);
  EXPECT_EQ(picture->pixel(201, kList.top + 20 + 3), list_style::kBackground);
  EXPECT_EQ(picture->pixel(214, kList.top + 20 + 16), kIcon);
}

}  // namespace
}  // namespace pelorin
