// The notices: one on screen at a time, the same text never twice, and a notice asked for from
// inside a modal dialog takes the input until it is closed, then the dialog has it back.
#include "app/notice_board.h"
#include "main_window_fixture.h"

namespace pelorin::testing {
namespace {

void openNotice(CAttentionDlg& notice, WindowId modalOwner) {
  notice.showNotice(modalOwner);
}

class Notices : public MainWindowTest {
 protected:
  void SetUp() override {
    start();
    board = std::make_unique<NoticeBoard>(*skin, text(4), &openNotice);
  }
  // The OK button of a notice or attention dialog.
  void clickOk(WindowId id) {
    const Rect frame = host.findSim(id)->frame();
    host.clickLeft(frame.left + 245, frame.top + 75);
    settle();
  }
  std::unique_ptr<NoticeBoard> board;
};

TEST_F(Notices, OneAtATimeAndNoDuplicate) {
  for (int k = 0; k < 3; ++k) board->show(text(150), text(145));
  board->show(text(150), text(147));
  board->show(text(150), text(145));
  ASSERT_NE(board->shown(), nullptr);
  EXPECT_EQ(board->shown()->text(), text(145));
  EXPECT_EQ(board->waiting(), 1u) << "a refusal repeated while open waits or opens again";
  const WindowId first = board->shown()->windowId();
  clickOk(first);
  EXPECT_EQ(host.find(first), nullptr);
  ASSERT_NE(board->shown(), nullptr);
  EXPECT_EQ(board->shown()->text(), text(147));
  clickOk(board->shown()->windowId());
  EXPECT_EQ(board->shown(), nullptr);
  EXPECT_EQ(board->waiting(), 0u);
  board->show(text(150), text(145));
  EXPECT_NE(board->shown(), nullptr) << "a text may come back once its notice is closed";
}

// The add-profile dialog's empty-name refusal: the notice is modal over the dialog, its OK
// closes it, and then the dialog's own OK is the one that answers.
TEST_F(Notices, FromAModalDialogTakesTheInputUntilClosed) {
  CAttentionDlg dialog(*skin, text(150), text(140), text(4));
  int step = 0;
  WindowId notice = kNoWindow;
  host.setIdleHandler([&] {
    if (step++ == 0) {
      board->show(text(150), text(147));
      const SimWindow* shown = host.findSim(board->shown()->windowId());
      notice = shown->id();
      EXPECT_EQ(shown->kind(), WindowKind::Modal);
      EXPECT_EQ(shown->owner(), dialog.windowId());
      EXPECT_TRUE(shown->topmost());
      clickOk(notice);
      EXPECT_EQ(host.find(notice), nullptr) << "the notice's OK did not close it";
      EXPECT_NE(host.find(dialog.windowId()), nullptr) << "the dialog went with the notice";
      return true;
    }
    clickOk(dialog.windowId());
    return true;
  });
  EXPECT_EQ(dialog.doModal(WindowKind::Modal, window->windowId()), 1);
  host.setIdleHandler({});
  EXPECT_NE(notice, kNoWindow);
  board->show(text(150), text(156));
  EXPECT_NE(host.findSim(board->shown()->windowId())->kind(), WindowKind::Modal)
      << "with no modal dialog open the notice is modeless";
}

}  // namespace
}  // namespace pelorin::testing
