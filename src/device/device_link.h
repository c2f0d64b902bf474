#pragma once
// The device-side state of the main window for the life of the process: the two command handles
// (the mouse on its cable and the receiver), the reader threads on the event interfaces, the
// rolling sequence byte and the report framing. Everything but the readers runs on the UI thread;
// every event report is handed to that thread before it touches anything.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>

#include "device/device_host.h"
#include "device/feature_report.h"
#include "device/last_sent_images.h"
#include "platform/clock.h"
#include "platform/hid_bus.h"
#include "platform/ui_dispatcher.h"

namespace pelorin {

constexpr std::uint16_t kVendorId = 0x248A;
constexpr std::uint16_t kCableProductId = 0x5B2E;
constexpr std::uint16_t kReceiverProductId = 0x5B2F;
constexpr int kMaxMemberIndex = 100;
constexpr unsigned kReportPacingMs = 60;
constexpr unsigned kStatusReadDelayMs = 10;

enum class Product { Cable, Receiver };
const char* productName(Product product);
std::uint16_t productId(Product product);

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

// The setting groups waiting for the send dispatcher, and its progress-dialog flags.
struct PendingSends {
  bool buttons = false;
  bool performance = false;
  bool power = false;
  bool motionWakeup = false;
  bool slider = false;
  bool suppressProgress = false;
  bool sentSomething = false;
};

class DeviceLink {
 public:
  // '>' feature report sent, '<' answer read, '!' event report received.
  using TraceSink = std::function<void(char kind, Product via, std::span<const std::uint8_t>)>;
  using ReportHandler = std::function<void(const Report&)>;

  DeviceLink(HidBus& bus, Clock& clock, UiDispatcher& ui, DeviceHost& host);
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
  // Sends on the chosen handle; false when no handle is open or the device refused it.
  bool sendBuilt(const Report& report);
  // Builds and sends; the caller sleeps for the pacing.
  bool sendReport(DeviceCommand command, std::uint8_t part, std::uint8_t length,
                  std::span<const std::uint8_t> payload);
  void pace(unsigned milliseconds) { clock_.sleepMs(milliseconds); }

  // The status exchange with its one retry; the answer, when one carries data, goes to the
  // status handler. exchangeStatus returns it instead.
  void requestStatus();
  std::optional<Report> exchangeStatus();

  void setEventHandler(ReportHandler handler) { eventHandler_ = std::move(handler); }
  void setStatusHandler(ReportHandler handler) { statusHandler_ = std::move(handler); }
  void setTraceSink(TraceSink sink) { trace_ = std::move(sink); }

  ProductConnection& connection(Product product);
  const ProductConnection& connection(Product product) const;
  bool anyPresent() const { return anyPresent_; }
  bool readerRunning(Product product) const;
  std::uint8_t sequence() const { return sequence_; }

  PendingSends pending;
  LastSentImages lastSent;
  bool relinkMacros = false;  // the next slot numbering refreshes the buttons' macro copies
  bool firstReadPending = true;

  // Status, as the last valid answer and event report left it.
  bool windowShown = true;
  bool linkActive = false;
  bool shownByLink = false;
  std::uint8_t batteryPercent = 10;
  int chargeState = 0;
  int rawSensorCode = -1;  // none read yet
  int deviceLevel = 2;
  int pollTick = 0;

 private:
  void probe(const HidInterfaceInfo& listed);
  void probeProduct(ProductConnection& c, const HidInterfaceInfo& info);
  void updateProduct(Product product);
  void openCommandHandle(Product product);
  void startReader(Product product);
  void readerLoop(Product product);
  std::unique_ptr<HidDevice> openAtIndex(int memberIndex, std::uint16_t product);
  std::optional<Report> statusOnce(HidDevice& device, Product via);
  void traceReport(char kind, Product via, std::span<const std::uint8_t> bytes);
  void stopReaders();

  HidBus& bus_;
  Clock& clock_;
  UiDispatcher& ui_;
  DeviceHost& host_;
  ProductConnection cable_;
  ProductConnection receiver_;
  bool anyPresent_ = false;
  std::uint8_t sequence_ = 1;
  ReportHandler eventHandler_;
  ReportHandler statusHandler_;
  TraceSink trace_;
  std::mutex traceMutex_;
  // Tasks posted to the UI thread check this so none runs after the link is gone.
  std::shared_ptr<std::atomic<bool>> alive_ = std::make_shared<std::atomic<bool>>(true);
};

}  // namespace pelorin
