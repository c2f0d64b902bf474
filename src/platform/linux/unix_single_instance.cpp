#include "platform/linux/unix_single_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>

namespace pelorin {

namespace {

constexpr std::string_view kRequest = "activate\n";
// A first instance binds its socket right after taking the lock; a start in that gap waits.
constexpr int kConnectAttempts = 40;
constexpr auto kConnectPause = std::chrono::milliseconds(25);
constexpr int kRequestTimeoutMs = 1000;

bool socketAddress(const std::filesystem::path& path, sockaddr_un& address) {
  const std::string text = path.string();
  address = sockaddr_un{};
  address.sun_family = AF_UNIX;
  if (text.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
  return true;
}

int bindListener(const std::filesystem::path& path) {
  sockaddr_un address;
  if (!socketAddress(path, address)) return -1;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  // Only the lock holder gets here, so a socket file left behind is a dead instance's.
  unlink(address.sun_path);
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      ::listen(fd, 8) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

void sendRequest(const std::filesystem::path& path) {
  sockaddr_un address;
  if (!socketAddress(path, address)) return;
  for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) {
      [[maybe_unused]] const ssize_t sent =
          send(fd, kRequest.data(), kRequest.size(), MSG_NOSIGNAL);
      close(fd);
      return;
    }
    close(fd);
    std::this_thread::sleep_for(kConnectPause);
  }
}

}  // namespace

struct UnixSingleInstance::Target {
  WindowSystem* windows = nullptr;
  WindowId window = kNoWindow;
};

std::unique_ptr<UnixSingleInstance> UnixSingleInstance::claim(const std::filesystem::path& folder,
                                                              std::string_view name,
                                                              UiDispatcher& ui) {
  const std::string base(name);
  const std::filesystem::path socketPath = folder / (base + ".socket");
  const int lockFd = folder.empty() ? -1
                                    : open((folder / (base + ".lock")).c_str(),
                                           O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lockFd >= 0 && flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
    const bool taken = errno == EWOULDBLOCK;
    close(lockFd);
    if (taken) {
      sendRequest(socketPath);
      return nullptr;
    }
    return std::unique_ptr<UnixSingleInstance>(new UnixSingleInstance(ui, -1, -1, {}));
  }
  const int listenFd = lockFd >= 0 ? bindListener(socketPath) : -1;
  return std::unique_ptr<UnixSingleInstance>(new UnixSingleInstance(
      ui, lockFd, listenFd, listenFd >= 0 ? socketPath : std::filesystem::path{}));
}

UnixSingleInstance::UnixSingleInstance(UiDispatcher& ui, int lockFd, int listenFd,
                                       std::filesystem::path socket)
    : ui_(ui), lockFd_(lockFd), listenFd_(listenFd), socketPath_(std::move(socket)) {}

UnixSingleInstance::~UnixSingleInstance() {
  if (listener_.joinable()) {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof(one));
    listener_.join();
  }
  if (target_ != nullptr) target_->windows = nullptr;  // tasks still queued deliver nothing
  if (wakeFd_ >= 0) close(wakeFd_);
  if (listenFd_ >= 0) {
    close(listenFd_);
    unlink(socketPath_.c_str());
  }
  if (lockFd_ >= 0) close(lockFd_);
}

void UnixSingleInstance::forwardTo(WindowSystem& windows, WindowId mainWindow) {
  if (target_ == nullptr) target_ = std::make_shared<Target>();
  target_->windows = &windows;
  target_->window = mainWindow;
  if (listenFd_ < 0 || listener_.joinable()) return;
  wakeFd_ = eventfd(0, EFD_CLOEXEC);
  if (wakeFd_ < 0) return;
  listener_ = std::thread([this] { listen(); });
}

void UnixSingleInstance::listen() {
  pollfd watched[2] = {{listenFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
  for (;;) {
    if (poll(watched, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (watched[1].revents != 0) return;
    const int connection = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection >= 0) {
      serve(connection);
      close(connection);
    }
  }
}

// One request a connection; anything else on the socket is ignored.
void UnixSingleInstance::serve(int connection) {
  std::string received;
  char buffer[32];
  pollfd readable{connection, POLLIN, 0};
  while (received.size() < kRequest.size() && poll(&readable, 1, kRequestTimeoutMs) > 0) {
    const ssize_t got = read(connection, buffer, sizeof(buffer));
    if (got <= 0) break;
    received.append(buffer, static_cast<std::size_t>(got));
  }
  if (received != kRequest) return;
  ui_.post([target = target_] {
    if (target->windows != nullptr) {
      target->windows->post(target->window, Message{msg::kActivateInstance, 0, 0, {}});
    }
  });
}

}  // namespace pelorin
