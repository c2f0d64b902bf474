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
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    context.programFolder = std::filesystem::temp_directory_path() /
                            ("pelorin_controls_" + std::string(info->test_suite_name()) + "_" +
                             std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    ASSERT_TRUE(dialog.create(WindowKind::Main, kNoWindow));
    host.runPending();
    dialog.received.clear();
  }
  void TearDown() override { std::filesystem::remove_all(context.programFolder); }

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
