#pragma once
// What talks to the mouse: the two command handles (the mouse on its cable and the receiver), the
// reader threads on the event interfaces, the rolling sequence byte, the report framing and the
// status exchange. It decides nothing about settings: what it finds and receives it hands to its
// handlers, on the UI thread, where the session decides. Everything but the readers runs on the
// UI thread.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>

#include "device/device_facts.h"
#include "device/feature_report.h"
#include "platform/clock.h"
#include "platform/hid_bus.h"
#include "platform/ui_dispatcher.h"

namespace pelorin {

constexpr int kMaxMemberIndex = 100;
constexpr unsigned kReportPacingMs = 60;
constexpr unsigned kStatusReadDelayMs = 10;

// Connection state of one product. The reader fields are shared with its reader thread.
struct ProductConnection {
  bool present = false;
  int commandIndex = -1;
  int eventIndex = -1;
  std::string commandPath;  // pins the product once stored (identity rule)
  std::unique_ptr<HidDevice> handle;
  bool lastPresent = false;
  bool changed = false;

  std::atomic<bool> readerBusy{false};
  std::atomic<bool> readerRun{false};
  std::mutex readerMutex;                   // guards the three fields below
  std::string eventPath;                    // emptied when the reader ends
  std::shared_ptr<HidDevice> readerDevice;  // so shutdown can cancel a blocked read
  bool shuttingDown = false;                // a reader that starts after shutdown ends at once
  std::thread reader;
};

// What the link reports. Every handler runs on the UI thread; an empty one ignores the report.
struct LinkHandlers {
  std::function<void(const Report&)> event;   // a settings-changed event report
  std::function<void(const Report&)> status;  // a status answer that carries data
  std::function<void()> scanned;              // after every scan
  std::function<void(HidChange)> changed;     // an arrival or removal that was rescanned
};

class DeviceLink {
 public:
  // '>' feature report sent, '<' answer read, '!' event report received.
  using TraceSink = std::function<void(char kind, Product via, std::span<const std::uint8_t>)>;
  // A report the device did not take, or a read-back that failed, and the system's reason.
  using FailureSink = std::function<void(Product via, std::span<const std::uint8_t> report,
                                         const std::string& why)>;

  DeviceLink(HidBus& bus, Clock& clock, UiDispatcher& ui);
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  // Resets the connection state and follows the bus's arrivals and removals on the UI thread.
  void registerDeviceNotifications();
  void scanDevices();
  void onDeviceChange(HidChange change);

  // Handle choice: the cable if open, else the receiver; nullopt when neither is open.
  std::optional<Product> commandProduct() const;
  bool hasCommandHandle() const { return commandProduct().has_value(); }
  // Takes the next sequence value; every report built consumes one, sent or not.
  Report buildReport(DeviceCommand command, std::uint8_t part, std::uint8_t length,
                     std::span<const std::uint8_t> payload);
  // Sends on the chosen handle; fails, saying why, when no handle is open or the device refused.
  HidResult sendBuilt(const Report& report);
  // Builds and sends; without a handle nothing is built. The caller sleeps for the pacing.
  HidResult sendReport(DeviceCommand command, std::uint8_t part, std::uint8_t length,
                       std::span<const std::uint8_t> payload);
  void pace(unsigned milliseconds) { clock_.sleepMs(milliseconds); }

  // The status exchange with its one retry; the answer, when one carries data, goes to the
  // status handler. exchangeStatus returns it instead.
  void requestStatus();
  std::optional<Report> exchangeStatus();

  void setHandlers(LinkHandlers handlers) { handlers_ = std::move(handlers); }
  LinkHandlers& handlers() { return handlers_; }
  void setTraceSink(TraceSink sink) { trace_ = std::move(sink); }
  void setFailureSink(FailureSink sink) { failure_ = std::move(sink); }

  ProductConnection& connection(Product product);
  const ProductConnection& connection(Product product) const;
  bool anyPresent() const { return anyPresent_; }
  bool readerRunning(Product product) const;
  std::uint8_t sequence() const { return sequence_; }

 private:
  void probe(const HidInterfaceInfo& listed);
  void probeProduct(ProductConnection& c, const HidInterfaceInfo& info);
  void updateProduct(Product product);
  void openCommandHandle(Product product);
  void startReader(Product product);
  void readerLoop(Product product);
  void handOver(Product product, std::span<const std::uint8_t> read);
  std::unique_ptr<HidDevice> openAtIndex(int memberIndex, std::uint16_t product);
  std::optional<Report> statusOnce(HidDevice& device, Product via);
  HidResult setFeature(HidDevice& device, Product via, const Report& report);
  void traceReport(char kind, Product via, std::span<const std::uint8_t> bytes);
  void stopReaders();

  HidBus& bus_;
  Clock& clock_;
  UiDispatcher& ui_;
  ProductConnection cable_;
  ProductConnection receiver_;
  bool anyPresent_ = false;
  std::uint8_t sequence_ = 1;
  LinkHandlers handlers_;
  TraceSink trace_;
  FailureSink failure_;
  std::mutex traceMutex_;
  // Tasks posted to the UI thread check this so none runs after the link is gone.
  std::shared_ptr<std::atomic<bool>> alive_ = std::make_shared<std::atomic<bool>>(true);
};

}  // namespace pelorin
