#pragma once
// The controls the main window handles itself: the mouse picture, the captions and group
// headers, the slot bar and the window buttons.
#include <memory>

#include "pages/page.h"

namespace pelorin {

namespace ctl_id {
constexpr int kClose = 2001;
constexpr int kMinimise = 2002;
constexpr int kHideAlso = 2048;
constexpr int kDispatchAndHide = 2046;
constexpr int kApply = 2047;
constexpr int kReset = 2045;
constexpr int kMacroManager = 2062;
constexpr int kFirstSlot = 2049;
constexpr int kLastSlot = 2053;
constexpr int kEditProfile = 2068;
constexpr int kExportProfile = 2069;
constexpr int kImportProfile = 2070;
constexpr int kAddProfile = 2071;
constexpr int kProfileCombo = 3100;
constexpr int kProfileButton = 3502;
constexpr int kLink = 3503;
constexpr int kMouseSettings = 3330;
constexpr int kVersion = 3021;
}  // namespace ctl_id

std::unique_ptr<Page> makeWindowControls();

}  // namespace pelorin
