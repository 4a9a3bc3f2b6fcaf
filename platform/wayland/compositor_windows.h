#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/desktop_window.h"

// A window as a Wayland compositor or shell describes it.
struct CompositorWindow {
    std::uint32_t pid = 0; // 0: unknown
    std::string appId;
    std::u32string title;
    bool normal = true; // an ordinary application window, not a panel, menu or dialog helper
    bool skipTaskbar = false;
    std::int64_t order = 0; // higher is nearer the top
};

// What identifies the program's own windows in a compositor's list.
struct OwnWindows {
    std::uint32_t pid = 0;
    std::vector<std::string> appIds;
};

// The records the KWin script and the GNOME Shell extension send: one window per record,
// records ended by U+001E, fields split by U+001F: pid, order, flags ("n" normal, "s" skipped by
// the task bar; "m" minimised, which changes nothing here: a minimised window is still
// visible), app id, title. The reply starts with the record "zf1".
// Nothing when the reply is not of this shape.
std::optional<std::vector<CompositorWindow>> parseWindowRecords(std::string_view reply);

// The windows top first with the style bits the scan tests; the own windows left out.
std::vector<DesktopWindow> toDesktopWindows(std::vector<CompositorWindow> windows,
                                            const OwnWindows& own);

enum class WindowBackend { X11, KWin, Gnome, Wlroots };

struct SessionFacts {
    bool waylandDisplay = false;    // WAYLAND_DISPLAY set
    std::string sessionType;        // XDG_SESSION_TYPE
    std::string currentDesktop;     // XDG_CURRENT_DESKTOP
    bool kwinOnBus = false;         // org.kde.KWin owned on the session bus
    bool gnomeShellOnBus = false;   // org.gnome.Shell owned on the session bus
    bool wlrToplevelGlobal = false; // zwlr_foreign_toplevel_manager_v1 offered
};

// The window list a session offers; the X11 list when none of the Wayland ones is there.
WindowBackend chooseBackend(const SessionFacts& session);
const char* backendName(WindowBackend backend);
