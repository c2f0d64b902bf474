#pragma once
// The rules by which a dialog turns its background picture into what it paints: the colour of
// uncovered areas, the margin and the cached picture at the display scale.
#include <memory>

#include "platform/graphics.h"
#include "platform/rect.h"

namespace pelorin {

// The design size every background is laid out against; the picture is stretched from this
// area, so a smaller picture covers only its share of it.
constexpr Size kBackgroundDesignArea{1127, 740};

// Red, green and blue averaged separately over every pixel.
Colour averageColour(const Image& image);

// A picture smaller than the dialog in either direction leaves a margin of its shorter side,
// at most 100 pixels.
int backgroundMargin(Size background, Size dialog);

// The picture stretched as described above into (size - margin) x scale pixels, on black;
// null when that leaves no pixels.
std::unique_ptr<Image> scaleBackground(Graphics& graphics, const Image& background, int margin,
                                       float scale);

}  // namespace pelorin
