#include "platform/win32/win32_shell.h"

#include <windows.h>
// After windows.h: these use its types.
#include <commdlg.h>
#include <shellapi.h>

#include "common/utf.h"
#include "platform/win32/win32_window_system.h"

namespace pelorin {
namespace {

const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

std::u16string dialogFilter(const std::vector<FileFilter>& filters) {
  std::u16string list;
  for (const auto& filter : filters) {
    list += filter.name;
    list += u'\0';
    for (std::size_t i = 0; i < filter.extensions.size(); ++i) {
      list += (i == 0 ? u"*." : u";*.") + filter.extensions[i];
    }
    list += u'\0';
  }
  return list + u'\0';
}

bool Win32Shell::openAddress(std::string_view address) {
  const auto target = toUtf16(address);
  const auto result =
      ::ShellExecuteW(nullptr, L"open", wide(target), nullptr, nullptr, SW_SHOWNORMAL);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

bool Win32Shell::openMouseSettings() {
  return ::WinExec(kMouseSettings, SW_SHOWNORMAL) > 31;
}

std::optional<std::filesystem::path> Win32Shell::pickFile(const FileDialogParams& params) {
  const auto filter = dialogFilter(params.filters);
  const auto folder = params.initialFolder.u16string();
  std::u16string name = params.initialName;
  name.resize(std::max<std::size_t>(name.size() + 1, 32768), u'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = windows_.handleOf(params.owner);
  dialog.lpstrFilter = params.filters.empty() ? nullptr : wide(filter);
  dialog.lpstrFile = reinterpret_cast<wchar_t*>(name.data());
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : wide(folder);
  dialog.lpstrTitle = params.title.empty() ? nullptr : wide(params.title);
  dialog.lpstrDefExt = params.defaultExtension.empty() ? nullptr : wide(params.defaultExtension);
  dialog.Flags = OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  const bool save = params.mode == FileDialogMode::Save;
  dialog.Flags |= save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
  const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
  if (chosen == FALSE) return std::nullopt;
  const std::filesystem::path path(std::u16string(name.c_str()));
  return save ? withDefaultExtension(path, params.defaultExtension) : path;
}

}  // namespace pelorin
