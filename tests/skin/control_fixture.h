#pragma once
// A dialog that records notifications, with controls driven and drawn directly, so a test sees
// exactly what one control does with one event.
#include <filesystem>
#include <memory>
#include <string>

#include "../window/test_pictures.h"
#include "skin_fixture.h"

namespace pelorin::testing {

class ControlTest : public SkinTest {
 protected:
  static constexpr Size kDialogSize{400, 400};
  ProbeDialog dialog{context, kDialogSize};

  void SetUp() override {
    ASSERT_TRUE(dialog.create(WindowKind::Main, kNoWindow));
    host.runPending();
    dialog.received.clear();
  }

  WindowId parent() const { return dialog.windowId(); }

  // A one-colour picture under skins/ beside the program.
  void writeSkin(const std::string& name, Size size, Colour colour) {
    writePng(context.programFolder / "skins" / name, size,
             {{Rect{0, 0, size.width, size.height}, colour}});
  }

  // The control drawn alone on black.
  std::unique_ptr<Image> render(CControlBase& control) {
    auto picture = host.graphics().createImage(kDialogSize.width, kDialogSize.height);
    auto canvas = host.graphics().paintOn(*picture);
    canvas->fillRect(Rect{0, 0, kDialogSize.width, kDialogSize.height}, 0);
    control.draw(*canvas, control.rect());
    return picture;
  }
};

}  // namespace pelorin::testing
