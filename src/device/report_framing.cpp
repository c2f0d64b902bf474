// Framing of the feature reports: the sequence byte, the handle choice and the status exchange.
#include "device/device_link.h"

namespace pelorin {

std::optional<Product> DeviceLink::commandProduct() const {
  if (cable_.handle) return Product::Cable;
  if (receiver_.handle) return Product::Receiver;
  return std::nullopt;
}

Report DeviceLink::buildReport(DeviceCommand command, std::uint8_t part, std::uint8_t length,
                               std::span<const std::uint8_t> payload) {
  return buildFeatureReport(command, sequence_++, part, length, payload);
}

namespace {

const char* const kNoHandle = "no command handle is open";

}  // namespace

// A report the device refused is reported with the system's reason; a sent one is traced.
HidResult DeviceLink::setFeature(HidDevice& device, Product via, const Report& report) {
  HidResult result = device.setFeature(report);
  if (result) {
    traceReport('>', via, report);
  } else if (failure_) {
    std::lock_guard lock(traceMutex_);
    failure_(via, report, result.error);
  }
  return result;
}

HidResult DeviceLink::sendBuilt(const Report& report) {
  const auto via = commandProduct();
  if (!via) return HidResult::failed(kNoHandle);
  return setFeature(*connection(*via).handle, *via, report);
}

HidResult DeviceLink::sendReport(DeviceCommand command, std::uint8_t part, std::uint8_t length,
                                 std::span<const std::uint8_t> payload) {
  if (!hasCommandHandle()) return HidResult::failed(kNoHandle);
  return sendBuilt(buildReport(command, part, length, payload));
}

std::optional<Report> DeviceLink::statusOnce(HidDevice& device, Product via) {
  const Report request = buildReport(DeviceCommand::GetStatus, 0x00, 0x00, {});
  if (!setFeature(device, via, request)) return std::nullopt;
  clock_.sleepMs(kStatusReadDelayMs);
  Report answer = statusReadBuffer();
  if (const HidResult read = device.getFeature(answer); !read) {
    std::lock_guard lock(traceMutex_);
    if (failure_) failure_(via, answer, "status read-back: " + read.error);
    return std::nullopt;
  }
  traceReport('<', via, answer);
  return answer;
}

// One retry when the first answer carries no data; both go over the same handle.
std::optional<Report> DeviceLink::exchangeStatus() {
  const auto via = commandProduct();
  if (!via) return std::nullopt;
  HidDevice& device = *connection(*via).handle;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const auto answer = statusOnce(device, *via);
    if (!answer) return std::nullopt;
    if (statusCarriesData(*answer)) return answer;
  }
  return std::nullopt;
}

void DeviceLink::requestStatus() {
  const auto answer = exchangeStatus();
  if (answer && handlers_.status) handlers_.status(*answer);
}

}  // namespace pelorin
