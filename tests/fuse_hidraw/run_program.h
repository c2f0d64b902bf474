#pragma once
// Runs a program with extra environment variables and collects what it prints, killing it when it
// outlives its time so that a wedged child cannot hold the test run.
#include <sys/types.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace pelorin::testing {

struct ProgramResult {
  int exitCode = -1;   // -1 when it was killed or could not start
  std::string output;  // standard output and standard error, interleaved
};

using Environment = std::vector<std::pair<std::string, std::string>>;

// A program started in the background; the test goes on while it runs.
class RunningProgram {
 public:
  RunningProgram(const std::string& program, const std::vector<std::string>& args,
                 const Environment& environment);
  ~RunningProgram();  // kills it if finish() was not called
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // Waits for the end and what it printed; kills it after the timeout.
  ProgramResult finish(std::chrono::milliseconds timeout);

 private:
  pid_t child_ = -1;
  int output_ = -1;
};

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const Environment& environment, std::chrono::milliseconds timeout);

}  // namespace pelorin::testing
