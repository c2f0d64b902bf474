#pragma once
// The pieces the small skinned dialogs share, built at design rectangles and the dialog's scale.
#include <memory>
#include <string>

#include "skin/check_button.h"
#include "skin/image_button.h"
#include "skin/static_text.h"

namespace pelorin {

// A captioned push button on the "button2" pictures.
std::unique_ptr<CImageButton> makeTextButton(const SkinContext& context, WindowId parent, int id,
                                             const Rect& design, std::u16string caption);
// The small cross in the top right corner.
std::unique_ptr<CImageButton> makeExitButton(const SkinContext& context, WindowId parent, int id,
                                             const Rect& design);
// A label in the interface font (value: "Tahoma"), flags as CStaticText takes them.
std::unique_ptr<CStaticText> makeLabel(const SkinContext& context, WindowId parent, int id,
                                       const Rect& design, std::u16string text, unsigned flags,
                                       bool value = false);

// A check box on the "check" pictures: normal, over, checked.
std::unique_ptr<CCheckButton> makeCheckBox(const SkinContext& context, WindowId parent, int id,
                                           const Rect& design);

}  // namespace pelorin
