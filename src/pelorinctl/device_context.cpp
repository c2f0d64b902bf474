#include "pelorinctl/device_context.h"

#include <cstdio>

#include "platform/program_folder.h"

namespace pelorin::ctl {

std::unique_ptr<AppData> loadDataFolder(const Options& options) {
  std::string error;
  auto data = loadAppData(dataFolder(options), programFolder(), 1.0, error);
  if (!data) std::fprintf(stderr, "pelorinctl: %s\n", error.c_str());
  return data;
}

DeviceContext::DeviceContext(const Options& options) : options_(options), session_(options) {}

bool DeviceContext::open() {
  data_ = loadDataFolder(options_);
  if (!data_) return false;
  if (!session_.hasBus()) return session_.connect();  // says why
  session_.host().data = data_.get();
  device_ = std::make_unique<DeviceSession>(session_.link(), session_.host(), data_->profiles,
                                            data_->library, data_->texts);
  device_->setCurrentProfile(data_->currentProfile());
  device_->primeLastSent();
  return session_.connect();
}

}  // namespace pelorin::ctl
