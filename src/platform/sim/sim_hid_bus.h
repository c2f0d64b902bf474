#pragma once
// A simulated HID bus carrying simulated mice. Each plugged product (the mouse on its cable, or a
// receiver) shows three interfaces: an ordinary mouse/keyboard one, the event interface (33-byte
// input reports) and the command interface (33-byte feature reports). A product plugged again gets
// new paths, as a real device in another port does.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "platform/hid_bus.h"
#include "platform/sim/sim_mouse.h"

namespace pelorin {

enum class SimProduct : std::uint16_t { Cable = 0x5B2E, Receiver = 0x5B2F };
constexpr std::uint16_t kSimVendorId = 0x248A;

struct SimPlugOptions {
  bool eventInterfaceHasFeature33 = false;  // the event interface also reports feature length 33
  std::uint16_t vendorId = kSimVendorId;
  bool denyOpen = false;  // opening any interface fails as without permission
};

class SimHidBus final : public HidBus {
 public:
  SimHidBus();
  ~SimHidBus() override;

  // Returns the plug id used by the calls below. Notifies an arrival.
  int plug(SimProduct product, std::shared_ptr<SimMouse> mouse, SimPlugOptions options = {});
  // Open handles fail from now on and blocked reads return. Notifies a removal.
  void unplug(int plugId);
  // Delivers an event report to the readers of that product's event interface; a report shorter
  // than the interface's length is delivered short, as a misbehaving device might.
  void sendEvent(int plugId, std::span<const std::uint8_t> report);
  void pressDpiButton(int plugId);
  void pressPollingButton(int plugId);
  std::shared_ptr<SimMouse> mouse(int plugId) const;
  // Number of readers currently blocked on a product's event interface.
  int waitingReaders(int plugId) const;

  std::vector<HidInterfaceInfo> enumerate() override;
  std::unique_ptr<HidDevice> open(const std::string& path, HidOpenError* error) override;
  void setChangeListener(ChangeListener listener) override;

  struct Plug;  // shared with the open handles

 private:
  void notify(HidChange change);

  mutable std::mutex mutex_;
  std::map<int, std::shared_ptr<Plug>> plugs_;  // ordered by plug id: enumeration order
  int nextPlugId_ = 1;
  int nextPathNumber_ = 0;
  ChangeListener listener_;
};

}  // namespace pelorin
