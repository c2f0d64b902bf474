#include "common/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace pelorin {

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
  // Non-blocking, so that opening a pipe nobody writes to returns at once; the kind of file is
  // checked on the open descriptor, so it cannot change between the check and the read.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return std::nullopt;
  }
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    const auto got = ::read(file.get(), buffer, sizeof buffer);
    if (got == 0) return bytes;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace pelorin
