#pragma once
// The program's notices: one window at a time, each text once. A notice asked for while another
// is open waits its turn; one whose title and text are already open or waiting is dropped, so
// three refusals in a row give one window. A notice asked for while a modal dialog runs is
// modal over that dialog: it takes the input until it is closed, then gives it back.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/attention_dlg.h"

namespace pelorin {

class NoticeBoard {
 public:
  // open: how the host shows a notice, over the given modal dialog or none.
  using Open = void (*)(CAttentionDlg& notice, WindowId modalOwner);
  NoticeBoard(SkinContext& skin, std::u16string ok, Open open);

  void show(std::u16string_view title, std::u16string_view text);
  // The notice on screen, or null.
  const CAttentionDlg* shown() const { return shown_.get(); }
  std::size_t waiting() const { return waiting_.size(); }

 private:
  struct Text {
    std::u16string title;
    std::u16string text;
    friend bool operator==(const Text&, const Text&) = default;
  };
  void openNext();
  void closed();
  WindowId topModalDialog() const;

  SkinContext& skin_;
  std::u16string ok_;
  Open open_;
  std::unique_ptr<CAttentionDlg> shown_;
  // Closed notices, kept until the next request: a window's client outlives its close.
  std::vector<std::unique_ptr<CAttentionDlg>> retired_;
  std::deque<Text> waiting_;
};

}  // namespace pelorin
