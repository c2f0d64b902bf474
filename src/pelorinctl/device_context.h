#pragma once
// The data folder loaded as at start-up, the connection to the mouse and the device session on
// top of both: what apply, reset-device and watch share.
#include <memory>

#include "app/app_data.h"
#include "device/device_session.h"
#include "pelorinctl/session.h"

namespace pelorin::ctl {

// The data folder loaded as the program's start-up loads it; nullptr after saying why not.
std::unique_ptr<AppData> loadDataFolder(const Options& options);

class DeviceContext {
 public:
  explicit DeviceContext(const Options& options);

  // Loads the data folder, primes what was last sent as the program does before its first scan,
  // and connects. False, with a message, when any step fails.
  bool open();
  AppData& data() { return *data_; }
  Session& session() { return session_; }
  DeviceSession& device() { return *device_; }

 private:
  Options options_;
  Session session_;
  std::unique_ptr<AppData> data_;
  std::unique_ptr<DeviceSession> device_;
};

}  // namespace pelorin::ctl
