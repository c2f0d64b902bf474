#include "platform/linux/gtk_tray_icon.h"

#include <gtk/gtk.h>
#include <libayatana-appindicator/app-indicator.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "common/utf.h"
#include "platform/cairo/cairo_image.h"
#include "platform/linux/runtime_folder.h"

namespace pelorin {

namespace {

GdkPixbuf* pixbufOf(const Image& icon) {
  const auto* picture = dynamic_cast<const CairoImage*>(&icon);
  if (picture == nullptr) return nullptr;
  return gdk_pixbuf_get_from_surface(picture->surface(), 0, 0, icon.width(), icon.height());
}

// The menu both kinds show; a choice is posted to the target window as a command.
class TrayMenu {
 public:
  TrayMenu(WindowSystem& windows, WindowId target)
      : windows_(windows), target_(target), menu_(GTK_WIDGET(g_object_ref_sink(gtk_menu_new()))) {}
  ~TrayMenu() {
    gtk_widget_destroy(menu_);
    g_object_unref(menu_);
  }
  TrayMenu(const TrayMenu&) = delete;
  TrayMenu& operator=(const TrayMenu&) = delete;

  GtkMenu* menu() const { return GTK_MENU(menu_); }
  GtkWidget* firstItem() const { return firstItem_; }

  void fill(const std::vector<TrayMenuItem>& items) {
    gtk_container_foreach(
        GTK_CONTAINER(menu_), [](GtkWidget* item, gpointer) { gtk_widget_destroy(item); }, nullptr);
    firstItem_ = nullptr;
    for (const TrayMenuItem& item : items) {
      GtkWidget* widget = item.command == 0
                              ? gtk_separator_menu_item_new()
                              : gtk_menu_item_new_with_label(toUtf8(item.text).c_str());
      if (item.command != 0) {
        g_object_set_data(G_OBJECT(widget), "command", GINT_TO_POINTER(item.command));
        g_signal_connect(widget, "activate", G_CALLBACK(&TrayMenu::chosen), this);
        if (firstItem_ == nullptr) firstItem_ = widget;
      }
      gtk_menu_shell_append(GTK_MENU_SHELL(menu_), widget);
    }
    gtk_widget_show_all(menu_);
  }

 private:
  static void chosen(GtkMenuItem* item, gpointer self) {
    auto& menu = *static_cast<TrayMenu*>(self);
    const int command = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), "command"));
    menu.windows_.post(menu.target_, Message{msg::kCommand, command, 0, {}});
  }

  WindowSystem& windows_;
  WindowId target_;
  GtkWidget* menu_;
  GtkWidget* firstItem_ = nullptr;
};

// GtkStatusIcon is deprecated in GTK 3, yet it is the only XEmbed tray icon GTK offers.
G_GNUC_BEGIN_IGNORE_DEPRECATIONS

class StatusIconTray final : public TrayIcon {
 public:
  StatusIconTray(WindowSystem& windows, const TrayIconParams& params)
      : windows_(windows),
        params_(params),
        menu_(windows, params.target),
        icon_(gtk_status_icon_new()) {
    params_.icon = nullptr;
    if (params.icon != nullptr) setIcon(*params.icon);
    setTooltip(params.tooltip);
    menu_.fill(params.menu);
    g_signal_connect(icon_, "button-press-event", G_CALLBACK(&StatusIconTray::pressed), this);
    g_signal_connect(icon_, "popup-menu", G_CALLBACK(&StatusIconTray::popup), this);
    gtk_status_icon_set_visible(icon_, TRUE);
  }
  ~StatusIconTray() override {
    g_signal_handlers_disconnect_by_data(icon_, this);
    gtk_status_icon_set_visible(icon_, FALSE);
    g_object_unref(icon_);
  }

  void setIcon(const Image& icon) override {
    if (GdkPixbuf* pixbuf = pixbufOf(icon)) {
      gtk_status_icon_set_from_pixbuf(icon_, pixbuf);
      g_object_unref(pixbuf);
    }
  }
  void setTooltip(std::u16string_view tooltip) override {
    gtk_status_icon_set_tooltip_text(icon_, toUtf8(tooltip).c_str());
  }
  void setMenu(const std::vector<TrayMenuItem>& menu) override { menu_.fill(menu); }
  bool shown() const override { return gtk_status_icon_is_embedded(icon_) != FALSE; }

 private:
  static gboolean pressed(GtkStatusIcon*, GdkEventButton* event, gpointer self) {
    auto& tray = *static_cast<StatusIconTray*>(self);
    if (event->type == GDK_2BUTTON_PRESS && event->button == 1) {
      tray.windows_.post(
          tray.params_.target,
          Message{tray.params_.callbackMessage, tray.params_.iconId, kTrayDoubleClick, {}});
    }
    return FALSE;
  }
  static void popup(GtkStatusIcon* icon, guint button, guint time, gpointer self) {
    gtk_menu_popup(static_cast<StatusIconTray*>(self)->menu_.menu(), nullptr, nullptr,
                   gtk_status_icon_position_menu, icon, button, time);
  }

  WindowSystem& windows_;
  TrayIconParams params_;
  TrayMenu menu_;
  GtkStatusIcon* icon_;
};

G_GNUC_END_IGNORE_DEPRECATIONS

// A StatusNotifierItem names its picture by file, so each icon is written to the runtime
// folder under a new name (hosts cache pictures by name). The item's id stays the same from
// run to run, so hosts keep its place.
class IndicatorTray final : public TrayIcon {
 public:
  IndicatorTray(WindowSystem& windows, const TrayIconParams& params)
      : menu_(windows, params.target),
        folder_(userRuntimeFolder()),
        indicator_(app_indicator_new("pelorin", "", APP_INDICATOR_CATEGORY_APPLICATION_STATUS)) {
    if (params.icon != nullptr) setIcon(*params.icon);
    setTooltip(params.tooltip);
    setMenu(params.menu);
    g_signal_connect(indicator_, "connection-changed", G_CALLBACK(&IndicatorTray::connection),
                     this);
    app_indicator_set_status(indicator_, APP_INDICATOR_STATUS_ACTIVE);
  }
  ~IndicatorTray() override {
    g_signal_handlers_disconnect_by_data(indicator_, this);
    app_indicator_set_status(indicator_, APP_INDICATOR_STATUS_PASSIVE);
    g_object_unref(indicator_);
    if (!iconFile_.empty()) std::filesystem::remove(iconFile_);
  }

  void setIcon(const Image& icon) override {
    const auto* picture = dynamic_cast<const CairoImage*>(&icon);
    if (picture == nullptr || folder_.empty()) return;
    const std::filesystem::path file = folder_ / ("pelorin-tray-" + std::to_string(getpid()) + "-" +
                                                  std::to_string(++iconCount_) + ".png");
    if (cairo_surface_write_to_png(picture->surface(), file.c_str()) != CAIRO_STATUS_SUCCESS)
      return;
    app_indicator_set_icon_full(indicator_, file.c_str(), "");
    if (!iconFile_.empty()) std::filesystem::remove(iconFile_);
    iconFile_ = file;
  }
  void setTooltip(std::u16string_view tooltip) override {
    app_indicator_set_title(indicator_, toUtf8(tooltip).c_str());
  }
  // The host opens the menu on a click of its own, so there is no double click: the first item
  // (restore) is also what a middle click does.
  void setMenu(const std::vector<TrayMenuItem>& menu) override {
    menu_.fill(menu);
    app_indicator_set_menu(indicator_, menu_.menu());
    app_indicator_set_secondary_activate_target(indicator_, menu_.firstItem());
  }
  bool shown() const override { return connected_; }

 private:
  static void connection(AppIndicator*, gboolean connected, gpointer self) {
    static_cast<IndicatorTray*>(self)->connected_ = connected != FALSE;
  }

  TrayMenu menu_;
  std::filesystem::path folder_;
  std::filesystem::path iconFile_;
  int iconCount_ = 0;
  bool connected_ = true;
  AppIndicator* indicator_;
};

}  // namespace

TrayKind desktopTrayKind() {
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (bus == nullptr) return TrayKind::XEmbed;
  GVariant* reply = g_dbus_connection_call_sync(
      bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
      g_variant_new("(s)", "org.kde.StatusNotifierWatcher"), G_VARIANT_TYPE("(b)"),
      G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, nullptr);
  gboolean owned = FALSE;
  if (reply != nullptr) {
    g_variant_get(reply, "(b)", &owned);
    g_variant_unref(reply);
  }
  g_object_unref(bus);
  return owned ? TrayKind::StatusNotifier : TrayKind::XEmbed;
}

std::unique_ptr<TrayIcon> createGtkTrayIcon(WindowSystem& windows, const TrayIconParams& params,
                                            TrayKind kind) {
  if (kind == TrayKind::StatusNotifier) return std::make_unique<IndicatorTray>(windows, params);
  return std::make_unique<StatusIconTray>(windows, params);
}

}  // namespace pelorin
