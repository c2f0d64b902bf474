#pragma once
// The colour picker of the lighting slots and the DPI levels: a picture of colour fields whose
// pixels are read back where the user presses, a preview of the colour and its red, green and
// blue values. OK writes the colour into its target in the profile.
#include "lang/language_table.h"
#include "pages/page_host.h"
#include "profile/profile_record.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CColorPaletteDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{500, 291};
  static constexpr int kConfirmed = 1;
  static constexpr int kPictureResource = 287;
  // The picture's ground, which is never picked.
  static constexpr Colour kGround = 0x0F0F0F;
  // Control ids.
  static constexpr int kExit = 2004;
  static constexpr int kOk = 2010;
  static constexpr int kRed = 2011;
  static constexpr int kGreen = 2012;
  static constexpr int kBlue = 2013;
  // Design rectangles.
  static constexpr Rect kPreview{245, 212, 303, 270};
  static constexpr Rect kPickLeft{18, 26, 222, 270};
  static constexpr Rect kPickRight{244, 26, 473, 190};

  // profile must outlive the dialog.
  CColorPaletteDlg(SkinContext& context, const LanguageTable& texts, ProfileRecord& profile,
                   const ColourTarget& target);

  Colour colour() const { return colour_; }

  void onMouse(const MouseEvent& event) override;

 protected:
  void onInitDialog() override;
  void drawBackground(Canvas& canvas, const Rect& client) override;
  std::intptr_t handleMessage(const Message& message) override;
  bool onDialogKey(const KeyEvent& key) override;

 private:
  // The target's colour in the profile; null when the target names no colour.
  ColourRef* target() const;
  bool inPickArea(int x, int y) const;
  void showValues();
  void confirm();

  const LanguageTable& texts_;
  ProfileRecord& profile_;
  ColourTarget target_;
  Colour colour_ = 0;
};

}  // namespace pelorin
