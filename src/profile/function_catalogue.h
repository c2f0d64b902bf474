#pragma once
// Every function a mouse button can be given, menu by menu in the order the menus show them.
// The button page draws its menus from these tables and the command-line tool finds functions by
// their script names, so both assign exactly the same captions and codes.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language_table.h"
#include "profile/selection_record.h"

namespace pelorin {

enum class FunctionMenu : std::uint8_t {
  Main,
  Dpi,
  DpiLock,
  Multimedia,
  Office,
  WindowManage,
  ProfileSwitch,
};
constexpr std::size_t kFunctionMenuCount = 7;

enum class EntryKind : std::uint8_t {
  Function,  // assigns its code at once
  Submenu,   // opens `submenu` beside the main menu
  Dialog,    // asks for more in `dialog` first
};

enum class FunctionDialog : std::uint8_t { None, FireKey, Macro, Shortcut };

struct CatalogueEntry {
  FunctionMenu menu = FunctionMenu::Main;
  int id = 0;           // 1-based within its menu; the profile-switch menu counts from 18
  int captionText = 0;  // language text; 0 when the caption is the fixed text below
  std::u16string_view caption{};
  EntryKind kind = EntryKind::Function;
  AssignmentCode code{};
  FunctionMenu submenu = FunctionMenu::Main;
  FunctionDialog dialog = FunctionDialog::None;
  // Stable lower-case name for scripts; empty for submenu rows, which assign nothing.
  std::string_view scriptName{};
};

std::span<const CatalogueEntry> menuEntries(FunctionMenu menu);
// Any entry of any menu that has a script name; none for an unknown name.
const CatalogueEntry* findFunction(std::string_view scriptName);
// Every named entry in menu order, for listings.
std::vector<const CatalogueEntry*> namedFunctions();

// The caption the row shows.
std::u16string rowCaption(const CatalogueEntry& entry, const LanguageTable& texts);
// What choosing a function row assigns; the DPI lock rows compose their caption. None for
// submenu and dialog rows.
std::optional<SelectionRecord> entrySelection(const CatalogueEntry& entry,
                                              const LanguageTable& texts);

}  // namespace pelorin
