#include "app/notice_board.h"

#include <algorithm>
#include <ranges>

namespace pelorin {

NoticeBoard::NoticeBoard(SkinContext& skin, std::u16string ok, Open open)
    : skin_(skin), ok_(std::move(ok)), open_(open) {}

void NoticeBoard::show(std::u16string_view title, std::u16string_view text) {
  retired_.clear();
  const Text asked{std::u16string(title), std::u16string(text)};
  const bool open =
      shown_ != nullptr && shown_->title() == asked.title && shown_->text() == asked.text;
  if (open || std::ranges::find(waiting_, asked) != waiting_.end()) return;
  waiting_.push_back(asked);
  if (shown_ == nullptr) openNext();
}

void NoticeBoard::openNext() {
  while (shown_ == nullptr && !waiting_.empty()) {
    Text next = std::move(waiting_.front());
    waiting_.pop_front();
    shown_ =
        std::make_unique<CAttentionDlg>(skin_, std::move(next.title), std::move(next.text), ok_);
    shown_->onClosed([this] { closed(); });
    open_(*shown_, topModalDialog());
    // A window that could not be made is no notice on screen.
    if (shown_->windowId() == kNoWindow) retired_.push_back(std::move(shown_));
  }
}

void NoticeBoard::closed() {
  if (shown_ == nullptr) return;
  retired_.push_back(std::move(shown_));
  openNext();
}

// The latest modal dialog that is still shown: the one whose loop runs now.
WindowId NoticeBoard::topModalDialog() const {
  const auto open = skin_.openDialogs.entries();
  for (auto it = open.rbegin(); it != open.rend(); ++it) {
    const WindowId id = *it;
    const Window* w = skin_.host.find(id);
    if (w != nullptr && w->kind() == WindowKind::Modal && w->isVisible()) return id;
  }
  return kNoWindow;
}

}  // namespace pelorin
