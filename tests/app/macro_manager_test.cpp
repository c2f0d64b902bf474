// The macro manager on the headless host, driven by clicks, typed text and injected hook keys:
// library commands with their refusals, action editing, recording, and the main window's
// reload and dispatch after the manager closes.
#include <algorithm>
#include <filesystem>
#include <functional>

#include "app/macro_manager_dlg.h"
#include "app/macro_select_dlg.h"
#include "app/macro_value_dlg.h"
#include "macro/library_builder.h"
#include "macro/library_file.h"
#include "main_window_fixture.h"
#include "platform/virtual_keys.h"
#include "skin/image_show_list.h"
#include "skin/notify_code.h"

namespace pelorin::testing {
namespace {

std::string actionsHex(const MacroKey& macro) {
  std::string text;
  for (std::uint32_t i = 0; i < macro.actionCount; ++i) {
    const MacroAction a = macro.actions[i];
    char group[10];
    std::snprintf(group, sizeof group, "%02X%02X%02X%02X", a.b0, a.b1, a.b2, a.b3);
    text += (text.empty() ? "" : " ") + std::string(group);
  }
  return text;
}

class MacroManagerTest : public MainWindowTest {
 protected:
  // Runs the steps, one per turn of the innermost modal loop, while the manager is open.
  void runManager(std::vector<std::function<void()>> steps) {
    auto next = std::make_shared<std::size_t>(0);
    host.setIdleHandler([this, steps = std::move(steps), next]() {
      if (*next >= steps.size()) return false;
      steps[(*next)++]();
      settle();
      return true;
    });
    manager = std::make_unique<CMacroManagerDlg>(
        MacroManagerRun{*skin, data->texts, data->macros, options,
                        libraryFile.empty() ? libraryFilePath(dataDir.path()) : libraryFile,
                        &data->profiles, &desktop,
                        [this](int textId, bool question) {
                          messages.push_back(question ? -textId : textId);
                          return answer;
                        },
                        [this](int textId, const std::u16string& reason) {
                          messages.push_back(textId);
                          reasons.push_back(reason);
                        }});
    manager->doModal(WindowKind::Modal, window->windowId());
    host.setIdleHandler({});
  }
  // A click at a design point of the window on top (the manager or one of its dialogs).
  void clickTop(int x, int y, bool right = false) {
    const WindowId top = dialogs.entries().back();
    const Rect frame = host.findSim(top)->frame();
    const int sx = frame.left + static_cast<int>(static_cast<float>(x) * skin->scale) + 1;
    const int sy = frame.top + static_cast<int>(static_cast<float>(y) * skin->scale) + 1;
    right ? host.clickRight(sx, sy) : host.clickLeft(sx, sy);
  }
  void press(int vk) {
    host.key(vk, true);
    host.key(vk, false);
  }
  void postToManager(unsigned id, std::intptr_t lParam) {
    host.post(manager->windowId(), Message{id, 0, lParam, {}});
  }
  // Steps that create an item through the name dialog.
  std::vector<std::function<void()>> named(std::function<void()> open, std::u16string name) {
    return {std::move(open), [this, name] { host.typeText(name); }, [this] { press(vk::kReturn); }};
  }
  static std::vector<std::function<void()>> join(
      std::initializer_list<std::vector<std::function<void()>>> parts) {
    std::vector<std::function<void()>> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  }

  RadioOptions options;
  std::unique_ptr<CMacroManagerDlg> manager;
  // Text ids of the message boxes; questions are negative. Questions get `answer`.
  std::vector<int> messages;
  std::vector<std::u16string> reasons;
  bool answer = true;
  std::filesystem::path libraryFile;  // empty: the data folder's
};

// Row r of the tree (design units) and the buttons under the lists.
constexpr int kTreeX = 120;
int treeRow(int row) {
  return 64 + 20 * row;
}
constexpr Point kNew{50, 344};
constexpr Point kDeleteItem{130, 344};
constexpr Point kDeleteAction{300, 344};

// Empty and duplicate names are refused; a folder made from the context menu takes the next
// macro; a folder holding a macro that a button of the profile plays cannot be deleted, even
// closed, and goes with its macro once no button plays it; the library file is written on close.
TEST_F(MacroManagerTest, LibraryCommandsAndTheirRefusals) {
  start();
  const auto click = [this](Point p) { return [this, p] { clickTop(p.x, p.y); }; };
  runManager(join({
      {click(kNew), [this] { press(vk::kReturn); }},
      named(click(kNew), u"Jump"),
      named(click(kNew), u"Jump"),
      {[this] { clickTop(kTreeX, treeRow(8), true); }},  // nothing under the pointer
      named([this] { postToManager(macro_manager_id::kLibraryChosen, 1); }, u"F"),
      named(click(kNew), u"m"),
      {[this] {
         const LibraryItem* m = data->library.itemAt(LibraryLocation::child(1, 0));
         ASSERT_NE(m, nullptr);
         KeySlot& button = data->profiles.record(0)->keys[2];
         button.Value = {0x90, 0x21, 0};
         button.MacroKeyIndex = m->macro->keyIndex;
       },
       [this] { clickTop(kTreeX, treeRow(1)); },
       [this] { clickTop(24 + 8, treeRow(1)); },  // the icon closes the folder
       click(kDeleteItem), [this] { clickTop(kTreeX, treeRow(0)); }, click(kDeleteItem),
       [this] {
         EXPECT_EQ(flatten(data->library), (std::vector<std::string>{"0:0 F/", "1:0.0 m#2"}));
         data->profiles.record(0)->keys[2].Value = {};
         clickTop(kTreeX, treeRow(0));
       },
       click(kDeleteItem), [this] { clickTop(510, 8); }},
  }));
  EXPECT_EQ(messages, (std::vector<int>{242, 241, -232, 257, -232, -232}));
  EXPECT_TRUE(flatten(data->library).empty()) << "the folder went with its macro";
  MacroLibrary written;
  written.read(libraryFilePath(dataDir.path()));
  EXPECT_EQ(flatten(written), flatten(data->library));
}

// The tree's menu offers what fits the item under the pointer: a macro goes out to a file and
// comes back into a folder (refused beside its own name), and a rename keeps the macro.
TEST_F(MacroManagerTest, ExportImportAndRenameThroughTheTreeMenu) {
  start();
  LibraryLocation at;
  data->library.newMacro(u"Jump", at);
  data->library.itemAt(at)->macro->insertAction(0, MacroAction::press(0x20));
  at = {};
  data->library.newFolder(u"G", at);
  const std::filesystem::path file = dataDir.path() / "Jump.mkf";
  const auto menu = [this](int row, int item) {
    return std::vector<std::function<void()>>{
        [this, row] { clickTop(kTreeX, treeRow(row), true); },
        [this, item] { postToManager(macro_manager_id::kLibraryChosen, item); }};
  };
  desktop.simShell().answerNextDialog(file);  // export
  desktop.simShell().answerNextDialog(file);  // import beside Jump
  desktop.simShell().answerNextDialog(file);  // import into G
  runManager(
      join({menu(0, 2),
            menu(0, 3),
            menu(1, 2),
            {[this] { EXPECT_EQ(manager->libraryMenu().size(), 8u) << "the imported macro"; }},
            menu(0, 4),
            {[this] {
               for (int i = 0; i < 4; ++i) press(vk::kBack);
               host.typeText(u"Hop");
             },
             [this] { press(vk::kReturn); }, [this] { clickTop(510, 8); }}}));
  const auto& asked = desktop.simShell().dialogs();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].mode, FileDialogMode::Save);
  EXPECT_EQ(asked[0].initialName, u"Jump.mkf");
  EXPECT_EQ(asked[1].filters.at(0).extensions, std::vector<std::u16string>{u"mkf"});
  EXPECT_EQ(messages, std::vector<int>{241});
  EXPECT_EQ(flatten(data->library),
            (std::vector<std::string>{"0:0 Hop#1", "0:1 G/", "1:1.0 Jump#2"}));
  EXPECT_EQ(actionsHex(*data->library.itemAt(LibraryLocation::child(1, 0))->macro), "20000000");
}

// A click, then a delay typed with letters (each one pointed out), the repeat count typed past
// its end, and the last row deleted.
TEST_F(MacroManagerTest, ActionEditing) {
  start();
  LibraryLocation at;
  data->library.newMacro(u"Jump", at);
  runManager({[this] { clickTop(kTreeX, treeRow(0)); },
              [this] { postToManager(macro_manager_id::kInsertChosen, 0); },
              [this] { postToManager(macro_manager_id::kInsertChosen, 3); },
              [this] {
                for (int i = 0; i < 3; ++i) press(vk::kBack);
                host.typeText(u"250ms");
              },
              [this] { press(vk::kReturn); }, [this] { clickTop(375, 176); },
              [this] {
                EXPECT_EQ(manager->findControl(macro_manager_id::kLoopCount)->text(), u"1");
                clickTop(430, 200);
                press(vk::kEnd);
                host.typeText(u"300");
              },
              [this] {
                EXPECT_EQ(manager->findControl(macro_manager_id::kLoopCount)->text(), u"255");
                EXPECT_EQ(manager->actionList().selectedRow(), 3);
                clickTop(kDeleteAction.x, kDeleteAction.y);
                EXPECT_EQ(manager->actionList().selectedRow(), 2);
              },
              [this] { clickTop(510, 8); }});
  EXPECT_EQ(messages, (std::vector<int>{175, 175}));
  const MacroKey& macro = *data->library.itemAt(LibraryLocation::top(0))->macro;
  EXPECT_EQ(actionsHex(macro), "E0000000 03000032 E0800000");
  EXPECT_EQ(macro.commandCount, 2) << "a delay adds no entry of its own";
  EXPECT_EQ(macro.loopType, loop_type::kRepeatCount);
  EXPECT_EQ(macro.loopCount, 255);
}

// Keys typed anywhere are recorded with their pauses while the record button is down (every
// other control locked); the library file has them once recording stops. After the manager has
// closed, the button that plays the macro sends it to the mouse at the next dispatch.
TEST_F(MacroManagerTest, RecordedMacroReachesTheMouse) {
  start(1.0f, [](AppData& loaded) {
    LibraryLocation at;
    loaded.library.newMacro(u"Jump", at);
    KeySlot& button = loaded.profiles.record(0)->keys[2];
    button.Value = {0x90, 0x21, 1};
    button.MacroKeyIndex = 1;
  });
  const auto inject = [this](int key, bool release, std::uint32_t stamp) {
    return [=, this] { desktop.keyboardHook()->inject(HookKey{key, release, stamp}); };
  };
  runManager({[this] { clickTop(kTreeX, treeRow(0)); },
              [this] { clickTop(375, 91); },  // insert delays
              [this] { clickTop(400, 60); },  // record
              inject(0x41, false, 1000), inject(0x41, false, 1030), inject(0x41, true, 1250),
              inject(3, false, 1300),
              [this] {
                EXPECT_TRUE(manager->recording());
                EXPECT_TRUE(manager->findControl(macro_manager_id::kNewMacro)->disabled());
                EXPECT_EQ(manager->actionList().macro()->actionCount, 3u);
                clickTop(400, 60);
              },
              inject(0x42, false, 2000),
              [this] {
                EXPECT_FALSE(manager->recording());
                EXPECT_FALSE(manager->findControl(macro_manager_id::kNewMacro)->disabled());
                MacroLibrary written;
                written.read(libraryFilePath(dataDir.path()));
                EXPECT_EQ(actionsHex(*written.itemAt(LibraryLocation::top(0))->macro),
                          "41000000 030000FA 41800000");
              }});
  EXPECT_TRUE(messages.empty());
  manager.reset();
  host.setIdleHandler([this] {
    clickTop(510, 8);
    return true;
  });
  sent.clear();
  click(150, 332);  // the main window's macro button; closing the manager sends at once
  host.setIdleHandler({});
  const MacroKey& macro = *data->library.itemAt(LibraryLocation::top(0))->macro;
  EXPECT_EQ(actionsHex(macro), "41000000 030000FA 41800000");
  EXPECT_EQ(macro.commandCount, 2);
  const auto chunk = std::find_if(
      sent.begin(), sent.end(), [](const std::string& r) { return r.starts_with("0C 01 0E 00"); });
  ASSERT_NE(chunk, sent.end());
  EXPECT_EQ(chunk->substr(15, 29), "01 07 01 30 FA 04 B0 00 04 00");
}

// A save that fails is told with the system's reason and keeps the edits in memory; closing
// again saves them.
TEST_F(MacroManagerTest, FailedSaveIsToldAndTheNextCloseSaves) {
  start();
  LibraryLocation at;
  data->library.newMacro(u"Jump", at);
  libraryFile = dataDir.path() / "gone" / "MacroLibraryFile.mlf";
  runManager({[this] { clickTop(kTreeX, treeRow(0)); },
              [this] { postToManager(macro_manager_id::kInsertChosen, 0); },
              [this] { clickTop(510, 8); }});
  EXPECT_FALSE(manager->saved());
  EXPECT_EQ(messages, std::vector<int>{350});
  EXPECT_EQ(reasons, std::vector<std::u16string>{u"No such file or directory"});
  EXPECT_EQ(actionsHex(*data->library.itemAt(LibraryLocation::top(0))->macro),
            "E0000000 03000032 E0800000");
  std::filesystem::create_directory(dataDir.path() / "gone");
  runManager({[this] { clickTop(510, 8); }});
  EXPECT_TRUE(manager->saved());
  MacroLibrary written;
  ASSERT_NE(written.read(libraryFile), 0);
  EXPECT_EQ(actionsHex(*written.itemAt(LibraryLocation::top(0))->macro),
            "E0000000 03000032 E0800000");
}

// A macro that a button of a profile other than the current one plays cannot be deleted either.
TEST_F(MacroManagerTest, DeleteChecksTheButtonsOfEveryProfile) {
  start();
  LibraryLocation at;
  data->library.newMacro(u"Jump", at);
  KeySlot& button = data->profiles.record(3)->keys[1];
  button.Value = {0x90, 0x21, 0};
  button.MacroKeyIndex = data->library.itemAt(at)->macro->keyIndex;
  runManager({[this] { clickTop(kTreeX, treeRow(0)); },
              [this] { clickTop(kDeleteItem.x, kDeleteItem.y); }, [this] { clickTop(510, 8); }});
  EXPECT_EQ(messages, (std::vector<int>{-232, 257}));
  EXPECT_EQ(flatten(data->library), std::vector<std::string>{"0:0 Jump#1"});
}

// Recording over a macro with actions asks first; declining keeps them. Choosing another macro
// starts it with no row selected, so a Delete then removes nothing. Deleting the bottom rows of a
// scrolled list keeps the list filled to its last row.
TEST_F(MacroManagerTest, RecordOverAsksAndRowsFollowTheMacro) {
  start();
  for (const char16_t* name : {u"a", u"b"}) {
    LibraryLocation at;
    data->library.newMacro(name, at);
    MacroKey& macro = *data->library.itemAt(at)->macro;
    for (int i = 0; i < 30; ++i) macro.insertAction(macro.actionCount, MacroAction::press(0x41));
  }
  answer = false;
  runManager({[this] { clickTop(kTreeX, treeRow(0)); }, [this] { clickTop(400, 60); },  // record
              [this] {
                EXPECT_FALSE(manager->recording());
                manager->actionList().select(5);
                clickTop(kTreeX, treeRow(1));
              },
              [this] {
                EXPECT_EQ(manager->actionList().selectedRow(), -1);
                clickTop(kDeleteAction.x, kDeleteAction.y);
                const int visible = manager->actionList().visibleRowCount();
                manager->actionList().setFirstVisibleRow(30 - visible);
                manager->actionList().select(29);
              },
              [this] { clickTop(kDeleteAction.x, kDeleteAction.y); },
              [this] { clickTop(kDeleteAction.x, kDeleteAction.y); },
              [this] {
                const int visible = manager->actionList().visibleRowCount();
                EXPECT_EQ(manager->actionList().firstVisibleRow(), 28 - visible);
                answer = true;
                clickTop(400, 60);
              },
              [this] {
                EXPECT_TRUE(manager->recording());
                clickTop(400, 60);
              },
              [this] { clickTop(510, 8); }});
  EXPECT_EQ(messages, (std::vector<int>{-354, -354}));
  EXPECT_EQ(data->library.itemAt(LibraryLocation::top(0))->macro->actionCount, 30u);
  EXPECT_EQ(data->library.itemAt(LibraryLocation::top(1))->macro->actionCount, 0u)
      << "the second recording replaced the 28 actions left";
}

// The 169th key event ends the recording: the record button comes up, the controls unlock, the
// user is told, and the file holds the 168 events.
TEST_F(MacroManagerTest, RecordingStopsAtTheCommandLimit) {
  start();
  LibraryLocation at;
  data->library.newMacro(u"Long", at);
  runManager({[this] { clickTop(kTreeX, treeRow(0)); }, [this] { clickTop(400, 60); },
              [this] {
                for (std::uint32_t i = 0; i < 169; ++i) {
                  desktop.keyboardHook()->inject(
                      HookKey{0x41 + static_cast<int>(i / 2 % 20), i % 2 != 0, 10 * i});
                }
              },
              [this] {
                EXPECT_FALSE(manager->recording());
                EXPECT_FALSE(desktop.keyboardHook()->running());
                EXPECT_FALSE(manager->findControl(macro_manager_id::kNewMacro)->disabled());
                MacroLibrary written;
                written.read(libraryFilePath(dataDir.path()));
                EXPECT_EQ(written.itemAt(LibraryLocation::top(0))->macro->actionCount, 168u);
                clickTop(510, 8);
              }});
  EXPECT_EQ(messages, std::vector<int>{235});
}

}  // namespace
}  // namespace pelorin::testing

namespace pelorin::testing {
namespace {

class MacroManagerPictures : public MacroManagerTest,
                             public ::testing::WithParamInterface<float> {};

// The manager with a folder, a macro and its actions, and the delay dialog over it, saved as
// pictures; the list frames stand where the design puts them at every scale.
TEST_P(MacroManagerPictures, DrawsAtEveryScale) {
  const float scale = GetParam();
  start(scale);
  LibraryLocation at;
  data->library.newFolder(u"Shooters", at);
  data->library.newMacro(u"Burst", at);
  MacroKey& macro = *data->library.itemAt(at)->macro;
  for (const MacroAction a : {MacroAction::press(0x41), MacroAction::delay(50),
                              MacroAction::release(0x41), MacroAction::move(0xE6, -3)}) {
    macro.insertAction(macro.actionCount, a);
  }
  const std::string suffix = scale == 1.0f ? "1" : "1.5";
  const auto save = [this](const std::string& name) {
    SimWindow& top = *host.findSim(dialogs.entries().back());
    top.paintIfDirty();
    std::filesystem::create_directories(PELORIN_SCREEN_DIR);
    EXPECT_TRUE(top.savePng(std::filesystem::path(PELORIN_SCREEN_DIR) / name));
    return &top;
  };
  runManager({[this] { clickTop(24 + 8, treeRow(0)); },  // opens the folder
              [this] { clickTop(kTreeX, treeRow(1)); },
              [&, this] {
                const SimWindow* shown = save("macro_manager_" + suffix + ".png");
                const auto px = [scale](int v) {
                  return static_cast<int>(static_cast<float>(v) * scale);
                };
                EXPECT_EQ(shown->pixel(px(24), px(200)), 0x949494u);
                EXPECT_EQ(shown->pixel(px(189), px(200)), 0x949494u);
                const Rect frame = host.findSim(manager->windowId())->frame();
                host.doubleClickLeft(frame.left + px(250) + 1, frame.top + px(84) + 1);
              },
              [&] { save("macro_delay_" + suffix + ".png"); }, [this] { press(vk::kEscape); },
              [this] { clickTop(270, 80); },  // cancel
              [this] { clickTop(510, 8); }});
  EXPECT_TRUE(messages.empty());
}

struct CaptionCase {
  const char* name;
  const char16_t* language;
  float scale;
};

class MacroManagerCaptions : public MacroManagerTest,
                             public ::testing::WithParamInterface<CaptionCase> {};

// Every caption of the manager fits its control, and every control lies inside the window.
TEST_P(MacroManagerCaptions, FitAtEveryScaleInEveryLanguage) {
  std::filesystem::create_directories(dataDir.path() / "config");
  ASSERT_TRUE(CStdioFileEx::writeLines(dataDir.path() / "config" / "LanSetting.ini",
                                       {u"[ChangeLanguage]", GetParam().language}));
  start(GetParam().scale);
  runManager({[this] {
    Graphics& graphics = host.graphics();
    const Rect client = host.findSim(manager->windowId())->frame();
    ASSERT_EQ(manager->captions().size(), 15u);
    for (const CControlBase* control : manager->captions()) {
      const int width = graphics.textWidth(control->text(), control->font());
      EXPECT_LE(width, control->rect().width()) << toUtf8(control->text());
      EXPECT_LE(control->rect().right, client.width()) << toUtf8(control->text());
    }
    clickTop(510, 8);
  }});
}

INSTANTIATE_TEST_SUITE_P(Languages, MacroManagerCaptions,
                         ::testing::Values(CaptionCase{"EnglishAtOne", u"Language=EN", 1.0f},
                                           CaptionCase{"EnglishAtOneAndHalf", u"Language=EN", 1.5f},
                                           CaptionCase{"ChineseAtOne", u"Language=CN", 1.0f},
                                           CaptionCase{"ChineseAtOneAndHalf", u"Language=CN",
                                                       1.5f}),
                         [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(Scales, MacroManagerPictures, ::testing::Values(1.0f, 1.5f));

}  // namespace
}  // namespace pelorin::testing
