#include "app/quick_launch_dlg.h"

#include "app/button_messages.h"
#include "platform/text_format.h"
#include "profile/captions.h"
#include "skin/image_button.h"
#include "skin/notify_code.h"
#include "skin/static_text.h"

namespace pelorin {
namespace {

constexpr Colour kNameColour = 0xB4B4B4;

std::unique_ptr<CImageButton> resourceButton(const SkinContext& skin, WindowId parent, int id,
                                             const Rect& rect, int resourceId) {
  auto made = std::make_unique<CImageButton>(skin, parent, id, rect);
  made->loadStripResource(resourceId);
  return made;
}

}  // namespace

CQuickLaunchDlg::CQuickLaunchDlg(SkinContext& context, Shell* shell, WindowId owner)
    : CDlgBase(context, kSize), shell_(shell), owner_(owner) {}

void CQuickLaunchDlg::onInitDialog() {
  const SkinContext& skin = context();
  const WindowId self = windowId();
  addControl(0, resourceButton(skin, self, kExit, {276, 4, 291, 19}, 333));
  auto name = std::make_unique<CStaticText>(
      skin, self, kFileName, Rect{26, 87, 256, 105}, u"", kNameColour,
      text::kLeft | text::kVCenter | text::kSingleLine | text::kEndEllipsis);
  name->setFont(skin.uiFont);
  addControl(0, std::move(name));
  addControl(0, resourceButton(skin, self, kBrowse, {258, 87, 280, 105}, 177));
  addControl(0, resourceButton(skin, self, kOk, {75, 202, 127, 223}, 296));
  addControl(0, resourceButton(skin, self, kCancelButton, {139, 202, 230, 223}, 297));
  loadBackground("skins\\Frame_common.bmp");
}

std::intptr_t CQuickLaunchDlg::handleMessage(const Message& message) {
  if (message.lParam != notify::kClicked) return 0;
  if (message.id == kBrowse) browse();
  if (message.id == kOk) confirm();
  if (message.id == kCancelButton || message.id == kExit) endDialog(kCancel);
  return 0;
}

void CQuickLaunchDlg::browse() {
  if (shell_ == nullptr) return;
  std::error_code error;
  const auto chosen = shell_->pickFile(FileDialogParams{FileDialogMode::Open,
                                                        windowId(),
                                                        {},
                                                        {FileFilter{u"exe file(*.exe)", {u"exe"}}},
                                                        u"exe",
                                                        std::filesystem::current_path(error),
                                                        u"ab.exe"});
  if (!chosen) return;
  path_ = chosen->u16string();
  findControl(kFileName)->setText(programLaunchSelection(path_).caption);
}

// Closes first, so the owner acts with the dialog gone; nothing is sent before a program was
// chosen.
void CQuickLaunchDlg::confirm() {
  releaseAll();
  endDialog(1);
  if (path_.empty()) return;
  const SelectionRecord record = programLaunchSelection(path_);
  context().host.send(owner_, Message{button_msg::kQuickLaunchChosen,
                                      reinterpret_cast<std::intptr_t>(&path_),
                                      reinterpret_cast<std::intptr_t>(&record),
                                      {}});
}

}  // namespace pelorin
