#include "app/window_startup.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

#include "files/unique_fd_posix.h"

namespace zelmora {
namespace {

// The connection that found the X display, held until Qt has made its own:
// an X server started without -noreset (Xvfb, as xvfb-run starts it) resets
// when its last client leaves, and while it resets it takes no connection.
// Letting this one go before Qt connects made the window's start fail now
// and then, right after a window that was the display's last client ended.
xcb_connection_t* held_connection = nullptr;

// An X server that is resetting refuses connections for a moment.
constexpr int kConnectTries = 20;
constexpr std::chrono::milliseconds kBetweenTries{50};

const char* Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

bool XDisplayAnswers() {
  if (!Set("DISPLAY")) return false;
  if (held_connection) return true;
  for (int attempt = 0; attempt < kConnectTries; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(kBetweenTries);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) == 0) {
      held_connection = connection;
      return true;
    }
    xcb_disconnect(connection);
  }
  return false;
}

// A Wayland compositor listens on a socket named by WAYLAND_DISPLAY,
// relative to XDG_RUNTIME_DIR unless absolute; a stale name has none.
bool WaylandAnswers() {
  const char* name = Set("WAYLAND_DISPLAY");
  if (!name) name = "wayland-0";
  std::string path = name;
  if (path.front() != '/') {
    const char* runtime = Set("XDG_RUNTIME_DIR");
    if (!runtime) return false;
    path = std::string(runtime) + "/" + path;
  }
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, path.size());
  const UniqueFd fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  return fd.valid() &&
         connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

// Whether Qt's platform of this name would find its display. Platforms
// that need none (offscreen, minimal, a VNC server of Qt's own) are taken
// at their word.
bool PlatformAnswers(std::string_view platform) {
  platform = platform.substr(0, platform.find(':'));  // without its arguments
  if (platform == "xcb") return XDisplayAnswers();
  if (platform.starts_with("wayland")) return WaylandAnswers();
  return !platform.empty();
}

}  // namespace

// The platforms Qt would try, in its order: those QT_QPA_PLATFORM names
// (separated by semicolons), else Wayland in a Wayland session and X
// otherwise. Any that answers will do.
bool HasDisplay() {
  std::string_view platforms;
  if (const char* asked = Set("QT_QPA_PLATFORM")) {
    platforms = asked;
  } else {
    const char* session = Set("XDG_SESSION_TYPE");
    platforms = session && std::string_view(session) == "wayland" ? "wayland;xcb" : "xcb";
  }
  while (!platforms.empty()) {
    const std::size_t end = platforms.find(';');
    if (PlatformAnswers(platforms.substr(0, end))) return true;
    platforms.remove_prefix(end == std::string_view::npos ? platforms.size() : end + 1);
  }
  return false;
}

void EndDisplayCheck() {
  if (held_connection) xcb_disconnect(held_connection);
  held_connection = nullptr;
}

// Settings stay where Qt keeps them on Linux, and there is no console to let go.
void PrepareForWindow() {}

}  // namespace zelmora
