#pragma once
// Hands work from the device reader threads to the GLib main loop, which is the UI thread of the
// GTK host: every task runs there, in the order posted.
#include "platform/ui_dispatcher.h"

namespace pelorin {

class GlibUiDispatcher final : public UiDispatcher {
 public:
  void post(std::function<void()> task) override;
};

}  // namespace pelorin
