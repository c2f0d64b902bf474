#include "platform/linux/gtk_shell.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "common/utf.h"
#include "platform/linux/gtk_host_window.h"
#include "platform/linux/gtk_window_system.h"
#include "platform/linux/mouse_settings.h"

namespace pelorin {

namespace {

// "https://…", "mailto:…"; anything else is a file name.
bool hasScheme(std::string_view address) {
  const std::size_t colon = address.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  return std::all_of(address.begin(), address.begin() + static_cast<long>(colon), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
  });
}

std::string uriOf(std::string_view address) {
  if (hasScheme(address)) return std::string(address);
  std::error_code error;
  const std::filesystem::path file = std::filesystem::absolute(std::string(address), error);
  gchar* uri = g_filename_to_uri(file.c_str(), nullptr, nullptr);
  std::string result = uri != nullptr ? uri : "";
  g_free(uri);
  return result;
}

// Patterns match either case, as the files come from Windows machines too.
GtkFileFilter* gtkFilter(const FileFilter& filter) {
  GtkFileFilter* result = gtk_file_filter_new();
  gtk_file_filter_set_name(result, toUtf8(filter.name).c_str());
  for (const std::u16string& extension : filter.extensions) {
    std::string pattern = "*.";
    for (const char c : toUtf8(extension)) {
      const auto byte = static_cast<unsigned char>(c);
      pattern += std::isalpha(byte) ? std::string{'[', static_cast<char>(std::tolower(byte)),
                                                  static_cast<char>(std::toupper(byte)), ']'}
                                    : std::string(1, c);
    }
    gtk_file_filter_add_pattern(result, pattern.c_str());
  }
  return result;
}

}  // namespace

bool GtkShell::openAddress(std::string_view address) {
  const std::string uri = uriOf(address);
  return !uri.empty() && g_app_info_launch_default_for_uri(uri.c_str(), nullptr, nullptr) != FALSE;
}

bool GtkShell::openMouseSettings() {
  const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
  const std::vector<std::string> command =
      mouseSettingsCommand(desktop != nullptr ? desktop : "", [](std::string_view program) {
        gchar* found = g_find_program_in_path(std::string(program).c_str());
        g_free(found);
        return found != nullptr;
      });
  if (command.empty()) return false;
  std::vector<gchar*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<gchar*>(word.c_str()));
  argv.push_back(nullptr);
  return g_spawn_async(nullptr, argv.data(), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr,
                       nullptr, nullptr) != FALSE;
}

std::optional<std::filesystem::path> GtkShell::pickFile(const FileDialogParams& params) {
  const bool save = params.mode == FileDialogMode::Save;
  GtkHostWindow* owner = windows_.findHost(params.owner);
  GtkFileChooserNative* dialog = gtk_file_chooser_native_new(
      toUtf8(params.title).c_str(), owner != nullptr ? GTK_WINDOW(owner->widget()) : nullptr,
      save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN, nullptr, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  for (const FileFilter& filter : params.filters)
    gtk_file_chooser_add_filter(chooser, gtkFilter(filter));
  if (!params.initialFolder.empty()) {
    gtk_file_chooser_set_current_folder(chooser, params.initialFolder.c_str());
  }
  if (save) {
    gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
    if (!params.initialName.empty()) {
      gtk_file_chooser_set_current_name(chooser, toUtf8(params.initialName).c_str());
    }
  }
  std::optional<std::filesystem::path> chosen;
  open_ = dialog;
  const gint response = gtk_native_dialog_run(GTK_NATIVE_DIALOG(dialog));
  open_ = nullptr;
  if (response == GTK_RESPONSE_ACCEPT) {
    if (gchar* name = gtk_file_chooser_get_filename(chooser)) {
      chosen =
          save ? withDefaultExtension(name, params.defaultExtension) : std::filesystem::path(name);
      g_free(name);
    }
  }
  g_object_unref(dialog);
  return chosen;
}

// Hiding the chooser ends its run loop with no answer.
void GtkShell::cancelFileDialog() {
  if (open_ != nullptr) gtk_native_dialog_hide(GTK_NATIVE_DIALOG(open_));
}

}  // namespace pelorin
