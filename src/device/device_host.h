#pragma once
// What the device link needs from the main window. The window implements it; pelorinctl and the
// tests have their own small hosts.
namespace pelorin {

enum class TimerId : int {
  SendDispatch = 30,
  SaveProfiles = 70,
  NoDeviceCheck = 80,
  StatusPoll = 110,
};

class DeviceHost {
 public:
  virtual ~DeviceHost() = default;
  // Starts or restarts a window timer.
  virtual void startTimer(TimerId id, unsigned periodMs) = 0;
  virtual void killTimer(TimerId id) = 0;
  virtual void hideMainWindow() = 0;
  // Sends WM_CLOSE to every open popup and dialog in the window's table.
  virtual void closePopups() = 0;
  // Ends the program: the last device of the mouse has gone.
  virtual void quit() = 0;
  virtual void refreshPages() = 0;
};

}  // namespace pelorin
