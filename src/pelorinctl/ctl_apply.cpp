// pelorinctl apply | reset-device
#include <cstdio>

#include "pelorinctl/commands.h"
#include "pelorinctl/device_context.h"

namespace pelorin::ctl {
namespace {

bool requireMouse(Session& session) {
  if (session.link().hasCommandHandle()) return true;
  session.reportNoMouse();
  return false;
}

}  // namespace

int runApply(const Options& options, const Args& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: pelorinctl apply\n");
    return kExitUsage;
  }
  DeviceContext context(options);
  if (!context.open() || !requireMouse(context.session())) return kExitFailure;
  context.device().forceFullSend();
  context.device().dispatchPendingSends();
  // The program saves ten seconds after a dispatch; the command line saves before it ends.
  if (!context.data().saveAll()) std::fprintf(stderr, "pelorinctl: cannot save the profiles\n");
  const auto via = context.session().link().commandProduct();
  std::printf("profile %zu sent to the %s: %d reports\n", context.device().currentProfile() + 1,
              via ? productName(*via) : "mouse", context.session().reportsSent());
  return kExitOk;
}

int runResetDevice(const Options& options, const Args& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: pelorinctl reset-device\n");
    return kExitUsage;
  }
  DeviceContext context(options);
  if (!context.open() || !requireMouse(context.session())) return kExitFailure;
  if (const HidResult sent = context.device().resetDeviceAndProfile(); !sent) {
    std::fprintf(stderr, "pelorinctl: the mouse was not reset: %s\n", sent.error.c_str());
    return kExitFailure;
  }
  std::printf("mouse reset to its factory settings; profile %zu reset to its defaults\n",
              context.device().currentProfile() + 1);
  return kExitOk;
}

}  // namespace pelorin::ctl
