// Every caption of the main window, its groups and its small dialogs fits the rectangle it is
// laid out in, in English and in Chinese at the three interface scales: the text width measured
// with the control's own font, against the caption area (a wrapped text: each of its words).
#include <filesystem>

#include "app/attention_dlg.h"
#include "app/firmware_reset_dlg.h"
#include "common/stdio_file_ex.h"
#include "common/utf.h"
#include "main_window_fixture.h"
#include "profile/data_folder.h"

namespace pelorin::testing {
namespace {

using Case = std::tuple<bool, float>;  // Chinese, scale

std::vector<std::u16string> wordsOf(const std::u16string& text) {
  std::vector<std::u16string> words;
  std::u16string word;
  for (char16_t c : text) {
    if (c == u' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

class CaptionsFit : public MainWindowTest, public ::testing::WithParamInterface<Case> {
 protected:
  void startIn(bool chinese, float scale) {
    const auto config = configFolder(dataDir.path());
    std::filesystem::create_directories(config);
    ASSERT_TRUE(
        CStdioFileEx::writeLines(config / "LanSetting.ini",
                                 {u"[ChangeLanguage]", chinese ? u"Language=CN" : u"Language=EN"}));
    start(scale);
  }
  // "window: id 'caption' needs W, has H" for every caption that does not fit.
  void collectCuts(const std::string& where, const std::vector<const CControlBase*>& controls) {
    for (const CControlBase* c : controls) {
      const std::u16string caption = c->captionText();
      if (caption.empty()) continue;
      const int room = c->captionArea().width();
      const auto pieces = c->captionWraps() ? wordsOf(caption) : std::vector{caption};
      for (const auto& piece : pieces) {
        const int needs = host.graphics().textWidth(piece, c->font());
        if (needs > room) {
          cuts.push_back(where + ": " + std::to_string(c->id()) + " '" + toUtf8(piece) +
                         "' needs " + std::to_string(needs) + ", has " + std::to_string(room));
        }
      }
    }
  }
  std::vector<const CControlBase*> controlsOf(const CDlgBase& dialog, const std::vector<int>& ids) {
    std::vector<const CControlBase*> out;
    for (int id : ids) {
      if (const CControlBase* c = dialog.findControl(id)) out.push_back(c);
    }
    return out;
  }
  std::vector<std::string> cuts;
};

TEST_P(CaptionsFit, NoCaptionIsCut) {
  const auto [chinese, scale] = GetParam();
  startIn(chinese, scale);
  ASSERT_EQ(text(0) == u"中文", chinese);
  for (const Page* page : window->pages()) {
    std::vector<const CControlBase*> controls(page->controls().begin(), page->controls().end());
    collectCuts("main window", controls);
  }
  CAttentionDlg attention(*skin, text(150), text(145), text(4));
  ASSERT_TRUE(attention.showNotice());
  collectCuts("attention", controlsOf(attention, {2012, 2013, 2010}));
  CFirmwareResetDlg reset(*skin, data->texts);
  ASSERT_TRUE(reset.create(WindowKind::Modal, window->windowId()));
  collectCuts("factory reset", controlsOf(reset, {3001, 2010, 2011}));
  for (const auto& cut : cuts) ADD_FAILURE() << cut;
  // The picture to look at, beside the other screenshots.
  simWindow().paintIfDirty();
  std::filesystem::create_directories(PELORIN_SCREEN_DIR);
  const std::string name = std::string("main_") + (chinese ? "zh_" : "en_") +
                           std::to_string(static_cast<int>(scale * 10)) + ".png";
  EXPECT_TRUE(simWindow().savePng(std::filesystem::path(PELORIN_SCREEN_DIR) / name));
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndScales, CaptionsFit,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values(1.0f, 1.5f, 2.0f)));

}  // namespace
}  // namespace pelorin::testing
