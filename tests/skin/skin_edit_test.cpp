#include "skin/skin_edit.h"

#include <gtest/gtest.h>

#include <variant>

#include "control_fixture.h"
#include "platform/virtual_keys.h"

namespace pelorin {
namespace {

// One step of a user at the keyboard: committed text, a key with its modifiers, or something
// put on the clipboard by another program.
struct Typed {
  std::u16string text;
};
struct Key {
  int virtualKey;
  unsigned modifiers = 0;
};
struct Clip {
  std::u16string text;
};
using Step = std::variant<Typed, Key, Clip>;

constexpr unsigned kShift = mouse_flags::kShift;
constexpr unsigned kCtrl = mouse_flags::kControl;

struct EditCase {
  const char* name;
  std::u16string start;
  bool digitsOnly;
  std::size_t limit;
  std::vector<Step> steps;
  std::u16string text;
  std::size_t selectionStart;  // the caret when nothing is selected
  std::size_t selectionEnd;
};

class EditTest : public testing::ControlTest {
 protected:
  CSkinEdit* edit = nullptr;
  CSkinEdit* second = nullptr;

  void SetUp() override {
    ControlTest::SetUp();
    edit = add(2017, Rect{100, 100, 300, 124});
    second = add(2018, Rect{100, 200, 300, 224});
  }
  CSkinEdit* add(int id, const Rect& rect) {
    return static_cast<CSkinEdit*>(
        dialog.addControl(0, std::make_unique<CSkinEdit>(context, parent(), id, rect)));
  }
  void click(int x, int y) { host.clickLeft(screenOf(dialog, x, y).x, screenOf(dialog, x, y).y); }
  // Keys go down and up as a user presses them, modifiers around the key.
  void press(const Key& key) {
    if (key.modifiers & kCtrl) host.key(vk::kControl, true);
    if (key.modifiers & kShift) host.key(vk::kShift, true);
    host.tapKey(key.virtualKey);
    if (key.modifiers & kShift) host.key(vk::kShift, false);
    if (key.modifiers & kCtrl) host.key(vk::kControl, false);
  }
  void run(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      if (const auto* typed = std::get_if<Typed>(&step)) host.typeText(typed->text);
      if (const auto* key = std::get_if<Key>(&step)) press(*key);
      if (const auto* clip = std::get_if<Clip>(&step)) host.clipboard().setText(clip->text);
    }
  }
};

class EditingTest : public EditTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditingTest, KeysTextAndClipboard) {
  const EditCase& c = GetParam();
  edit->setDigitsOnly(c.digitsOnly);
  edit->setLimit(c.limit);
  edit->setText(c.start);
  click(299, 112);  // focus, caret at the end
  run(c.steps);
  EXPECT_EQ(edit->text(), c.text);
  EXPECT_EQ(edit->selectionStart(), c.selectionStart);
  EXPECT_EQ(edit->selectionEnd(), c.selectionEnd);
  EXPECT_EQ(second->text(), u"") << "only the focused field takes text";
}

const char16_t* const kSmile = u"\U0001F600";

INSTANTIATE_TEST_SUITE_P(
    Cases, EditingTest,
    ::testing::Values(
        EditCase{"TypesAtTheCaret",
                 u"",
                 false,
                 0,
                 {Typed{u"ab"}, Key{vk::kLeft}, Typed{u"X"}},
                 u"aXb",
                 2,
                 2},
        EditCase{"ShiftSelectsAndTypingReplaces",
                 u"hello",
                 false,
                 0,
                 {Key{vk::kHome}, Key{vk::kRight, kShift}, Key{vk::kRight, kShift}, Typed{u"J"}},
                 u"Jllo",
                 1,
                 1},
        EditCase{"ShiftEndSelectsToTheEnd",
                 u"hello",
                 false,
                 0,
                 {Key{vk::kHome}, Key{vk::kRight}, Key{vk::kEnd, kShift}},
                 u"hello",
                 1,
                 5},
        EditCase{"DeleteAndBackspace",
                 u"abcd",
                 false,
                 0,
                 {Key{vk::kHome}, Key{vk::kDelete}, Key{vk::kEnd}, Key{vk::kBack}},
                 u"bc",
                 2,
                 2},
        EditCase{
            "NothingBeforeTheStartOrAfterTheEnd",
            u"ab",
            false,
            0,
            {Key{vk::kDelete}, Key{vk::kRight}, Key{vk::kHome}, Key{vk::kBack}, Key{vk::kLeft}},
            u"ab",
            0,
            0},
        EditCase{"ArrowCollapsesASelection",
                 u"abc",
                 false,
                 0,
                 {Key{'A', kCtrl}, Key{vk::kLeft}},
                 u"abc",
                 0,
                 0},
        EditCase{"SurrogatePairsMoveAndDeleteWhole",
                 std::u16string(u"a") + kSmile + u"b",
                 false,
                 0,
                 {Key{vk::kLeft}, Key{vk::kBack}},
                 u"ab",
                 1,
                 1},
        EditCase{"ChineseFromTheInputMethod",
                 u"",
                 false,
                 0,
                 {Typed{u"\u914D\u7F6E"}, Typed{u"\u4E00"}},
                 u"\u914D\u7F6E\u4E00",
                 3,
                 3},
        EditCase{"ControlCharactersAreDropped", u"", false, 0, {Typed{u"a\rb\t\x7F"}}, u"ab", 2, 2},
        EditCase{"DigitsOnly",
                 u"",
                 true,
                 0,
                 {Typed{u"12a3"}, Typed{u"x"}, Typed{u"\uFF14"}},
                 u"123",
                 3,
                 3},
        EditCase{"LimitCutsTypedText", u"1234", true, 5, {Typed{u"567"}}, u"12345", 5, 5},
        EditCase{"LimitCountsTheReplacedSelection",
                 u"12345",
                 true,
                 5,
                 {Key{vk::kLeft, kShift}, Typed{u"99"}},
                 u"12349",
                 5,
                 5},
        EditCase{"LimitNeverSplitsAPair", u"ab", false, 3, {Typed{kSmile}}, u"ab", 2, 2},
        EditCase{"CopyAndPaste",
                 u"hello",
                 false,
                 0,
                 {Key{'A', kCtrl}, Key{'C', kCtrl}, Key{vk::kEnd}, Key{'V', kCtrl}},
                 u"hellohello",
                 10,
                 10},
        EditCase{"CutLeavesTheClipboardToPaste",
                 u"hello",
                 false,
                 0,
                 {Key{'A', kCtrl}, Key{'X', kCtrl}, Key{'V', kCtrl}, Key{'V', kCtrl}},
                 u"hellohello",
                 10,
                 10},
        EditCase{"PasteTakesTheFirstLineFiltered",
                 u"",
                 true,
                 5,
                 {Clip{u"1,200 dpi\n3400"}, Key{'V', kCtrl}},
                 u"1200",
                 4,
                 4},
        EditCase{"PasteOfNothingKeepsTheSelection",
                 u"800",
                 true,
                 0,
                 {Clip{u"dpi"}, Key{'A', kCtrl}, Key{'V', kCtrl}},
                 u"800",
                 0,
                 3}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(EditTest, TabMovesTheFocusAndOnlyTheFocusedFieldTakesText) {
  host.typeText(u"lost");
  EXPECT_EQ(edit->text(), u"") << "no field has the focus yet";
  EXPECT_FALSE(simWindow(dialog).textInput());
  click(150, 112);
  EXPECT_TRUE(simWindow(dialog).textInput());
  host.typeText(u"a");
  press(Key{vk::kTab});
  host.typeText(u"b");
  press(Key{vk::kTab});  // wraps round to the first
  host.typeText(u"c");
  press(Key{vk::kTab, kShift});
  host.typeText(u"d");
  EXPECT_EQ(edit->text(), u"ac");
  EXPECT_EQ(second->text(), u"bd");
  EXPECT_TRUE(second->focused());
  EXPECT_FALSE(edit->focused());
  second->setShown(false);
  host.typeText(u"e");
  EXPECT_EQ(second->text(), u"bd") << "a hidden field takes nothing";
  dialog.setFocusControl(nullptr);
  EXPECT_FALSE(simWindow(dialog).textInput());
}

TEST_F(EditTest, TheMousePlacesTheCaretAndSelects) {
  edit->setText(u"0123456789");
  click(101, 112);
  EXPECT_EQ(edit->caret(), 0u);
  EXPECT_EQ(simWindow(dialog).textCaret().left, 100 + 3) << "the input method's caret follows";
  moveTo(dialog, 101, 112);
  host.pressLeft();
  moveTo(dialog, 298, 150);  // off the field, still held
  host.releaseLeft();
  EXPECT_EQ(edit->selectionStart(), 0u);
  EXPECT_EQ(edit->selectionEnd(), 10u);
  click(101, 112);
  const Point p = screenOf(dialog, 150, 112);
  host.doubleClickLeft(p.x, p.y);
  EXPECT_EQ(edit->selectionEnd() - edit->selectionStart(), 10u) << "a double click selects all";
}

TEST_F(EditTest, CentredTextAndItsCaretStandInTheMiddleUntilTheyFillTheField) {
  edit->setCentred(true);
  edit->setColours(0x000000, 0xFFFFFF);
  click(150, 112);
  const Rect& caret = simWindow(dialog).textCaret();
  EXPECT_EQ(caret.left, 100 + 3 + (200 - 6) / 2) << "an empty field has its caret in the middle";
  EXPECT_EQ(render(*edit)->pixel(110, 112), 0xFFFFFFu) << "black on white";
  host.typeText(std::u16string(40, u'W'));
  EXPECT_EQ(simWindow(dialog).textCaret().left, 300 - 3 - 1)
      << "a full field scrolls, its caret at the right end";
}

TEST_F(EditTest, TheWordInProgressShowsUnderlinedUntilItIsCommitted) {
  edit->setText(u"ab");
  click(150, 112);
  press(Key{vk::kLeft});
  EXPECT_EQ(render(*edit)->pixel(240, 121), CSkinEdit::kBackground);
  host.compose(u"ni");
  host.compose(u"nihao");
  EXPECT_EQ(edit->composition(), u"nihao");
  EXPECT_EQ(edit->text(), u"ab") << "composing changes nothing yet";
  const int underline = 101 + 22 - 2;  // the text area's last row but one
  const int from = 103 + context.host.graphics().textWidth(u"a", edit->font());
  const int to = from + context.host.graphics().textWidth(u"nihao", edit->font());
  EXPECT_EQ(render(*edit)->pixel(from + 1, underline), CSkinEdit::kTextColour);
  EXPECT_EQ(render(*edit)->pixel(to - 1, underline), CSkinEdit::kTextColour);
  EXPECT_EQ(render(*edit)->pixel(to + 1, underline), CSkinEdit::kBackground);
  host.typeText(u"\u4F60\u597D");
  EXPECT_EQ(edit->text(), u"a\u4F60\u597Db");
  EXPECT_EQ(edit->composition(), u"");
  host.compose(u"x");
  press(Key{vk::kTab});  // to the other field: the word is dropped
  EXPECT_EQ(edit->composition(), u"");
}

TEST_F(EditTest, EditsAreReportedButSettingTheTextIsNot) {
  edit->setText(u"12");
  click(150, 112);
  dialog.received.clear();
  host.typeText(u"3");
  press(Key{vk::kLeft});
  press(Key{vk::kBack});
  EXPECT_EQ(dialog.received, (std::vector<testing::Notification>{{2017, 0, notify::kTextChanged},
                                                                 {2017, 0, notify::kTextChanged}}));
  EXPECT_EQ(edit->text(), u"13");
}

TEST_F(EditTest, DrawsTheFocusFrameAndTheSelection) {
  edit->setText(u"wwwwww");
  EXPECT_EQ(render(*edit)->pixel(100, 100), CSkinEdit::kFrame);
  click(150, 112);
  press(Key{'A', kCtrl});
  const auto picture = render(*edit);
  EXPECT_EQ(picture->pixel(100, 100), CSkinEdit::kFocusFrame);
  EXPECT_EQ(picture->pixel(104, 102), CSkinEdit::kSelection)
      << "above the glyphs, inside the selection";
  EXPECT_EQ(picture->pixel(290, 102), CSkinEdit::kBackground);
}

}  // namespace
}  // namespace pelorin
