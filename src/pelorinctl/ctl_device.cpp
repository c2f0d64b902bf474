// pelorinctl devices | status
#include <cstdio>

#include "device/device_facts.h"
#include "pelorinctl/commands.h"
#include "pelorinctl/session.h"

#ifdef PELORIN_HAVE_NATIVE_HID
#include "platform/native_hid_bus.h"
#endif

namespace pelorin::ctl {
namespace {

const char* productLabel(const HidInterfaceInfo& info) {
  const auto product = productOf(info.vendorId, info.productId);
  return product ? productName(*product) : "other";
}

// The same order of tests as discovery: input length first.
const char* roleLabel(const HidInterfaceInfo& info) {
  if (info.inputReportLength == 33) return "event";
  if (info.featureReportLength == 33) return "command";
  return "other";
}

// Said once, after the listing, however many nodes were refused.
void printPermissionHint() {
#ifdef PELORIN_HAVE_NATIVE_HID
  std::printf("\n%s", nativePermissionHint().c_str());
#endif
}

}  // namespace

int runDevices(const Options& options, const Args& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: pelorinctl devices\n");
    return kExitUsage;
  }
  Session session(options);
  if (!session.connect()) return kExitFailure;
  int found = 0;
  bool refused = false;
  for (const auto& listed : session.bus().enumerate()) {
    HidOpenError error = HidOpenError::None;
    auto device = session.bus().open(listed.path, &error);
    const HidInterfaceInfo info = device ? device->info() : listed;
    if (std::string(productLabel(info)) == "other") continue;
    ++found;
    std::printf("%-8s %-7s input=%-3u feature=%-3u %s\n", productLabel(info), roleLabel(info),
                info.inputReportLength, info.featureReportLength, listed.path.c_str());
    if (error == HidOpenError::PermissionDenied) {
      std::printf("  cannot open %s: permission denied\n", listed.path.c_str());
      refused = true;
    }
  }
  if (refused) printPermissionHint();
  if (found == 0) std::printf("no interface of the mouse found\n");
  return found == 0 ? kExitFailure : kExitOk;
}

int runStatus(const Options& options, const Args& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: pelorinctl status\n");
    return kExitUsage;
  }
  Session session(options);
  if (!session.connect()) return kExitFailure;
  const auto via = session.link().commandProduct();
  if (!via) {
    session.reportNoMouse();
    return kExitFailure;
  }
  const auto answer = session.link().exchangeStatus();
  if (!answer || !isValidStatusAnswer(*answer)) {
    std::fprintf(stderr, "pelorinctl: the mouse did not answer the status request\n");
    return kExitFailure;
  }
  const StatusFields fields = decodeStatus(*answer);
  const SensorFacts* sensor = sensorByCode(fields.sensorCode);
  std::printf("connection:     %s\n", productName(*via));
  std::printf("identification: %s\n", fields.identification.c_str());
  if (sensor != nullptr) {
    std::printf("sensor model:   0x%04X (code 0x%02X)\n", sensor->model, fields.sensorCode);
  } else {
    std::printf("sensor model:   unknown (code 0x%02X)\n", fields.sensorCode);
  }
  std::printf("battery:        %u%%\n", fields.batteryPercent);
  std::printf("charge state:   %s\n", chargeStateName(fields.chargeState));
  std::printf("link flag:      %d\n", fields.linkActive ? 1 : 0);
  return kExitOk;
}

}  // namespace pelorin::ctl
