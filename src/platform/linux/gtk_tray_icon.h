#pragma once
// The notification icon on Linux desktops: a StatusNotifierItem when the session bus has a
// watcher for one, else an XEmbed icon in whatever system tray appears on the screen.
#include <memory>

#include "platform/tray_icon.h"
#include "platform/window_system.h"

namespace pelorin {

enum class TrayKind : std::uint8_t { StatusNotifier, XEmbed };

// Which kind this desktop takes; asks the session bus, so it costs a round trip.
TrayKind desktopTrayKind();

std::unique_ptr<TrayIcon> createGtkTrayIcon(WindowSystem& windows, const TrayIconParams& params,
                                            TrayKind kind);

}  // namespace pelorin
