#include "pelorinctl/session.h"

#include <cstdio>
#include <mutex>

#ifdef PELORIN_HAVE_NATIVE_HID
#include "platform/native_hid_bus.h"
#endif

namespace pelorin::ctl {
namespace {

std::unique_ptr<HidBus> nativeBus() {
#ifdef PELORIN_HAVE_NATIVE_HID
  return createNativeHidBus();
#else
  return nullptr;
#endif
}

void printTrace(char kind, Product via, std::span<const std::uint8_t> bytes) {
  std::printf("%c %s %s\n", kind, productName(via), formatReportHex(bytes).c_str());
  std::fflush(stdout);
}

// On standard error, so that a failure stands out from the reports that went through.
void printFailure(Product via, std::span<const std::uint8_t> bytes, const std::string& why) {
  std::fflush(stdout);
  std::fprintf(stderr, "x %s %s: failed: %s\n", productName(via), formatReportHex(bytes).c_str(),
               why.c_str());
}

}  // namespace

void CtlHost::startTimer(TimerId id, unsigned periodMs) {
  timers[id] = {periodMs, clock_.nowMs() + periodMs};
}

void CtlHost::showNotice(DeviceNotice notice) {
  if (onNotice) onNotice(notice);
}

void CtlHost::showOnScreenDisplay() {
  if (onEvent) onEvent();
}

void CtlHost::sensorChanged(std::uint16_t sensorModel) {
  if (data == nullptr) return;
  data->config.setSensor(SensorModel{sensorModel});
  data->config.setPreST(static_cast<std::uint16_t>(~sensorModel));
  data->dpiSteps.rebuild(sensorModel);
  data->saveAll();
}

void CtlHost::currentProfileReset() {
  if (data == nullptr) return;
  data->saveAll();
}

Session::Session(const Options& options) {
  if (options.simulate) {
    auto sim = std::make_unique<SimHidBus>();
    sim_ = sim.get();
    simMouse_ = std::make_shared<SimMouse>();
    bus_ = std::move(sim);
    simPlug(SimProduct::Cable);
    simPlug(SimProduct::Receiver);
  } else {
    bus_ = nativeBus();
  }
  if (!bus_) return;
  link_ = std::make_unique<DeviceLink>(*bus_, clock_, queue_);
  const bool trace = options.trace;
  link_->setTraceSink([this, trace](char kind, Product via, std::span<const std::uint8_t> bytes) {
    if (kind == '>') ++reportsSent_;
    if (trace) printTrace(kind, via, bytes);
  });
  if (trace) link_->setFailureSink(printFailure);
}

Session::~Session() = default;

void Session::simPlug(SimProduct product) {
  if (sim_ == nullptr || simPlugs_.count(product) != 0) return;
  simPlugs_[product] = sim_->plug(product, simMouse_);
}

void Session::simUnplug(SimProduct product) {
  if (sim_ == nullptr || simPlugs_.count(product) == 0) return;
  sim_->unplug(simPlugs_[product]);
  simPlugs_.erase(product);
}

int Session::simPlugId(SimProduct product) const {
  const auto found = simPlugs_.find(product);
  return found == simPlugs_.end() ? 0 : found->second;
}

void Session::reportNoMouse() {
  bool refused = false;
  for (const auto& info : bus_->enumerate()) {
    const bool mouse = productOf(info.vendorId, info.productId).has_value();
    HidOpenError error = HidOpenError::None;
    if (mouse && !bus_->open(info.path, &error) && error == HidOpenError::PermissionDenied) {
      refused = true;
    }
  }
  if (!refused) {
    std::fprintf(stderr, "pelorinctl: no mouse found\n");
    return;
  }
  std::fprintf(stderr, "pelorinctl: the mouse is attached, but permission to open it is denied\n");
#ifdef PELORIN_HAVE_NATIVE_HID
  std::fprintf(stderr, "%s", nativePermissionHint().c_str());
#endif
}

bool Session::connect() {
  if (!bus_) {
    std::fprintf(stderr,
                 "pelorinctl: no HID backend is available on this platform; "
                 "use --simulate for the simulated mouse\n");
    return false;
  }
  link_->registerDeviceNotifications();
  link_->scanDevices();
  return true;
}

}  // namespace pelorin::ctl
