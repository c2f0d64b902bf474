#pragma once
// The firmware of a simulated dual-mode mouse: it keeps what the commands set, answers status
// requests, produces the event reports of its own DPI and polling buttons, and can be told to
// misbehave. It records every report it receives. Thread-safe: the window thread writes commands
// while a test thread presses buttons.
#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace pelorin {

using SimReport = std::array<std::uint8_t, 33>;

struct SimStatus {
  std::string identification = "T7K4";
  std::uint8_t sensorCode = 0x25;
  std::uint8_t batteryPercent = 80;
  std::uint8_t chargeState = 0;
  std::uint8_t linkFlag = 1;
};

struct SimFaults {
  int statusWithoutData = 0;  // this many status answers carry byte 6 = 0
  bool wrongEcho = false;     // status answers echo another command
  bool errorByte = false;     // status answers carry a non-zero byte 3
  bool failSet = false;       // set-feature requests fail
  bool failGet = false;       // get-feature requests fail
  bool failRead = false;      // input reads fail at once
};

// What the mouse holds, as the commands left it. Sizes are those of the command payloads.
struct SimSettings {
  std::array<std::array<std::uint8_t, 3>, 5> buttons{};  // by device position
  std::array<std::uint8_t, 18> dpiLevels{};
  std::array<std::uint8_t, 24> dpiColors{};
  std::uint8_t pollingInterval = 1;  // milliseconds
  std::array<std::uint8_t, 2> liftOff{};
  std::uint8_t debounce = 0;
  std::array<std::uint8_t, 2> power{};
  std::uint8_t motionWakeup = 0;
  std::vector<std::uint8_t> lighting;                   // the lighting payload as sent
  std::map<int, std::vector<std::uint8_t>> macroSlots;  // slot -> entry bytes from the chunks
  int factoryResets = 0;
  bool operator==(const SimSettings&) const = default;
};

// One macro entry as the firmware plays it.
struct SimMacroEntry {
  bool release = false;
  int kind = 0;  // 1 mouse button, 2 modifier, 3 key, 4..6 moves and wheel, 0 other
  int delayMs = 0;
  std::uint8_t value = 0;
  bool operator==(const SimMacroEntry&) const = default;
};

// What the firmware makes of the commands it holds, decoded by the firmware's own reading of the
// protocol, so that tests can compare meaning with a profile without the program's builders.
struct SimDecoded {
  std::array<std::array<std::uint8_t, 3>, 5> buttonCodes{};  // by device position
  int enabledCount = 0;
  int currentLevel = 0;  // 0-based
  std::uint8_t enabledMask = 0;
  std::array<int, 8> levelSteps{};              // levels 6..8 from bytes 12..17
  std::array<std::uint32_t, 8> levelColours{};  // 0xRRGGBB
  int pollingIntervalMs = 0;
  bool lowLiftOff = false;
  int debounce = 0;
  int powerDownTime = 0;
  int lightsOffWhileMoving = 0;
  int motionWakeup = 0;
  bool lightingSet = false;  // a lighting command with a known mode was received
  int lightingMode = 0;
  int brightness = 0;
  int speed = 0;
  int direction = 0;
  std::vector<std::uint32_t> lightingColours;  // 0xRRGGBB, as the mode places them
  std::map<int, std::vector<SimMacroEntry>> macros;
};

struct SimReceived {
  std::string via;  // the product the report came in on: "cable" or "receiver"
  SimReport bytes;
};

class SimMouse {
 public:
  SimMouse();

  // The command interface. Return false when told to fail.
  bool setFeature(std::span<const std::uint8_t> report, const std::string& via);
  bool getFeature(std::span<std::uint8_t> report);

  // The mouse's own buttons: change the setting and return the event report it sends.
  SimReport pressDpiButton();
  SimReport pressPollingButton();

  SimSettings settings() const;
  SimDecoded decoded() const;
  SimStatus status() const;
  void setStatus(const SimStatus& status);
  SimFaults faults() const;
  void setFaults(const SimFaults& faults);
  std::vector<SimReceived> received() const;
  void clearReceived();

 private:
  void apply(std::span<const std::uint8_t> report);
  void applyMacroChunk(std::span<const std::uint8_t> report);
  SimReport statusAnswer();
  SimReport eventReport() const;
  int enabledLevelCount() const;

  mutable std::mutex mutex_;
  SimSettings settings_;
  SimStatus status_;
  SimFaults faults_;
  std::vector<SimReceived> received_;
  SimReport pendingAnswer_{};
};

}  // namespace pelorin
