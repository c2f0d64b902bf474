// The button page on the headless host: menus opened from the combos, their submenus, the
// assignment dialogs, the left-click rule, and the button codes the simulated mouse ends up with.
#include "app/button_assignment.h"
#include "app/function_popup.h"
#include "main_window_fixture.h"
#include "platform/virtual_keys.h"
#include "skin/combo_button.h"

namespace pelorin::testing {
namespace {

constexpr std::array<int, 5> kComboTops = {81, 111, 140, 169, 198};

// Runs the steps one per turn of a modal dialog's loop; the loop ends when the dialog does.
void scriptModal(SimWindowSystem& host, std::vector<std::function<void()>> steps) {
  auto next = std::make_shared<std::size_t>(0);
  host.setIdleHandler([&host, steps = std::move(steps), next]() {
    if (*next >= steps.size()) return false;
    steps[(*next)++]();
    host.runPending();
    return true;
  });
}

class ButtonPageTest : public MainWindowTest {
 protected:
  // Started with the start-up transfer done, so only an assignment can send buttons.
  void startSettled(const std::function<void(AppData&)>& prepare = {}) {
    start(1.0f, prepare);
    advance(500);
  }
  void clickCombo(int button, bool right = false) {
    click(150, kComboTops[static_cast<std::size_t>(button)] + 10, right);
  }
  SimWindow* menu(int slot) {
    const CWndPopup* popup = window->popup(slot);
    return popup != nullptr && popup->isOpen() ? host.findSim(popup->windowId()) : nullptr;
  }
  // The middle of a menu row, 1-based, in screen pixels.
  Point rowPoint(int slot, int row) {
    const Rect frame = menu(slot)->frame();
    const int height = static_cast<int>(CFunctionPopup::kRowHeight * skin->scale);
    return {frame.left + 20, frame.top + (row - 1) * height + height / 2};
  }
  void hoverRow(int slot, int row) {
    const Point p = rowPoint(slot, row);
    host.moveMouse(p.x, p.y);
    settle();
  }
  void clickRow(int slot, int row) {
    const Point p = rowPoint(slot, row);
    host.clickLeft(p.x, p.y);
    settle();
  }
  // A click at a design point of the active (modal) dialog.
  void clickDialog(int x, int y) {
    const Rect frame = host.findSim(host.activeWindow())->frame();
    host.clickLeft(frame.left + static_cast<int>(static_cast<float>(x) * skin->scale) + 1,
                   frame.top + static_cast<int>(static_cast<float>(y) * skin->scale) + 1);
  }
  const KeySlot& key(int button) { return data->profiles.record(0)->keys[std::size_t(button)]; }
  // What the mouse holds at a device position: keys 3 and 4 trade places on the wire.
  std::array<std::uint8_t, 3> onMouse(int position) {
    return bus->simMouse()->decoded().buttonCodes[static_cast<std::size_t>(position)];
  }
};

struct MenuWalk {
  const char* label;
  int button;  // 0..4
  int mainRow;
  int subRow;  // 0: the main row assigns by itself
  int captionText;
  std::u16string captionTail;
  std::array<std::uint8_t, 3> code;
  int position;  // on the wire
};

class MenuWalkCase : public ButtonPageTest, public ::testing::WithParamInterface<MenuWalk> {};

// A click opens the main menu right of the combo; resting on a submenu row opens the submenu
// beside it; a click on a row assigns it, closes the menus and reaches the mouse.
TEST_P(MenuWalkCase, AssignsTheChosenRowAndSendsIt) {
  const MenuWalk& c = GetParam();
  startSettled();
  clickCombo(c.button);
  ASSERT_NE(menu(ButtonAssignment::kMenuSlot), nullptr);
  const Rect frame = simWindow().frame();
  const int comboBottom = kComboTops[static_cast<std::size_t>(c.button)] + 21;
  EXPECT_EQ(menu(ButtonAssignment::kMenuSlot)->frame().left, frame.left + 82 + 161);
  EXPECT_EQ(menu(ButtonAssignment::kMenuSlot)->frame().top, frame.top + comboBottom - 20);
  int slot = ButtonAssignment::kMenuSlot;
  hoverRow(slot, c.mainRow);
  if (c.subRow != 0) {
    ASSERT_NE(menu(ButtonAssignment::kSubmenuSlot), nullptr);
    EXPECT_EQ(menu(ButtonAssignment::kSubmenuSlot)->frame().left,
              menu(ButtonAssignment::kMenuSlot)->frame().right);
    slot = ButtonAssignment::kSubmenuSlot;
    hoverRow(slot, c.subRow);
    EXPECT_NE(menu(ButtonAssignment::kMenuSlot), nullptr) << "the main menu stays open";
  }
  clickRow(slot, c.subRow != 0 ? c.subRow : c.mainRow);
  const std::u16string caption = text(c.captionText) + c.captionTail;
  EXPECT_EQ(menu(ButtonAssignment::kMenuSlot), nullptr);
  EXPECT_EQ(menu(ButtonAssignment::kSubmenuSlot), nullptr);
  EXPECT_EQ(window->findControl(2013 + c.button)->text(), caption);
  EXPECT_EQ(key(c.button).Name, caption);
  EXPECT_EQ(key(c.button).Value, (AssignmentCode{c.code[0], c.code[1], c.code[2]}));
  advance(500);
  EXPECT_EQ(onMouse(c.position), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MenuWalkCase,
    ::testing::Values(MenuWalk{"PlayPause", 1, 11, 5, 49, u"", {0x80, 0xCD, 0x00}, 1},
                      MenuWalk{"ExplorerOnKey2", 2, 12, 8, 67, u"", {0x70, 0x08, 0x08}, 2},
                      MenuWalk{"DpiLock700OnKey3", 3, 15, 6, 36, u"-700", {0x50, 0x06, 0x00}, 4},
                      MenuWalk{"DisableOnKey4", 4, 16, 0, 34, u"", {0x00, 0x00, 0x00}, 3},
                      MenuWalk{"CloseWindow", 1, 13, 2, 76, u"", {0x70, 0x04, 0x3D}, 1},
                      MenuWalk{"DpiDown", 2, 6, 2, 41, u"", {0x40, 0x03, 0x00}, 2},
                      MenuWalk{"TripleFire", 1, 8, 0, 27, u"", {0x30, 0x32, 0x03}, 1}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

// The button's number drawn on the mouse picture while its combo is hovered goes when a menu
// choice is made, though the pointer's leaving went to the menu.
TEST_F(ButtonPageTest, HoverNumberGoesWithTheMenuChoice) {
  startSettled();
  const auto markArea = [this] {
    std::vector<Colour> pixels;
    for (int y = 271; y < 291; ++y) {
      for (int x = 495; x < 515; ++x) pixels.push_back(simWindow().pixel(x, y));
    }
    return pixels;
  };
  const auto plain = markArea();
  const Rect frame = simWindow().frame();
  host.moveMouse(frame.left + 150, frame.top + kComboTops[0] + 10);
  settle();
  ASSERT_NE(markArea(), plain) << "hovering the first combo draws its number";
  clickCombo(0);
  clickRow(ButtonAssignment::kMenuSlot, 16);
  EXPECT_EQ(markArea(), plain);
}

// The profile-switch menu opens on a right click, but not over an open menu.
TEST_F(ButtonPageTest, RightClickOffersTheProfileFunctions) {
  startSettled();
  clickCombo(0);
  post(1030, 2014);
  ASSERT_NE(menu(ButtonAssignment::kMenuSlot), nullptr);
  EXPECT_EQ(window->popup(ButtonAssignment::kMenuSlot)->placement().wParam, 2013);
  click(700, 700);  // elsewhere: the menu goes away unused
  EXPECT_EQ(menu(ButtonAssignment::kMenuSlot), nullptr);
  EXPECT_FALSE(static_cast<CComboButton*>(window->findControl(2013))->popupOpen());
  EXPECT_EQ(key(0).Value, (AssignmentCode{0x10, 0x01, 0x00}));
  clickCombo(1, true);
  EXPECT_EQ(window->popup(ButtonAssignment::kMenuSlot)->placement().itemMessage, 1031u);
  clickRow(ButtonAssignment::kMenuSlot, 3);
  EXPECT_EQ(key(1).Name, u"Profile Down");
  EXPECT_EQ(key(1).Value, (AssignmentCode{0x12, 0x00, 0x00}));
  advance(500);
  EXPECT_EQ(onMouse(1), (std::array<std::uint8_t, 3>{0x12, 0x00, 0x00}));
}

// Taking the only left click away puts it back, sends nothing and tells why 100 ms later.
TEST_F(ButtonPageTest, TheLastLeftClickStays) {
  startSettled();
  sent.clear();
  clickCombo(0);
  clickRow(ButtonAssignment::kMenuSlot, 2);  // right click
  EXPECT_EQ(window->findControl(2013)->text(), text(20));
  EXPECT_EQ(key(0).Value, (AssignmentCode{0x10, 0x01, 0x00}));
  advance(90);
  EXPECT_TRUE(notices.empty());
  advance(20);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], (Notice{text(150), text(151)}));
  advance(500);
  EXPECT_TRUE(sent.empty());
}

struct ShortcutWalk {
  const char* label;
  std::vector<int> boxes;  // design x of the boxes clicked (y 72), or the modifiers-off box
  std::u16string caption;
  std::array<std::uint8_t, 3> code;
};

class ShortcutCase : public ButtonPageTest, public ::testing::WithParamInterface<ShortcutWalk> {};

// Keys come through the hook; a Shift press is not taken as the key.
TEST_P(ShortcutCase, CapturesAKeyWithTheCheckedModifiers) {
  const ShortcutWalk& c = GetParam();
  startSettled();
  std::vector<std::function<void()>> steps;
  const auto inject = [this](int vk) {
    desktop.keyboardHook()->inject({vk, false, 1});
    desktop.keyboardHook()->inject({vk, true, 2});
  };
  steps.push_back([&] { inject(0x41); });
  steps.push_back([&] { inject(vk::kLShift); });
  for (int x : c.boxes) steps.push_back([this, x] { clickDialog(x + 5, x == 22 ? 119 : 77); });
  steps.push_back([this] { clickDialog(290, 120); });  // OK
  scriptModal(host, steps);
  clickCombo(2);
  clickRow(ButtonAssignment::kMenuSlot, 10);
  EXPECT_EQ(key(2).Name, c.caption);
  EXPECT_EQ(key(2).Value, (AssignmentCode{c.code[0], c.code[1], c.code[2]}));
  advance(500);
  EXPECT_EQ(onMouse(2), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ShortcutCase,
    ::testing::Values(ShortcutWalk{"CtrlShift", {82, 25}, u"Ctrl+Shift+A", {0x70, 0x03, 0x04}},
                      ShortcutWalk{"Shift", {25}, u"Shift+A", {0x70, 0x02, 0x04}},
                      ShortcutWalk{"Alt", {139}, u"Alt+A", {0x70, 0x04, 0x04}},
                      ShortcutWalk{"Win", {196}, u"Win+A", {0x70, 0x08, 0x04}},
                      ShortcutWalk{"ModifiersOff", {82, 22}, u"A", {0x70, 0x00, 0x04}}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

// The first number is taken only above 4; more than 255 is cut back within 100 ms with a
// warning; a letter warns at once.
TEST_F(ButtonPageTest, FireKeyDialogKeepsItsLimits) {
  startSettled();
  const auto tap = [this](int vk) { host.tapKey(vk); };
  scriptModal(
      host,
      {[&] { tap(vk::kBack), tap(vk::kBack), host.typeText(u"4"); },
       [&] { clickDialog(380, 120); },  // OK refused
       [&] { host.typeText(u"x"); }, [&] { tap(vk::kBack), tap(vk::kBack), host.typeText(u"300"); },
       [&] { host.advance(std::chrono::milliseconds(110)); }, [&] { clickDialog(380, 120); }});
  clickCombo(3);
  clickRow(ButtonAssignment::kMenuSlot, 7);
  ASSERT_EQ(notices.size(), 3u);
  EXPECT_EQ(notices[0], (Notice{text(150), text(174)}));
  EXPECT_EQ(notices[1], (Notice{text(150), text(175)}));
  EXPECT_EQ(notices[2], (Notice{text(150), text(174)}));
  std::u16string caption = text(26);
  if (!caption.empty() && caption.back() == u'+') caption.pop_back();
  EXPECT_EQ(key(3).Name, caption);
  EXPECT_EQ(key(3).Value, (AssignmentCode{0x30, 0xFF, 0x00}));
  advance(500);
  EXPECT_EQ(onMouse(4), (std::array<std::uint8_t, 3>{0x30, 0xFF, 0x00}));
}

// The program's file name is shown, its path kept with the button.
TEST_F(ButtonPageTest, ProgramLaunchKeepsThePath) {
  startSettled();
  const auto program = dataDir.path() / "tools" / "aim.exe";
  desktop.simShell().answerNextDialog(program);
  scriptModal(host, {[&] { clickDialog(265, 92); }, [&] { clickDialog(95, 210); }});
  clickCombo(1);
  post(1038, 2014);
  ASSERT_EQ(desktop.simShell().dialogs().size(), 1u);
  EXPECT_EQ(desktop.simShell().dialogs()[0].defaultExtension, u"exe");
  EXPECT_EQ(key(1).Name, u"aim.exe");
  EXPECT_EQ(key(1).Value, (AssignmentCode{0x0F, 0x00, 0x00}));
  EXPECT_EQ(key(1).Macro.name, program.u16string());
  advance(500);
  EXPECT_EQ(onMouse(1), (std::array<std::uint8_t, 3>{0x0F, 0x00, 0x00}));
}

// The macro row opens the library's tree; the macro chosen inside a folder is numbered into its
// device slot when the buttons are sent.
TEST_F(ButtonPageTest, MacroRowAssignsALibraryMacro) {
  startSettled([](AppData& loaded) {
    loaded.library.putFolder(LibraryLocation::top(0), u"Games", 0);
    MacroKey burst = MacroKey::create(u"Burst");
    burst.keyIndex = 7;
    burst.insertAction(0, MacroAction::press(0x41));
    burst.insertAction(1, MacroAction::release(0x41));
    burst.commandCount = 2;
    loaded.library.putMacro(LibraryLocation::child(0, 0), u"Burst", burst);
  });
  // Open the folder by its icon, select the macro, OK.
  scriptModal(host, {[&] { clickDialog(30, 64); }, [&] { clickDialog(120, 84); },
                     [&] { clickDialog(390, 344); }});
  clickCombo(1);
  clickRow(ButtonAssignment::kMenuSlot, 9);
  EXPECT_EQ(key(1).Name, text(190) + u"Burst");
  EXPECT_EQ(key(1).MacroKeyIndex, 7u);
  EXPECT_EQ(key(1).Macro.actionCount, 2u);
  advance(800);
  EXPECT_EQ(onMouse(1), (std::array<std::uint8_t, 3>{0x90, 0x21, 0x01}));
}

}  // namespace
}  // namespace pelorin::testing
