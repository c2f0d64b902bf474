#include "runner/device_bus.h"

#ifdef PELORIN_HAVE_NATIVE_HID
#include "platform/native_hid_bus.h"
#endif

namespace pelorin {
namespace {

std::unique_ptr<HidBus> nativeBus() {
#ifdef PELORIN_HAVE_NATIVE_HID
  return createNativeHidBus();
#else
  return nullptr;
#endif
}

}  // namespace

void printTrace(char kind, Product via, std::span<const std::uint8_t> bytes) {
  std::printf("%c %s %s\n", kind, productName(via), formatReportHex(bytes).c_str());
  std::fflush(stdout);
}

void printFailure(Product via, std::span<const std::uint8_t> bytes, const std::string& why) {
  std::fflush(stdout);
  std::fprintf(stderr, "x %s %s: failed: %s\n", productName(via), formatReportHex(bytes).c_str(),
               why.c_str());
}

DeviceBus::DeviceBus(bool simulate) {
  if (!simulate) {
    bus_ = nativeBus();
    return;
  }
  auto sim = std::make_unique<SimHidBus>();
  sim_ = sim.get();
  simMouse_ = std::make_shared<SimMouse>();
  bus_ = std::move(sim);
  simPlug(SimProduct::Cable);
  simPlug(SimProduct::Receiver);
}

DeviceBus::~DeviceBus() = default;

void DeviceBus::simPlug(SimProduct product) {
  if (sim_ == nullptr || simPlugs_.count(product) != 0) return;
  simPlugs_[product] = sim_->plug(product, simMouse_);
}

void DeviceBus::simUnplug(SimProduct product) {
  if (sim_ == nullptr || simPlugs_.count(product) == 0) return;
  sim_->unplug(simPlugs_[product]);
  simPlugs_.erase(product);
}

int DeviceBus::simPlugId(SimProduct product) const {
  const auto found = simPlugs_.find(product);
  return found == simPlugs_.end() ? 0 : found->second;
}

void DeviceBus::runStep(const SimStep& step, DeviceLink& link) {
  if (sim_ == nullptr) return;
  SimStatus status = simMouse_->status();
  const int active = simPlugId(SimProduct::Cable) != 0 ? simPlugId(SimProduct::Cable)
                                                       : simPlugId(SimProduct::Receiver);
  const auto value = static_cast<std::uint8_t>(step.value);
  using Action = SimStep::Action;
  switch (step.action) {
    case Action::PressDpi:
      sim_->pressDpiButton(active);
      break;
    case Action::PressPolling:
      sim_->pressPollingButton(active);
      break;
    case Action::PlugCable:
      simPlug(SimProduct::Cable);
      break;
    case Action::UnplugCable:
      simUnplug(SimProduct::Cable);
      break;
    case Action::PlugReceiver:
      simPlug(SimProduct::Receiver);
      break;
    case Action::UnplugReceiver:
      simUnplug(SimProduct::Receiver);
      break;
    case Action::SetBattery:
      status.batteryPercent = value;
      break;
    case Action::SetCharge:
      status.chargeState = value;
      break;
    case Action::SetLink:
      status.linkFlag = value;
      break;
    case Action::SetSensor:
      status.sensorCode = value;
      break;
    case Action::RequestStatus:
      link.requestStatus();
      break;
  }
  simMouse_->setStatus(status);
}

void DeviceBus::reportNoMouse(std::string_view program) {
  bool refused = false;
  for (const auto& info : bus_->enumerate()) {
    const bool mouse = productOf(info.vendorId, info.productId).has_value();
    HidOpenError error = HidOpenError::None;
    if (mouse && !bus_->open(info.path, &error) && error == HidOpenError::PermissionDenied) {
      refused = true;
    }
  }
  const std::string name(program);
  if (!refused) {
    std::fprintf(stderr, "%s: no mouse found\n", name.c_str());
    return;
  }
  std::fprintf(stderr, "%s: the mouse is attached, but permission to open it is denied\n",
               name.c_str());
#ifdef PELORIN_HAVE_NATIVE_HID
  std::fprintf(stderr, "%s", nativePermissionHint().c_str());
#endif
}

}  // namespace pelorin
