#include "platform/linux/gdk_virtual_key.h"

#include <gdk/gdk.h>

#include "platform/linux/keysym_to_vk.h"

namespace pelorin {

int virtualKeyOfKeycode(unsigned hardwareKeycode, int group, unsigned keysymIfUnmapped) {
  guint keyval = keysymIfUnmapped;
  gdk_keymap_translate_keyboard_state(gdk_keymap_get_for_display(gdk_display_get_default()),
                                      hardwareKeycode, GdkModifierType(0), group, &keyval, nullptr,
                                      nullptr, nullptr);
  return keysymToVirtualKey(keyval);
}

}  // namespace pelorin
