#pragma once
// The HID seam: how the device link sees the machine's HID interfaces. Backends: the simulated
// mouse (tests and --simulate), Linux hidraw, and later Windows HID.DLL/SETUPAPI.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace pelorin {

// What Windows reports for an interface: ids from the attributes, report lengths from the caps.
// Lengths count the report-id byte, as Windows always does.
struct HidInterfaceInfo {
  int memberIndex = 0;  // position in the enumeration, 0-based and stable within one enumeration
  std::string path;
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::uint16_t inputReportLength = 0;
  std::uint16_t featureReportLength = 0;
};

enum class HidOpenError { None, NotFound, PermissionDenied, Other };

// The outcome of one transfer. A failure carries the system's own words for it, so that a user
// reporting a problem can show what happened; a read says how many bytes it delivered.
struct HidResult {
  std::size_t bytes = 0;
  std::string error;  // empty on success

  static HidResult done(std::size_t bytes) { return {bytes, {}}; }
  static HidResult failed(std::string why) { return {0, why.empty() ? "failed" : std::move(why)}; }
  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
};

// One open interface. The window thread sets and gets feature reports; a reader thread blocks in
// readInput. cancel() may be called from any thread and makes a blocked or later readInput fail.
class HidDevice {
 public:
  virtual ~HidDevice() = default;
  // Ids and report lengths, as read from the open device.
  virtual HidInterfaceInfo info() const = 0;
  virtual HidResult setFeature(std::span<const std::uint8_t> report) = 0;
  // report[0] holds the report id on entry; the answer overwrites the buffer.
  virtual HidResult getFeature(std::span<std::uint8_t> report) = 0;
  // Blocks until an input report arrives and says how many bytes of the buffer it filled; fails
  // when the device went away or was cancelled. Bytes past the count are not the report's.
  virtual HidResult readInput(std::span<std::uint8_t> report) = 0;
  virtual void cancel() = 0;
};

enum class HidChange { Arrival, Removal };

class HidBus {
 public:
  virtual ~HidBus() = default;
  virtual std::vector<HidInterfaceInfo> enumerate() = 0;
  // nullptr on failure; error (when given) says why, so a missing permission can be reported.
  virtual std::unique_ptr<HidDevice> open(const std::string& path,
                                          HidOpenError* error = nullptr) = 0;
  // The listener may be called on any thread; the receiver hands it to its own thread.
  using ChangeListener = std::function<void(HidChange)>;
  virtual void setChangeListener(ChangeListener listener) = 0;
};

}  // namespace pelorin
