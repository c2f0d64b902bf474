#pragma once
// A small script of things done to the simulated mouse while watch runs, so that watch can be
// shown working: "dpi@500,polling@1200,unplug-cable@2000,battery=40@2500,status@2600".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin {

struct SimStep {
  enum class Action {
    PressDpi,
    PressPolling,
    PlugCable,
    UnplugCable,
    PlugReceiver,
    UnplugReceiver,
    SetBattery,
    SetCharge,
    SetLink,
    SetSensor,
    RequestStatus,
  };
  std::uint64_t atMs = 0;
  Action action = Action::PressDpi;
  int value = 0;
};

// Steps in time order; nullopt (with the offending item in error) for a malformed script.
std::optional<std::vector<SimStep>> parseSimSchedule(std::string_view text, std::string& error);

}  // namespace pelorin
