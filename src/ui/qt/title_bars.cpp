#include "ui/qt/title_bars.h"

#include <dlfcn.h>
#include <wayland-client-core.h>
#include <wayland-client-protocol.h>

#include <QtGlobal>
#include <cstring>

#include "ui/qt/widgets.h"

namespace candelor::qt {
namespace {

// libwayland-client, as Qt's Wayland platform has already loaded it. Looked up rather than
// linked: on X11 one more linked library slows every symbol the start-up binds.
struct WaylandClient {
  decltype(&wl_display_connect) connect = nullptr;
  decltype(&wl_display_roundtrip) roundtrip = nullptr;
  decltype(&wl_display_disconnect) disconnect = nullptr;
  decltype(&wl_proxy_marshal_flags) marshal = nullptr;
  decltype(&wl_proxy_add_listener) addListener = nullptr;
  decltype(&wl_proxy_destroy) destroy = nullptr;
  const wl_interface* registryInterface = nullptr;

  bool Load() {
    void* lib = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (!lib) return false;
    connect = reinterpret_cast<decltype(connect)>(dlsym(lib, "wl_display_connect"));
    roundtrip = reinterpret_cast<decltype(roundtrip)>(dlsym(lib, "wl_display_roundtrip"));
    disconnect = reinterpret_cast<decltype(disconnect)>(dlsym(lib, "wl_display_disconnect"));
    marshal = reinterpret_cast<decltype(marshal)>(dlsym(lib, "wl_proxy_marshal_flags"));
    addListener = reinterpret_cast<decltype(addListener)>(dlsym(lib, "wl_proxy_add_listener"));
    destroy = reinterpret_cast<decltype(destroy)>(dlsym(lib, "wl_proxy_destroy"));
    registryInterface = static_cast<const wl_interface*>(dlsym(lib, "wl_registry_interface"));
    dlclose(lib);  // Qt holds it loaded
    return connect && roundtrip && disconnect && marshal && addListener && destroy &&
           registryInterface;
  }
};

// The compositor offers server-side title bars (KDE, sway and the other wlroots desktops), and
// Qt asks for them whenever it is offered; weston and GNOME offer none.
bool CompositorDrawsTitleBars() {
  WaylandClient wl;
  if (!wl.Load()) return false;
  wl_display* display = wl.connect(nullptr);
  if (!display) return false;
  bool offered = false;
  static const wl_registry_listener listener = {
      [](void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
        if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) {
          *static_cast<bool*>(data) = true;
        }
      },
      [](void*, wl_registry*, uint32_t) {},
  };
  auto* registry = wl.marshal(reinterpret_cast<wl_proxy*>(display), WL_DISPLAY_GET_REGISTRY,
                              wl.registryInterface, 1, 0, nullptr);
  bool answered = false;
  if (registry) {
    wl.addListener(registry,
                   reinterpret_cast<void (**)()>(const_cast<wl_registry_listener*>(&listener)),
                   &offered);
    answered = wl.roundtrip(display) >= 0;
    wl.destroy(registry);
  }
  wl.disconnect(display);
  return answered && offered;
}

}  // namespace

void LeaveTitleBarsToCompositor() {
  // Qt reads this once, as it makes its first window; elsewhere it keeps drawing its own.
  if (!CanPlaceWindows() && CompositorDrawsTitleBars()) {
    qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
  }
}

}  // namespace candelor::qt
