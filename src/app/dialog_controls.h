#pragma once
// The controls every small assignment dialog is made of, placed at design rectangles and scaled
// with the dialog.
#include <memory>
#include <string>

#include "skin/check_button.h"
#include "skin/image_button.h"
#include "skin/static_text.h"

namespace pelorin::dialog_controls {

// White title text in the interface font.
std::unique_ptr<CStaticText> title(const SkinContext& skin, WindowId parent, int id,
                                   const Rect& design, std::u16string text);
// Grey text; `value` selects the number face ("Tahoma").
std::unique_ptr<CStaticText> label(const SkinContext& skin, WindowId parent, int id,
                                   const Rect& design, std::u16string text, bool value = false);
std::unique_ptr<CImageButton> exitButton(const SkinContext& skin, WindowId parent, int id,
                                         const Rect& design);
// A wide button with a caption ("skins\button2_*").
std::unique_ptr<CImageButton> textButton(const SkinContext& skin, WindowId parent, int id,
                                         const Rect& design, std::u16string caption);
std::unique_ptr<CCheckButton> checkBox(const SkinContext& skin, WindowId parent, int id,
                                       const Rect& design);
// The number face at a design height.
Font valueFont(const SkinContext& skin, int designHeight);

}  // namespace pelorin::dialog_controls
