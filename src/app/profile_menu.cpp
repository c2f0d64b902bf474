#include "app/profile_menu.h"

#include "platform/text_format.h"
#include "skin/skin_images.h"

namespace pelorin {
namespace {
constexpr Colour kText = 0xB4B4B4;
constexpr Colour kHotText = 0xFFFFFF;
constexpr Colour kMarkedText = 0x00FFFF;
constexpr int kTextMargin = 12;
}  // namespace

CProfileMenu::CProfileMenu(const SkinContext& context, std::vector<std::u16string> rows, int marked)
    : CWndPopup(context), rows_(std::move(rows)), marked_(marked) {}

void CProfileMenu::onCreateItems() {
  normal_ = loadSkinImage(context(), "skins\\menu_nr.png");
  over_ = loadSkinImage(context(), "skins\\menu_ov.png");
}

int CProfileMenu::rowHeight() const {
  return static_cast<int>(static_cast<float>(kRowHeight) * context().scale);
}

int CProfileMenu::rowAt(int y) const {
  if (y < 0) return -1;
  const int row = y / rowHeight();
  return row < static_cast<int>(rows_.size()) ? row : -1;
}

void CProfileMenu::drawItems(Canvas& canvas, const Rect& client) {
  const int height = rowHeight();
  const int margin = static_cast<int>(static_cast<float>(kTextMargin) * context().scale);
  for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
    const Rect rect = Rect::ofSize(0, row * height, client.width(), height);
    const Image* picture = row == hovered_ && over_ ? over_.get() : normal_.get();
    if (picture != nullptr) canvas.drawImage(*picture, rect);
    const Colour colour = row == marked_ ? kMarkedText : row == hovered_ ? kHotText : kText;
    canvas.drawText(rows_[static_cast<std::size_t>(row)],
                    Rect{rect.left + margin, rect.top, rect.right - margin, rect.bottom}, font(),
                    colour, text::kLeft | text::kVCenter | text::kSingleLine | text::kEndEllipsis);
  }
}

bool CProfileMenu::onItemPointer(int, int y) {
  const int row = rowAt(y);
  if (row == hovered_) return false;
  hovered_ = row;
  return true;
}

bool CProfileMenu::onItemRelease(int, int y) {
  const int row = rowAt(y);
  if (row >= 0) sendItem(row);
  return false;
}

}  // namespace pelorin
