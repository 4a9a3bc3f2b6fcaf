#include "platform/windows/win32_window_list.h"

#include <windows.h>

#include <unordered_set>

#include "platform/windows/wide_text.h"

namespace {
// Windows reordered during the walk can send GW_HWNDNEXT round in a circle; no desktop holds
// this many windows.
constexpr std::size_t kMaxWindows = 65536;

std::u32string windowTitle(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    // The title may change between the two calls; the buffer's end bounds the copy.
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, title.data(), length + 1);
    title.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return decodeUtf16(title);
}
} // namespace

static_assert(kStyleVisible == WS_VISIBLE && kStyleBorder == WS_BORDER);

std::vector<DesktopWindow> Win32WindowList::topLevelWindows() {
    std::vector<DesktopWindow> windows;
    std::unordered_set<HWND> seen;
    // A window that closes during the walk ends it early: GW_HWNDNEXT of it answers nothing.
    for (HWND w = GetWindow(GetTopWindow(nullptr), GW_HWNDFIRST);
         w && seen.size() < kMaxWindows && seen.insert(w).second; w = GetWindow(w, GW_HWNDNEXT)) {
        const auto style = static_cast<std::uint32_t>(GetWindowLongW(w, GWL_STYLE));
        DesktopWindow d;
        d.handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(w));
        d.style = style;
        if ((style & (WS_VISIBLE | WS_BORDER)) == (WS_VISIBLE | WS_BORDER))
            d.title = windowTitle(w);
        windows.push_back(std::move(d));
    }
    return windows;
}
