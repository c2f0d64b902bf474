#pragma once
// Where the hidraw backend looks: the sysfs root that describes the nodes and the folder that holds
// them. Tests point both at folders of their own.
#include <filesystem>

namespace pelorin {

struct HidrawRoots {
  std::filesystem::path sysfs = "/sys";
  std::filesystem::path dev = "/dev";

  // PELORIN_SYSFS_ROOT and PELORIN_DEV_DIR override the defaults when set and not empty.
  static HidrawRoots fromEnvironment();
};

}  // namespace pelorin
