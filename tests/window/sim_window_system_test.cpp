#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_window_system.h"
#include "platform/virtual_keys.h"

namespace pelorin {
namespace {

using std::chrono::milliseconds;

// Writes down everything the host delivers.
class Recorder : public WindowClient {
 public:
  std::vector<std::string> log;
  Colour paintColour = 0x112233;
  WindowSystem* host = nullptr;
  WindowId self = kNoWindow;

  void onPaint(Canvas& canvas, const Rect& dirty) override {
    canvas.fillRect(dirty, paintColour);
    log.push_back("paint");
  }
  void onMouse(const MouseEvent& e) override {
    static constexpr const char* kNames[] = {"move", "leave", "hover", "ldown", "lup",
                                             "ldbl", "rdown", "rup",   "wheel"};
    log.push_back(std::string(kNames[static_cast<int>(e.action)]) + " " + std::to_string(e.x) +
                  "," + std::to_string(e.y));
  }
  void onKey(const KeyEvent& e) override {
    log.push_back((e.down ? "keydown " : "keyup ") + std::to_string(e.virtualKey));
  }
  void onText(std::u16string_view text) override {
    log.push_back("text " + std::to_string(text.size()));
  }
  void onTimer(int id) override { log.push_back("timer " + std::to_string(id)); }
  std::intptr_t onMessage(const Message& m) override {
    log.push_back("msg " + std::to_string(m.id));
    return static_cast<std::intptr_t>(m.id) + 1;
  }
  void onDeactivate() override { log.push_back("deactivate"); }
  void onDestroyed() override { log.push_back("destroyed"); }

  std::vector<std::string> take() { return std::exchange(log, {}); }
};

class SimHostTest : public ::testing::Test {
 protected:
  Recorder mainClient;
  Recorder popupClient;
  Recorder osdClient;
  SimWindowSystem host;

  SimWindow& open(Recorder& client, WindowKind kind, Rect frame) {
    Window& w = host.createWindow(WindowSpec{kind, frame, kNoWindow, u"t"}, client);
    w.show(ShowMode::Normal);
    host.runPending();
    client.take();
    return *host.findSim(w.id());
  }
};

TEST_F(SimHostTest, TimersFireInTimeOrderAndRepeat) {
  SimWindow& w = open(mainClient, WindowKind::Main, {0, 0, 100, 100});
  w.setTimer(30, milliseconds(20));
  w.setTimer(40, milliseconds(100));
  host.advance(milliseconds(110));
  EXPECT_EQ(mainClient.take(), (std::vector<std::string>{"timer 30", "timer 30", "timer 30",
                                                         "timer 30", "timer 30", "timer 40"}));
  w.setTimer(30, milliseconds(50));  // restarting counts from now
  w.killTimer(40);
  host.advance(milliseconds(49));
  EXPECT_TRUE(mainClient.take().empty());
  host.advance(milliseconds(1));
  EXPECT_EQ(mainClient.take(), (std::vector<std::string>{"timer 30"}));
}

TEST_F(SimHostTest, PostedMessagesArriveInOrderAndStaleIdsAreHarmless) {
  SimWindow& w = open(mainClient, WindowKind::Main, {0, 0, 10, 10});
  const WindowId id = w.id();
  EXPECT_TRUE(host.post(id, Message{1057, 0, 0, {}}));
  EXPECT_TRUE(host.post(id, Message{1029, 0, 0, {}}));
  EXPECT_TRUE(mainClient.log.empty()) << "posting does not deliver";
  EXPECT_EQ(host.send(id, Message{7, 0, 0, {}}), 8);
  host.runPending();
  EXPECT_EQ(mainClient.take(), (std::vector<std::string>{"msg 7", "msg 1057", "msg 1029"}));

  host.post(id, Message{99, 0, 0, {}});
  host.destroy(id);
  EXPECT_EQ(mainClient.take(), (std::vector<std::string>{"destroyed"}));
  host.runPending();
  EXPECT_TRUE(mainClient.log.empty()) << "messages for a destroyed window are dropped";
  EXPECT_FALSE(host.post(id, Message{1, 0, 0, {}}));
  EXPECT_EQ(host.send(id, Message{1, 0, 0, {}}), 0);
  EXPECT_EQ(host.find(id), nullptr);
}

TEST_F(SimHostTest, PointerGoesToTheWindowUnderItInClientCoordinates) {
  open(mainClient, WindowKind::Main, {100, 100, 300, 300});
  open(popupClient, WindowKind::Popup, {250, 250, 350, 350});
  mainClient.take();
  host.moveMouse(120, 130);
  host.moveMouse(260, 270);  // both windows cover this point; the popup is on top
  EXPECT_EQ(mainClient.take(), (std::vector<std::string>{"move 20,30"}));
  EXPECT_EQ(popupClient.take(), (std::vector<std::string>{"move 10,20"}));
}

TEST_F(SimHostTest, CaptureKeepsThePointerOutsideTheWindow) {
  SimWindow& w = open(mainClient, WindowKind::Main, {100, 100, 200, 200});
  host.moveMouse(150, 150);
  host.pressLeft();
  w.captureMouse();
  host.moveMouse(50, 60);
  host.releaseLeft();
  EXPECT_EQ(mainClient.take(),
            (std::vector<std::string>{"move 50,50", "ldown 50,50", "move -50,-40", "lup -50,-40"}));
  w.releaseMouse();
  host.moveMouse(40, 40);
  EXPECT_TRUE(mainClient.take().empty());
}

TEST_F(SimHostTest, LeaveAndHoverComeOncePerRequest) {
  SimWindow& w = open(mainClient, WindowKind::Main, {0, 0, 100, 100});
  host.moveMouse(10, 10);
  w.trackMouse(milliseconds(50));
  host.advance(milliseconds(49));
  host.moveMouse(12, 12);  // moving restarts the hover time
  host.advance(milliseconds(49));
  EXPECT_EQ(mainClient.take(), (std::vector<std::string>{"move 10,10", "move 12,12"}));
  host.advance(milliseconds(1));
  host.advance(milliseconds(500));
  EXPECT_EQ(mainClient.take(), (std::vector<std::string>{"hover 12,12"}));
  host.moveMouse(500, 500);
  host.moveMouse(10, 10);
  host.moveMouse(500, 500);
  EXPECT_EQ(mainClient.take(), (std::vector<std::string>{"leave -1,-1", "move 10,10"}));
}

TEST_F(SimHostTest, MoveDragFollowsThePointerUntilRelease) {
  SimWindow& w = open(mainClient, WindowKind::Main, {100, 100, 300, 200});
  host.moveMouse(150, 150);
  host.pressLeft();
  w.beginMoveDrag(Point{150, 150});
  host.moveMouse(180, 110);
  host.moveMouse(190, 120);
  host.releaseLeft();
  host.moveMouse(400, 400);
  EXPECT_EQ(w.frame(), (Rect{140, 70, 340, 170}));
  EXPECT_EQ(mainClient.take(), (std::vector<std::string>{"move 50,50", "ldown 50,50"}))
      << "the window system owns the pointer while it moves the window";
}

TEST_F(SimHostTest, ClickElsewhereDeactivatesThePopupButTheOsdNeverTakesFocus) {
  SimWindow& main = open(mainClient, WindowKind::Main, {0, 0, 400, 400});
  SimWindow& popup = open(popupClient, WindowKind::Popup, {50, 50, 150, 150});
  SimWindow& osd = open(osdClient, WindowKind::Osd, {300, 300, 380, 380});
  EXPECT_TRUE(popup.hasFocus());
  EXPECT_TRUE(popup.topmost());
  EXPECT_EQ(osd.alpha(), 128);
  EXPECT_EQ(main.alpha(), 255);
  host.clickLeft(310, 310);
  EXPECT_TRUE(popup.hasFocus()) << "a click on the on-screen display leaves focus alone";
  EXPECT_TRUE(popupClient.log.empty());
  host.clickLeft(200, 200);
  EXPECT_EQ(popupClient.take(), (std::vector<std::string>{"deactivate"}));
  EXPECT_TRUE(main.hasFocus());
  host.clickLeft(1000, 1000);  // the desktop
  EXPECT_EQ(host.activeWindow(), kNoWindow);
}

TEST_F(SimHostTest, DoubleClickReplacesTheSecondPress) {
  open(mainClient, WindowKind::Main, {0, 0, 100, 100});
  host.doubleClickLeft(5, 6);
  EXPECT_EQ(mainClient.take(),
            (std::vector<std::string>{"move 5,6", "ldown 5,6", "lup 5,6", "ldbl 5,6", "lup 5,6"}));
}

TEST_F(SimHostTest, KeysGoToTheFocusedWindowAndTextOnlyWhileItTakesText) {
  open(mainClient, WindowKind::Main, {0, 0, 100, 100});
  SimWindow& modal = open(popupClient, WindowKind::Modal, {200, 0, 300, 100});
  mainClient.take();
  host.key(vk::kReturn, true);
  host.key(vk::kReturn, false);
  host.typeText(u"\u738B\u5C0F\u660E");
  modal.setTextInput(true, Rect{10, 10, 11, 30});
  host.typeText(u"\u738B\u5C0F\u660E");
  EXPECT_EQ(modal.textCaret(), (Rect{10, 10, 11, 30}));
  modal.setTextInput(false, Rect{});
  host.typeText(u"x");
  EXPECT_TRUE(mainClient.log.empty());
  EXPECT_EQ(popupClient.take(), (std::vector<std::string>{"keydown 13", "keyup 13", "text 3"}));
}

TEST_F(SimHostTest, MinimiseAndRestoreRepaintTheWholeWindow) {
  SimWindow& w = open(mainClient, WindowKind::Main, {0, 0, 40, 30});
  EXPECT_EQ(w.pixel(39, 29), 0x112233u);
  const int painted = w.paintCount();
  w.show(ShowMode::Minimise);
  w.invalidate({0, 0, 10, 10});
  host.runPending();
  EXPECT_EQ(w.paintCount(), painted) << "nothing is painted while minimised";
  mainClient.paintColour = 0x445566;
  w.show(ShowMode::Restore);
  host.runPending();
  EXPECT_EQ(w.pixel(0, 0), 0x445566u);
  EXPECT_EQ(w.pixel(39, 29), 0x445566u);
}

TEST_F(SimHostTest, ModalLoopEndsWithItsResultOrWhenIdle) {
  SimWindow& w = open(mainClient, WindowKind::Modal, {0, 0, 10, 10});
  int idleCalls = 0;
  host.setIdleHandler([&] {
    if (++idleCalls == 2) w.endModal(7);
    return true;
  });
  EXPECT_EQ(w.runModal(), 7);
  host.setIdleHandler({});
  EXPECT_EQ(w.runModal(), -1) << "nothing left to do: the loop gives up instead of hanging";
}

}  // namespace
}  // namespace pelorin
