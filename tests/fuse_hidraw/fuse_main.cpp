// The FUSE tests need /dev/fuse and the right to mount; without them every test reports itself
// skipped (exit code 77) instead of passing without having run.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!GTEST_FLAG_GET(list_tests)) {
    int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (fuse < 0) {
      std::perror("skipped: /dev/fuse cannot be opened");
      return 77;
    }
    ::close(fuse);
  }
  return RUN_ALL_TESTS();
}
