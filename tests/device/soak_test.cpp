// Many random edits and dispatches, interleaved with the mouse's own button presses arriving on
// the reader threads and with either product unplugged and plugged again. After every dispatch
// that had a handle the mouse must hold exactly what the profile says, as the simulated firmware
// decodes what it received.
#include <gtest/gtest.h>

#include <random>

#include "device/device_session.h"
#include "support/device_fixture.h"
#include "support/profile_fixture.h"

namespace pelorin {
namespace {

class Soak : public testing::Test, public test::DeviceFixture {
 protected:
  void SetUp() override {
    link->registerDeviceNotifications();
    plugs[0] = bus.plug(SimProduct::Cable, mouse);
    plugs[1] = bus.plug(SimProduct::Receiver, mouse);
    ui.runPending();
    for (std::uint32_t k = 1; k <= 4; ++k) {
      MacroKey m = MacroKey::create(u"soak");
      m.keyIndex = k;
      for (std::uint32_t a = 0; a < 6 * k; ++a) {
        m.insertAction(m.actionCount,
                       a % 2 ? MacroAction::delay(a * 40) : MacroAction::press(0x41));
      }
      m.commandCount = static_cast<std::uint8_t>(3 * k);
      library.putMacro(LibraryLocation::top(static_cast<int>(k - 1)), u"M", m);
    }
  }

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
  std::uint8_t byte() { return static_cast<std::uint8_t>(pick(256)); }

  void edit(ProfileRecord& p) {
    switch (pick(9)) {
      case 0:
        p.XYSetting[static_cast<std::size_t>(pick(8))] = static_cast<DpiStepIndex>(pick(60));
        break;
      case 1:
        p.DPIOffOnFlag = static_cast<std::uint8_t>(1 + pick(255));
        break;
      case 2:
        p.DPILevelIndication[static_cast<std::size_t>(pick(8))] = random() & 0xFFFFFF;
        break;
      case 3:
        p.PollingRateValue[0] = static_cast<std::uint8_t>(pick(4));
        break;
      case 4: {
        p.Lighting1ModeValue[0] = static_cast<std::uint8_t>(pick(11));
        const auto mode = static_cast<std::size_t>(pick(10));
        const auto slot = static_cast<std::size_t>(pick(10));
        p.Lighting1ColorSelected[mode][slot] = static_cast<std::uint8_t>(pick(2));
        p.Lighting1FixedColor[mode][slot] = random() & 0xFFFFFF;
        p.Lighting1Speed[mode] = static_cast<std::uint8_t>(pick(5));
        break;
      }
      case 5:
        p.setKeyDebounce(pick(40));
        p.setLiftDetectionHeight(pick(3));
        break;
      case 6:
        p.setPowerDownTime(pick(30));
        p.setMotionWakeup(pick(2));
        break;
      case 7:
        p.keys[static_cast<std::size_t>(pick(5))].Value = {0x70, byte(), byte()};
        break;
      default: {
        auto& key = p.keys[static_cast<std::size_t>(pick(5))];
        const auto index = static_cast<std::uint32_t>(1 + pick(5));  // 5 is not in the library
        key.Value = {0x90, 0, 0};
        key.MacroKeyIndex = index;
        if (const auto* item = library.itemAt(LibraryLocation::top(static_cast<int>(index - 1)))) {
          key.Macro.copyFrom(*item->macro);
        }
      }
    }
    for (auto g : {SettingGroup::Buttons, SettingGroup::Performance, SettingGroup::Power,
                   SettingGroup::MotionWakeup}) {
      session.markPending(g);
    }
  }

  // Presses a button on a product whose reader is listening, and waits until the UI thread has
  // applied the report, so that the profile has caught up with the mouse before the next send.
  void pressOnMouse() {
    const auto which = static_cast<std::size_t>(pick(2));
    const int plug = plugs[which];
    if (plug == 0 || !readerListening(plug, which == 0 ? Product::Cable : Product::Receiver)) {
      return;
    }
    const int before = host.osds;
    pick(2) ? bus.pressDpiButton(plug) : bus.pressPollingButton(plug);
    while (host.osds == before) ui.waitAndRun(std::chrono::milliseconds(5));
  }

  // A reader that ended with its unplugged device is started again by the poll timer's rescan,
  // as in the program; this runs that rescan until the new reader listens.
  bool readerListening(int plug, Product product) {
    for (int wait = 0; wait < 2000 && bus.waitingReaders(plug) == 0; ++wait) {
      if (!link->readerRunning(product)) {
        for (int tick = 0; tick <= 20; ++tick) session.onPollTimer();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return bus.waitingReaders(plug) > 0;
  }

  void replug() {
    const auto which = static_cast<std::size_t>(pick(2));
    const auto product = which == 0 ? SimProduct::Cable : SimProduct::Receiver;
    if (plugs[which] != 0) {
      bus.unplug(plugs[which]);
      plugs[which] = 0;
    } else {
      plugs[which] = bus.plug(product, mouse);
    }
    ui.runPending();
  }

  std::mt19937 random{20261208};
  LanguageTable texts = test::sampleTexts();
  ProfileTable table = test::factoryProfiles(texts);
  MacroLibrary library;
  DeviceSession session{*link, host, table, library, texts};
  std::array<int, 2> plugs{};
};

TEST_F(Soak, FirmwareFollowsTheProfileThroughTenThousandOperations) {
  session.forceFullSend();
  int checkedDispatches = 0;
  for (int step = 0; step < 10000; ++step) {
    const int what = pick(20);
    if (what < 10) {
      edit(session.current());
    } else if (what < 15) {
      pressOnMouse();
    } else if (what < 17) {
      replug();
    } else {
      ui.runPending();
      const bool handle = link->hasCommandHandle();
      session.dispatchPendingSends();
      if (handle) {
        ++checkedDispatches;
        ASSERT_TRUE(test::firmwareMatches(mouse->decoded(), session.current())) << "step " << step;
      }
    }
  }
  EXPECT_GT(checkedDispatches, 500);
  EXPECT_GT(host.osds, 500);  // the mouse's own presses really came through the readers
}

}  // namespace
}  // namespace pelorin
