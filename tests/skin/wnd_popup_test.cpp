#include <gtest/gtest.h>

#include <array>

#include "skin/popup_kind.h"
#include "skin/wnd_popup.h"
#include "skin_fixture.h"

namespace pelorin {
namespace {

using testing::Notification;
using testing::ProbeDialog;

// A menu of three 20-pixel rows; the row under the pointer is lit and a release chooses it.
class RowMenu : public CWndPopup {
 public:
  using CWndPopup::CWndPopup;
  std::array<std::array<std::uint8_t, 3>, 3> codes{
      {{0x01, 0xF0, 0x00}, {0x02, 0xF0, 0x00}, {0x90, 0x03, 0x00}}};
  int lit = -1;
  int itemsAdded = 0;

 protected:
  void onCreateItems() override { ++itemsAdded; }
  void drawItems(Canvas& canvas, const Rect& client) override {
    if (lit >= 0) canvas.fillRect(Rect::ofSize(0, lit * 20, client.width(), 20), 0x35A0DE);
  }
  bool onItemPointer(int, int y) override { return light(y < 0 ? -1 : y / 20); }
  bool onItemRelease(int, int y) override {
    if (y >= 0 && y < 60)
      sendItem(reinterpret_cast<std::intptr_t>(&codes[static_cast<std::size_t>(y / 20)]));
    return false;
  }

 private:
  bool light(int row) {
    if (row == lit) return false;
    lit = row;
    return true;
  }
};

constexpr int kSlot = 4;
constexpr unsigned kItemMessage = 1164;

class PopupTest : public testing::SkinTest {
 protected:
  ProbeDialog owner{context, Size{400, 300}};
  RowMenu* menu = nullptr;

  void SetUp() override {
    owner.create(WindowKind::Main, kNoWindow);
    host.runPending();
  }
  RowMenu& open(int kind) {
    auto popup = std::make_unique<RowMenu>(context);
    menu = popup.get();
    const Rect at = Rect::ofSize(simWindow(owner).frame().left + 50,
                                 simWindow(owner).frame().top + 50, 120, 60);
    owner.openPopup(kSlot, std::move(popup),
                    PopupPlacement{kNoWindow, at, kItemMessage, 2016, kind});
    host.runPending();
    owner.received.clear();
    return *menu;
  }
  SimWindow& popupWindow() { return *host.findSim(menu->windowId()); }
};

TEST(PopupKind, ClosedMessageOfEachKind) {
  const std::array<unsigned, 16> expected{1029, 1032, 1042, 1045, 0,    0,    1057, 1126,
                                          1136, 1146, 1156, 1159, 1162, 1165, 1168, 1170};
  for (int kind = 0; kind < 16; ++kind) {
    const auto message = popupClosedMessage(kind);
    EXPECT_EQ(message.value_or(0), expected[static_cast<std::size_t>(kind)]) << kind;
  }
  EXPECT_FALSE(popupClosedMessage(-1));
  EXPECT_FALSE(popupClosedMessage(16));
}

TEST_F(PopupTest, OpensAsATopmostFocusedWindowAtItsPlace) {
  RowMenu& m = open(0);
  const SimWindow& w = popupWindow();
  EXPECT_EQ(m.itemsAdded, 1);
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(w.topmost());
  EXPECT_TRUE(w.hasFocus());
  EXPECT_EQ(w.owner(), owner.windowId());
  EXPECT_EQ(w.frame().width(), 120);
  EXPECT_EQ(w.pixel(60, 30), 0u) << "a popup starts from black";
  EXPECT_EQ(owner.popup(kSlot), &m);
}

TEST_F(PopupTest, HoverLightsARowAndReleaseSendsItsRecord) {
  RowMenu& m = open(0);
  const Rect frame = popupWindow().frame();
  host.moveMouse(frame.left + 10, frame.top + 25);
  EXPECT_EQ(popupWindow().pixel(60, 30), 0x35A0DEu);
  EXPECT_EQ(popupWindow().pixel(60, 10), 0u);
  host.pressLeft();
  EXPECT_TRUE(popupWindow().hasCapture());
  host.releaseLeft();
  EXPECT_FALSE(popupWindow().hasCapture());
  ASSERT_EQ(owner.received.size(), 1u);
  EXPECT_EQ(owner.received[0].message, kItemMessage);
  EXPECT_EQ(owner.received[0].wParam, 2016);
  EXPECT_EQ(owner.received[0].lParam, reinterpret_cast<std::intptr_t>(&m.codes[1]));
  host.doubleClickLeft(frame.left + 10, frame.top + 45);
  EXPECT_EQ(owner.received.size(), 3u) << "a quick second click chooses as the first did";
  EXPECT_EQ(owner.received.back().lParam, reinterpret_cast<std::intptr_t>(&m.codes[2]));
  host.moveMouse(frame.right + 100, frame.top);
  EXPECT_EQ(m.lit, -1) << "leaving clears the highlight";
}

struct DeactivationCase {
  int kind;
  unsigned message;  // 0: the kind reports nothing
};

class PopupDeactivationTest : public PopupTest,
                              public ::testing::WithParamInterface<DeactivationCase> {};

TEST_P(PopupDeactivationTest, ClickElsewhereTellsTheOwner) {
  open(GetParam().kind);
  const Rect frame = simWindow(owner).frame();
  host.clickLeft(frame.left + 300, frame.top + 250);  // on the owner, away from the popup
  std::vector<Notification> expected;
  if (GetParam().message != 0) {
    expected.push_back({GetParam().message, 2016, GetParam().kind});
  }
  EXPECT_EQ(owner.received, expected);
  EXPECT_NE(host.find(menu->windowId()), nullptr) << "the owner decides when it closes";
}

INSTANTIATE_TEST_SUITE_P(Kinds, PopupDeactivationTest,
                         ::testing::Values(DeactivationCase{0, 1029}, DeactivationCase{4, 0},
                                           DeactivationCase{5, 0}, DeactivationCase{6, 1057},
                                           DeactivationCase{15, 1170}));

TEST_F(PopupTest, CloseForwardsToTheOwnerAndEndsTheWindow) {
  open(1);
  const WindowId id = menu->windowId();
  host.send(id, Message{msg::kClose, 0, 0, {}});
  EXPECT_EQ(host.find(id), nullptr);
  EXPECT_FALSE(menu->isOpen());
  EXPECT_EQ(owner.received, (std::vector<Notification>{{kPopupClosingMessage, 0, 0}}));
}

TEST_F(PopupTest, ClosePopupPostsTheCloseAndEmptiesTheSlot) {
  open(2);
  const WindowId id = menu->windowId();
  owner.closePopup(kSlot);
  EXPECT_EQ(owner.popup(kSlot), nullptr);
  EXPECT_NE(host.find(id), nullptr) << "the close is posted, not sent";
  host.runPending();
  EXPECT_EQ(host.find(id), nullptr);
  EXPECT_EQ(owner.received, (std::vector<Notification>{{kPopupClosingMessage, 0, 0}}));
  owner.closePopup(kSlot);  // an empty slot is fine
  owner.closePopup(CDlgBase::kPopupSlotCount);
}

TEST_F(PopupTest, ClosingResetsAStalePressedControl) {
  testing::ProbeControl& combo = owner.add(0, 2013, {10, 10, 100, 30});
  testing::ProbeControl& other = owner.add(0, 2014, {10, 40, 100, 60});
  moveTo(owner, 20, 20);
  host.pressLeft();
  moveTo(owner, 20, 50);  // the hover moves on while the combo keeps its press
  host.releaseLeft();
  open(3);
  combo.calls.clear();
  owner.closePopup(kSlot);
  EXPECT_EQ(combo.calls, (std::vector<std::string>{"reset 0"}));
  EXPECT_EQ(std::count(other.calls.begin(), other.calls.end(), "reset 0"), 0);
}

TEST_F(PopupTest, ReopeningASlotClosesTheOldPopup) {
  open(0);
  const WindowId first = menu->windowId();
  open(0);
  EXPECT_EQ(host.find(first), nullptr);
  EXPECT_NE(host.find(menu->windowId()), nullptr);
}

}  // namespace
}  // namespace pelorin
