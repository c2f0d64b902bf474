// The library commands of the macro manager: new, rename and delete items, the context menu of
// the tree, export and import.
#include <system_error>

#include "common/utf.h"

#include "app/macro_manager_dlg.h"
#include "app/macro_name_dlg.h"
#include "app/macro_rename_dlg.h"
#include "app/profile_menu.h"
#include "lang/text_ids.h"
#include "pages/page.h"
#include "profile/assignment_code.h"

namespace pelorin {
namespace {

constexpr int kLibraryMenuSlot = 1;
constexpr int kLibraryMenuKind = 15;
constexpr int kLibraryMenuWidth = 150;  // design pixels
constexpr int kFirstMenuText = text_id::kMenuNewMacro;

struct FileKindInfo {
  std::u16string_view filter;
  std::u16string_view extension;
  int exportTitle;
  int importTitle;
};

FileKindInfo infoOf(MacroFileKind kind) {
  if (kind == MacroFileKind::OneMacro) {
    return {u"mkf file(*.mkf)", u"mkf", text_id::kExportMacroTitle, text_id::kImportMacroTitle};
  }
  return {u"mbf file(*.mbf)", u"mbf", text_id::kExportAllTitle, text_id::kImportAllTitle};
}

}  // namespace

bool CMacroManagerDlg::ask(int textId, bool question) const {
  return run_.message ? run_.message(textId, question) : false;
}

std::vector<LibraryCommand> CMacroManagerDlg::libraryMenu() const {
  const LibraryItem* item = run_.macros.library.itemAt(run_.macros.selection);
  std::vector<LibraryCommand> rows;
  for (int k = 0; k <= static_cast<int>(LibraryCommand::ExportAll); ++k) {
    const auto command = static_cast<LibraryCommand>(k);
    const bool needsItem = command == LibraryCommand::Rename || command == LibraryCommand::Delete;
    if (needsItem && item == nullptr) continue;
    if (command == LibraryCommand::ExportMacro && (item == nullptr || !item->isMacro())) continue;
    rows.push_back(command);
  }
  return rows;
}

void CMacroManagerDlg::openLibraryMenu(Point at) {
  menuRows_ = libraryMenu();
  std::vector<std::u16string> rows;
  for (LibraryCommand command : menuRows_) {
    rows.push_back(run_.texts[kFirstMenuText + static_cast<int>(command)]);
  }
  const float scale = context().scale;
  const Rect frame = window()->frame();
  const Rect size =
      scaledRect(Rect::ofSize(0, 0, kLibraryMenuWidth,
                              CProfileMenu::kRowHeight * static_cast<int>(menuRows_.size())),
                 scale);
  openPopup(
      kLibraryMenuSlot, std::make_unique<CProfileMenu>(context(), std::move(rows)),
      PopupPlacement{windowId(),
                     Rect::ofSize(frame.left + at.x, frame.top + at.y, size.width(), size.height()),
                     macro_manager_id::kLibraryChosen, 0, kLibraryMenuKind});
}

void CMacroManagerDlg::runLibraryCommand(LibraryCommand command) {
  switch (command) {
    case LibraryCommand::NewMacro:
      newItem(false);
      break;
    case LibraryCommand::NewFolder:
      newItem(true);
      break;
    case LibraryCommand::ExportMacro:
      exportFile(MacroFileKind::OneMacro);
      break;
    case LibraryCommand::ImportMacro:
      importFile(MacroFileKind::OneMacro);
      break;
    case LibraryCommand::Rename:
      renameItem();
      break;
    case LibraryCommand::Delete:
      deleteItem();
      break;
    case LibraryCommand::ImportAll:
      importFile(MacroFileKind::AllMacros);
      break;
    case LibraryCommand::ExportAll:
      exportFile(MacroFileKind::AllMacros);
      break;
  }
}

void CMacroManagerDlg::newItem(bool folder) {
  CMacroKeyOrFolderNameDlg dialog(
      run_.skin, run_.texts,
      folder ? CMacroKeyOrFolderNameDlg::Folder : CMacroKeyOrFolderNameDlg::Macro);
  if (dialog.doModal(WindowKind::Modal, windowId()) != CMacroValueDlg::kConfirmed) return;
  if (dialog.name().empty()) {
    ask(text_id::kEnterName);
    return;
  }
  MacroLibrary& library = run_.macros.library;
  LibraryLocation& selection = run_.macros.selection;
  const LibraryLocation parent = selection;
  const int result = folder ? library.newFolder(dialog.name(), selection)
                            : library.newMacro(dialog.name(), selection);
  if (result == 1) {
    ask(text_id::kNameInUse);
    return;
  }
  if (selection == parent) return;  // the list was full
  LibraryItem* parentItem = library.itemAt(parent);
  if (parentItem != nullptr && parentItem->isFolder != 0) parentItem->folderIsOpen = 1;
  pane_.showSelection();
  refresh();
}

void CMacroManagerDlg::renameItem() {
  const LibraryItem* item = run_.macros.library.itemAt(run_.macros.selection);
  CMacroKeyRenameDlg dialog(run_.skin, run_.texts, item != nullptr ? item->name : u"");
  if (dialog.doModal(WindowKind::Modal, windowId()) != CMacroValueDlg::kConfirmed) return;
  if (dialog.name().empty()) {
    ask(text_id::kEnterName);
  } else if (run_.macros.library.nameExistsAmongSiblings(dialog.name(), run_.macros.selection)) {
    ask(text_id::kNameInUse);
  } else if (item != nullptr) {
    run_.macros.library.rename(run_.macros.selection, dialog.name());
    repaint();
  }
}

// Every profile counts: a button of a profile that is not current would otherwise lose its
// macro quietly when that profile is next sent.
bool CMacroManagerDlg::usedByAProfile() const {
  if (run_.profiles == nullptr) return false;
  for (std::size_t p = 0; p < kProfileCount; ++p) {
    const ProfileRecord* profile = run_.profiles->record(p);
    if (profile == nullptr) continue;
    for (const KeySlot& slot : profile->keys) {
      if (slot.Value.type == code_type::kMacro &&
          run_.macros.library.containsKeyIndex(run_.macros.selection, slot.MacroKeyIndex)) {
        return true;
      }
    }
  }
  return false;
}

void CMacroManagerDlg::deleteItem() {
  if (run_.macros.library.itemAt(run_.macros.selection) == nullptr) {
    ask(text_id::kSelectItemToDelete);
    return;
  }
  if (!ask(text_id::kDeleteSelectedQuestion, true)) return;
  if (usedByAProfile()) {
    ask(text_id::kMacroInUse);
    return;
  }
  run_.macros.library.deleteItem(run_.macros.selection);
  run_.macros.selection = LibraryLocation{};
  pane_.tree().select(-1);
  refresh();
}

std::optional<std::filesystem::path> CMacroManagerDlg::pickFile(bool save, MacroFileKind kind) {
  if (run_.desktop == nullptr) return std::nullopt;
  const FileKindInfo info = infoOf(kind);
  std::error_code error;
  FileDialogParams params{
      save ? FileDialogMode::Save : FileDialogMode::Open,
      windowId(),
      run_.texts[save ? info.exportTitle : info.importTitle],
      {FileFilter{std::u16string(info.filter), {std::u16string(info.extension)}}},
      std::u16string(info.extension),
      std::filesystem::current_path(error),
      save ? exportFileName(run_.macros.library, run_.macros.selection, kind) : std::u16string{}};
  return run_.desktop->shell().pickFile(params);
}

void CMacroManagerDlg::exportFile(MacroFileKind kind) {
  const LibraryItem* item = run_.macros.library.itemAt(run_.macros.selection);
  if (kind == MacroFileKind::OneMacro && (item == nullptr || !item->isMacro())) return;
  const auto chosen = pickFile(true, kind);
  std::error_code reason;
  if (chosen && run_.macros.library.write(*chosen, run_.macros.selection, &reason) == 0) {
    run_.notice(text_id::kMacroFileNotWritten, toUtf16(reason.message()));
  }
}

void CMacroManagerDlg::importFile(MacroFileKind kind) {
  const auto chosen = pickFile(false, kind);
  if (!chosen) return;
  MacroLibrary file;
  LibraryLocation fileSelection;
  int adjusted = 0;
  if (file.read(*chosen, &fileSelection, &adjusted) == 0) {
    run_.notice(text_id::kMacroFileNotRead, {});
    return;
  }
  if (adjusted > 0) run_.notice(text_id::kMacrosAdjusted, {});
  const ImportOutcome outcome =
      kind == MacroFileKind::OneMacro
          ? importMacro(run_.macros.library, run_.macros.selection, file, fileSelection)
          : importAll(run_.macros.library, run_.macros.selection, file, fileSelection);
  if (outcome == ImportOutcome::NameInUse) ask(text_id::kNameInUse);
  if (kind == MacroFileKind::OneMacro && outcome == ImportOutcome::Imported) pane_.showSelection();
  refresh();
}

}  // namespace pelorin
