#pragma once
// The rules by which a dialog turns its background picture into what it paints: the colour of
// uncovered areas and the cached picture at the dialog's size.
#include <memory>

#include "platform/graphics.h"
#include "platform/rect.h"

namespace pelorin {

// Red, green and blue averaged separately over every pixel.
Colour averageColour(const Image& image);

// The picture stretched over the whole client area of a dialog of this size, on black; null
// when the size holds no pixels. Stretching over the client rather than over a design area
// less a margin keeps the scaled main window covered edge to edge at every scale.
std::unique_ptr<Image> scaleBackground(Graphics& graphics, const Image& background, Size client);

}  // namespace pelorin
