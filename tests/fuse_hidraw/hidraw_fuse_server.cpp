#define FUSE_USE_VERSION 312
#include "fuse_hidraw/hidraw_fuse_server.h"

#include <fcntl.h>
#include <fuse3/fuse.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "fuse_hidraw/fuse_handle.h"

namespace pelorin::testing {
namespace {

HidrawFuseServer& server() {
  return *static_cast<HidrawFuseServer*>(fuse_get_context()->private_data);
}

// "/hidraw3" -> "hidraw3"; the served folder has no subfolders.
std::string nameOf(const char* path) {
  return std::string(path + 1);
}

FuseHandle* handleOf(const fuse_file_info* file) {
  return reinterpret_cast<FuseHandle*>(static_cast<std::uintptr_t>(file->fh));
}

void* init(fuse_conn_info*, fuse_config* config) {
  // Nothing may be cached: nodes come and go, and every read must reach the device.
  config->entry_timeout = 0;
  config->attr_timeout = 0;
  config->negative_timeout = 0;
  config->direct_io = 1;
  // Open handles of a removed node stay usable for their owner (to fail), without hidden files.
  config->hard_remove = 1;
  config->nullpath_ok = 1;
  return fuse_get_context()->private_data;
}

int getattr(const char* path, struct stat* st, fuse_file_info*) {
  std::memset(st, 0, sizeof *st);
  if (std::strcmp(path, "/") == 0) {
    st->st_mode = S_IFDIR | 0755;
    st->st_nlink = 2;
    return 0;
  }
  if (!server().exists(nameOf(path))) return -ENOENT;
  // A regular file: a character device on FUSE would be opened by the kernel's driver instead.
  st->st_mode = S_IFREG | 0600;
  st->st_nlink = 1;
  return 0;
}

int readdir(const char*, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*,
            fuse_readdir_flags) {
  fill(buffer, ".", nullptr, 0, fuse_fill_dir_flags{});
  fill(buffer, "..", nullptr, 0, fuse_fill_dir_flags{});
  for (const auto& name : server().names()) fill(buffer, name.c_str(), nullptr, 0, {});
  return 0;
}

int mknod(const char* path, mode_t, dev_t) {
  return server().publish(nameOf(path)) ? 0 : -EPERM;
}

int unlink(const char* path) {
  server().forget(nameOf(path));
  return 0;
}

int open(const char* path, fuse_file_info* file) {
  FuseHandle* handle = nullptr;
  int result = server().open(nameOf(path), &handle);
  if (result != 0) return result;
  file->fh = reinterpret_cast<std::uintptr_t>(handle);
  file->direct_io = 1;
  file->nonseekable = 1;
  return 0;
}

int release(const char*, fuse_file_info* file) {
  server().release(handleOf(file));
  return 0;
}

int read(const char*, char* buffer, size_t size, off_t, fuse_file_info* file) {
  return handleOf(file)->read(buffer, size, (file->flags & O_NONBLOCK) != 0);
}

int poll(const char*, fuse_file_info* file, fuse_pollhandle* poller, unsigned* events) {
  *events = handleOf(file)->poll(poller);
  return 0;
}

int ioctl(const char*, unsigned int command, void*, fuse_file_info* file, unsigned int flags,
          void* data) {
  if ((flags & FUSE_IOCTL_COMPAT) != 0) return -ENOSYS;
  return handleOf(file)->ioctl(command, data);
}

fuse_operations operations() {
  fuse_operations ops{};
  ops.init = init;
  ops.getattr = getattr;
  ops.readdir = readdir;
  ops.mknod = mknod;
  ops.unlink = unlink;
  ops.open = open;
  ops.release = release;
  ops.read = read;
  ops.poll = poll;
  ops.ioctl = ioctl;
  return ops;
}

}  // namespace

HidrawFuseServer::HidrawFuseServer(std::filesystem::path mountPoint)
    : mountPoint_(std::move(mountPoint)) {
  // auto_unmount: fusermount3 removes the mount even when the test process is killed.
  const char* argv[] = {"pelorin-hidraw-fixture", "-o", "auto_unmount"};
  fuse_args args = FUSE_ARGS_INIT(3, const_cast<char**>(argv));
  const fuse_operations ops = operations();
  fuse_ = fuse_new(&args, &ops, sizeof ops, this);
  fuse_opt_free_args(&args);
  if (fuse_ != nullptr && fuse_mount(fuse_, mountPoint_.c_str()) != 0) {
    fuse_destroy(fuse_);
    fuse_ = nullptr;
  }
  if (fuse_ == nullptr) return;
  loop_ = std::thread([this] {
    fuse_loop_config* config = fuse_loop_cfg_create();
    fuse_loop_cfg_set_max_threads(config, 32);
    fuse_loop_mt(fuse_, config);
    fuse_loop_cfg_destroy(config);
  });
}

HidrawFuseServer::~HidrawFuseServer() {
  if (fuse_ == nullptr) return;
  {
    std::lock_guard lock(mutex_);
    for (auto& [raw, open] : opens_) open.handle->end();
  }
  // Unmounting first ends the kernel side, so the loop's readers of /dev/fuse return before the
  // descriptor is closed under them. Without the right to unmount, libfuse does both at once.
  bool detached = ::umount2(mountPoint_.c_str(), MNT_DETACH) == 0;
  if (!detached) {
    fuse_exit(fuse_);
    fuse_unmount(fuse_);
  }
  loop_.join();
  if (detached) fuse_unmount(fuse_);
  opens_.clear();  // handles the kernel never released, now that no request can come
  fuse_destroy(fuse_);
}

bool HidrawFuseServer::addNode(const std::string& name, Opener opener, bool denyOpen) {
  {
    std::lock_guard lock(mutex_);
    nodes_[name] = Node{std::move(opener), denyOpen, false};
  }
  // Through the mount, so that watchers of the folder see the node arrive.
  return ::mknod((mountPoint_ / name).c_str(), S_IFREG | 0600, 0) == 0;
}

bool HidrawFuseServer::removeNode(const std::string& name) {
  return ::unlink((mountPoint_ / name).c_str()) == 0;
}

bool HidrawFuseServer::exists(const std::string& name) {
  std::lock_guard lock(mutex_);
  auto it = nodes_.find(name);
  return it != nodes_.end() && it->second.visible;
}

bool HidrawFuseServer::publish(const std::string& name) {
  std::lock_guard lock(mutex_);
  auto it = nodes_.find(name);
  if (it == nodes_.end()) return false;
  it->second.visible = true;
  return true;
}

void HidrawFuseServer::forget(const std::string& name) {
  std::lock_guard lock(mutex_);
  nodes_.erase(name);
  for (auto& [raw, open] : opens_) {
    if (open.node == name) open.handle->end();
  }
}

std::vector<std::string> HidrawFuseServer::names() {
  std::lock_guard lock(mutex_);
  std::vector<std::string> result;
  for (const auto& [name, node] : nodes_) {
    if (node.visible) result.push_back(name);
  }
  return result;
}

int HidrawFuseServer::open(const std::string& name, FuseHandle** handle) {
  Opener opener;
  {
    std::lock_guard lock(mutex_);
    auto it = nodes_.find(name);
    if (it == nodes_.end() || !it->second.visible) return -ENOENT;
    if (it->second.denyOpen) return -EACCES;
    opener = it->second.opener;
  }
  auto device = opener();
  if (!device) return -ENODEV;
  auto owned = std::make_unique<FuseHandle>(std::move(device));
  *handle = owned.get();
  std::lock_guard lock(mutex_);
  opens_.emplace(*handle, Open{name, std::move(owned)});
  return 0;
}

void HidrawFuseServer::release(FuseHandle* handle) {
  std::unique_ptr<FuseHandle> owned;
  {
    std::lock_guard lock(mutex_);
    auto it = opens_.find(handle);
    if (it == opens_.end()) return;
    owned = std::move(it->second.handle);
    opens_.erase(it);
  }
  // Destroyed outside the lock: stopping its pump may wait for a read in progress.
}

}  // namespace pelorin::testing
