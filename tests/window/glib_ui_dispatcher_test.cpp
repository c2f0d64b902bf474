#include "platform/linux/glib_ui_dispatcher.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace pelorin {
namespace {

TEST(GlibUiDispatcher, TasksFromOtherThreadsRunOnTheLoopThreadInOrder) {
  GlibUiDispatcher dispatcher;
  const auto loopThread = std::this_thread::get_id();
  std::vector<int> seen;
  bool allOnLoop = true;
  std::thread producer([&] {
    for (int i = 0; i < 100; ++i) {
      dispatcher.post([&, i] {
        allOnLoop = allOnLoop && std::this_thread::get_id() == loopThread;
        seen.push_back(i);
      });
    }
  });
  producer.join();
  EXPECT_TRUE(seen.empty());  // nothing runs until the loop does
  while (seen.size() < 100) g_main_context_iteration(nullptr, TRUE);
  EXPECT_TRUE(allOnLoop);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(seen[static_cast<std::size_t>(i)], i);
}

}  // namespace
}  // namespace pelorin
