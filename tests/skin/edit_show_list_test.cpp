#include "skin/edit_show_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "control_fixture.h"
#include "skin/list_style.h"

namespace pelorin {
namespace {

using testing::Notification;
using Notifications = std::vector<Notification>;

constexpr int kListId = 2015;
constexpr Colour kOpenIcon = 0x00FF00;
constexpr Colour kClosedIcon = 0x0000FF;
// Four rows of 20; the folder icons are 16 wide, so a top-level icon ends 16 right of x = 20.
const Rect kList{20, 20, 160, 100};

int rowY(int row) {
  return kList.top + 20 * row + 10;
}

class TreeListTest : public testing::ControlTest {
 protected:
  MacroStore store;
  std::unique_ptr<CEditShowList> list;

  void SetUp() override {
    ControlTest::SetUp();
    writeSkin("foldr_open.png", {16, 16}, kOpenIcon);
    writeSkin("foldr_close.png", {16, 16}, kClosedIcon);
    // Row 0: folder A (closed) holding folder B holding macro m; row 1: macro solo.
    ASSERT_TRUE(store.library.putFolder(LibraryLocation::top(0), u"A", false));
    ASSERT_TRUE(store.library.putFolder(LibraryLocation::child(0, 0), u"B", false));
    ASSERT_TRUE(
        store.library.putMacro(LibraryLocation::grandchild(0, 0, 0), u"m", MacroKey::create(u"m")));
    ASSERT_TRUE(
        store.library.putMacro(LibraryLocation::top(1), u"solo", MacroKey::create(u"solo")));
    list = std::make_unique<CEditShowList>(context, parent(), kListId, kList, store);
  }
  bool isOpen(const LibraryLocation& location) {
    return store.library.itemAt(location)->folderIsOpen != 0;
  }
  void press(int x, int row) {
    list->onLButtonDown(0, x, rowY(row));
    list->onLButtonUp(0, x, rowY(row));
  }
};

TEST_F(TreeListTest, PressOnAClosedFoldersIconOpensItAndSelectsIt) {
  press(25, 0);
  EXPECT_TRUE(isOpen(LibraryLocation::top(0)));
  EXPECT_EQ(list->selectedRow(), 0);
  EXPECT_EQ(store.selection, LibraryLocation::top(0));
  EXPECT_EQ(dialog.received, (Notifications{{kListId, 0, notify::kClicked}}))
      << "the press itself is silent";
  press(25, 0);
  EXPECT_FALSE(isOpen(LibraryLocation::top(0))) << "a second press closes it again";
}

TEST_F(TreeListTest, PressOnAFoldersNameOnlySelectsIt) {
  press(80, 0);
  EXPECT_FALSE(isOpen(LibraryLocation::top(0)));
  EXPECT_EQ(store.selection, LibraryLocation::top(0));
}

TEST_F(TreeListTest, TheIconReachGrowsWithTheDepth) {
  press(25, 0);  // opens A: rows are A, B, solo
  press(45, 1);  // 25 from the edge: within two icon widths for B on the second level
  EXPECT_TRUE(isOpen(LibraryLocation::child(0, 0)));
  EXPECT_EQ(store.selection, LibraryLocation::child(0, 0));
  press(45, 0);  // the same distance is past A's own icon
  EXPECT_TRUE(isOpen(LibraryLocation::top(0)));
  EXPECT_EQ(store.library.locationOfRow(2), LibraryLocation::grandchild(0, 0, 0));
}

TEST_F(TreeListTest, PressBelowTheLastRowClearsTheSelection) {
  press(80, 1);
  EXPECT_EQ(store.selection, LibraryLocation::top(1));
  press(80, 3);
  EXPECT_EQ(list->selectedRow(), -1);
  EXPECT_EQ(store.selection.stage, -1);
}

TEST_F(TreeListTest, DoubleClickTogglesTheFolderThenNotifies) {
  EXPECT_TRUE(list->onLButtonDblClk(0, 80, rowY(0)));
  EXPECT_TRUE(isOpen(LibraryLocation::top(0)));
  EXPECT_EQ(dialog.received, (Notifications{{kListId, 0, notify::kDoubleClick}}));
  EXPECT_FALSE(list->onLButtonDblClk(0, 80, rowY(3))) << "no row there";
  EXPECT_EQ(dialog.received.size(), 1u);
}

TEST_F(TreeListTest, RightClickSelectsTheRowThenReportsWithThePointer) {
  list->onRButtonUp(0, 80, rowY(1));
  EXPECT_EQ(store.selection, LibraryLocation::top(1));
  ASSERT_EQ(dialog.received.size(), 1u);
  EXPECT_EQ(dialog.received[0].lParam, notify::kRightClick);
  EXPECT_NE(dialog.received[0].wParam, 0);
}

TEST_F(TreeListTest, ScrolledRowsAreCountedFromTheFirstVisibleRow) {
  press(25, 0);
  list->setFirstVisibleRow(1);
  press(80, 0);
  EXPECT_EQ(list->selectedRow(), 1);
  EXPECT_EQ(store.selection, LibraryLocation::child(0, 0));
}

TEST_F(TreeListTest, EnsureVisibleScrollsJustEnough) {
  for (int i = 2; i < 10; ++i) {
    ASSERT_TRUE(store.library.putMacro(LibraryLocation::top(i), u"x", MacroKey::create(u"x")));
  }
  list->select(7);
  list->ensureVisible();
  EXPECT_EQ(list->firstVisibleRow(), 4);
  list->select(2);
  list->ensureVisible();
  EXPECT_EQ(list->firstVisibleRow(), 2);
  list->select(-1);
  list->ensureVisible();
  EXPECT_EQ(list->firstVisibleRow(), 2) << "nothing selected: nothing to show";
}

TEST_F(TreeListTest, DrawsTheSelectionAndTheFolderIcons) {
  press(25, 0);  // A open, selected
  press(25, 1);  // on B's icon: opens B
  press(80, 2);  // select m
  auto picture = render(*list);
  EXPECT_EQ(picture->pixel(21, rowY(2)), list_style::kBackground) << "rows keep off the edge";
  EXPECT_EQ(picture->pixel(150, rowY(2)), list_style::kSelection);
  EXPECT_EQ(picture->pixel(150, rowY(0)), list_style::kBackground);
  EXPECT_EQ(picture->pixel(28, rowY(0)), kOpenIcon);
  EXPECT_EQ(picture->pixel(28 + 19, rowY(1)), kOpenIcon) << "indented one icon and gap";
  EXPECT_EQ(picture->pixel(28 + 19, rowY(2)), list_style::kSelection) << "macros show no icon";
  press(25, 0);  // closing A hides B and m
  picture = render(*list);
  EXPECT_EQ(picture->pixel(28, rowY(0)), kClosedIcon);
  EXPECT_EQ(picture->pixel(150, rowY(2)), list_style::kBackground);
}

}  // namespace
}  // namespace pelorin
