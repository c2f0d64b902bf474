#pragma once
// A radio button: choosing it marks its bit in the shared option word, clearing the rest of its
// group, and it shows itself checked while its bit is set, whoever set it.
#include "skin/radio_options.h"
#include "skin/skin_button.h"

namespace pelorin {

class CRadioButton : public CSkinButton {
 public:
  // options must outlive the button.
  CRadioButton(const SkinContext& context, WindowId parent, int id, const Rect& rect,
               RadioOptions& options);

  bool marked() const { return options_.marked(id()); }

 protected:
  ButtonState look() const override { return marked() ? ButtonState::Down : state(); }
  void clicked() override;
  // Radio buttons carry their captions as separate static texts.
  std::u16string_view caption() const override { return {}; }

 private:
  RadioOptions& options_;
};

}  // namespace pelorin
