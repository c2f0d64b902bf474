// The model-based walk over the real window. PELORIN_WALK_SEED and PELORIN_WALK_STEPS make a
// longer or another walk (scripts/soak.sh); PELORIN_WALK_EXCLUDE, a comma list of step kinds,
// leaves some out while a known fault is being looked at ("wide-lighting" draws the lighting
// speeds inside the slider's stops only).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <sstream>

#include "window_walk.h"

namespace pelorin::testing {
namespace {

std::uint32_t fromEnvironment(const char* name, std::uint32_t fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0'
             ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10))
             : fallback;
}

std::vector<std::string> excludedKinds() {
  std::vector<std::string> out;
  const char* text = std::getenv("PELORIN_WALK_EXCLUDE");
  std::istringstream in(text != nullptr ? text : "");
  for (std::string kind; std::getline(in, kind, ',');) {
    if (!kind.empty()) out.push_back(kind);
  }
  return out;
}

TEST(WindowWalk, WindowFilesAndMouseAgreeAfterEveryStep) {
  const std::uint32_t seed = fromEnvironment("PELORIN_WALK_SEED", 24);
  const std::uint32_t count = fromEnvironment("PELORIN_WALK_STEPS", 2000);
  const auto started = std::chrono::steady_clock::now();
  const std::vector<std::string> excluded = excludedKinds();
  const bool narrow =
      std::find(excluded.begin(), excluded.end(), "wide-lighting") != excluded.end();
  std::vector<WalkStep> steps = makeWalk(seed, count, excluded);
  const auto failure = runWalk(seed, steps, narrow);
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started);
  std::printf("walk: seed %u, %u steps, %.1f s\n", seed, count, seconds.count());
  if (!failure) return;
  if (failure->step == kBeforeTheWalk) {
    ADD_FAILURE() << "seed " << seed << ": " << failure->what;
    return;
  }
  steps.resize(failure->step + 1);
  const std::vector<WalkStep> shortened =
      shrinkWalk(seed, steps, failure->what, std::chrono::seconds(60), narrow);
  const auto again = runWalk(seed, shortened, narrow);
  std::ostringstream out;
  out << "seed " << seed << ": step " << failure->step << " fails: " << failure->what << "\n"
      << shortened.size() << " steps still fail";
  if (again) out << " (" << again->what << ")";
  out << ":\n";
  for (const WalkStep& s : shortened) out << "  " << describe(s) << "\n";
  ADD_FAILURE() << out.str();
}

}  // namespace
}  // namespace pelorin::testing
