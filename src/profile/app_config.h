#pragma once
// The application configuration ("config.ini"): what is not part of a profile. Seventeen
// key/value entries kept in a fixed order and addressed by position; the keys in a file are
// carried along but never compared.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "common/stdio_file_ex.h"
#include "profile/profile_table.h"
#include "profile/sensor_model.h"
#include "profile/setting_pair.h"

namespace pelorin {

enum class ConfigEntry : std::size_t {
  NeedPassword,
  Sensor,
  PreST,
  Mac_ID,
  DataChange,
  CurrentProfile,
  ProfileShowCount,
  ProfileShowList0,
  ProfileShowList1,
  ProfileShowList2,
  ProfileShowList3,
  ProfileShowList4,
  ProfileSlot0URL,
  ProfileSlot1URL,
  ProfileSlot2URL,
  ProfileSlot3URL,
  ProfileSlot4URL,
};

inline constexpr std::size_t kConfigEntryCount = 17;
inline constexpr char kConfigFileName[] = "config.ini";

// Display order of the profiles: the first showCount entries are shown, the rest are hidden in
// the order in which they will be shown again.
struct ShowList {
  int count = 0;
  std::array<int, kProfileCount> order{};

  friend bool operator==(const ShowList&, const ShowList&) = default;
  // A permutation of 0..4 with a count of 0..5.
  bool valid() const;
};

class AppConfig {
 public:
  // Every entry starts empty until the file is read or the defaults are set.
  explicit AppConfig(std::filesystem::path dataFolder);

  const std::filesystem::path& dataFolder() const { return dataFolder_; }
  std::filesystem::path filePath() const;

  const SettingPair& entry(std::size_t position) const { return entries_.at(position); }
  const std::u16string& value(ConfigEntry entry) const;

  void setDefaults();
  // Takes the entries of a file by position. False for a missing or wrong header, a line without
  // a key or a value, or more lines than entries; the entries before the bad line are changed.
  bool parse(const CStdioFileEx::Lines& lines);
  CStdioFileEx::Lines format() const;
  bool read();
  bool save() const;

  int needPassword() const;
  SensorModel sensor() const;
  std::uint16_t preST() const;
  int currentProfile() const;
  ShowList showList() const;
  std::filesystem::path slotPath(std::size_t profile) const;

  // Setters change the table only; the caller saves.
  void setSensor(SensorModel sensor);
  void setPreST(std::uint16_t value);
  void setCurrentProfile(int profile);
  // Refuses a list that is not a permutation of 0..4 with a count of 0..5.
  bool setShowList(const ShowList& list);

 private:
  std::u16string& at(ConfigEntry entry);
  int decimal(ConfigEntry entry) const;

  std::filesystem::path dataFolder_;
  std::array<SettingPair, kConfigEntryCount> entries_{};
};

// "0x%4X": at least four upper-case digits, padded on the left with spaces.
std::u16string sensorText(std::uint16_t value);
// Hexadecimal with an optional "0x" prefix; what follows the digits is ignored. 16 bits kept.
std::uint16_t parseSensorText(std::u16string_view text);

}  // namespace pelorin
