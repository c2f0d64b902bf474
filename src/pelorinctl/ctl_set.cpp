// pelorinctl [--profile N] set KIND ...: one setting changed as the window changes it. The
// current profile goes to the mouse through the same dispatcher, so only what changed is sent;
// another profile is only saved, as the window keeps it until the user switches to it.
#include <cstdio>

#include "pelorinctl/commands.h"
#include "pelorinctl/device_context.h"
#include "pelorinctl/setting_edit.h"

namespace pelorin::ctl {
namespace {

// Sends what the edit changed; false when no mouse took it.
bool send(DeviceContext& context, SettingGroup group) {
  if (!context.session().link().hasCommandHandle()) return false;
  context.device().markPending(group);
  context.device().dispatchPendingSends();
  return true;
}

}  // namespace

int runSet(const Options& options, const Args& args) {
  DeviceContext context(options);
  if (!context.open()) return kExitFailure;
  AppData& data = context.data();
  const std::size_t index = options.profile.value_or(data.currentProfile());
  ProfileRecord& record = *data.profiles.record(index);
  ProfileRecord edited = record;
  const EditEnv env{data.dpiSteps, data.config.sensor().word, data.texts, data.library};
  const EditOutcome outcome = editSetting(args, edited, env);
  if (!outcome.error.empty()) {
    std::fprintf(stderr, "pelorinctl: %s\n", outcome.error.c_str());
    return kExitUsage;
  }
  if (edited == record) {
    std::printf("profile %zu: unchanged\n", index + 1);
    return kExitOk;
  }
  record = std::move(edited);
  const bool current = index == data.currentProfile();
  const bool sent = current && send(context, outcome.group);
  if (!data.saveAll()) {
    std::fprintf(stderr, "pelorinctl: cannot save the profiles\n");
    return kExitFailure;
  }
  if (current && !sent) {
    context.session().reportNoMouse();
    std::fprintf(stderr, "pelorinctl: saved; `pelorinctl apply` sends it once the mouse is here\n");
    return kExitFailure;
  }
  std::printf("profile %zu: %s\n", index + 1, sent ? "saved and sent" : "saved");
  return kExitOk;
}

}  // namespace pelorin::ctl
