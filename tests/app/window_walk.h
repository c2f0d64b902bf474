#pragma once
// A seeded random walk over the main window on the headless host: clicks, drags, menus and
// dialogs as a user makes them, the mouse's own buttons, plugs, refusals and restarts. After every
// step the simulated firmware, the controls and (after a restart) the files must agree with the
// profile. The same seed gives the same walk.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelorin::testing {

struct WalkStep {
  int kind = 0;
  std::uint32_t a = 0;  // the step's own choices, taken modulo what the window offers then
  std::uint32_t b = 0;
};

inline constexpr std::size_t kBeforeTheWalk = static_cast<std::size_t>(-1);

struct WalkFailure {
  std::size_t step = 0;  // the failing step's index, or kBeforeTheWalk; checks follow each step
  std::string what;
};

// count steps drawn from the seed; the named step kinds are left out (for experiments only).
std::vector<WalkStep> makeWalk(std::uint32_t seed, std::size_t count,
                               const std::vector<std::string>& excluded = {});
// Runs the walk from a fresh data folder whose five profiles the seed also draws, over every
// value the front ends accept; narrowLighting keeps the lighting speeds within the slider's
// stops (for experiments only).
std::optional<WalkFailure> runWalk(std::uint32_t seed, const std::vector<WalkStep>& steps,
                                   bool narrowLighting = false);
// A shorter walk that still fails with the same message (delta debugging), within a budget.
std::vector<WalkStep> shrinkWalk(std::uint32_t seed, std::vector<WalkStep> steps,
                                 const std::string& what, std::chrono::seconds budget,
                                 bool narrowLighting = false);
std::string describe(const WalkStep& step);

}  // namespace pelorin::testing
