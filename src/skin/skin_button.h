#pragma once
// What all skinned buttons share: the normal, over and down looks driven by the mouse, the
// pictures of those looks and an optional caption drawn in the colour of the look.
#include <string_view>

#include "platform/text_format.h"
#include "skin/button_images.h"
#include "skin/button_state.h"
#include "skin/control_base.h"
#include "skin/notify_code.h"

namespace pelorin {

struct CaptionStyle {
  // text::kLeft, kCenter or kRight; single line, vertical centring and the ellipsis are added.
  unsigned align = text::kCenter;
  int leftMargin = 0;
  int rightMargin = 0;
};

class CSkinButton : public CControlBase {
 public:
  CSkinButton(const SkinContext& context, WindowId parent, int id, const Rect& rect,
              CaptionStyle style = {});

  // File names are relative to the program folder ("skins\\exit_nr.png"); false when missing.
  bool loadNormalImage(std::string_view fileName);
  bool loadOverImage(std::string_view fileName);
  bool loadDownImage(std::string_view fileName);
  bool loadStripImage(std::string_view fileName, int frames = 3);
  bool loadStripResource(int resourceId, int frames = 3);
  const ButtonImages& images() const { return images_; }
  void releaseImages() override { images_.release(); }

  ButtonState state() const { return state_; }
  Rect captionArea() const override;
  std::u16string captionText() const override { return std::u16string(caption()); }
  void draw(Canvas& canvas, const Rect& clip) override;
  // Drops a pressed look that a popup or another control has taken over.
  int resetPressed(int state) override;
  bool onMouseMove(unsigned flags, int x, int y) override;
  bool onLButtonDown(unsigned flags, int x, int y) override;
  bool onLButtonUp(unsigned flags, int x, int y) override;

 protected:
  // The look to draw; check-like buttons show their checked state as down.
  virtual ButtonState look() const { return state_; }
  virtual void pressed() { notify(notify::kPressed); }
  // Runs on a release inside, after the state has become over.
  virtual void clicked() { notify(notify::kClicked); }
  virtual std::u16string_view caption() const { return text(); }
  virtual Colour textColour() const { return captionColour(look()); }
  void drawCaption(Canvas& canvas, std::u16string_view caption, Colour colour) const;
  // True when the state changed.
  bool setState(ButtonState state);

 private:
  ButtonImages images_;
  CaptionStyle style_;
  ButtonState state_ = ButtonState::Normal;
};

}  // namespace pelorin
