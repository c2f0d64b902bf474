#pragma once
// The on-screen display: a small topmost window in the bottom-right corner of the work area that
// shows the DPI level, its resolution and the polling rate after the user changed them on the
// mouse itself. It never takes the focus and is half transparent where the desktop composites.
#include <string>

#include "pages/dpi_step_table.h"
#include "platform/font.h"
#include "platform/window_client.h"
#include "platform/window_system.h"
#include "profile/profile_record.h"

namespace pelorin {

struct OsdTexts {
  std::u16string level;  // "DPI-3"
  std::u16string value;  // "1600"
  std::u16string rate;   // "1000Hz"
  friend bool operator==(const OsdTexts&, const OsdTexts&) = default;
};

// deviceLevel: the mouse's level, 0-based among the enabled levels of the profile.
OsdTexts osdTexts(const ProfileRecord& profile, int deviceLevel, const DpiStepTable& steps);

// Design x of the resolution: the wide face of the Chinese fonts needs its own places.
int osdValueLeft(std::u16string_view value, std::u16string_view face);
int osdRateLeft(std::u16string_view rate);

class COSDDialog final : public WindowClient {
 public:
  static constexpr Size kDesignSize{180, 140};
  static constexpr Colour kFill = 0xA449A4;

  // ui: the interface font, whose face and language the display's two sizes keep; scale: the
  // main window's.
  COSDDialog(WindowSystem& host, Font ui, float scale);
  ~COSDDialog() override;
  COSDDialog(const COSDDialog&) = delete;
  COSDDialog& operator=(const COSDDialog&) = delete;

  // Opens the window in the bottom-right corner of the work area and shows it.
  void create(const OsdTexts& texts);
  void setTexts(const OsdTexts& texts);
  const OsdTexts& texts() const { return texts_; }
  WindowId windowId() const { return window_; }

  void onPaint(Canvas& canvas, const Rect& dirty) override;
  void onMouse(const MouseEvent&) override {}
  std::intptr_t onMessage(const Message&) override { return 0; }
  void onDestroyed() override { window_ = kNoWindow; }

 private:
  int scaled(int design) const;

  WindowSystem& host_;
  Font ui_;
  float scale_;
  OsdTexts texts_;
  WindowId window_ = kNoWindow;
};

}  // namespace pelorin
