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

bool DeviceLink::sendBuilt(const Report& report) {
  const auto via = commandProduct();
  if (!via) return false;
  traceReport('>', *via, report);
  return connection(*via).handle->setFeature(report);
}

bool DeviceLink::sendReport(DeviceCommand command, std::uint8_t part, std::uint8_t length,
                            std::span<const std::uint8_t> payload) {
  if (!hasCommandHandle()) return false;
  return sendBuilt(buildReport(command, part, length, payload));
}

std::optional<Report> DeviceLink::statusOnce(HidDevice& device, Product via) {
  const Report request = buildReport(DeviceCommand::GetStatus, 0x00, 0x00, {});
  traceReport('>', via, request);
  if (!device.setFeature(request)) return std::nullopt;
  clock_.sleepMs(kStatusReadDelayMs);
  Report answer = statusReadBuffer();
  if (!device.getFeature(answer)) return std::nullopt;
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
  if (answer && statusHandler_) statusHandler_(*answer);
}

}  // namespace pelorin
