#include "app/function_popup.h"

#include "app/button_messages.h"
#include "platform/text_format.h"
#include "skin/skin_images.h"

namespace pelorin {
namespace {
constexpr Colour kText = 0xB4B4B4;
constexpr Colour kHotText = 0xFFFFFF;
constexpr int kTextMargin = 12;

unsigned dialogRequest(FunctionDialog dialog) {
  switch (dialog) {
    case FunctionDialog::FireKey:
      return button_msg::kFireKeyRequest;
    case FunctionDialog::Macro:
      return button_msg::kMacroRequest;
    case FunctionDialog::Shortcut:
      return button_msg::kShortcutRequest;
    case FunctionDialog::None:
      break;
  }
  return 0;
}

}  // namespace

CFunctionPopup::CFunctionPopup(const SkinContext& context, FunctionMenu menu,
                               const LanguageTable& texts)
    : CWndPopup(context), menu_(menu), texts_(texts), rows_(menuEntries(menu)) {}

int CFunctionPopup::designHeight(FunctionMenu menu) {
  return kRowHeight * static_cast<int>(menuEntries(menu).size());
}

void CFunctionPopup::onCreateItems() {
  normal_ = loadSkinImage(context(), "skins\\menu_nr.png");
  over_ = loadSkinImage(context(), "skins\\menu_ov.png");
  subNormal_ = loadSkinImage(context(), "skins\\menusub_nr.png");
  subOver_ = loadSkinImage(context(), "skins\\menusub_ov.png");
}

int CFunctionPopup::rowHeight() const {
  return static_cast<int>(static_cast<float>(kRowHeight) * context().scale);
}

int CFunctionPopup::rowAt(int y) const {
  if (y < 0) return -1;
  const int row = y / rowHeight();
  return row < static_cast<int>(rows_.size()) ? row : -1;
}

void CFunctionPopup::drawItems(Canvas& canvas, const Rect& client) {
  const int height = rowHeight();
  const int margin = static_cast<int>(static_cast<float>(kTextMargin) * context().scale);
  for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
    const CatalogueEntry& entry = rows_[static_cast<std::size_t>(row)];
    const bool hot = row == hovered_;
    const bool submenu = entry.kind == EntryKind::Submenu;
    const Image* picture =
        submenu ? (hot ? subOver_.get() : subNormal_.get()) : (hot ? over_.get() : normal_.get());
    const Rect rect = Rect::ofSize(0, row * height, client.width(), height);
    if (picture != nullptr) canvas.drawImage(*picture, rect);
    canvas.drawText(rowCaption(entry, texts_),
                    Rect{rect.left + margin, rect.top, rect.right - margin, rect.bottom}, font(),
                    hot ? kHotText : kText,
                    text::kLeft | text::kVCenter | text::kSingleLine | text::kEndEllipsis);
  }
}

bool CFunctionPopup::onItemPointer(int, int y) {
  const int row = rowAt(y);
  if (row == hovered_) return false;
  hovered_ = row;
  if (menu_ == FunctionMenu::Main && row >= 0) {
    const CatalogueEntry& entry = rows_[static_cast<std::size_t>(row)];
    tellOwner(entry.kind == EntryKind::Submenu ? button_msg::menuMessages(entry.submenu).open
                                               : button_msg::kCloseSubmenus);
  }
  return true;
}

bool CFunctionPopup::onItemRelease(int, int y) {
  const int row = rowAt(y);
  if (row < 0) {
    if (hovered_ < 0) return false;
    hovered_ = -1;
    return true;
  }
  const CatalogueEntry& entry = rows_[static_cast<std::size_t>(row)];
  if (const auto selection = entrySelection(entry, texts_)) {
    chosen_ = *selection;
    sendItem(reinterpret_cast<std::intptr_t>(&chosen_));
  } else if (entry.kind == EntryKind::Dialog) {
    tellOwner(dialogRequest(entry.dialog));
  }
  return false;
}

void CFunctionPopup::tellOwner(unsigned message) const {
  context().host.send(placement().parent, Message{message, placement().wParam, 0, {}});
}

}  // namespace pelorin
