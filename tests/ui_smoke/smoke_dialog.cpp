// A small skinned dialog on the GTK host for the display smoke test. It reports what happens
// on stdout, one event a line, so the driver script can wait for each step.
#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/cairo/cairo_image.h"
#include "platform/linux/gtk_window_system.h"
#include "platform/resource_table.h"
#include "platform/text_format.h"
#include "skin/dlg_base.h"
#include "skin/notify_code.h"
#include "skin/popup_kind.h"
#include "skin/skin_images.h"
#include "skin/ui_font.h"

namespace pelorin {
namespace {

void report(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// An image with a caption: normal picture, a hover picture while the pointer is on it.
class SmokeButton : public CControlBase {
 public:
  SmokeButton(const SkinContext& context, WindowId parent, int id, const Rect& rect,
              std::string_view normal, std::string_view over, std::u16string caption)
      : CControlBase(context, parent, id, rect),
        normal_(loadSkinImage(context, normal)),
        over_(loadSkinImage(context, over)) {
    setText(std::move(caption));
  }

  void draw(Canvas& canvas, const Rect&) override {
    const Image* picture = hot_ && over_ != nullptr ? over_.get() : normal_.get();
    if (picture != nullptr) canvas.drawImage(*picture, rect());
    canvas.drawText(text(), rect(), font(), hot_ ? 0xFFFFFF : 0xB4B4B4,
                    text::kCenter | text::kVCenter | text::kSingleLine | text::kWordEllipsis);
  }
  bool onMouseMove(unsigned, int x, int y) override {
    const bool inside = rect().contains(x, y);
    if (inside == hot_) return false;
    hot_ = inside;
    return true;
  }
  bool onLButtonDown(unsigned, int, int) override {
    notify(notify::kPressed);
    return false;
  }
  bool onLButtonUp(unsigned, int x, int y) override {
    if (rect().contains(x, y)) notify(notify::kClicked);
    return false;
  }

 private:
  std::unique_ptr<Image> normal_;
  std::unique_ptr<Image> over_;
  bool hot_ = false;
};

class SmokeMenu : public CWndPopup {
 public:
  using CWndPopup::CWndPopup;

 protected:
  void drawItems(Canvas& canvas, const Rect& client) override {
    if (skin() != nullptr) canvas.drawImage(*skin(), client);
    const char16_t* rows[] = {u"Left button", u"Right button", u"Macro"};
    for (int i = 0; i < 3; ++i) {
      canvas.drawText(rows[i], Rect::ofSize(10, 10 + 25 * i, client.width() - 20, 25), font(),
                      0xFFFFFF, text::kSingleLine | text::kVCenter);
    }
  }
};

constexpr int kMenuButton = 2062;
constexpr int kCloseButton = 2001;
constexpr int kFrameTimer = 1;
constexpr int kSnapTimer = 2;
constexpr int kGiveUpTimer = 3;

class SmokeDialog : public CDlgBase {
 public:
  SmokeDialog(SkinContext& context, std::filesystem::path out)
      : CDlgBase(context, Size{528, 365}), out_(std::move(out)) {}

 protected:
  void onInitDialog() override {
    const WindowId self = windowId();
    addControl(0, std::make_unique<SmokeButton>(context(), self, kMenuButton,
                                                Rect{40, 80, 270, 105}, "skins\\button1_nr.png",
                                                "skins\\button1_ov.png", u"Macro manager"));
    addControl(0, std::make_unique<SmokeButton>(context(), self, 2047, Rect{40, 120, 109, 140},
                                                "skins\\button2_nr.png", "skins\\button2_ov.png",
                                                u"Apply"));
    auto title = std::make_unique<SmokeButton>(context(), self, 3021, Rect{40, 30, 300, 55},
                                               "skins\\header2_nr.png", "skins\\header2_nr.png",
                                               u"\u914D\u7F6E Pelorin");
    title->setDisabled(true);
    addControl(1, std::move(title));
    addControl(1,
               std::make_unique<SmokeButton>(context(), self, kCloseButton, Rect{500, 12, 515, 27},
                                             "skins\\exit_nr.png", "skins\\exit_ov.png", u""));
    loadBackground(364);
    Window* w = window();
    w->setTimer(kFrameTimer, std::chrono::milliseconds(50));
    w->setTimer(kGiveUpTimer, std::chrono::seconds(60));
  }

  void onTimer(int id) override {
    Window* w = window();
    if (id == kFrameTimer && w->frame() != lastFrame_) {
      lastFrame_ = w->frame();
      report("frame " + std::to_string(lastFrame_.left) + " " + std::to_string(lastFrame_.top) +
             " " + std::to_string(lastFrame_.width()) + " " + std::to_string(lastFrame_.height()));
    } else if (id == kSnapTimer) {
      w->killTimer(kSnapTimer);
      snapshot();
    } else if (id == kGiveUpTimer) {
      report("timeout");
      endDialog(3);
    }
  }

  std::intptr_t handleMessage(const Message& m) override {
    if (m.id == kMenuButton && m.lParam == notify::kClicked) {
      const Rect frame = window()->frame();
      openPopup(0, std::make_unique<SmokeMenu>(context()),
                PopupPlacement{kNoWindow, Rect::ofSize(frame.left + 40, frame.top + 106, 200, 90),
                               1030, kMenuButton, 0});
      report("popup-open");
    } else if (const auto closed = popupClosedMessage(0); closed && m.id == *closed) {
      report("popup-closed " + std::to_string(m.id));
      closePopup(0);
    } else if (m.id == kPopupClosingMessage) {
      report("popup-gone");
      window()->setTimer(kSnapTimer, std::chrono::milliseconds(300));
    } else if (m.id == kCloseButton && m.lParam == notify::kClicked) {
      report("closing");
      endDialog(1);
    }
    return 0;
  }

 private:
  void snapshot() {
    Graphics& graphics = context().host.graphics();
    auto image = graphics.createImage(size().width, size().height);
    onPaint(*graphics.paintOn(*image), Rect{0, 0, size().width, size().height});
    const auto& picture = static_cast<const CairoImage&>(*image);
    cairo_surface_write_to_png(picture.surface(), (out_ / "offscreen.png").c_str());
    report("snapped");
  }

  std::filesystem::path out_;
  Rect lastFrame_;
};

}  // namespace
}  // namespace pelorin

int main(int argc, char** argv) {
  using namespace pelorin;
  if (!GtkWindowSystem::initialise(&argc, &argv)) {
    std::fprintf(stderr, "no display\n");
    return 2;
  }
  const std::filesystem::path out = argc > 1 ? argv[1] : ".";
  GtkWindowSystem host;
  OpenDialogTable dialogs;
  SkinContext context{
      host, embeddedResources(),      std::filesystem::canonical("/proc/self/exe").parent_path(),
      1.0f, uiFont(u"Tahoma", 16, 0), dialogs};
  SmokeDialog dialog(context, out);
  const int result = dialog.doModal(WindowKind::Main, kNoWindow);
  return result == 1 ? 0 : 1;
}
