#pragma once
// The main window on the headless host with the simulated mouse: the program's start-up with a
// temporary data folder, virtual time, clicks at design coordinates and the reports the mouse got.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_data.h"
#include "app/kestrin_dlg.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_window_system.h"
#include "platform/sim/virtual_clock.h"
#include "runner/device_bus.h"
#include "skin/ui_font.h"
#include "support/temp_dir.h"

namespace pelorin::testing {

// "05 12: 22 09 ..." for a sent report: command, length, then as many payload bytes.
inline std::vector<std::string> commandsOf(const std::vector<std::string>& sent) {
  std::vector<std::string> out;
  for (const std::string& hex : sent) {
    std::istringstream in(hex);
    std::vector<std::string> bytes;
    for (std::string b; in >> b;) bytes.push_back(b);
    const std::size_t length = std::stoul(bytes.at(6), nullptr, 16);
    std::string line = bytes.at(2) + " " + bytes.at(6) + ":";
    for (std::size_t i = 0; i < length; ++i) line += " " + bytes.at(7 + i);
    out.push_back(line);
  }
  return out;
}

struct Notice {
  std::u16string title;
  std::u16string text;
  friend bool operator==(const Notice&, const Notice&) = default;
};

class MainWindowTest : public ::testing::Test {
 protected:
  // Loads the data folder as the program does; prepare may change it before the window starts.
  void start(float scale = 1.0f, const std::function<void(AppData&)>& prepare = {}) {
    std::string error;
    data = loadAppData(dataDir.path(), PELORIN_BIN_DIR, scale, error);
    ASSERT_TRUE(data) << error;
    if (prepare) prepare(*data);
    skin = std::make_unique<SkinContext>(
        SkinContext{host, embeddedResources(), PELORIN_BIN_DIR, scale,
                    uiFont(data->font.face, data->font.height, data->font.charset), dialogs});
    MainWindowRun run{*skin, *data, bus->bus(), clock, queue, true, {}, {}, {}, nullptr, nullptr};
    run.trace = [this](char kind, Product, std::span<const std::uint8_t> bytes) {
      if (kind == '>') sent.push_back(formatReportHex(bytes));
    };
    run.desktop = &desktop;
    run.autostart = autostart;
    run.startHidden = startHidden;
    run.notice = [this](std::u16string_view title, std::u16string_view text) {
      notices.push_back({std::u16string(title), std::u16string(text)});
    };
    window = std::make_unique<CKestrinDlg>(run);
    ASSERT_TRUE(window->create(WindowKind::Main, kNoWindow));
    settle();
  }
  void settle() {
    for (int i = 0; i < 20 && queue.runPending() + host.runPending() > 0; ++i) {
    }
  }
  void advance(int ms) {
    for (int step = 0; step < ms; step += 10) {
      host.advance(std::chrono::milliseconds(10));
      settle();
    }
  }
  void post(unsigned id, std::intptr_t wParam = 0, std::intptr_t lParam = 0) {
    host.post(window->windowId(), Message{id, wParam, lParam, {}});
    settle();
  }
  SimWindow& simWindow() { return *host.findSim(window->windowId()); }
  // A left (or right) click at a design point of the window.
  void click(int x, int y, bool right = false) {
    const Rect frame = simWindow().frame();
    const float s = skin->scale;
    const int sx = frame.left + static_cast<int>(static_cast<float>(x) * s) + 1;
    const int sy = frame.top + static_cast<int>(static_cast<float>(y) * s) + 1;
    right ? host.clickRight(sx, sy) : host.clickLeft(sx, sy);
    settle();
  }
  std::u16string text(int id) const { return data->texts[id]; }

  TempDir dataDir;
  OpenDialogTable dialogs;
  SimWindowSystem host;
  SimDesktop desktop{host};
  // The tray's start-at-login switch and the login entry's start, for the tests that set them.
  Autostart* autostart = nullptr;
  bool startHidden = false;
  VirtualClock clock;
  TaskQueue queue;
  std::unique_ptr<DeviceBus> bus = std::make_unique<DeviceBus>(true);
  std::unique_ptr<AppData> data;
  std::unique_ptr<SkinContext> skin;
  std::unique_ptr<CKestrinDlg> window;
  std::vector<Notice> notices;
  std::vector<std::string> sent;
};

}  // namespace pelorin::testing
