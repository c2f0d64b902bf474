#pragma once
// The pictures of one button: either a strip with one frame per look side by side, or separate
// normal, over and down pictures. Any of them may be missing; a missing one is not drawn.
#include <memory>
#include <string_view>

#include "platform/canvas.h"
#include "platform/image.h"
#include "skin/button_state.h"
#include "skin/skin_context.h"

namespace pelorin {

class ButtonImages {
 public:
  // Each loader replaces its slot and remembers the size of what it loaded; false when missing.
  bool loadNormal(const SkinContext& context, std::string_view fileName);
  bool loadOver(const SkinContext& context, std::string_view fileName);
  bool loadDown(const SkinContext& context, std::string_view fileName);
  // frames: how many looks the strip holds side by side.
  bool loadStrip(const SkinContext& context, std::string_view fileName, int frames);
  bool loadStripResource(const SkinContext& context, int resourceId, int frames);
  void release();

  bool hasStrip() const { return strip_ != nullptr; }
  int stripFrames() const { return frames_; }
  bool hasAny() const { return strip_ || normal_ || over_ || down_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Stretches one frame of the strip over dest; frames past the strip's end are not drawn.
  void drawFrame(Canvas& canvas, const Rect& dest, int frame) const;
  // The separate picture of a look; down falls back to over when there is no down picture.
  void drawLook(Canvas& canvas, const Rect& dest, ButtonState look) const;
  // The strip frame of the look when there is a strip, else the separate picture.
  void draw(Canvas& canvas, const Rect& dest, ButtonState look) const;

 private:
  bool keep(std::unique_ptr<Image>& slot, std::unique_ptr<Image> image);

  std::unique_ptr<Image> strip_;
  std::unique_ptr<Image> normal_;
  std::unique_ptr<Image> over_;
  std::unique_ptr<Image> down_;
  int frames_ = 3;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace pelorin
