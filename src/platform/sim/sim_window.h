#pragma once
// A window of the headless host: all state is inspectable and the picture is an image surface.
#include <cairo.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/cairo/back_buffer.h"
#include "platform/window.h"
#include "platform/window_client.h"

namespace pelorin {

class SimWindowSystem;

class SimWindow final : public Window {
 public:
  SimWindow(SimWindowSystem& system, WindowId id, WindowKind kind, WindowId owner,
            const Rect& frame, WindowClient& client);
  ~SimWindow() override;
  SimWindow(const SimWindow&) = delete;
  SimWindow& operator=(const SimWindow&) = delete;

  WindowId id() const override { return id_; }
  WindowKind kind() const override { return kind_; }
  Rect frame() const override { return frame_; }
  void setFrame(const Rect& frame) override;
  void show(ShowMode mode) override;
  void bringToFront() override;
  void setKeepAbove(bool above) override { keepAbove_ = above; }
  bool isVisible() const override { return visible_; }
  bool isMinimised() const override { return minimised_; }
  bool isMaximised() const override { return maximised_; }
  void setTitle(std::u16string_view title) override { title_ = title; }
  void setIcon(const Image&) override { hasIcon_ = true; }
  void invalidate(const Rect& rect) override;
  Colour pixel(int x, int y) const override;
  void captureMouse() override;
  void releaseMouse() override;
  void trackMouse(std::chrono::milliseconds hoverTime) override;
  void beginMoveDrag(Point screenPosition) override;
  void setCursor(PointerShape shape) override { cursor_ = shape; }
  void focus() override;
  bool hasFocus() const override;
  void setTextInput(bool enabled, const Rect& caret) override;
  void setTimer(int timerId, std::chrono::milliseconds period) override;
  void killTimer(int timerId) override;
  int runModal() override;
  void endModal(int result) override;

  // Inspection for tests.
  WindowId owner() const { return owner_; }
  const std::u16string& title() const { return title_; }
  bool hasIcon() const { return hasIcon_; }
  PointerShape cursor() const { return cursor_; }
  bool topmost() const {
    return keepAbove_ || kind_ == WindowKind::Popup || kind_ == WindowKind::Osd;
  }
  int alpha() const { return kind_ == WindowKind::Osd ? 128 : 255; }
  bool takesFocus() const { return kind_ != WindowKind::Osd; }
  bool hasCapture() const;
  bool hasTimer(int timerId) const { return timers_.contains(timerId); }
  bool textInput() const { return textInput_; }
  const Rect& textCaret() const { return textCaret_; }
  int paintCount() const { return paintCount_; }
  // How often the window was mapped (a flash of a window that is to stay hidden counts).
  int shownCount() const { return mapCount_; }
  bool savePng(const std::filesystem::path& path) const;

  // Driven by the host.
  // What the user's maximise command does; the program itself never asks for it.
  void maximise();
  WindowClient& client() { return client_; }
  bool paintIfDirty();
  struct Timer {
    std::chrono::milliseconds period;
    std::chrono::milliseconds due;
  };
  const std::map<int, Timer>& timers() const { return timers_; }
  void timerFired(int timerId);
  bool tracking() const { return tracking_; }
  void stopTracking() { tracking_ = false; }
  std::optional<std::chrono::milliseconds> hoverDue() const { return hoverDue_; }
  void scheduleHover(std::chrono::milliseconds now);
  void hoverFired() { hoverDue_.reset(); }

 private:
  SimWindowSystem& system_;
  WindowId id_;
  WindowKind kind_;
  WindowId owner_;
  Rect frame_;
  WindowClient& client_;
  std::u16string title_;
  bool hasIcon_ = false;
  bool keepAbove_ = false;
  PointerShape cursor_ = PointerShape::Arrow;
  bool visible_ = false;
  bool minimised_ = false;
  bool maximised_ = false;
  bool tracking_ = false;
  bool textInput_ = false;
  Rect textCaret_;
  std::chrono::milliseconds hoverTime_{0};
  std::optional<std::chrono::milliseconds> hoverDue_;
  std::map<int, Timer> timers_;
  BackBuffer picture_;
  int mapCount_ = 0;
  int paintCount_ = 0;
};

}  // namespace pelorin
