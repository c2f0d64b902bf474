#pragma once
// Single instance for one user on a POSIX desktop. The first start holds an flock on a lock file
// in the runtime folder, so the kernel frees it when the process dies however it dies, and
// listens on a socket beside it; a later start finds the lock taken, writes its request to the
// socket and ends. Requests are read on a thread of their own and delivered on the UI thread.
#include <filesystem>
#include <memory>
#include <string_view>
#include <thread>

#include "platform/single_instance.h"
#include "platform/ui_dispatcher.h"

namespace pelorin {

class UnixSingleInstance final : public SingleInstance {
 public:
  // Null when another instance runs: it has been asked to show itself. When the folder (see
  // userRuntimeFolder) cannot be used the program runs as a first instance nobody can reach.
  static std::unique_ptr<UnixSingleInstance> claim(const std::filesystem::path& folder,
                                                   std::string_view name, UiDispatcher& ui);
  ~UnixSingleInstance() override;
  UnixSingleInstance(const UnixSingleInstance&) = delete;
  UnixSingleInstance& operator=(const UnixSingleInstance&) = delete;

  void forwardTo(WindowSystem& windows, WindowId mainWindow) override;

 private:
  struct Target;

  UnixSingleInstance(UiDispatcher& ui, int lockFd, int listenFd, std::filesystem::path socket);
  void listen();
  void serve(int connection);

  UiDispatcher& ui_;
  int lockFd_;
  int listenFd_;
  int wakeFd_ = -1;
  std::filesystem::path socketPath_;
  std::shared_ptr<Target> target_;
  std::thread listener_;
};

}  // namespace pelorin
