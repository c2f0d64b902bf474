// The small macro dialogs and the macro selection dialog on the headless host: what each
// writes into the action on OK, that Cancel writes nothing, and that the selection dialog only
// lets a macro through.
#include "app/delay_dlg.h"
#include "app/key_capture_dlg.h"
#include "app/macro_select_dlg.h"
#include "app/move_dlg.h"
#include "main_window_fixture.h"
#include "platform/virtual_keys.h"

namespace pelorin::testing {
namespace {

class MacroDialogs : public MainWindowTest {
 protected:
  void script(std::vector<std::function<void()>> steps) {
    auto next = std::make_shared<std::size_t>(0);
    host.setIdleHandler([this, steps = std::move(steps), next]() {
      if (*next >= steps.size()) return false;
      steps[(*next)++]();
      settle();
      return true;
    });
  }
  void press(int vk) {
    host.key(vk, true);
    host.key(vk, false);
  }
  // Clears the box and types the text, then confirms with Enter.
  std::vector<std::function<void()>> typed(std::u16string text) {
    return {[this] {
              press(vk::kEnd);
              for (int i = 0; i < 12; ++i) press(vk::kBack);
            },
            [this, text] { host.typeText(text); }, [this] { press(vk::kReturn); }};
  }
  MacroMessage recorder() {
    return [this](int textId, bool) {
      messages.push_back(textId);
      return true;
    };
  }
  std::vector<int> messages;
};

struct ValueCase {
  const char* name;
  MacroAction before;
  InsertItem move;  // Delay: the delay dialog, else the move dialog for that direction
  std::u16string typed;
  MacroAction after;
};

class ValueDialogs : public MacroDialogs, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueDialogs, StoreTheLimitedValue) {
  const ValueCase& c = GetParam();
  start();
  MacroAction action = c.before;
  script(typed(c.typed));
  int result = 0;
  if (c.move == InsertItem::Delay) {
    CActionTimeModifyDlg dialog(*skin, data->texts, action, recorder());
    result = dialog.doModal(WindowKind::Modal, window->windowId());
  } else {
    CActionXYModifyDlg dialog(*skin, data->texts, action, c.move, recorder());
    result = dialog.doModal(WindowKind::Modal, window->windowId());
  }
  EXPECT_EQ(result, CMacroValueDlg::kConfirmed);
  EXPECT_EQ(action, c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, ValueDialogs,
                         ::testing::Values(ValueCase{"DelayCutToItsLongest",
                                                     MacroAction::delay(100),
                                                     InsertItem::Delay,
                                                     u"99999999",
                                                     {0x03, 0xE9, 0x75, 0xA0}},
                                           ValueCase{"DelayLeadingNumber",
                                                     MacroAction::delay(100),
                                                     InsertItem::Delay,
                                                     u"x7",
                                                     {0x03, 0x00, 0x00, 0x00}},
                                           ValueCase{"MoveUpZeroIsOneStep",
                                                     MacroAction::move(0xE6, -1),
                                                     InsertItem::MoveUp,
                                                     u"0",
                                                     {0xE6, 0x00, 0x00, 0xFF}},
                                           ValueCase{"MoveRightCutTo127",
                                                     MacroAction::move(0xE5, 1),
                                                     InsertItem::MoveRight,
                                                     u"300",
                                                     {0xE5, 0x00, 0x00, 0x7F}},
                                           ValueCase{"MoveLeftNegated",
                                                     MacroAction::move(0xE5, -1),
                                                     InsertItem::MoveLeft,
                                                     u"127",
                                                     {0xE5, 0x00, 0x00, 0x81}}),
                         [](const auto& test) { return std::string(test.param.name); });

// The captured key replaces only b0, and only on OK; Cancel leaves the action as it was. Keys the
// mouse cannot play (Ctrl+Break, a mouse code) are refused. The hook runs only while the dialog
// is open.
TEST_F(MacroDialogs, KeyCaptureTakesTheLastKeyOnOk) {
  start();
  for (const bool confirm : {false, true}) {
    MacroAction action = MacroAction::release(0x41);
    script({[this] {
              desktop.keyboardHook()->inject(HookKey{0x5A, false, 10});
            },
            [this] {
              desktop.keyboardHook()->inject(HookKey{0x42, true, 20});
            },
            [this] {
              desktop.keyboardHook()->inject(HookKey{0x03, false, 30});
              desktop.keyboardHook()->inject(HookKey{0xE0, false, 40});
            },
            [this, confirm] {
              const WindowId top = dialogs.entries().back();
              const Rect frame = host.findSim(top)->frame();
              host.clickLeft(frame.left + (confirm ? 190 : 270), frame.top + 80);
            }});
    CActionKeyModifyDlg dialog(*skin, data->texts, desktop.createKeyboardHook(), action);
    dialog.doModal(WindowKind::Modal, window->windowId());
    EXPECT_FALSE(desktop.keyboardHook()->running());
    EXPECT_EQ(action, confirm ? MacroAction::release(0x42) : MacroAction::release(0x41));
  }
}

// The parent that the selection dialog tells about its choice.
class ChoiceListener final : public CDlgBase {
 public:
  using CDlgBase::CDlgBase;
  std::vector<std::intptr_t> chosen;

 protected:
  std::intptr_t handleMessage(const Message& message) override {
    if (message.id == CMacroSelectDlg::kMacroChosen) chosen.push_back(message.wParam);
    return 0;
  }
};

TEST_F(MacroDialogs, SelectionLetsOnlyAMacroThrough) {
  start();
  LibraryLocation at;
  data->library.newFolder(u"F", at);
  data->library.newMacro(u"m", at);
  ChoiceListener parent(*skin, Size{100, 100});
  ASSERT_TRUE(parent.create(WindowKind::Modal, window->windowId()));
  const auto clickAt = [this](int x, int y) {
    return [this, x, y] {
      const Rect frame = host.findSim(dialogs.entries().back())->frame();
      host.clickLeft(frame.left + x + 1, frame.top + y + 1);
    };
  };
  bool openAfterFolder = false;
  CMacroSelectDlg dialog(*skin, data->texts, data->macros, parent.windowId(), recorder());
  script({clickAt(120, 64), clickAt(390, 344),
          [&] { openAfterFolder = host.findSim(dialog.windowId()) != nullptr; },
          clickAt(30, 64),  // the folder's icon opens it
          clickAt(120, 84), clickAt(390, 344)});
  dialog.doModal(WindowKind::Modal, parent.windowId());
  EXPECT_TRUE(openAfterFolder);
  EXPECT_EQ(messages, std::vector<int>{234});
  EXPECT_EQ(parent.chosen.size(), 1u);
  EXPECT_EQ(data->macros.selection, LibraryLocation::child(0, 0));
}

}  // namespace
}  // namespace pelorin::testing
