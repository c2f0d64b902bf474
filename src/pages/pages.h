#pragma once
// The pages of the main window. Each is a creation table and the hooks the settings issues fill
// in; the group pages are placed at their group's content origin by the window's layout.
#include <memory>

#include "pages/page.h"

namespace pelorin {

// The right-hand groups, in the order of ControlGroup.
std::unique_ptr<Page> makeDpiPage();
std::unique_ptr<Page> makeLightingPage();
std::unique_ptr<Page> makePollingPage();
std::unique_ptr<Page> makeLiftOffPage();
std::unique_ptr<Page> makeDebouncePage();
std::unique_ptr<Page> makePointerPage();
// The always-visible areas of the left column.
std::unique_ptr<Page> makeButtonComboArea();
std::unique_ptr<Page> makePowerArea();
std::unique_ptr<Page> makeBatteryArea();

}  // namespace pelorin
