#include "app/window_startup.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace zelmora {

// A platform asked for by name or a Wayland session is taken at its word;
// an X display must answer.
bool HasDisplay() {
  auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  if (set("QT_QPA_PLATFORM") || set("WAYLAND_DISPLAY")) return true;
  if (!set("DISPLAY")) return false;
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}

// Settings stay where Qt keeps them on Linux, and there is no console to let go.
void PrepareForWindow() {}

}  // namespace zelmora
