#include "pages/page.h"

namespace pelorin {

Page::Page(std::span<const ControlRow> table, Point designOrigin)
    : table_(table), designOrigin_(designOrigin), placedAt_(designOrigin) {}

void Page::create(PageEnv& env) {
  texts_ = &env.texts;
  host_ = env.host;
  options_ = &env.options;
  controls_.clear();
  for (const auto& row : table_) controls_.push_back(env.add(createControl(row, env)));
  created();
}

void Page::relabel(const Font& oldFont, const Font& newFont) {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    CControlBase* control = controls_[i];
    if (control == nullptr) continue;
    if (control->font() == oldFont) control->setFont(newFont);
    const ControlRow& row = table_[i];
    if (row.textId != kNoText) control->setText((*texts_)[row.textId] + std::u16string(row.text));
  }
}

void Page::place(Point origin, float scale) {
  if (origin == placedAt_) return;
  placedAt_ = origin;
  const int dx = origin.x - designOrigin_.x;
  const int dy = origin.y - designOrigin_.y;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] != nullptr)
      controls_[i]->setRect(scaledRect(table_[i].rect.offset(dx, dy), scale));
  }
}

void Page::setShown(bool shown) {
  shown_ = shown;
  for (auto* control : controls_) {
    if (control != nullptr) control->setShown(shown);
  }
}

CControlBase* Page::control(int id) const {
  for (auto* control : controls_) {
    if (control != nullptr && control->id() == id) return control;
  }
  return nullptr;
}

Rect scaledRect(const Rect& design, float scale) {
  const auto at = [scale](int v) { return static_cast<int>(static_cast<float>(v) * scale); };
  return {at(design.left), at(design.top), at(design.right), at(design.bottom)};
}

Size scaledSize(Size design, float scale) {
  return {static_cast<int>(static_cast<float>(design.width) * scale),
          static_cast<int>(static_cast<float>(design.height) * scale)};
}

}  // namespace pelorin
