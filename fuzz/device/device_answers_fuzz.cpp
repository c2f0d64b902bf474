// Any bytes as status answers and event reports from the mouse: the session applies or drops
// them, never crashes, and never leaves a value the pages could not show.
#include <cstdint>
#include <cstdlib>

#include "device/device_session.h"
#include "support/device_fixture.h"
#include "support/profile_fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelorin;
  test::DeviceFixture fixture;
  LanguageTable texts = test::sampleTexts();
  ProfileTable table = test::factoryProfiles(texts);
  MacroLibrary library;
  DeviceSession session{*fixture.link, fixture.host, table, library, texts};
  for (std::size_t at = 0; at + 34 <= size; at += 34) {
    Report report{};
    for (std::size_t i = 0; i < report.size(); ++i) report[i] = data[at + 1 + i];
    if (data[at] & 1) {
      session.parseStatus(report);
    } else {
      session.onDeviceEvent(report);
    }
    session.onPollTimer();
    if (session.status().batteryPercent > 100 || session.status().chargeState > 2 ||
        session.current().CurrentDPILevel > 7 || session.current().PollingRateValue[0] > 3) {
      std::abort();
    }
  }
  return 0;
}
