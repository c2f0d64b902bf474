#pragma once
// Serves hidraw-like nodes from a FUSE file system: the feature-report ioctls (their sizes are in
// the request codes, so FUSE passes them through), reads that block until an input report comes,
// and poll. Each node is backed by a HidDevice opened anew for every open of the node, so a test
// can back the nodes with the simulated mouse. Nodes are created and deleted through the mount
// itself, so that an inotify watch on the mount sees them come and go as on a device folder.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/hid_bus.h"

struct fuse;

namespace pelorin::testing {

class FuseHandle;

class HidrawFuseServer {
 public:
  using Opener = std::function<std::unique_ptr<HidDevice>()>;

  // Mounts on the folder (which must exist); mounted() tells whether that worked.
  explicit HidrawFuseServer(std::filesystem::path mountPoint);
  // Unmounts; open handles of the nodes then fail.
  ~HidrawFuseServer();
  HidrawFuseServer(const HidrawFuseServer&) = delete;
  HidrawFuseServer& operator=(const HidrawFuseServer&) = delete;

  bool mounted() const { return fuse_ != nullptr; }
  const std::filesystem::path& mountPoint() const { return mountPoint_; }

  // denyOpen: opening the node fails with EACCES, as without the udev rule.
  bool addNode(const std::string& name, Opener opener, bool denyOpen = false);
  // Handles still open on the node read as gone.
  bool removeNode(const std::string& name);

  // The file system's operations reach the server through these.
  bool exists(const std::string& name);
  bool publish(const std::string& name);
  void forget(const std::string& name);
  std::vector<std::string> names();
  // 0 and the new handle, or a negative errno.
  int open(const std::string& name, FuseHandle** handle);
  void release(FuseHandle* handle);

 private:
  struct Node {
    Opener opener;
    bool denyOpen = false;
    bool visible = false;
  };
  struct Open {
    std::string node;
    std::unique_ptr<FuseHandle> handle;
  };

  std::filesystem::path mountPoint_;
  std::mutex mutex_;
  std::map<std::string, Node> nodes_;
  std::map<FuseHandle*, Open> opens_;
  struct fuse* fuse_ = nullptr;
  std::thread loop_;
};

}  // namespace pelorin::testing
