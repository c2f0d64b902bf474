#pragma once
// What every dialog, control and popup of the skin needs from the program: the window host,
// where the skins are, the resources, the scale and the UI font. The application owns it for
// the whole run and hands it down, so nothing here is global.
#include <filesystem>

#include "platform/font.h"
#include "platform/resource_table.h"
#include "platform/window_system.h"
#include "skin/open_dialog_table.h"

namespace pelorin {

struct SkinContext {
  WindowSystem& host;
  const ResourceTable& resources;
  // The folder of the executable; skin file names are relative to it ("skins\\exit_nr.png").
  std::filesystem::path programFolder;
  // Every design coordinate, size and font height is multiplied by it.
  float scale = 1.0f;
  // Face, height and language of the captions, from the language settings.
  Font uiFont;
  OpenDialogTable& openDialogs;
};

}  // namespace pelorin
