#include "linux_hid/fake_sysfs.h"

#include <cstdio>
#include <fstream>

namespace pelorin::testing {

namespace fs = std::filesystem;

FakeSysfs::FakeSysfs(fs::path root) : root_(std::move(root)) {
  fs::create_directories(root_ / "class" / "hidraw");
}

void FakeSysfs::add(const FakeHidNode& node) const {
  fs::path device = root_ / "devices" / node.devicePath;
  fs::path folder = device / "hidraw" / node.name;
  fs::create_directories(folder);
  char hidId[40];
  std::snprintf(hidId, sizeof hidId, "HID_ID=0003:%08X:%08X", unsigned{node.vendorId},
                unsigned{node.productId});
  std::ofstream(device / "uevent") << "DRIVER=hid-generic\n" << hidId << "\nHID_NAME=Mouse\n";
  std::ofstream(device / "report_descriptor", std::ios::binary)
      .write(reinterpret_cast<const char*>(node.descriptor.data()),
             static_cast<std::streamsize>(node.descriptor.size()));
  std::ofstream(folder / "uevent") << "MAJOR=242\nDEVNAME=" << node.name << "\n";
  fs::create_directory_symlink("../..", folder / "device");
  fs::create_directory_symlink(fs::relative(folder, root_ / "class" / "hidraw"),
                               root_ / "class" / "hidraw" / node.name);
}

void FakeSysfs::remove(const std::string& name) const {
  fs::path link = root_ / "class" / "hidraw" / name;
  fs::path folder = fs::canonical(link);
  fs::remove(link);
  fs::remove_all(folder.parent_path().parent_path());  // the HID device with its node
}

}  // namespace pelorin::testing
