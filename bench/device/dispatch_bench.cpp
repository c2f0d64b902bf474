// Host CPU time of a full dispatch: every setting command and five macro buttons, built, compared
// and sent to the simulated mouse. The pacing sleeps go to a virtual clock, so only the work the
// window thread does itself is measured.
#include <benchmark/benchmark.h>

#include "device/device_session.h"
#include "support/device_fixture.h"
#include "support/profile_fixture.h"

namespace pelorin {
namespace {

struct Setup : test::DeviceFixture {
  Setup() {
    link->registerDeviceNotifications();
    bus.plug(SimProduct::Cable, mouse);
    ui.runPending();
    for (std::uint32_t k = 1; k <= 5; ++k) {
      MacroKey m = MacroKey::create(u"bench");
      m.keyIndex = k;
      for (std::uint32_t a = 0; a < 100; ++a) {
        m.insertAction(m.actionCount, a % 2 ? MacroAction::delay(30) : MacroAction::press(0x41));
      }
      m.commandCount = 50;
      library.putMacro(LibraryLocation::top(static_cast<int>(k - 1)), u"M", m);
      auto& key = table.record(0)->keys[k - 1];
      key.Value = {0x90, 0, 0};
      key.MacroKeyIndex = k;
      key.Macro.copyFrom(m);
    }
  }
  LanguageTable texts = test::sampleTexts();
  ProfileTable table = test::factoryProfiles(texts);
  MacroLibrary library;
  DeviceSession session{*link, host, table, library, texts};
};

void BM_FullDispatchWithFiveMacroButtons(benchmark::State& state) {
  Setup setup;
  std::size_t reports = 0;
  for (auto _ : state) {
    setup.session.forceFullSend();
    setup.session.dispatchPendingSends();
    state.PauseTiming();
    reports = setup.mouse->received().size();
    setup.mouse->clearReceived();
    state.ResumeTiming();
  }
  state.counters["reports"] = static_cast<double>(reports);
}
BENCHMARK(BM_FullDispatchWithFiveMacroButtons)->Unit(benchmark::kMicrosecond);

void BM_DispatchWithNothingChanged(benchmark::State& state) {
  Setup setup;
  setup.session.primeLastSent();
  for (auto _ : state) {
    setup.session.markPending(SettingGroup::Buttons);
    setup.session.markPending(SettingGroup::Performance);
    setup.session.dispatchPendingSends();
  }
}
BENCHMARK(BM_DispatchWithNothingChanged)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pelorin
