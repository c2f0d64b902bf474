#include "skin/power_manage_button.h"

#include "skin/skin_images.h"

namespace pelorin {

namespace {

struct DesignPoint {
  double x;
  double y;
};

// Design coordinates relative to the dial's top-left corner.
constexpr DesignPoint kCentre{70, 71};
// Sector k (value k + 3) lies between the centre and arc points k and k + 1, clockwise from the
// lower left.
constexpr std::array<DesignPoint, 9> kArc{{
    {3, 71},
    {7, 51},
    {17, 32},
    {40, 13},
    {70, 5},
    {100, 14},
    {121, 31},
    {131, 51},
    {134, 71},
}};
constexpr int kFirstSectorValue = 3;

double cross(DesignPoint a, DesignPoint b, DesignPoint p) {
  return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// Points on an edge count as inside, so the boundary between two sectors goes to the first.
bool inTriangle(DesignPoint a, DesignPoint b, DesignPoint c, DesignPoint p) {
  const double d1 = cross(a, b, p);
  const double d2 = cross(b, c, p);
  const double d3 = cross(c, a, p);
  const bool anyNegative = d1 < 0 || d2 < 0 || d3 < 0;
  const bool anyPositive = d1 > 0 || d2 > 0 || d3 > 0;
  return !(anyNegative && anyPositive);
}

}  // namespace

CPowerManageButton::CPowerManageButton(const SkinContext& context, WindowId parent,
                                       const Rect& rect)
    : CSkinButton(context, parent, kId, rect) {}

bool CPowerManageButton::loadValueImage(int value, std::string_view fileName) {
  if (value < 1 || value > kMaxValue) return false;
  auto& slot = images_[static_cast<std::size_t>(value - 1)];
  slot = loadSkinImage(context(), fileName);
  return slot != nullptr;
}

void CPowerManageButton::releaseImages() {
  for (auto& image : images_) image.reset();
  CSkinButton::releaseImages();
}

void CPowerManageButton::setValue(int value) {
  if (value < 1 || value > kMaxValue || value == value_) return;
  value_ = value;
  invalidate();
}

std::optional<int> CPowerManageButton::valueAt(int x, int y) const {
  const double scale = context().scale;
  const DesignPoint p{(x - rect().left) / scale, (y - rect().top) / scale};
  for (std::size_t k = 0; k + 1 < kArc.size(); ++k) {
    if (inTriangle(kCentre, kArc[k], kArc[k + 1], p)) {
      return kFirstSectorValue + static_cast<int>(k);
    }
  }
  return std::nullopt;
}

void CPowerManageButton::draw(Canvas& canvas, const Rect&) {
  if (const auto& image = images_[static_cast<std::size_t>(value_ - 1)]) {
    canvas.drawImage(*image, rect());
  }
}

bool CPowerManageButton::onLButtonUp(unsigned, int x, int y) {
  if (disabled()) return false;
  if (!rect().contains(x, y)) return setState(ButtonState::Normal);
  setState(ButtonState::Over);
  if (const auto chosen = valueAt(x, y)) {
    value_ = *chosen;
    notify(notify::kClicked);
  }
  return true;
}

}  // namespace pelorin
