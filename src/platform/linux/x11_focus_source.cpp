#include "platform/linux/x11_focus_source.h"

#include <poll.h>
#include <unistd.h>
#include <xcb/res.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string>

#include "common/utf.h"

namespace pelorin {
namespace {

using Programs = std::vector<ProgramIdentity>;

template <typename T>
struct Freed {
  T* p;
  ~Freed() { std::free(p); }
};

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
  const Freed<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr)};
  return reply.p == nullptr ? xcb_atom_t{XCB_ATOM_NONE} : reply.p->atom;
}

// The property's bytes; empty when the window or the property is gone (no error handler runs:
// xcb hands errors back with the reply).
std::string property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t atom, xcb_atom_t type) {
  const Freed<xcb_get_property_reply_t> reply{
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom, type, 0, 4096), nullptr)};
  if (reply.p == nullptr) return {};
  const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.p));
  const int length = xcb_get_property_value_length(reply.p);
  return length > 0 ? std::string(bytes, static_cast<std::size_t>(length)) : std::string();
}

std::uint32_t cardinal(const std::string& bytes) {
  std::uint32_t value = 0;
  if (bytes.size() >= sizeof value) std::memcpy(&value, bytes.data(), sizeof value);
  return value;
}

}  // namespace

std::optional<ProgramIdentity> programOfProcess(int pid) {
  std::error_code error;
  std::string exe =
      std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/exe", error).string();
  if (error || exe.empty()) return std::nullopt;
  // A program replaced on disk while it runs still names its old file.
  constexpr std::string_view kDeleted = " (deleted)";
  if (exe.ends_with(kDeleted)) exe.resize(exe.size() - kDeleted.size());
  const auto slash = exe.find_last_of('/');
  return ProgramIdentity{toUtf16(exe), toUtf16(exe.substr(slash + 1))};
}

std::vector<ProgramIdentity> runningUserPrograms() {
  std::vector<std::pair<int, ProgramIdentity>> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
    const int pid = std::atoi(name.c_str());
    if (auto program = programOfProcess(pid)) found.emplace_back(pid, std::move(*program));
  }
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  Programs programs;
  for (auto& [pid, program] : found) {
    if (std::find(programs.begin(), programs.end(), program) == programs.end()) {
      programs.push_back(std::move(program));
    }
  }
  return programs;
}

struct X11FocusSource::Watch {
  UiDispatcher& ui;
  Report report;
  xcb_connection_t* connection = nullptr;
  xcb_window_t root = 0;
  xcb_atom_t active = XCB_ATOM_NONE;
  xcb_atom_t supported = XCB_ATOM_NONE;
  xcb_atom_t pid = XCB_ATOM_NONE;
  int wake[2] = {-1, -1};
  bool ewmh = false;
  bool resources = false;
  std::optional<Programs> last;

  Watch(UiDispatcher& dispatcher, Report r) : ui(dispatcher), report(std::move(r)) {}
  ~Watch() {
    if (connection != nullptr) xcb_disconnect(connection);
    for (int fd : wake) {
      if (fd >= 0) ::close(fd);
    }
  }

  bool open() {
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0 || ::pipe(wake) != 0) return false;
    root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    active = internAtom(connection, "_NET_ACTIVE_WINDOW");
    supported = internAtom(connection, "_NET_SUPPORTED");
    pid = internAtom(connection, "_NET_WM_PID");
    const xcb_query_extension_reply_t* res = xcb_get_extension_data(connection, &xcb_res_id);
    resources = res != nullptr && res->present != 0;
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    followWindowManager();
    return true;
  }

  // The window manager may start, end or change after the program; each time the root's
  // _NET_SUPPORTED changes, the way of following the focus is chosen again.
  void followWindowManager() {
    const std::string atoms = property(connection, root, supported, XCB_ATOM_ATOM);
    ewmh = false;
    for (std::size_t at = 0; at + 4 <= atoms.size(); at += 4) {
      if (cardinal(atoms.substr(at, 4)) == active) ewmh = true;
    }
    if (ewmh) return;
    const Freed<xcb_query_tree_reply_t> tree{
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr)};
    if (tree.p == nullptr) return;
    const xcb_window_t* children = xcb_query_tree_children(tree.p);
    for (int k = 0; k < xcb_query_tree_children_length(tree.p); ++k) watchFocus(children[k]);
  }

  void watchFocus(xcb_window_t window) {
    const std::uint32_t mask = XCB_EVENT_MASK_FOCUS_CHANGE;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
  }

  xcb_window_t focusedWindow() {
    if (ewmh) return cardinal(property(connection, root, active, XCB_ATOM_WINDOW));
    const Freed<xcb_get_input_focus_reply_t> focus{
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr)};
    if (focus.p == nullptr || focus.p->focus == root || focus.p->focus <= 1) return 0;
    return focus.p->focus;
  }

  // The window's _NET_WM_PID, else (for the many programs that set none) the process the X
  // server knows for the window's client, which it can tell for local clients only.
  std::uint32_t processOf(xcb_window_t window) {
    if (const auto own = cardinal(property(connection, window, pid, XCB_ATOM_CARDINAL))) return own;
    if (!resources) return 0;
    const xcb_res_client_id_spec_t client{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    const Freed<xcb_res_query_client_ids_reply_t> reply{xcb_res_query_client_ids_reply(
        connection, xcb_res_query_client_ids(connection, 1, &client), nullptr)};
    if (reply.p == nullptr) return 0;
    for (auto it = xcb_res_query_client_ids_ids_iterator(reply.p); it.rem > 0;
         xcb_res_client_id_value_next(&it)) {
      if ((it.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) != 0 &&
          xcb_res_client_id_value_value_length(it.data) >= 1) {
        return *xcb_res_client_id_value_value(it.data);
      }
    }
    return 0;
  }

  // The window's program, else its class's instance name; a frame without either passes the
  // question to its parent, up to the top-level window. None for the program's own windows: its
  // dialogs and progress animation never count as the focus leaving the program in use.
  std::optional<Programs> programOf(xcb_window_t window) {
    for (int depth = 0; window != 0 && window != root && depth < 8; ++depth) {
      const std::uint32_t process = processOf(window);
      if (process != 0 && static_cast<pid_t>(process) == ::getpid()) return std::nullopt;
      if (process != 0) {
        if (auto program = programOfProcess(static_cast<int>(process))) return Programs{*program};
      }
      const std::string type = property(connection, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
      const std::string instance = type.substr(0, type.find('\0'));
      if (!instance.empty()) return Programs{ProgramIdentity{u"", toUtf16(instance)}};
      const Freed<xcb_query_tree_reply_t> tree{
          xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr)};
      window = tree.p == nullptr ? 0 : tree.p->parent;
    }
    return Programs{};
  }

  void reportIfChanged(const std::weak_ptr<Watch>& self) {
    std::optional<Programs> now = programOf(focusedWindow());
    if (!now || last == now) return;
    last = now;
    ui.post([self, programs = std::move(*now)] {
      if (auto watch = self.lock()) watch->report(programs);
    });
  }

  // True when the focus may have moved.
  bool handle(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7F) {
      case XCB_PROPERTY_NOTIFY: {
        const auto& e = reinterpret_cast<const xcb_property_notify_event_t&>(event);
        if (e.window != root) return false;
        if (e.atom == supported) followWindowManager();
        return e.atom == active || e.atom == supported;
      }
      case XCB_CREATE_NOTIFY:
        if (!ewmh) watchFocus(reinterpret_cast<const xcb_create_notify_event_t&>(event).window);
        return false;
      case XCB_FOCUS_IN:
        return !ewmh;
      default:
        return false;
    }
  }

  void run(const std::weak_ptr<Watch>& self) {
    reportIfChanged(self);
    for (;;) {
      bool moved = false;
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        moved = handle(*event) || moved;
        std::free(event);
      }
      if (moved) reportIfChanged(self);
      xcb_flush(connection);
      if (xcb_connection_has_error(connection) != 0) return;
      pollfd fds[2] = {{xcb_get_file_descriptor(connection), POLLIN, 0}, {wake[0], POLLIN, 0}};
      if (::poll(fds, 2, -1) < 0 && errno != EINTR) return;
      if (fds[1].revents != 0) return;
    }
  }
};

X11FocusSource::~X11FocusSource() {
  if (thread_.joinable()) {
    const char stop = 1;
    [[maybe_unused]] const auto written = ::write(watch_->wake[1], &stop, 1);
    thread_.join();
  }
}

bool X11FocusSource::start(Report report) {
  auto watch = std::make_shared<Watch>(ui_, std::move(report));
  if (!watch->open()) return false;
  watch_ = watch;
  thread_ = std::thread([watch, self = std::weak_ptr<Watch>(watch)] { watch->run(self); });
  return true;
}

std::vector<ProgramIdentity> X11FocusSource::runningPrograms() const {
  return runningUserPrograms();
}

struct ProcessScanSource::Scan {
  Scan(UiDispatcher& dispatcher, Report r) : ui(dispatcher), report(std::move(r)) {}
  UiDispatcher& ui;
  Report report;
  std::mutex mutex;
  std::condition_variable wake;
  bool stopping = false;

  void run(const std::weak_ptr<Scan>& self) {
    std::optional<Programs> last;
    std::unique_lock lock(mutex);
    while (!stopping) {
      lock.unlock();
      Programs now = runningUserPrograms();
      if (last != now) {
        last = now;
        ui.post([self, now = std::move(now)] {
          if (auto scan = self.lock()) scan->report(now);
        });
      }
      lock.lock();
      wake.wait_for(lock, std::chrono::milliseconds(kPeriodMs), [this] { return stopping; });
    }
  }
};

ProcessScanSource::~ProcessScanSource() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(scan_->mutex);
    scan_->stopping = true;
  }
  scan_->wake.notify_all();
  thread_.join();
}

bool ProcessScanSource::start(Report report) {
  scan_ = std::make_shared<Scan>(ui_, std::move(report));
  thread_ = std::thread([scan = scan_, self = std::weak_ptr<Scan>(scan_)] { scan->run(self); });
  return true;
}

std::vector<ProgramIdentity> ProcessScanSource::runningPrograms() const {
  return runningUserPrograms();
}

std::unique_ptr<FocusSource> createLinuxFocusSource(UiDispatcher& ui) {
  const char* session = std::getenv("XDG_SESSION_TYPE");
  const char* display = std::getenv("DISPLAY");
  const bool wayland = session != nullptr && std::string_view(session) == "wayland";
  if (wayland || display == nullptr || *display == '\0') {
    return std::make_unique<ProcessScanSource>(ui);
  }
  return std::make_unique<X11FocusSource>(ui);
}

}  // namespace pelorin
