#pragma once
// Hands work from the device reader threads to the one UI thread, where everything the program
// shows or stores is done.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace pelorin {

class UiDispatcher {
 public:
  virtual ~UiDispatcher() = default;
  // Thread-safe; the task runs later on the UI thread.
  virtual void post(std::function<void()> task) = 0;
};

// A plain queue the UI thread drains itself: the fixture of tests and the loop of pelorinctl.
class TaskQueue final : public UiDispatcher {
 public:
  void post(std::function<void()> task) override;
  // Runs every task queued so far (and those they queue); returns how many ran.
  int runPending();
  // Waits up to the timeout for a task, then runs what is queued; returns how many ran.
  int waitAndRun(std::chrono::milliseconds timeout);

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::function<void()>> tasks_;
};

}  // namespace pelorin
