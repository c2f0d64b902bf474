#include "platform/linux/gtk_clipboard.h"

#include <gtk/gtk.h>

#include "common/utf.h"

namespace pelorin {

namespace {

GtkClipboard* desktopClipboard() {
  return gtk_clipboard_get_for_display(gdk_display_get_default(), GDK_SELECTION_CLIPBOARD);
}

}  // namespace

void GtkTextClipboard::setText(std::u16string_view text) {
  const std::string utf8 = toUtf8(text);
  GtkClipboard* clipboard = desktopClipboard();
  gtk_clipboard_set_text(clipboard, utf8.c_str(), static_cast<gint>(utf8.size()));
}

std::optional<std::u16string> GtkTextClipboard::text() {
  gchar* utf8 = gtk_clipboard_wait_for_text(desktopClipboard());
  if (utf8 == nullptr) return std::nullopt;
  std::u16string result = toUtf16(utf8);
  g_free(utf8);
  return result;
}

}  // namespace pelorin
