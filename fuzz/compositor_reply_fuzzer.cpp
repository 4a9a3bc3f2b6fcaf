// Window lists as the KWin script or the GNOME extension answer: any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/logic/compositor_windows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const auto windows = parseWindowRecords(reply);
    if (!windows)
        return 0;
    const auto shown = toDesktopWindows(*windows, OwnWindows{1, {"zeitfang"}});
    // Every listed window but the own ones is shown, each at least as existing.
    std::size_t own = 0;
    for (const auto& w : *windows)
        own += w.pid == 1 || w.appId == "zeitfang";
    if (shown.size() + own != windows->size())
        std::abort();
    for (const auto& w : shown)
        if (!(w.style & WS_VISIBLE) || (w.handle & 0x80000000u) == 0)
            std::abort();
    return 0;
}
