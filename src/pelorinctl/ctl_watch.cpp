// pelorinctl watch: follows the mouse as the program's window would, printing one line per event
// report, status change and connection change, until interrupted.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string_view>

#include "common/utf.h"
#include "lang/text_ids.h"
#include "pelorinctl/commands.h"
#include "pelorinctl/device_context.h"
#include "runner/sim_schedule.h"

namespace pelorin::ctl {
namespace {

// Set by SIGINT and SIGTERM; the run loop looks at it between two waits.
volatile std::sig_atomic_t gInterrupted = 0;
void onInterrupt(int) {
  gInterrupted = 1;
}

constexpr unsigned kNoDeviceCheckMs = 2000;
constexpr auto kLoopWait = std::chrono::milliseconds(50);

struct WatchOptions {
  std::optional<std::uint64_t> forMs;
  std::vector<SimStep> steps;
};

std::optional<WatchOptions> parseWatchArgs(const Options& options, const Args& args) {
  WatchOptions watch;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--for" && i + 1 < args.size()) {
      const std::string& text = args[++i];
      if (text.empty() || text.size() > 9 ||
          !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
      }
      watch.forMs = std::stoull(text);
    } else if (args[i] == "--sim-events" && i + 1 < args.size() && options.simulate) {
      std::string error;
      auto steps = parseSimSchedule(args[++i], error);
      if (!steps) {
        std::fprintf(stderr, "pelorinctl: bad simulated event '%s'\n", error.c_str());
        return std::nullopt;
      }
      watch.steps = std::move(*steps);
    } else {
      return std::nullopt;
    }
  }
  return watch;
}

struct StatusSnapshot {
  std::uint8_t battery = 0;
  int charge = 0;
  int sensor = -1;
  bool link = false;
  bool operator==(const StatusSnapshot&) const = default;
};

class Watcher {
 public:
  Watcher(DeviceContext& context, WatchOptions options)
      : context_(context), options_(std::move(options)), start_(clock().nowMs()) {}

  int run();

 private:
  Clock& clock() { return context_.session().clock(); }
  DeviceLink& link() { return context_.session().link(); }
  std::uint64_t elapsed() { return clock().nowMs() - start_; }

  void fireTimers();
  void fire(TimerId id);
  void runDueSteps();
  void runStep(const SimStep& step);
  void printEvent();
  void printNotice(DeviceNotice notice);
  void printConnections();
  void printStatusIfChanged();

  DeviceContext& context_;
  WatchOptions options_;
  std::uint64_t start_;
  std::size_t nextStep_ = 0;
  std::optional<StatusSnapshot> lastStatus_;
};

int Watcher::run() {
  auto& host = context_.session().host();
  host.onEvent = [this] { printEvent(); };
  host.onNotice = [this](DeviceNotice notice) { printNotice(notice); };
  host.startTimer(TimerId::NoDeviceCheck, kNoDeviceCheckMs);
  printConnections();
  if (link().anyPresent()) link().requestStatus();
  printStatusIfChanged();
  while (!gInterrupted && !host.quitRequested) {
    if (options_.forMs && elapsed() >= *options_.forMs) break;
    context_.session().queue().waitAndRun(kLoopWait);
    runDueSteps();
    fireTimers();
    printConnections();
    printStatusIfChanged();
  }
  if (host.quitRequested) std::printf("the last device of the mouse was removed\n");
  context_.data().saveAll();
  return kExitOk;
}

void Watcher::fireTimers() {
  auto& timers = context_.session().host().timers;
  const std::uint64_t now = clock().nowMs();
  for (TimerId id : {TimerId::SendDispatch, TimerId::StatusPoll, TimerId::SaveProfiles,
                     TimerId::NoDeviceCheck}) {
    const auto found = timers.find(id);
    if (found == timers.end() || found->second.dueMs > now) continue;
    found->second.dueMs = now + found->second.periodMs;
    fire(id);
  }
}

void Watcher::fire(TimerId id) {
  auto& host = context_.session().host();
  switch (id) {
    case TimerId::SendDispatch:
      host.killTimer(id);
      context_.device().dispatchPendingSends();
      break;
    case TimerId::StatusPoll:
      context_.device().onPollTimer();
      break;
    case TimerId::SaveProfiles:
      host.killTimer(id);
      context_.data().saveAll();
      break;
    case TimerId::NoDeviceCheck:
      context_.device().onNoDeviceCheck();
      break;
  }
}

void Watcher::runDueSteps() {
  while (nextStep_ < options_.steps.size() && options_.steps[nextStep_].atMs <= elapsed()) {
    runStep(options_.steps[nextStep_++]);
  }
}

void Watcher::runStep(const SimStep& step) {
  context_.session().deviceBus().runStep(step, link());
}

void Watcher::printEvent() {
  const AppData& data = context_.data();
  const ProfileRecord& profile = context_.device().current();
  const auto level = levelOfOrdinal(profile.DPIOffOnFlag, context_.device().status().deviceLevel);
  const auto dpi = level ? data.dpiSteps.dpiOfStep(profile.XYSetting[*level]) : std::nullopt;
  std::printf("event: level %d, DPI %s, polling %s\n", level ? *level + 1 : 0,
              dpi ? std::to_string(*dpi).c_str() : "unknown",
              toUtf8(profile.PollingRateName).c_str());
  std::fflush(stdout);
}

void Watcher::printNotice(DeviceNotice notice) {
  const int id =
      notice == DeviceNotice::NoDevice ? text_id::kNoDevice : text_id::kReceiverWithoutMouse;
  const std::string text = toUtf8(context_.data().texts[id]);
  std::printf("notice: %s\n", text.empty() ? std::to_string(id).c_str() : text.c_str());
  std::fflush(stdout);
}

void Watcher::printConnections() {
  for (Product p : {Product::Cable, Product::Receiver}) {
    auto& connection = link().connection(p);
    if (!connection.changed) continue;
    connection.changed = false;
    std::printf("%s %s\n", productName(p), connection.present ? "connected" : "disconnected");
  }
  std::fflush(stdout);
}

void Watcher::printStatusIfChanged() {
  const SessionStatus& status = context_.device().status();
  const StatusSnapshot now{status.batteryPercent, status.chargeState, status.rawSensorCode,
                           status.linkActive};
  if (lastStatus_ == now || now.sensor < 0) return;
  lastStatus_ = now;
  std::printf("status: battery %u%%, %s, sensor 0x%04X, link %d\n", now.battery,
              chargeStateName(now.charge), context_.data().profiles.sensorModel.word,
              now.link ? 1 : 0);
  std::fflush(stdout);
}

}  // namespace

int runWatch(const Options& options, const Args& args) {
  const auto watch = parseWatchArgs(options, args);
  if (!watch) {
    std::fprintf(stderr, "usage: pelorinctl [--simulate] watch [--for MS] [--sim-events LIST]\n");
    return kExitUsage;
  }
  DeviceContext context(options);
  if (!context.open()) return kExitFailure;
  std::signal(SIGINT, onInterrupt);
  std::signal(SIGTERM, onInterrupt);
  return Watcher(context, *watch).run();
}

}  // namespace pelorin::ctl
