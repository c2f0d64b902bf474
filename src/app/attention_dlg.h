#pragma once
// The program's message box: a small skinned window with a title, a text and an OK button. Run
// modal it returns when OK or the close button is clicked; as a notice it stays modeless and
// above the other windows until the user closes it.
#include <functional>
#include <string>

#include "skin/dlg_base.h"

namespace pelorin {

class CAttentionDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{319, 102};
  static constexpr int kOk = 2010;
  static constexpr int kExit = 2004;

  // ok: the caption of the button, a language text.
  CAttentionDlg(SkinContext& context, std::u16string title, std::u16string text, std::u16string ok);

  // The modeless, topmost notice; false when its window could not be made. Over a modal dialog
  // the notice is modal itself, owned by it, so that it takes the input while it is open.
  bool showNotice(WindowId modalOwner = kNoWindow);
  // Called once the notice's window is gone.
  void onClosed(std::function<void()> closed) { closed_ = std::move(closed); }
  void onDestroyed() override;

  const std::u16string& title() const { return title_; }
  const std::u16string& text() const { return text_; }

 protected:
  void onInitDialog() override;
  std::intptr_t handleMessage(const Message& message) override;

 private:
  std::u16string title_;
  std::u16string text_;
  std::u16string ok_;
  std::function<void()> closed_;
};

}  // namespace pelorin
