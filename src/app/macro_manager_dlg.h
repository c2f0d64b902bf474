#pragma once
// The macro manager: the library tree on the left, the selected macro's actions on the right,
// recording from the keyboard, the loop mode, and the commands that build the library. It edits
// the main library in place and writes its file when it closes and when a recording ends; the
// main window reads the file back afterwards.
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "app/macro_message_dlg.h"
#include "app/macro_tree_pane.h"
#include "lang/language_table.h"
#include "macro/macro_editor.h"
#include "macro/macro_library.h"
#include "macro/macro_recorder.h"
#include "macro/macro_transfer.h"
#include "platform/desktop.h"
#include "profile/profile_table.h"
#include "skin/dlg_base.h"
#include "skin/radio_options.h"

namespace pelorin {

class CCheckButton;
class CComboButton;
class CImageShowList;
class CSkinEdit;
class CVScrollBar;

// What the main window hands the manager.
struct MacroManagerRun {
  SkinContext& skin;
  const LanguageTable& texts;
  MacroStore& macros;
  RadioOptions& options;
  std::filesystem::path libraryFile;
  // The five profiles: a macro that a button of any of them plays cannot be deleted. May be
  // null.
  const ProfileTable* profiles = nullptr;
  // The keyboard hook and the file dialogs; without it nothing is recorded or exchanged.
  Desktop* desktop = nullptr;
  // Null: message boxes over the manager.
  MacroMessage message;
  MacroNotice notice;
};

namespace macro_manager_id {
constexpr int kExit = 2004;
constexpr int kOkUnused = 2010;
constexpr int kCancelUnused = 2011;
constexpr int kNewMacro = 2012;
constexpr int kDeleteItem = 2013;
constexpr int kInsertDelays = 2017;
constexpr int kRecord = 2018;
constexpr int kActionList = 2020;
constexpr int kActionScroll = 2022;
constexpr int kModifyAction = 2023;
constexpr int kDeleteAction = 2024;
constexpr int kFirstLoopMode = 2031;  // 2031, 2032, 2033: loop types 1, 4, 2
constexpr int kRepeatLoopMode = 2033;
constexpr int kLoopCount = 2034;
constexpr int kInsertAction = 2035;
// The insert popup and the tree's context menu.
constexpr unsigned kInsertClicked = 1166;
constexpr unsigned kInsertChosen = 1167;
constexpr unsigned kInsertClosed = 1168;
constexpr unsigned kLibraryChosen = 1169;
constexpr unsigned kLibraryClosed = 1170;
}  // namespace macro_manager_id

// The commands of the tree's context menu, in menu order.
enum class LibraryCommand : int {
  NewMacro,
  NewFolder,
  ExportMacro,
  ImportMacro,
  Rename,
  Delete,
  ImportAll,
  ExportAll,
};

class CMacroManagerDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{528, 365};

  explicit CMacroManagerDlg(MacroManagerRun run);
  ~CMacroManagerDlg() override;

  const MacroKey* currentMacro() const { return current_; }
  // Whether the library reached its file when the manager closed; when it did not, the edits
  // live on in memory only, and the next close tries again.
  bool saved() const { return saved_; }
  bool recording() const { return recorder_.recording(); }
  CImageShowList& actionList() const { return *actions_; }
  const MacroTreePane& tree() const { return pane_; }
  // The controls that show a caption of their own: the static texts and the text buttons.
  const std::vector<const CControlBase*>& captions() const { return captions_; }
  // The context menu rows offered for the current selection.
  std::vector<LibraryCommand> libraryMenu() const;

  void onMouse(const MouseEvent& event) override;

 protected:
  void onInitDialog() override;
  void drawBackground(Canvas& canvas, const Rect& client) override;
  std::intptr_t handleMessage(const Message& message) override;
  void onClose() override { close(); }

 private:
  // macro_manager_dlg.cpp
  void createTexts();
  void createButtons();
  void createLists();
  void close();
  bool saveLibrary();
  void refresh();
  void refreshLoopControls();
  void updateActionBar();
  void showLastAction();
  void repaint() const;
  void setControlsEnabled(bool enabled);
  void chooseLoopMode(int id);
  void loopCountEdited();
  bool handleControl(int id, int code, std::intptr_t wParam);
  void runPending();
  // Recording.
  void toggleRecording();
  void startRecording();
  void stopRecording(bool atLimit);
  void onHookKey(const Message& message);
  // macro_manager_actions.cpp
  ActionEditors editors();
  void openInsertMenu();
  void insertAction(InsertItem item);
  void modifyAction();
  void deleteAction();
  // macro_manager_library.cpp
  void openLibraryMenu(Point at);
  void runLibraryCommand(LibraryCommand command);
  void newItem(bool folder);
  void renameItem();
  void deleteItem();
  bool usedByAProfile() const;
  void exportFile(MacroFileKind kind);
  void importFile(MacroFileKind kind);
  std::optional<std::filesystem::path> pickFile(bool save, MacroFileKind kind);
  bool ask(int textId, bool question = false) const;

  MacroManagerRun run_;
  MacroRecorder recorder_;
  std::unique_ptr<KeyboardHook> hook_;
  MacroKey* current_ = nullptr;
  bool saved_ = false;
  std::optional<InsertItem> pendingInsert_;
  std::optional<LibraryCommand> pendingLibrary_;
  std::vector<LibraryCommand> menuRows_;
  std::vector<const CControlBase*> captions_;
  MacroTreePane pane_;
  CImageShowList* actions_ = nullptr;
  CVScrollBar* actionBar_ = nullptr;
  CCheckButton* record_ = nullptr;
  CCheckButton* delays_ = nullptr;
  CSkinEdit* loopCount_ = nullptr;
  CComboButton* insert_ = nullptr;
};

}  // namespace pelorin
