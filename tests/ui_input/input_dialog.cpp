// A dialog with two edit fields and a probe area on the GTK host. It writes every key, every
// text change and what the probe hears on stdout, one event a line, for the driver script.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "common/utf.h"
#include "platform/linux/gtk_window_system.h"
#include "platform/resource_table.h"
#include "platform/virtual_keys.h"
#include "skin/dlg_base.h"
#include "skin/notify_code.h"
#include "skin/skin_edit.h"
#include "skin/ui_font.h"

namespace pelorin {
namespace {

void report(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// Writes down the left-button events that reach it, as the dialog routes them.
class Probe : public CControlBase {
 public:
  using CControlBase::CControlBase;
  void draw(Canvas& canvas, const Rect&) override { canvas.fillRect(rect(), 0x404040); }
  bool onLButtonDown(unsigned, int, int) override { return log("down"); }
  bool onLButtonUp(unsigned, int, int) override { return log("up"); }
  bool onLButtonDblClk(unsigned, int, int) override { return log("double"); }

 private:
  static bool log(const char* what) {
    report(std::string("probe ") + what);
    return false;
  }
};

constexpr int kFirstEdit = 2017;
constexpr int kSecondEdit = 2018;
constexpr int kFrameTimer = 1;
constexpr int kGiveUpTimer = 2;

class InputDialog : public CDlgBase {
 public:
  explicit InputDialog(SkinContext& context) : CDlgBase(context, Size{400, 240}) {}

  void onKey(const KeyEvent& key) override {
    report(std::string("key ") + (key.down ? "down " : "up ") + std::to_string(key.virtualKey) +
           " " + std::to_string(key.modifiers));
    CDlgBase::onKey(key);
  }
  void onComposition(std::u16string_view text) override {
    report("compose [" + toUtf8(text) + "]");
    CDlgBase::onComposition(text);
  }

 protected:
  void onInitDialog() override {
    const WindowId self = windowId();
    for (const auto& [id, top] : {std::pair{kFirstEdit, 40}, std::pair{kSecondEdit, 90}}) {
      auto edit = std::make_unique<CSkinEdit>(context(), self, id, Rect{40, top, 360, top + 26});
      edit->setFont(uiFont(u"Tahoma", 16, 0));
      addControl(0, std::move(edit));
    }
    addControl(0, std::make_unique<Probe>(context(), self, 3000, Rect{40, 150, 360, 200}));
    Window* w = window();
    w->setTimer(kFrameTimer, std::chrono::milliseconds(50));
    w->setTimer(kGiveUpTimer, std::chrono::seconds(90));
  }

  void onTimer(int id) override {
    Window* w = window();
    if (id == kFrameTimer && w->frame() != lastFrame_ && w->hasFocus()) {
      lastFrame_ = w->frame();
      report("frame " + std::to_string(lastFrame_.left) + " " + std::to_string(lastFrame_.top));
    } else if (id == kGiveUpTimer) {
      report("timeout");
      endDialog(3);
    }
  }

  std::intptr_t handleMessage(const Message& m) override {
    if (m.lParam == notify::kTextChanged) {
      if (const CControlBase* edit = findControl(static_cast<int>(m.id))) {
        report("text " + std::to_string(m.id) + " [" + toUtf8(edit->text()) + "]");
      }
    }
    return 0;
  }

  bool onDialogKey(const KeyEvent& key) override {
    if (!key.down || key.virtualKey != vk::kEscape) return false;
    report("closing");
    endDialog(1);
    return true;
  }

 private:
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
  GtkWindowSystem host;
  OpenDialogTable dialogs;
  SkinContext context{
      host, embeddedResources(),      std::filesystem::canonical("/proc/self/exe").parent_path(),
      1.0f, uiFont(u"Tahoma", 16, 0), dialogs};
  InputDialog dialog(context);
  return dialog.doModal(WindowKind::Main, kNoWindow) == 1 ? 0 : 1;
}
