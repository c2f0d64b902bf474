#pragma once
// The program's notice: a small skinned window with a title, a text and an OK button. The main
// window shows it modeless and topmost for the notices of the device and the slot bar.
#include <string>

#include "skin/dlg_base.h"

namespace pelorin {

class CAttentionDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{429, 140};
  static constexpr int kOk = 2010;

  // ok: the caption of the button, a language text.
  CAttentionDlg(SkinContext& context, std::u16string title, std::u16string text, std::u16string ok);

  const std::u16string& title() const { return title_; }
  const std::u16string& text() const { return text_; }

 protected:
  void onInitDialog() override;
  std::intptr_t handleMessage(const Message& message) override;

 private:
  std::u16string title_;
  std::u16string text_;
  std::u16string ok_;
};

}  // namespace pelorin
