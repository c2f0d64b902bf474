#include "pelorinctl/ctl_profile.h"

#include <memory>

#include <cstdio>
#include <optional>
#include <string>
#include <system_error>

#include "common/utf.h"
#include "common/utf8_path.h"
#include "pelorinctl/button_edit.h"
#include "pelorinctl/device_context.h"
#include "pelorinctl/setting_names.h"
#include "profile/config_loader.h"
#include "profile/data_folder.h"
#include "profile/profile_file.h"

namespace pelorin::ctl {
namespace {

using Loaded = AppData;

std::unique_ptr<AppData> load(const Options& options) {
  return loadDataFolder(options);
}

std::string text(std::u16string_view value) {
  return toUtf8(value);
}

std::string hexBytes(std::initializer_list<unsigned> bytes) {
  std::string out;
  char piece[4];
  for (unsigned byte : bytes) {
    std::snprintf(piece, sizeof piece, "%.2X", byte & 0xFF);
    out += out.empty() ? "" : " ";
    out += piece;
  }
  return out;
}

std::string rgb(ColourRef colour) {
  char piece[8];
  std::snprintf(piece, sizeof piece, "#%.6X",
                ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF));
  return piece;
}

// "1".."5" on the command line is profile 0..4.
std::optional<std::size_t> profileNumber(const Args& args, std::size_t at) {
  if (at >= args.size() || args[at].size() != 1 || args[at][0] < '1' || args[at][0] > '5') {
    std::fprintf(stderr, "profile number 1..5 expected\n");
    return std::nullopt;
  }
  return static_cast<std::size_t>(args[at][0] - '1');
}

int listProfiles(const Loaded& loaded) {
  const auto list = loaded.config.showList();
  for (std::size_t position = 0; position < kProfileCount; ++position) {
    const int index = list.order[position];
    const auto* record = loaded.profiles.record(static_cast<std::size_t>(index));
    if (record == nullptr) continue;
    const bool shown = static_cast<int>(position) < list.count;
    std::printf("%c %d  %s%s\n", index == loaded.config.currentProfile() ? '*' : ' ', index + 1,
                text(record->pairValue(0)).c_str(), shown ? "" : "  (hidden)");
  }
  return kExitOk;
}

// The step is what the mouse stores; the DPI it stands for depends on the sensor.
void showDpi(const ProfileRecord& record, const DpiStepTable& steps) {
  std::printf("DPI levels (current: enabled level %u):\n", record.CurrentDPILevel + 1u);
  for (std::size_t level = 0; level < kDpiLevelCount; ++level) {
    const auto dpi = steps.dpiOfStep(record.XYSetting[level]);
    std::printf("  %zu  step %-4u %6s DPI  %s  %s\n", level + 1, record.XYSetting[level],
                dpi ? std::to_string(*dpi).c_str() : "?",
                rgb(record.DPILevelIndication[level]).c_str(),
                (record.DPIOffOnFlag >> level) & 1 ? "on" : "off");
  }
  std::printf("Angle snap %u, lift detection %u\n", record.AngleSnap, record.LiftDetection);
}

void showLighting(const ProfileRecord& record) {
  const auto mode = record.Lighting1ModeValue[0];
  std::printf("Lighting: %s (mode %u, %s), speed %u, brightness %u, direction %u\n",
              text(record.Lighting1Name).c_str(), mode, record.Lighting1OffOn ? "on" : "off",
              record.Lighting1Speed[mode % kLightingModeCount],
              record.Lighting1Brightness[mode % kLightingModeCount],
              record.Lighting1Direction[mode % kLightingModeCount]);
  std::printf("  colours:");
  for (std::size_t slot = 0; slot < kLightingColourSlots; ++slot) {
    if (record.Lighting1ColorSelected[mode % kLightingModeCount][slot] != 0) {
      std::printf(" %s", rgb(record.Lighting1FixedColor[mode % kLightingModeCount][slot]).c_str());
    }
  }
  std::printf("\nLighting 2: %s (%s), speed %u, brightness %u, colour %s\n",
              text(record.Lighting2Name).c_str(), record.Lighting2OffOn ? "on" : "off",
              record.Lighting2Speed, record.Lighting2Brightness,
              rgb(record.Lighting2FixedColor).c_str());
}

int showProfile(const Loaded& loaded, std::size_t index) {
  const auto& record = *loaded.profiles.record(index);
  std::printf("Profile %zu: %s\n", index + 1, text(record.pairValue(0)).c_str());
  for (std::size_t i = 1; i < kSettingPairCount; ++i) {
    std::printf("  %s = %s\n", text(record.pairKey(i)).c_str(), text(record.pairValue(i)).c_str());
  }
  std::printf(
      "Polling rate: %s (%s)\n", text(record.PollingRateName).c_str(),
      hexBytes({record.PollingRateValue[0], record.PollingRateValue[1], record.PollingRateValue[2]})
          .c_str());
  showDpi(record, loaded.dpiSteps);
  showLighting(record);
  std::printf("Buttons:\n");
  for (std::size_t k = 0; k < record.keys.size(); ++k) {
    const auto& slot = record.keys[k];
    std::printf("  %zu  %-20s %s", k + 1, text(slot.Name).c_str(),
                hexBytes({slot.Value.type, slot.Value.param1, slot.Value.param2}).c_str());
    if (slot.Value.type == code_type::kMacro) {
      std::printf("  macro %u \"%s\", %u actions", slot.MacroKeyIndex,
                  text(slot.Macro.name).c_str(), slot.Macro.actionCount);
    }
    std::printf("\n");
  }
  std::printf("Settings, as pelorinctl set takes them:\n");
  for (const auto& line : settingLines(record, loaded.dpiSteps))
    std::printf("  %s\n", line.c_str());
  for (std::size_t k = 0; k < record.keys.size(); ++k) {
    std::printf("  button %zu %s\n", k + 1,
                buttonFunctionText(record.keys[k], loaded.texts).c_str());
  }
  return kExitOk;
}

int useProfile(Loaded& loaded, std::size_t index) {
  loaded.config.setCurrentProfile(static_cast<int>(index));
  if (!loaded.config.save()) {
    std::fprintf(stderr, "cannot save the configuration\n");
    return kExitFailure;
  }
  return kExitOk;
}

int exportProfile(const Loaded& loaded, std::size_t index, const std::string& file) {
  if (writeProfileFile(*loaded.profiles.record(index), pathFromUtf8(file))) return kExitOk;
  std::fprintf(stderr, "cannot write %s\n", file.c_str());
  return kExitFailure;
}

int importProfile(Loaded& loaded, std::size_t index, const std::string& file) {
  const bool read = readProfileFile(loaded.profiles, index, pathFromUtf8(file),
                                    loaded.config.slotPath(index), loaded.texts);
  loaded.fitDpiSteps();
  loaded.config.save();
  saveAllProfiles(loaded.profiles, loaded.config);
  if (read) return kExitOk;
  std::fprintf(stderr, "%s is not a usable profile file: profile %zu was reset to its defaults\n",
               file.c_str(), index + 1);
  return kExitFailure;
}

int resetProfile(Loaded& loaded, std::size_t index) {
  loaded.profiles.resetProfile(index, loaded.texts);
  if (writeProfileFile(*loaded.profiles.record(index), loaded.config.slotPath(index))) {
    return kExitOk;
  }
  std::fprintf(stderr, "cannot write the slot file of profile %zu\n", index + 1);
  return kExitFailure;
}

int profileUsage() {
  std::fprintf(stderr,
               "usage: pelorinctl profile list | show N | use N | export N FILE | "
               "import N FILE | reset N   (N = 1..5)\n");
  return kExitUsage;
}

}  // namespace

int runProfile(const Options& options, const Args& args) {
  if (args.empty()) return profileUsage();
  const std::string& verb = args[0];
  const bool withFile = verb == "export" || verb == "import";
  const bool withNumber = withFile || verb == "show" || verb == "use" || verb == "reset";
  if (args.size() != (withFile ? 3u : withNumber ? 2u : 1u)) return profileUsage();
  if (!withNumber && verb != "list") return profileUsage();
  const auto index = withNumber ? profileNumber(args, 1) : std::optional<std::size_t>(0);
  if (!index) return kExitUsage;
  auto loaded = load(options);
  if (!loaded) return kExitFailure;
  if (verb == "list") return listProfiles(*loaded);
  if (verb == "show") return showProfile(*loaded, *index);
  if (verb == "use") return useProfile(*loaded, *index);
  if (verb == "export") return exportProfile(*loaded, *index, args[2]);
  if (verb == "import") return importProfile(*loaded, *index, args[2]);
  return resetProfile(*loaded, *index);
}

int runConfig(const Options& options, const Args& args) {
  if (args.size() != 1 || args[0] != "show") {
    std::fprintf(stderr, "usage: pelorinctl config show\n");
    return kExitUsage;
  }
  const auto loaded = load(options);
  if (!loaded) return kExitFailure;
  std::printf("%s\n", loaded->config.filePath().string().c_str());
  for (std::size_t i = 0; i < kConfigEntryCount; ++i) {
    const auto& entry = loaded->config.entry(i);
    std::printf("  %s=%s\n", text(entry.key).c_str(), text(entry.value).c_str());
  }
  return kExitOk;
}

}  // namespace pelorin::ctl
