#include "fuse_hidraw/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

extern char** environ;

namespace pelorin::testing {
namespace {

std::vector<std::string> mergedEnvironment(const Environment& extra) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) result.emplace_back(*entry);
  for (const auto& [name, value] : extra) result.push_back(name + "=" + value);
  return result;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> result;
  for (auto& s : strings) result.push_back(s.data());
  result.push_back(nullptr);
  return result;
}

// Reads until the child closes its end or the deadline passes; false on the deadline.
bool collect(int fd, std::string& output, std::chrono::steady_clock::time_point deadline) {
  char buffer[4096];
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd fds{fd, POLLIN, 0};
    if (::poll(&fds, 1, static_cast<int>(left.count())) <= 0) continue;
    ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count <= 0) return true;
    output.append(buffer, static_cast<std::size_t>(count));
  }
}

}  // namespace

RunningProgram::RunningProgram(const std::string& program, const std::vector<std::string>& args,
                               const Environment& environment) {
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return;
  std::vector<std::string> argStrings{program};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  auto envStrings = mergedEnvironment(environment);
  auto argv = pointers(argStrings);
  auto envp = pointers(envStrings);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
  int spawned =
      ::posix_spawn(&child_, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  if (spawned != 0) {
    child_ = -1;
    ::close(pipeFds[0]);
    return;
  }
  output_ = pipeFds[0];
}

RunningProgram::~RunningProgram() {
  finish(std::chrono::milliseconds(0));
}

ProgramResult RunningProgram::finish(std::chrono::milliseconds timeout) {
  ProgramResult result;
  if (child_ < 0) return result;
  bool finished = collect(output_, result.output, std::chrono::steady_clock::now() + timeout);
  ::close(output_);
  if (!finished) ::kill(child_, SIGKILL);
  int status = 0;
  ::waitpid(child_, &status, 0);
  child_ = -1;
  if (finished && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  return result;
}

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const Environment& environment, std::chrono::milliseconds timeout) {
  return RunningProgram(program, args, environment).finish(timeout);
}

}  // namespace pelorin::testing
