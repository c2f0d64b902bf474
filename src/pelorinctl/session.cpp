#include "pelorinctl/session.h"

#include <cstdio>

namespace pelorin::ctl {

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
  if (data != nullptr) (void)data->applySensor(sensorModel);
}

void CtlHost::currentProfileReset() {
  if (data == nullptr) return;
  data->saveAll();
}

Session::Session(const Options& options) : bus_(options.simulate) {
  if (!bus_.hasBus()) return;
  link_ = std::make_unique<DeviceLink>(bus_.bus(), clock_, queue_);
  const bool trace = options.trace;
  link_->setTraceSink([this, trace](char kind, Product via, std::span<const std::uint8_t> bytes) {
    if (kind == '>') ++reportsSent_;
    if (trace) printTrace(kind, via, bytes);
  });
  if (trace) link_->setFailureSink(printFailure);
}

Session::~Session() = default;

void Session::reportNoMouse() {
  bus_.reportNoMouse("pelorinctl");
}

bool Session::connect() {
  if (!bus_.hasBus()) {
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
