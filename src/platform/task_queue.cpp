#include "platform/ui_dispatcher.h"

namespace pelorin {

void TaskQueue::post(std::function<void()> task) {
  {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  ready_.notify_one();
}

int TaskQueue::runPending() {
  int ran = 0;
  for (;;) {
    std::function<void()> task;
    {
      std::lock_guard lock(mutex_);
      if (tasks_.empty()) return ran;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
    ++ran;
  }
}

int TaskQueue::waitAndRun(std::chrono::milliseconds timeout) {
  {
    std::unique_lock lock(mutex_);
    ready_.wait_for(lock, timeout, [this] { return !tasks_.empty(); });
  }
  return runPending();
}

}  // namespace pelorin
