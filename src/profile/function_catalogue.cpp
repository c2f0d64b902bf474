#include "profile/function_catalogue.h"

#include <array>

#include "lang/text_ids.h"
#include "profile/captions.h"

namespace pelorin {
namespace {

using M = FunctionMenu;
using K = EntryKind;
using D = FunctionDialog;
namespace t = text_id;

constexpr CatalogueEntry fn(M menu, int id, int text, AssignmentCode code, std::string_view name) {
  return {menu, id, text, {}, K::Function, code, M::Main, D::None, name};
}
constexpr CatalogueEntry sub(int id, int text, M submenu) {
  return {M::Main, id, text, {}, K::Submenu, {}, submenu, D::None, {}};
}
constexpr CatalogueEntry dlg(int id, int text, D dialog, std::string_view name) {
  return {M::Main, id, text, {}, K::Dialog, {}, M::Main, dialog, name};
}
constexpr CatalogueEntry fixed(M menu, int id, std::u16string_view caption, AssignmentCode code,
                               std::string_view name) {
  return {menu, id, 0, caption, K::Function, code, M::Main, D::None, name};
}

constexpr std::array<CatalogueEntry, 16> kMain = {{
    fn(M::Main, 1, t::kLeftClick, {0x10, 0x01, 0x00}, "left-click"),
    fn(M::Main, 2, t::kRightClick, {0x10, 0x02, 0x00}, "right-click"),
    fn(M::Main, 3, t::kMiddleClick, {0x10, 0x04, 0x00}, "middle-click"),
    fn(M::Main, 4, t::kForward, {0x10, 0x10, 0x00}, "forward"),
    fn(M::Main, 5, t::kBack, {0x10, 0x08, 0x00}, "back"),
    sub(6, t::kDpiFunctions, M::Dpi),
    dlg(7, t::kFireKeyMenu, D::FireKey, "fire-key"),
    fn(M::Main, 8, t::kTripleFire, {0x30, 0x32, 0x03}, "triple-fire"),
    dlg(9, t::kMacro, D::Macro, "macro"),
    dlg(10, t::kShortcutKey, D::Shortcut, "shortcut"),
    sub(11, t::kMultimedia, M::Multimedia),
    sub(12, t::kOfficeShortcuts, M::Office),
    sub(13, t::kWindowManagement, M::WindowManage),
    fn(M::Main, 14, t::kLightingSwitch, {0x60, 0x04, 0x00}, "lighting-switch"),
    sub(15, t::kDpiLock, M::DpiLock),
    fn(M::Main, 16, t::kDisable, {0x00, 0x00, 0x00}, "disable"),
}};

constexpr std::array<CatalogueEntry, 3> kDpi = {{
    fn(M::Dpi, 1, t::kDpiUp, {0x40, 0x02, 0x00}, "dpi-up"),
    fn(M::Dpi, 2, t::kDpiDown, {0x40, 0x03, 0x00}, "dpi-down"),
    fn(M::Dpi, 3, t::kDpiCycle, {0x40, 0x01, 0x00}, "dpi-cycle"),
}};

// Step n locks (n + 1) x 100 DPI.
constexpr CatalogueEntry lock(int step, std::u16string_view caption, std::string_view name) {
  return fixed(M::DpiLock, step, caption, {0x50, static_cast<std::uint8_t>(step), 0x00}, name);
}
constexpr std::array<CatalogueEntry, 11> kDpiLock = {{
    lock(1, u"200", "dpi-lock-200"),
    lock(2, u"300", "dpi-lock-300"),
    lock(3, u"400", "dpi-lock-400"),
    lock(4, u"500", "dpi-lock-500"),
    lock(5, u"600", "dpi-lock-600"),
    lock(6, u"700", "dpi-lock-700"),
    lock(7, u"800", "dpi-lock-800"),
    lock(8, u"900", "dpi-lock-900"),
    lock(9, u"1000", "dpi-lock-1000"),
    lock(10, u"1100", "dpi-lock-1100"),
    lock(11, u"1200", "dpi-lock-1200"),
}};

// Consumer usages travel low byte first.
constexpr std::array<CatalogueEntry, 10> kMultimedia = {{
    fn(M::Multimedia, 1, t::kMediaPlayer, {0x80, 0x83, 0x01}, "media-player"),
    fn(M::Multimedia, 2, t::kPreviousTrack, {0x80, 0xB6, 0x00}, "previous-track"),
    fn(M::Multimedia, 3, t::kNextTrack, {0x80, 0xB5, 0x00}, "next-track"),
    fn(M::Multimedia, 4, t::kStopPlaying, {0x80, 0xB7, 0x00}, "stop"),
    fn(M::Multimedia, 5, t::kPlayPause, {0x80, 0xCD, 0x00}, "play-pause"),
    fn(M::Multimedia, 6, t::kMute, {0x80, 0xE2, 0x00}, "mute"),
    fn(M::Multimedia, 7, t::kVolumeUp, {0x80, 0xE9, 0x00}, "volume-up"),
    fn(M::Multimedia, 8, t::kVolumeDown, {0x80, 0xEA, 0x00}, "volume-down"),
    fn(M::Multimedia, 9, t::kEmail, {0x80, 0x8A, 0x01}, "mail"),
    fn(M::Multimedia, 10, t::kCalculator, {0x80, 0x92, 0x01}, "calculator"),
}};

constexpr std::array<CatalogueEntry, 9> kOffice = {{
    fn(M::Office, 1, t::kCopy, {0x70, 0x01, 0x06}, "copy"),
    fn(M::Office, 2, t::kPaste, {0x70, 0x01, 0x19}, "paste"),
    fn(M::Office, 3, t::kCut, {0x70, 0x01, 0x1B}, "cut"),
    fn(M::Office, 4, t::kSelectAll, {0x70, 0x01, 0x04}, "select-all"),
    fn(M::Office, 5, t::kNewDocument, {0x70, 0x01, 0x11}, "new"),
    fn(M::Office, 6, t::kSave, {0x70, 0x01, 0x16}, "save"),
    fn(M::Office, 7, t::kPrint, {0x70, 0x01, 0x13}, "print"),
    fn(M::Office, 8, t::kFileExplorer, {0x70, 0x08, 0x08}, "file-explorer"),
    fn(M::Office, 9, t::kUndo, {0x70, 0x01, 0x1D}, "undo"),
}};

constexpr std::array<CatalogueEntry, 6> kWindowManage = {{
    fn(M::WindowManage, 1, t::kMyComputer, {0x80, 0x94, 0x01}, "my-computer"),
    fn(M::WindowManage, 2, t::kCloseWindow, {0x70, 0x04, 0x3D}, "close-window"),
    fn(M::WindowManage, 3, t::kShowDesktop, {0x70, 0x08, 0x07}, "show-desktop"),
    fn(M::WindowManage, 4, t::kRun, {0x70, 0x08, 0x15}, "run"),
    fn(M::WindowManage, 5, t::kMinimizeWindow, {0x70, 0x08, 0x51}, "minimize-window"),
    fn(M::WindowManage, 6, t::kMaximizeWindow, {0x70, 0x08, 0x52}, "maximize-window"),
}};

// The code's type byte is the entry id minus 2.
constexpr std::array<CatalogueEntry, 3> kProfileSwitch = {{
    fixed(M::ProfileSwitch, 18, u"Profile Cycle", {0x10, 0x00, 0x00}, "profile-cycle"),
    fixed(M::ProfileSwitch, 19, u"Profile Up", {0x11, 0x00, 0x00}, "profile-up"),
    fixed(M::ProfileSwitch, 20, u"Profile Down", {0x12, 0x00, 0x00}, "profile-down"),
}};

constexpr std::array<std::span<const CatalogueEntry>, kFunctionMenuCount> kMenus = {
    kMain, kDpi, kDpiLock, kMultimedia, kOffice, kWindowManage, kProfileSwitch};

}  // namespace

std::span<const CatalogueEntry> menuEntries(FunctionMenu menu) {
  return kMenus[static_cast<std::size_t>(menu)];
}

std::vector<const CatalogueEntry*> namedFunctions() {
  std::vector<const CatalogueEntry*> named;
  for (const auto& menu : kMenus) {
    for (const CatalogueEntry& entry : menu) {
      if (!entry.scriptName.empty()) named.push_back(&entry);
    }
  }
  return named;
}

const CatalogueEntry* findFunction(std::string_view scriptName) {
  for (const CatalogueEntry* entry : namedFunctions()) {
    if (entry->scriptName == scriptName) return entry;
  }
  return nullptr;
}

std::u16string rowCaption(const CatalogueEntry& entry, const LanguageTable& texts) {
  return entry.captionText != 0 ? texts[entry.captionText] : std::u16string(entry.caption);
}

std::optional<SelectionRecord> entrySelection(const CatalogueEntry& entry,
                                              const LanguageTable& texts) {
  if (entry.kind != EntryKind::Function) return std::nullopt;
  if (entry.menu == FunctionMenu::DpiLock) return dpiLockSelection(entry.id, texts);
  return SelectionRecord{rowCaption(entry, texts), entry.code};
}

}  // namespace pelorin
