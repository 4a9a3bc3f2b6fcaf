#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/x11_window_list.h"
#include "x_client.h"

namespace {

// A real browser window under openbox: Chromium turns the window manager's decorations off
// and draws its own frame.
TEST(ChromiumWindow, IsVisibleAndBorderedAlsoWhenMaximized) {
    char dir[] = "/tmp/zeitfang-chromium-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    const std::string page = std::string(dir) + "/auktion.html";
    std::ofstream(page) << "<meta charset='utf-8'><title>Auktion Grüße 4711</title>Gebot";
    const pid_t pid =
        spawn({"chromium", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
               "--disable-background-networking", "--disable-component-update", "--disable-sync",
               "--user-data-dir=" + std::string(dir) + "/profile", "file://" + page});
    if (pid <= 0)
        GTEST_SKIP() << "no chromium";
    X11WindowList list;
    XClient x;
    std::optional<DesktopWindow> browser;
    EXPECT_TRUE(eventually(
        [&] {
            for (auto& w : list.topLevelWindows()) {
                if (w.title == U"Auktion Grüße 4711 - Chromium" && (w.style & WS_VISIBLE))
                    browser = w;
            }
            return browser.has_value();
        },
        std::chrono::seconds(30)));
    if (browser) {
        EXPECT_EQ(browser->style, WS_VISIBLE | WS_BORDER);
        // Maximized, Chromium drops _GTK_FRAME_EXTENTS but still draws its title bar.
        x.tellWm(
            browser->handle, "_NET_WM_STATE",
            {1, x.atom("_NET_WM_STATE_MAXIMIZED_VERT"), x.atom("_NET_WM_STATE_MAXIMIZED_HORZ")});
        EXPECT_TRUE(
            eventually([&] { return x.get(browser->handle, "_GTK_FRAME_EXTENTS").empty(); }));
        EXPECT_EQ(styleOf(list, browser->handle), WS_VISIBLE | WS_BORDER);
    }
    endProcessGroup(pid);
    std::filesystem::remove_all(dir);
}

} // namespace
