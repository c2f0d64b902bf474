#include "pelorin/options.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "common/utf8_path.h"

namespace pelorin {
namespace {

std::nullopt_t usage() {
  std::fprintf(
      stderr,
      "usage: pelorin [--simulate] [--trace] [--hidden] [--data-dir DIR] [--sim-events LIST]\n");
  return std::nullopt;
}

}  // namespace

std::optional<ProgramOptions> parseProgramOptions(int argc, char** argv) {
  ProgramOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--simulate") {
      options.simulate = true;
    } else if (arg == "--trace") {
      options.trace = true;
    } else if (arg == "--hidden") {
      options.hidden = true;
    } else if (arg == "--data-dir" && i + 1 < argc) {
      options.dataDir = pathFromUtf8(argv[++i]);
    } else if (arg == "--sim-events" && i + 1 < argc) {
      std::string error;
      auto steps = parseSimSchedule(argv[++i], error);
      if (!steps) {
        std::fprintf(stderr, "pelorin: bad simulated event '%s'\n", error.c_str());
        return usage();
      }
      options.simSteps = std::move(*steps);
    } else {
      return usage();
    }
  }
  if (!options.simSteps.empty() && !options.simulate) return usage();
  return options;
}

}  // namespace pelorin
