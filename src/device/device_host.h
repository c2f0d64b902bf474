#pragma once
// What the device session needs from the main window. The window implements it; pelorinctl and
// the tests have their own small hosts. Events are named by what happened; the host picks the
// language texts.
#include <cstdint>

namespace pelorin {

enum class TimerId : int {
  SendDispatch = 30,
  SaveProfiles = 70,
  NoDeviceCheck = 80,
  StatusPoll = 110,
};

enum class DeviceNotice {
  NoDevice,              // neither the mouse nor its receiver is attached
  ReceiverWithoutMouse,  // the receiver is attached but no mouse is linked to it
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

  // Brings the window to the front, shown normally.
  virtual void showMainWindow() = 0;
  virtual void minimiseMainWindow() = 0;
  // A transfer reached the mouse: the modal progress animation.
  virtual void showProgress() = 0;
  // A modeless, topmost attention notice; the host words it.
  virtual void showNotice(DeviceNotice notice) = 0;
  // The mouse changed its DPI level or polling rate itself (the on-screen display).
  virtual void showOnScreenDisplay() = 0;
  virtual void updateBattery(std::uint8_t percent, int chargeState) = 0;
  // The mouse reports another sensor and every profile's DPI group was reset for it: store the
  // model and the current profile in the configuration, save the profiles, rebuild the DPI step
  // table and redraw.
  virtual void sensorChanged(std::uint16_t sensorModel) = 0;
  // A refreshed macro copy changed the current profile.
  virtual void markCurrentProfileModified() = 0;
  // After a factory reset: save the current profile and forget its pending-change marks.
  virtual void currentProfileReset() = 0;
};

}  // namespace pelorin
