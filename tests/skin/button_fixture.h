#pragma once
// A dialog on the headless host for trying skinned buttons: controls are added after the window
// exists, every message that reaches the dialog is written down, and a test may look at the
// program state at the moment a notification arrives.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin_fixture.h"
#include "window/test_pictures.h"

namespace pelorin::testing {

class ButtonDialog : public CDlgBase {
 public:
  using CDlgBase::CDlgBase;
  std::vector<Notification> received;
  std::function<void(const Message&)> onNotify;

 protected:
  std::intptr_t handleMessage(const Message& m) override {
    received.push_back({m.id, m.wParam, m.lParam});
    if (onNotify) onNotify(m);
    return 0;
  }
};

// Frame colours of the generated pictures: one per look.
constexpr Colour kNormalColour = 0x0000FF;
constexpr Colour kOverColour = 0x00FF00;
constexpr Colour kDownColour = 0xFF0000;

class ButtonTest : public SkinTest {
 protected:
  ButtonDialog dialog{context, Size{400, 300}};

  void SetUp() override {
    ASSERT_TRUE(dialog.create(WindowKind::Main, kNoWindow));
    host.runPending();
  }

  template <typename T, typename... Args>
  T& add(Args&&... args) {
    auto control = std::make_unique<T>(context, dialog.windowId(), std::forward<Args>(args)...);
    return static_cast<T&>(*dialog.addControl(0, std::move(control)));
  }

  // A PNG under the skin folder; returns the name a control loads it by.
  std::string picture(const std::string& name, Size size, const std::vector<Patch>& patches) {
    writePng(context.programFolder / "skins" / name, size, patches);
    return "skins\\" + name;
  }
  // Three 10 x 10 frames side by side: normal, over, down.
  std::string stripPicture() {
    return picture("btn_strip3.png", {30, 10},
                   {{{0, 0, 10, 10}, kNormalColour},
                    {{10, 0, 20, 10}, kOverColour},
                    {{20, 0, 30, 10}, kDownColour}});
  }
  std::string plainPicture(const std::string& name, Colour colour) {
    return picture(name, {8, 8}, {{{0, 0, 8, 8}, colour}});
  }

  void press(int x, int y) {
    moveTo(dialog, x, y);
    host.pressLeft();
  }
  void release(int x, int y) {
    moveTo(dialog, x, y);
    host.releaseLeft();
  }
  void click(int x, int y) {
    press(x, y);
    host.releaseLeft();
  }
  Colour pixel(int x, int y) {
    if (Window* w = dialog.window()) w->invalidateAll();
    host.runPending();
    return simWindow(dialog).pixel(x, y);
  }
};

}  // namespace pelorin::testing
