#include "platform/wayland/compositor_windows.h"

#include <algorithm>
#include <charconv>

#include "base/utf.h"

namespace {

constexpr char kRecordEnd = '\x1e';
constexpr char kFieldSplit = '\x1f';
constexpr std::string_view kHeader = "zf1";
constexpr std::size_t kFieldCount = 5;

template <typename T> std::optional<T> number(std::string_view text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<CompositorWindow> parseRecord(std::string_view record) {
    std::string_view fields[kFieldCount];
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        // The title is last and takes the rest, so a stray split mark in it stays text.
        const std::size_t split = i + 1 < kFieldCount ? record.find(kFieldSplit) : record.npos;
        if (split == record.npos && i + 1 < kFieldCount)
            return std::nullopt;
        fields[i] = record.substr(0, split);
        record.remove_prefix(split == record.npos ? record.size() : split + 1);
    }
    const auto pid = number<std::uint32_t>(fields[0]);
    const auto order = number<std::int64_t>(fields[1]);
    if (!pid || !order)
        return std::nullopt;
    CompositorWindow w;
    w.pid = *pid;
    w.order = *order;
    w.normal = fields[2].find('n') != fields[2].npos;
    w.skipTaskbar = fields[2].find('s') != fields[2].npos;
    w.appId = std::string(fields[3]);
    w.title = decodeUtf8(fields[4]);
    return w;
}

} // namespace

std::optional<std::vector<CompositorWindow>> parseWindowRecords(std::string_view reply) {
    const std::size_t headerEnd = reply.find(kRecordEnd);
    if (headerEnd == reply.npos || reply.substr(0, headerEnd) != kHeader)
        return std::nullopt;
    reply.remove_prefix(headerEnd + 1);
    std::vector<CompositorWindow> windows;
    while (!reply.empty()) {
        const std::size_t end = reply.find(kRecordEnd);
        if (end == reply.npos)
            return std::nullopt; // cut short: the list would lack windows
        auto window = parseRecord(reply.substr(0, end));
        if (!window)
            return std::nullopt;
        windows.push_back(std::move(*window));
        reply.remove_prefix(end + 1);
    }
    return windows;
}

std::vector<DesktopWindow> toDesktopWindows(std::vector<CompositorWindow> windows,
                                            const OwnWindows& own) {
    std::stable_sort(windows.begin(), windows.end(),
                     [](const auto& a, const auto& b) { return a.order > b.order; });
    std::vector<DesktopWindow> result;
    result.reserve(windows.size());
    for (auto& w : windows) {
        const bool ownPid = own.pid != 0 && w.pid == own.pid;
        const bool ownApp =
            std::find(own.appIds.begin(), own.appIds.end(), w.appId) != own.appIds.end();
        if (ownPid || ownApp)
            continue;
        DesktopWindow d;
        // X resource ids use 29 bits, so these never match the own window's id (which is 0 before
        // the window exists).
        d.handle = 0x80000000u | static_cast<std::uint32_t>(result.size());
        // A listed window exists, minimised or not; browsers draw their own frames on Wayland.
        d.style = kStyleVisible | (w.normal && !w.skipTaskbar ? kStyleBorder : 0);
        d.title = std::move(w.title);
        result.push_back(std::move(d));
    }
    return result;
}

WindowBackend chooseBackend(const SessionFacts& s) {
    const bool wayland = s.waylandDisplay || s.sessionType == "wayland";
    if (!wayland)
        return WindowBackend::X11;
    const auto desktopHas = [&](std::string_view name) {
        return s.currentDesktop.find(name) != std::string::npos;
    };
    // Plasma and GNOME sessions are told by their shells on the bus; the desktop name settles a
    // bus that carries both (a KDE program started inside GNOME brings no KWin, but be sure).
    if (s.kwinOnBus && (!s.gnomeShellOnBus || desktopHas("KDE")))
        return WindowBackend::KWin;
    if (s.gnomeShellOnBus)
        return WindowBackend::Gnome;
    if (s.wlrToplevelGlobal)
        return WindowBackend::Wlroots;
    return WindowBackend::X11;
}

const char* backendName(WindowBackend backend) {
    switch (backend) {
    case WindowBackend::KWin:
        return "KWin";
    case WindowBackend::Gnome:
        return "GNOME Shell";
    case WindowBackend::Wlroots:
        return "wlr-foreign-toplevel";
    case WindowBackend::X11:
        break;
    }
    return "X11";
}
