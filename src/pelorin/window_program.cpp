#include "pelorin/window_program.h"

#include <cstdio>

#include "app/app_data.h"
#include "app/notice_board.h"
#include "app/scale_factor.h"
#include "lang/text_ids.h"
#include "platform/clock.h"
#include "platform/program_folder.h"
#include "platform/resource_table.h"
#include "profile/data_folder.h"
#include "skin/ui_font.h"

namespace pelorin {

int runWindowProgram(const ProgramOptions& options, ProgramHost& host,
                     const std::function<void(CKestrinDlg&, DeviceBus&)>& beforeLoop) {
  const ScreenMetrics screen = host.windows.screen();
  const double scale = uiScaleFactor(screen.maximisedClient.width, screen.maximisedClient.height);
  std::string error;
  auto data = loadAppData(options.dataDir ? *options.dataDir : userDataFolder(), programFolder(),
                          scale, error);
  if (!data) {
    std::fprintf(stderr, "pelorin: %s\n", error.c_str());
    return kExitFailed;
  }
  DeviceBus bus(options.simulate);
  if (!bus.hasBus()) {
    std::fprintf(stderr, "pelorin: no HID backend here; use --simulate for the simulated mouse\n");
    return kExitFailed;
  }
  OpenDialogTable dialogs;
  SkinContext skin{host.windows,
                   embeddedResources(),
                   host.skinFolder,
                   static_cast<float>(scale),
                   uiFont(data->font.face, data->font.height, data->font.charset),
                   dialogs};
  NoticeBoard notices(skin, data->texts[text_id::kOk], host.openNotice);
  SteadyClock clock;
  MainWindowRun windowRun{skin, *data, bus.bus(), clock,   host.ui, options.simulate,
                          {},   {},    {},        nullptr, nullptr};
  if (options.trace) windowRun.trace = printTrace;
  windowRun.desktop = &host.desktop;
  windowRun.instance = &host.instance;
  windowRun.autostart = host.autostart;
  windowRun.startHidden = options.hidden;
  windowRun.notice = [&notices](std::u16string_view title, std::u16string_view text) {
    notices.show(title, text);
  };
  CKestrinDlg window(windowRun);
  beforeLoop(window, bus);
  window.doModal(WindowKind::Main, kNoWindow);
  return 0;
}

}  // namespace pelorin
