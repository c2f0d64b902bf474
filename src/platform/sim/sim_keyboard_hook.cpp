#include "platform/sim/sim_keyboard_hook.h"

namespace pelorin {

bool SimKeyboardHook::start(WindowId target) {
  target_ = windows_.find(target) != nullptr ? target : kNoWindow;
  return running();
}

void SimKeyboardHook::inject(const HookKey& key) {
  if (running()) windows_.send(target_, hookKeyMessage(key));
}

}  // namespace pelorin
