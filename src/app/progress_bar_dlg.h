#pragma once
// The short animation shown after the program rewrote the mouse: a bar fills across the frame in
// about half a second and the dialog closes itself. It shows no real device progress.
#include <memory>
#include <string>

#include "platform/image.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CProgressBarDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{429, 140};
  static constexpr int kStepTimer = 1;
  static constexpr int kCloseTimer = 2;
  static constexpr int kStepPercent = 2;

  CProgressBarDlg(SkinContext& context, std::u16string caption);

  int progress() const { return progress_; }
  void onTimer(int id) override;

 protected:
  void onInitDialog() override;
  void drawControls(Canvas& canvas, const Rect& clip) override;

 private:
  std::u16string caption_;
  std::unique_ptr<Image> fill_;
  int progress_ = 0;
};

}  // namespace pelorin
