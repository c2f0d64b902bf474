#pragma once
// The frame shared by the small macro dialogs: a title, a white field holding the value, OK and
// Cancel. OK and Enter confirm, Cancel and the close button cancel, Escape is swallowed so a
// stray key never loses what was typed.
#include <string>

#include "lang/language_table.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CSkinEdit;
class CStaticText;

class CMacroValueDlg : public CDlgBase {
 public:
  static constexpr Size kDesignSize{319, 102};
  static constexpr int kConfirmed = 1;
  // Control ids.
  static constexpr int kValue = 2012;
  static constexpr int kTitle = 2013;
  static constexpr int kEdit = 2017;
  static constexpr int kExit = 2004;
  static constexpr int kOk = 2010;
  static constexpr int kCancelButton = 2011;
  // The white field, in design units.
  static constexpr Rect kField{11, 40, 306, 62};

 protected:
  CMacroValueDlg(SkinContext& context, const LanguageTable& texts, std::u16string title);

  // Subclasses add their value control after calling this.
  void onInitDialog() override;
  void drawBackground(Canvas& canvas, const Rect& client) override;
  std::intptr_t handleMessage(const Message& message) override;
  bool onDialogKey(const KeyEvent& key) override;

  // OK or Enter; the default ends the dialog confirmed.
  virtual void confirm() { endDialog(kConfirmed); }
  virtual void cancel() { endDialog(kCancel); }
  // Messages other than the three buttons'.
  virtual std::intptr_t handleOther(const Message&) { return 0; }

  // The field's edit box, black on white with the caret at the end, holding the focus.
  CSkinEdit* addEdit(std::u16string text);
  // The field as a centred label.
  CStaticText* addValueText(std::u16string text);
  const LanguageTable& texts() const { return texts_; }

 private:
  const LanguageTable& texts_;
  std::u16string title_;
};

}  // namespace pelorin
