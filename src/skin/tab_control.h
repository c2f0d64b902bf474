#pragma once
// A tab button: drawn selected while the shared tab variable holds its value, and setting that
// value when the user clicks it.
#include <memory>
#include <string_view>

#include "platform/image.h"
#include "skin/control_base.h"
#include "skin/tab_selection.h"

namespace pelorin {

class CTabControl : public CControlBase {
 public:
  CTabControl(const SkinContext& context, WindowId parent, int id, const Rect& rect,
              TabSelection& tabs);

  // Any of them may be missing: a missing over or selected picture falls back to normal, a
  // missing selected-and-over picture to the selected one.
  void loadImages(std::string_view normal, std::string_view over, std::string_view selected,
                  std::string_view selectedOver = {});
  bool selected() const;

  void draw(Canvas& canvas, const Rect& clip) override;
  bool onMouseMove(unsigned flags, int x, int y) override;
  bool onLButtonDown(unsigned flags, int x, int y) override;
  bool onLButtonUp(unsigned flags, int x, int y) override;
  bool onRButtonUp(unsigned flags, int x, int y) override;
  int resetPressed(int state) override;
  void releaseImages() override;

 private:
  const Image* pictureToDraw() const;

  TabSelection& tabs_;
  std::unique_ptr<Image> normal_;
  std::unique_ptr<Image> over_;
  std::unique_ptr<Image> selectedImage_;
  std::unique_ptr<Image> selectedOver_;
  bool hovered_ = false;
  bool pressed_ = false;
};

}  // namespace pelorin
