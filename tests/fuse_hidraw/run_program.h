#pragma once
// Runs a program with extra environment variables and collects what it prints, killing it when it
// outlives its time so that a wedged child cannot hold the test run.
#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace pelorin::testing {

struct ProgramResult {
  int exitCode = -1;   // -1 when it was killed or could not start
  std::string output;  // standard output and standard error, interleaved
};

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::pair<std::string, std::string>>& environment,
                         std::chrono::milliseconds timeout);

}  // namespace pelorin::testing
