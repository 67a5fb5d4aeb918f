// Types key chords and clicks into KWin through its fake-input protocol
// (org_kde_kwin_fake_input), as a keyboard and a mouse would. Each run is a device of its own.
// KWin offers the protocol only to a program whose desktop entry (found by its Exec= path)
// lists the interface in X-KDE-Wayland-Interfaces; the test writes that entry.
//   lock_kwin_keys CHORD|wait:MS|click:X,Y ...
// A chord is keys joined by '+', pressed in order and released in reverse (super+Escape,
// alt+F4); click:X,Y moves the pointer there and clicks the left button. Exits 0 when the
// compositor offered the protocol and took every request.
#include "fake-input-client-protocol.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>
#include <wayland-client.h>

namespace {
org_kde_kwin_fake_input* g_input = nullptr;

void onGlobal(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        g_input = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
}
void onGlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistry = {onGlobal, onGlobalRemove};

// Linux input event codes of the keys the tests type.
const std::map<std::string, uint32_t> kKeys = {
    {"super", 125}, {"alt", 56}, {"ctrl", 29}, {"shift", 42}, {"Escape", 1}, {"Tab", 15},
    {"Return", 28}, {"F1", 59},  {"F2", 60},   {"F3", 61},    {"F4", 62},    {"F10", 68},
    {"space", 57},  {"t", 20},   {"l", 38},    {"x", 45},     {"d", 32},
};
constexpr uint32_t kLeftButton = 0x110;
} // namespace

int main(int argc, char** argv)
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistry, nullptr);
    wl_display_roundtrip(display);
    if (!g_input) {
        std::fprintf(stderr, "the compositor does not offer fake input to this program\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(g_input, "Pommelot lock test", "types test keys");
    wl_display_roundtrip(display);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("wait:", 0) == 0) {
            wl_display_roundtrip(display);
            std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(arg.substr(5))));
            continue;
        }
        if (arg.rfind("click:", 0) == 0) {
            const size_t comma = arg.find(',');
            const double x = std::stod(arg.substr(6, comma - 6));
            const double y = std::stod(arg.substr(comma + 1));
            org_kde_kwin_fake_input_pointer_motion_absolute(g_input, wl_fixed_from_double(x),
                                                            wl_fixed_from_double(y));
            wl_display_roundtrip(display);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            org_kde_kwin_fake_input_button(g_input, kLeftButton, 1);
            org_kde_kwin_fake_input_button(g_input, kLeftButton, 0);
            wl_display_roundtrip(display);
            continue;
        }
        std::vector<uint32_t> chord;
        size_t start = 0;
        while (start <= arg.size()) {
            const size_t plus = arg.find('+', start);
            const std::string name =
                arg.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
            const auto key = kKeys.find(name);
            if (key == kKeys.end()) {
                std::fprintf(stderr, "unknown key %s\n", name.c_str());
                return 2;
            }
            chord.push_back(key->second);
            if (plus == std::string::npos)
                break;
            start = plus + 1;
        }
        for (uint32_t key : chord)
            org_kde_kwin_fake_input_keyboard_key(g_input, key, 1);
        wl_display_roundtrip(display);
        for (auto it = chord.rbegin(); it != chord.rend(); ++it)
            org_kde_kwin_fake_input_keyboard_key(g_input, *it, 0);
        wl_display_roundtrip(display);
    }
    const bool ok = wl_display_roundtrip(display) >= 0;
    org_kde_kwin_fake_input_destroy(g_input);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return ok ? 0 : 1;
}
