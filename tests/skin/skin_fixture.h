#pragma once
// A skin environment on the headless host, with a dialog and a control that write down what
// reaches them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/sim/sim_window_system.h"
#include "skin/control_base.h"
#include "skin/dlg_base.h"
#include "skin/notify_code.h"
#include "support/temp_dir.h"

namespace pelorin::testing {

struct Notification {
  unsigned message;
  std::intptr_t wParam;
  std::intptr_t lParam;
  friend bool operator==(const Notification&, const Notification&) = default;
};

// Behaves like the simplest button: code 1 on a press, code 2 on a release inside.
class ProbeControl : public CControlBase {
 public:
  ProbeControl(const SkinContext& context, WindowId parent, int id, const Rect& rect,
               Colour colour = 0x0000FF)
      : CControlBase(context, parent, id, rect), colour_(colour) {}

  std::vector<std::string> calls;
  int draws = 0;

  void draw(Canvas& canvas, const Rect&) override {
    ++draws;
    canvas.fillRect(rect(), colour_);
  }
  int resetPressed(int state) override {
    calls.push_back("reset " + std::to_string(state));
    return 0;
  }
  bool onMouseMove(unsigned, int x, int y) override { return log("move", x, y); }
  bool onLButtonDown(unsigned, int x, int y) override {
    notify(notify::kPressed);
    return log("down", x, y);
  }
  bool onLButtonUp(unsigned, int x, int y) override {
    if (rect().contains(x, y)) notify(notify::kClicked);
    return log("up", x, y);
  }
  bool onRButtonUp(unsigned, int x, int y) override { return log("rup", x, y); }
  bool onLButtonDblClk(unsigned, int x, int y) override { return log("dbl", x, y); }

 private:
  bool log(const char* what, int x, int y) {
    calls.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
    return true;
  }
  Colour colour_;
};

class ProbeDialog : public CDlgBase {
 public:
  using CDlgBase::CDlgBase;
  std::function<void(ProbeDialog&)> init;
  std::vector<Notification> received;
  bool closeRequested = false;

  ProbeControl& add(int layer, int id, const Rect& rect, Colour colour = 0x0000FF) {
    auto control = std::make_unique<ProbeControl>(context(), windowId(), id, rect, colour);
    return static_cast<ProbeControl&>(*addControl(layer, std::move(control)));
  }

 protected:
  void onInitDialog() override {
    if (init) init(*this);
  }
  std::intptr_t handleMessage(const Message& m) override {
    received.push_back({m.id, m.wParam, m.lParam});
    return 0;
  }
  void onClose() override {
    closeRequested = true;
    CDlgBase::onClose();
  }
};

class SkinTest : public ::testing::Test {
 protected:
  // Each test process gets its own program folder: tests run in parallel.
  TempDir programFolder;
  OpenDialogTable dialogs;
  ResourceTable resources;
  SimWindowSystem host;
  SkinContext context{host,   resources, programFolder.path(), 1.0f, Font{u"Tahoma", 16, 400, ""},
                      dialogs};

  SimWindow& simWindow(const CDlgBase& dialog) { return *host.findSim(dialog.windowId()); }
  // Screen position of a client point of the dialog.
  Point screenOf(const CDlgBase& dialog, int x, int y) {
    const Rect frame = simWindow(dialog).frame();
    return {frame.left + x, frame.top + y};
  }
  void moveTo(const CDlgBase& dialog, int x, int y) {
    const Point p = screenOf(dialog, x, y);
    host.moveMouse(p.x, p.y);
  }
};

}  // namespace pelorin::testing
