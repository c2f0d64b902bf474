#include "skin/skin_images.h"

#include <algorithm>
#include <string>

namespace pelorin {

std::unique_ptr<Image> loadSkinImage(const SkinContext& context, std::string_view name) {
  std::string relative(name);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return context.host.graphics().loadFile(context.programFolder / relative);
}

std::unique_ptr<Image> loadResourceImage(const SkinContext& context, int resourceId) {
  return context.host.graphics().decode(context.resources.find(resourceId));
}

}  // namespace pelorin
