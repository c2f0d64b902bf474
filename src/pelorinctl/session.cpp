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

}  // namespace

Session::Session(const Options& options) {
  if (options.simulate) {
    auto sim = std::make_unique<SimHidBus>();
    auto mouse = std::make_shared<SimMouse>();
    simCable_ = sim->plug(SimProduct::Cable, mouse);
    simReceiver_ = sim->plug(SimProduct::Receiver, mouse);
    sim_ = sim.get();
    bus_ = std::move(sim);
  } else {
    bus_ = nativeBus();
  }
  if (!bus_) return;
  link_ = std::make_unique<DeviceLink>(*bus_, clock_, queue_, host_);
  if (options.trace) link_->setTraceSink(printTrace);
}

Session::~Session() = default;

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
