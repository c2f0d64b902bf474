#pragma once
// Where skin pictures come from: files beside the program or resources built into it. A
// picture that cannot be found is null, and the control that wanted it simply has none.
#include <memory>
#include <string_view>

#include "platform/image.h"
#include "skin/skin_context.h"

namespace pelorin {

// The name is relative to the program folder and may use either slash ("skins\\min_nr.png").
std::unique_ptr<Image> loadSkinImage(const SkinContext& context, std::string_view name);
std::unique_ptr<Image> loadResourceImage(const SkinContext& context, int resourceId);

// Resource ids of the pictures the skin itself uses.
namespace resource_id {
constexpr int kIcon = 128;
constexpr int kPopupSkin = 151;
}  // namespace resource_id

}  // namespace pelorin
