// The language row of the Settings button's menu: choosing a language writes the language
// settings, loads its texts and font and relabels the open window without a restart.
#include "app/window_controls.h"
#include "common/stdio_file_ex.h"
#include "lang/text_ids.h"
#include "main_window_fixture.h"
#include "profile/data_folder.h"

namespace pelorin::testing {
namespace {

class LanguageChoice : public MainWindowTest {
 protected:
  // The middle of a row (0-based) of the popup in the slot.
  void clickRow(int slot, int row) {
    const Rect frame = host.findSim(window->popup(slot)->windowId())->frame();
    const int height = static_cast<int>(25 * skin->scale);
    host.clickLeft(frame.left + 30, frame.top + row * height + height / 2);
    settle();
  }
  void choose(int row) {
    click(40, 705);  // the Settings button
    ASSERT_NE(window->popup(0), nullptr);
    clickRow(0, data->config.showList().count);  // its last row: Language
    ASSERT_NE(window->popup(1), nullptr) << "the language row opened no menu";
    clickRow(1, row);
    advance(200);
  }
  std::u16string setting() {
    const auto lines = CStdioFileEx::readLines(configFolder(data->dataFolder) / "LanSetting.ini");
    return lines && lines->size() > 1 ? (*lines)[1] : u"";
  }
};

TEST_F(LanguageChoice, RelabelsTheWindowAndIsKept) {
  start();
  ASSERT_EQ(text(0), u"English");
  const std::u16string englishHeader = window->findControl(3001)->text();
  choose(1);
  EXPECT_EQ(setting(), u"Language=CN");
  EXPECT_EQ(text(0), u"中文");
  EXPECT_NE(window->findControl(3001)->text(), englishHeader);
  EXPECT_EQ(window->findControl(3001)->text(), text(text_id::kDpiSettings));
  EXPECT_EQ(window->findControl(3001)->font().face, u"宋体");
  EXPECT_EQ(window->findControl(3001)->font().pixelHeight, 12);
  EXPECT_EQ(desktop.trayIcon()->menu()[0].text, text(text_id::kSettings));
  EXPECT_EQ(window->findControl(ctl_id::kImportProfile)->tooltip(),
            text(text_id::kTipImportProfile));

  choose(0);
  EXPECT_EQ(setting(), u"Language=EN");
  EXPECT_EQ(window->findControl(3001)->text(), englishHeader);
  EXPECT_EQ(window->findControl(3001)->font().face, u"Tahoma");
}

}  // namespace
}  // namespace pelorin::testing
