#include "platform/linux/glib_ui_dispatcher.h"

#include <glib.h>

namespace pelorin {
namespace {

gboolean runTask(gpointer data) {
  (*static_cast<std::function<void()>*>(data))();
  return G_SOURCE_REMOVE;
}

void deleteTask(gpointer data) {
  delete static_cast<std::function<void()>*>(data);
}

}  // namespace

// g_idle_add_full may be called from any thread; sources of equal priority run in the order they
// were added, so reports keep their order.
void GlibUiDispatcher::post(std::function<void()> task) {
  g_idle_add_full(G_PRIORITY_DEFAULT, runTask, new std::function<void()>(std::move(task)),
                  deleteTask);
}

}  // namespace pelorin
