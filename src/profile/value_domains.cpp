#include "profile/value_domains.h"

namespace pelorin {

const PollingRate& pollingRateOf(std::uint8_t stored) {
  return stored < kPollingRates.size() ? kPollingRates[stored] : kPollingRates.back();
}

const PollingRate& pollingRateOfInterval(std::uint8_t intervalMs) {
  for (const PollingRate& rate : kPollingRates) {
    if (rate.intervalMs == intervalMs) return rate;
  }
  return kPollingRates.back();
}

const PollingRate* pollingRateOfHz(int hz) {
  for (const PollingRate& rate : kPollingRates) {
    if (rate.hz == hz) return &rate;
  }
  return nullptr;
}

}  // namespace pelorin
