#include "qt/display_check.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace tabrino::qt {

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// A local X display (":0", ":1.0") has its socket in /tmp/.X11-unix.
bool xDisplayThere(const std::string& display) {
    if (display.empty()) return false;
    if (display.front() != ':') return true;  // remote or unusual: let Qt try
    std::string number = display.substr(1);
    number = number.substr(0, number.find('.'));
    if (number.empty()) return false;
    std::error_code ec;
    return std::filesystem::exists("/tmp/.X11-unix/X" + number, ec) || ec;
}

struct Reason {
    std::string es, en;
};

std::string message(const Reason& why) {
    return "No se encontró una pantalla (" + why.es +
           "). El Tabrino de Hockey necesita un escritorio para mostrar sus ventanas.\n"
           "No display found (" +
           why.en +
           "). Tabrino de Hockey needs a desktop to show its windows.\n"
           "Sin pantalla / without a screen: xvfb-run -s '-screen 0 1280x720x24' build/tabrino";
}

}  // namespace

std::string missingDisplay() {
    const std::string platforms = env("QT_QPA_PLATFORM");
    const std::string display = env("DISPLAY"), wayland = env("WAYLAND_DISPLAY");
    if (platforms.empty()) {
        if (!wayland.empty() || xDisplayThere(display)) return {};
        if (display.empty()) return message({"DISPLAY no está definido", "DISPLAY is not set"});
        return message({"DISPLAY=" + display + " no responde", "DISPLAY=" + display + " does not answer"});
    }
    // A list such as "wayland;xcb": one platform that can start is enough.
    std::string_view rest = platforms;
    while (!rest.empty()) {
        const auto cut = rest.find(';');
        std::string_view item = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
        const std::string name(item.substr(0, item.find(':')));
        if (name == "xcb") {
            if (xDisplayThere(display)) return {};
        } else if (name.rfind("wayland", 0) == 0) {
            if (!wayland.empty()) return {};
        } else if (!name.empty()) {
            return {};  // offscreen, vnc, eglfs...: no display needed
        }
    }
    const std::string setting = "QT_QPA_PLATFORM=" + platforms + ", DISPLAY=" + (display.empty() ? "-" : display);
    return message({"ninguna plataforma de " + setting + " puede abrirse", "no platform of " + setting + " can open"});
}

}  // namespace tabrino::qt
