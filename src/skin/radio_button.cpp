#include "skin/radio_button.h"

namespace pelorin {

CRadioButton::CRadioButton(const SkinContext& context, WindowId parent, int id, const Rect& rect,
                           RadioOptions& options)
    : CSkinButton(context, parent, id, rect), options_(options) {}

void CRadioButton::clicked() {
  // The owner reads the option word in its handler, so the choice must already be there.
  options_.choose(id());
  notify(notify::kClicked);
}

}  // namespace pelorin
