#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "skin_fixture.h"
#include "window/test_pictures.h"

namespace pelorin {
namespace {

using testing::ProbeDialog;

class DialogLifecycleTest : public testing::SkinTest {};

TEST_F(DialogLifecycleTest, CreationTitlesShowsCentresAndRecordsTheDialog) {
  ProbeDialog dialog{context, Size{400, 300}};
  bool windowExistedDuringInit = false;
  dialog.init = [&](ProbeDialog& d) { windowExistedDuringInit = d.window() != nullptr; };
  ASSERT_TRUE(dialog.create(WindowKind::Main, kNoWindow));
  EXPECT_TRUE(windowExistedDuringInit);
  SimWindow& w = simWindow(dialog);
  const WindowId id = w.id();
  EXPECT_EQ(w.title(), u"Pelorin");
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.frame(), (Rect{760, 370, 1160, 670})) << "centred in the 1920 x 1040 work area";
  EXPECT_EQ(dialog.font().weight, 600);
  EXPECT_EQ(dialog.font().pixelHeight, 13);
  ASSERT_EQ(dialogs.entries().size(), 1u);
  EXPECT_EQ(dialogs.entries()[0], dialog.windowId());
  dialog.endDialog(5);
  EXPECT_TRUE(dialogs.entries().empty());
  EXPECT_EQ(host.find(id), nullptr);
}

TEST_F(DialogLifecycleTest, OwnedDialogIsCentredOnItsOwner) {
  ProbeDialog owner{context, Size{400, 300}};
  owner.create(WindowKind::Main, kNoWindow);
  ProbeDialog child{context, Size{100, 50}};
  child.create(WindowKind::Modal, owner.windowId());
  EXPECT_EQ(simWindow(child).frame(), (Rect{910, 495, 1010, 545}));
}

TEST_F(DialogLifecycleTest, ModalLoopReturnsTheEndResultAndCloseCancels) {
  ProbeDialog dialog{context, Size{200, 100}};
  host.setIdleHandler([&] {
    dialog.endDialog(1);
    return true;
  });
  EXPECT_EQ(dialog.doModal(WindowKind::Modal, kNoWindow), 1);
  EXPECT_EQ(dialog.windowId(), kNoWindow);

  ProbeDialog closing{context, Size{200, 100}};
  host.setIdleHandler([&] {
    return host.post(closing.windowId(), Message{msg::kClose, 0, 0, {}});
  });
  EXPECT_EQ(closing.doModal(WindowKind::Modal, kNoWindow), CDlgBase::kCancel);
  EXPECT_TRUE(closing.closeRequested);
  EXPECT_TRUE(dialogs.entries().empty());
}

TEST_F(DialogLifecycleTest, TenDialogsAreRecordedButNotAnEleventh) {
  std::array<std::unique_ptr<ProbeDialog>, 11> open;
  for (auto& dialog : open) {
    dialog = std::make_unique<ProbeDialog>(context, Size{50, 50});
    dialog->create(WindowKind::Modal, kNoWindow);
  }
  ASSERT_EQ(dialogs.entries().size(), 10u);
  EXPECT_EQ(std::count(dialogs.entries().begin(), dialogs.entries().end(), open[10]->windowId()),
            0);
  open[3].reset();  // later entries move down
  ASSERT_EQ(dialogs.entries().size(), 9u);
  EXPECT_EQ(dialogs.entries()[3], open[4]->windowId());
  EXPECT_EQ(dialogs.entries()[8], open[9]->windowId());

  dialogs.closeAll(host);
  EXPECT_TRUE(dialogs.entries().empty());
  for (int i : {0, 4, 9}) EXPECT_TRUE(open[static_cast<std::size_t>(i)]->closeRequested);
  EXPECT_FALSE(open[10]->closeRequested) << "an unrecorded dialog is not reached";
  EXPECT_NE(open[10]->window(), nullptr);
}

TEST_F(DialogLifecycleTest, BackgroundGivesFillColourAndPicture) {
  // Left half red, right half blue: the average is half of each.
  testing::writePng(context.programFolder / "skins" / "bg.png", {200, 150},
                    {{{0, 0, 100, 150}, 0x0000FE}, {{100, 0, 200, 150}, 0xFE0000}});
  ProbeDialog dialog{context, Size{300, 200}};
  dialog.create(WindowKind::Main, kNoWindow);
  host.runPending();
  EXPECT_EQ(dialog.fillColour(), CDlgBase::kInitialFill);
  EXPECT_EQ(simWindow(dialog).pixel(250, 150), CDlgBase::kInitialFill);
  EXPECT_FALSE(dialog.loadBackground("skins\\missing.png"));
  EXPECT_EQ(dialog.backgroundSize(), (Size{100, 100}));

  ASSERT_TRUE(dialog.loadBackground("skins\\bg.png"));
  host.runPending();
  EXPECT_EQ(dialog.fillColour(), 0x7F007Fu);
  EXPECT_EQ(dialog.backgroundSize(), (Size{200, 150}));
  // Stretched over the whole client area: 200 x 150 onto 300 x 200, no band of fill colour.
  const SimWindow& w = simWindow(dialog);
  EXPECT_EQ(w.pixel(2, 5), 0x0000FEu);
  EXPECT_EQ(w.pixel(145, 100), 0x0000FEu);
  EXPECT_EQ(w.pixel(155, 100), 0xFE0000u);
  EXPECT_EQ(w.pixel(299, 199), 0xFE0000u);
}

TEST_F(DialogLifecycleTest, FullSizeBackgroundIsCopiedOneToOne) {
  testing::writePng(context.programFolder / "skins" / "main.png", {1127, 740},
                    {{{0, 0, 1127, 740}, 0x101010}, {{36, 62, 266, 238}, 0x4B4B4B}});
  ProbeDialog dialog{context, Size{1127, 740}};
  dialog.create(WindowKind::Main, kNoWindow);
  ASSERT_TRUE(dialog.loadBackground("skins/main.png"));
  host.runPending();
  const SimWindow& w = simWindow(dialog);
  EXPECT_EQ(w.pixel(36, 62), 0x4B4B4Bu);
  EXPECT_EQ(w.pixel(265, 237), 0x4B4B4Bu);
  EXPECT_EQ(w.pixel(35, 62), 0x101010u);
  EXPECT_EQ(w.pixel(266, 237), 0x101010u);
  EXPECT_EQ(w.pixel(1126, 739), 0x101010u);
}

TEST_F(DialogLifecycleTest, ResourceBackgroundAndIconComeFromTheTable) {
  const auto background = testing::pngBytes({1127, 740}, {{{0, 0, 1127, 740}, 0x35A0DE}});
  const auto icon = testing::pngBytes({16, 16}, {});
  resources.add(364, background);
  resources.add(128, icon);
  ProbeDialog dialog{context, Size{1127, 740}};
  dialog.create(WindowKind::Main, kNoWindow);
  EXPECT_TRUE(simWindow(dialog).hasIcon());
  ASSERT_TRUE(dialog.loadBackground(364));
  EXPECT_FALSE(dialog.loadBackground(287)) << "a resource the program lacks";
  host.runPending();
  EXPECT_EQ(simWindow(dialog).pixel(600, 400), 0x35A0DEu);
}

TEST_F(DialogLifecycleTest, LayersPaintInOrderAndSkipHiddenControls) {
  ProbeDialog dialog{context, Size{200, 200}};
  testing::ProbeControl* hidden = nullptr;
  dialog.init = [&](ProbeDialog& d) {
    d.add(2, 1, {10, 10, 50, 50}, 0x00FF00);
    d.add(0, 2, {30, 30, 70, 70}, 0x0000FF);  // lower layer: drawn first, covered by layer 2
    hidden = &d.add(6, 3, {100, 100, 150, 150}, 0xFFFFFF);
    hidden->setActive(false);
  };
  dialog.create(WindowKind::Main, kNoWindow);
  host.runPending();
  const SimWindow& w = simWindow(dialog);
  EXPECT_EQ(w.pixel(40, 40), 0x00FF00u);
  EXPECT_EQ(w.pixel(60, 60), 0x0000FFu);
  EXPECT_EQ(w.pixel(120, 120), CDlgBase::kInitialFill);
  EXPECT_EQ(hidden->draws, 0);
}

TEST_F(DialogLifecycleTest, MinimiseAndRestoreRepaintTheSamePicture) {
  testing::writePng(context.programFolder / "skins" / "main.png", {1127, 740},
                    {{{0, 0, 600, 740}, 0x202020}, {{600, 0, 1127, 740}, 0x4B4B4B}});
  ProbeDialog dialog{context, Size{1127, 740}};
  dialog.init = [](ProbeDialog& d) { d.add(0, 2001, {1092, 12, 1107, 27}); };
  dialog.create(WindowKind::Main, kNoWindow);
  dialog.loadBackground("skins/main.png");
  host.runPending();
  SimWindow& w = simWindow(dialog);
  const std::array<Point, 4> probes{Point{5, 5}, Point{700, 300}, Point{1100, 20}, Point{599, 739}};
  std::array<Colour, 4> before{};
  for (std::size_t i = 0; i < probes.size(); ++i) before[i] = w.pixel(probes[i].x, probes[i].y);
  w.show(ShowMode::Minimise);
  w.show(ShowMode::Restore);
  const int paints = w.paintCount();
  host.runPending();
  EXPECT_EQ(w.paintCount(), paints + 1);
  for (std::size_t i = 0; i < probes.size(); ++i) {
    EXPECT_EQ(w.pixel(probes[i].x, probes[i].y), before[i]) << i;
  }
  EXPECT_EQ(before[2], 0x0000FFu) << "the control is part of the picture";
}

}  // namespace
}  // namespace pelorin
