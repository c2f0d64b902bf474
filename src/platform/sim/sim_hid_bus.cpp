#include "platform/sim/sim_hid_bus.h"

#include <algorithm>

namespace pelorin {

enum class SimInterface { Pointer, Event, Command };

struct SimHidBus::Plug {
  Plug(SimProduct p, std::shared_ptr<SimMouse> m, SimPlugOptions o, int number)
      : product(p), mouse(std::move(m)), options(o), pathNumber(number) {}

  SimProduct product;
  std::shared_ptr<SimMouse> mouse;
  SimPlugOptions options;
  int pathNumber;

  std::mutex mutex;
  std::condition_variable changed;
  bool plugged = true;
  int waiting = 0;
  std::vector<std::deque<std::vector<std::uint8_t>>*> readerQueues;

  const char* name() const { return product == SimProduct::Cable ? "cable" : "receiver"; }
  std::string path(SimInterface which) const {
    return "sim:" + std::to_string(pathNumber) + ":" + std::to_string(static_cast<int>(which));
  }
  HidInterfaceInfo info(SimInterface which) const {
    HidInterfaceInfo i;
    i.path = path(which);
    i.vendorId = options.vendorId;
    i.productId = static_cast<std::uint16_t>(product);
    if (which == SimInterface::Pointer) i.inputReportLength = 8;
    if (which == SimInterface::Event) i.inputReportLength = 33;
    if (which == SimInterface::Command || options.eventInterfaceHasFeature33) {
      i.featureReportLength = which == SimInterface::Pointer ? 0 : 33;
    }
    return i;
  }
};

namespace {

class SimDevice final : public HidDevice {
 public:
  SimDevice(std::shared_ptr<SimHidBus::Plug> plug, SimInterface which, HidInterfaceInfo info)
      : plug_(std::move(plug)), which_(which), info_(std::move(info)) {
    std::lock_guard lock(plug_->mutex);
    plug_->readerQueues.push_back(&queue_);
  }
  ~SimDevice() override {
    std::lock_guard lock(plug_->mutex);
    auto& queues = plug_->readerQueues;
    queues.erase(std::remove(queues.begin(), queues.end(), &queue_), queues.end());
  }

  HidInterfaceInfo info() const override { return info_; }

  HidResult setFeature(std::span<const std::uint8_t> report) override {
    if (const auto refused = featureRefusal()) return HidResult::failed(refused);
    if (!plug_->mouse->setFeature(report, plug_->name())) {
      return HidResult::failed("the simulated mouse refused the report");
    }
    return HidResult::done(report.size());
  }
  HidResult getFeature(std::span<std::uint8_t> report) override {
    if (const auto refused = featureRefusal()) return HidResult::failed(refused);
    if (!plug_->mouse->getFeature(report)) {
      return HidResult::failed("the simulated mouse gave no answer");
    }
    return HidResult::done(report.size());
  }

  HidResult readInput(std::span<std::uint8_t> report) override {
    if (which_ != SimInterface::Event) return HidResult::failed("not an event interface");
    if (plug_->mouse->faults().failRead) return HidResult::failed("simulated read failure");
    std::unique_lock lock(plug_->mutex);
    ++plug_->waiting;
    plug_->changed.notify_all();
    plug_->changed.wait(lock, [this] { return !plug_->plugged || cancelled_ || !queue_.empty(); });
    --plug_->waiting;
    if (!plug_->plugged) return HidResult::failed("device unplugged");
    if (cancelled_) return HidResult::failed("read cancelled");
    const std::vector<std::uint8_t> next = std::move(queue_.front());
    queue_.pop_front();
    const std::size_t count = std::min(report.size(), next.size());
    std::copy_n(next.begin(), count, report.begin());
    return HidResult::done(count);
  }

  void cancel() override {
    std::lock_guard lock(plug_->mutex);
    cancelled_ = true;
    plug_->changed.notify_all();
  }

 private:
  // nullptr when a feature request may go to the mouse, else why not.
  const char* featureRefusal() const {
    std::lock_guard lock(plug_->mutex);
    if (!plug_->plugged) return "device unplugged";
    return info_.featureReportLength == 33 ? nullptr : "no feature reports on this interface";
  }

  std::shared_ptr<SimHidBus::Plug> plug_;
  SimInterface which_;
  HidInterfaceInfo info_;
  std::deque<std::vector<std::uint8_t>> queue_;  // guarded by the plug's mutex
  bool cancelled_ = false;                       // guarded by the plug's mutex
};

constexpr SimInterface kInterfaces[] = {SimInterface::Pointer, SimInterface::Event,
                                        SimInterface::Command};

}  // namespace

SimHidBus::SimHidBus() = default;
SimHidBus::~SimHidBus() = default;

int SimHidBus::plug(SimProduct product, std::shared_ptr<SimMouse> mouse, SimPlugOptions options) {
  int id = 0;
  {
    std::lock_guard lock(mutex_);
    id = nextPlugId_++;
    auto plug = std::make_shared<Plug>(product, std::move(mouse), options, nextPathNumber_++);
    plugs_.emplace(id, std::move(plug));
  }
  notify(HidChange::Arrival);
  return id;
}

void SimHidBus::unplug(int plugId) {
  std::shared_ptr<Plug> plug;
  {
    std::lock_guard lock(mutex_);
    auto found = plugs_.find(plugId);
    if (found == plugs_.end()) return;
    plug = found->second;
    plugs_.erase(found);
  }
  {
    std::lock_guard lock(plug->mutex);
    plug->plugged = false;
    plug->changed.notify_all();
  }
  notify(HidChange::Removal);
}

void SimHidBus::sendEvent(int plugId, std::span<const std::uint8_t> report) {
  std::shared_ptr<Plug> plug;
  {
    std::lock_guard lock(mutex_);
    auto found = plugs_.find(plugId);
    if (found == plugs_.end()) return;
    plug = found->second;
  }
  std::lock_guard lock(plug->mutex);
  for (auto* queue : plug->readerQueues) queue->emplace_back(report.begin(), report.end());
  plug->changed.notify_all();
}

void SimHidBus::pressDpiButton(int plugId) {
  if (auto m = mouse(plugId)) sendEvent(plugId, m->pressDpiButton());
}

void SimHidBus::pressPollingButton(int plugId) {
  if (auto m = mouse(plugId)) sendEvent(plugId, m->pressPollingButton());
}

std::shared_ptr<SimMouse> SimHidBus::mouse(int plugId) const {
  std::lock_guard lock(mutex_);
  auto found = plugs_.find(plugId);
  return found == plugs_.end() ? nullptr : found->second->mouse;
}

int SimHidBus::waitingReaders(int plugId) const {
  std::shared_ptr<Plug> plug;
  {
    std::lock_guard lock(mutex_);
    auto found = plugs_.find(plugId);
    if (found == plugs_.end()) return 0;
    plug = found->second;
  }
  std::lock_guard lock(plug->mutex);
  return plug->waiting;
}

std::vector<HidInterfaceInfo> SimHidBus::enumerate() {
  std::lock_guard lock(mutex_);
  std::vector<HidInterfaceInfo> infos;
  for (const auto& [id, plug] : plugs_) {
    for (SimInterface which : kInterfaces) {
      infos.push_back(plug->info(which));
      infos.back().memberIndex = static_cast<int>(infos.size()) - 1;
    }
  }
  return infos;
}

std::unique_ptr<HidDevice> SimHidBus::open(const std::string& path, HidOpenError* error) {
  std::lock_guard lock(mutex_);
  for (const auto& [id, plug] : plugs_) {
    for (SimInterface which : kInterfaces) {
      if (plug->path(which) != path) continue;
      if (plug->options.denyOpen) {
        if (error) *error = HidOpenError::PermissionDenied;
        return nullptr;
      }
      if (error) *error = HidOpenError::None;
      return std::make_unique<SimDevice>(plug, which, plug->info(which));
    }
  }
  if (error) *error = HidOpenError::NotFound;
  return nullptr;
}

void SimHidBus::setChangeListener(ChangeListener listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
}

void SimHidBus::notify(HidChange change) {
  ChangeListener listener;
  {
    std::lock_guard lock(mutex_);
    listener = listener_;
  }
  if (listener) listener(change);
}

}  // namespace pelorin
