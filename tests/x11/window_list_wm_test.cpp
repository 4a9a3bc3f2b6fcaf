#include <gtest/gtest.h>

#include "platform/x11_window_list.h"
#include "x_client.h"

namespace {

constexpr std::uint32_t kBoth = WS_VISIBLE | WS_BORDER;

// On the wrapper's display, under openbox.
class WindowListUnderWm : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(eventually([&] {
            const auto check = x.get(x.root(), "_NET_SUPPORTING_WM_CHECK");
            return !check.empty() && x.get(check[0], "_NET_SUPPORTING_WM_CHECK") == check;
        })) << "no window manager on $DISPLAY";
    }
    std::uint32_t styleOf(xcb_window_t w) {
        return findWindow(list, w).value_or(DesktopWindow{}).style;
    }
    void show(xcb_window_t w) {
        x.map(w);
        ASSERT_TRUE(eventually([&] { return styleOf(w) & WS_VISIBLE; })) << "not managed";
    }
    XClient x;
    X11WindowList list;
};

struct StyleCase {
    const char* what;
    std::vector<std::string> types;
    std::vector<std::uint32_t> motif, frameExtents, hideTitlebar;
    std::uint32_t style;
};

TEST_F(WindowListUnderWm, BorderForNormalWindowsWithAFrame) {
    const std::string dock = "_NET_WM_WINDOW_TYPE_DOCK", kde = "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE";
    const std::vector<std::uint32_t> undecorated = {2, 0, 0, 0, 0};
    const StyleCase cases[] = {
        {"plain", {}, {}, {}, {}, kBoth},
        {"dialog", {"_NET_WM_WINDOW_TYPE_DIALOG"}, {}, {}, {}, kBoth},
        {"dock", {dock}, {}, {}, {}, WS_VISIBLE},
        {"splash", {"_NET_WM_WINDOW_TYPE_SPLASH"}, {}, {}, {}, WS_VISIBLE},
        {"private type, then dock", {kde, dock}, {}, {}, {}, WS_VISIBLE},
        {"private type, then normal", {kde, "_NET_WM_WINDOW_TYPE_NORMAL"}, {}, {}, {}, kBoth},
        {"undecorated", {}, undecorated, {}, {}, WS_VISIBLE},
        {"motif hints without decorations", {}, {1, 0, 0, 0, 0}, {}, {}, kBoth},
        {"border only", {}, {2, 0, 2, 0, 0}, {}, {}, kBoth},
        {"client-side frame", {}, undecorated, {4, 4, 0, 4}, {}, kBoth},
        {"own title bar, maximized", {}, undecorated, {}, {1}, kBoth},
        {"title bar hint off", {}, undecorated, {}, {0}, WS_VISIBLE},
        {"dock drawing a frame", {dock}, {}, {4, 4, 0, 4}, {}, WS_VISIBLE},
    };
    std::vector<xcb_window_t> windows;
    for (const auto& c : cases) {
        const auto w = windows.emplace_back(x.create());
        if (!c.types.empty())
            x.setAtoms(w, "_NET_WM_WINDOW_TYPE", c.types);
        if (!c.motif.empty())
            x.set(w, "_MOTIF_WM_HINTS", "_MOTIF_WM_HINTS", c.motif);
        if (!c.frameExtents.empty())
            x.set(w, "_GTK_FRAME_EXTENTS", "CARDINAL", c.frameExtents);
        if (!c.hideTitlebar.empty())
            x.set(w, "_GTK_HIDE_TITLEBAR_WHEN_MAXIMIZED", "CARDINAL", c.hideTitlebar);
        show(w);
    }
    for (std::size_t i = 0; i < windows.size(); ++i)
        EXPECT_EQ(styleOf(windows[i]), cases[i].style) << cases[i].what;
}

TEST_F(WindowListUnderWm, MinimizedOrElsewhereIsNotVisible) {
    const auto minimized = x.create(), elsewhere = x.create(), popup = x.create(true);
    show(minimized);
    show(elsewhere);
    x.map(popup);
    x.tellWm(minimized, "WM_CHANGE_STATE", {3});
    x.tellWm(elsewhere, "_NET_WM_DESKTOP", {1, 2});
    EXPECT_TRUE(eventually([&] { return styleOf(minimized) == WS_BORDER; }));
    EXPECT_TRUE(eventually([&] { return styleOf(elsewhere) == WS_BORDER; }));
    EXPECT_NE(styleOf(popup), kBoth);
}

TEST_F(WindowListUnderWm, TopOfTheStackComesFirst) {
    const auto a = x.create(), b = x.create(), c = x.create();
    show(a);
    show(b);
    show(c);
    EXPECT_EQ(orderOf(list, {a, b, c}), (std::vector<std::uint32_t>{c, b, a}));
    x.tellWm(a, "_NET_ACTIVE_WINDOW", {2, XCB_CURRENT_TIME, 0});
    EXPECT_TRUE(eventually([&] { return orderOf(list, {a, b, c}) == std::vector{a, c, b}; }));
}

TEST_F(WindowListUnderWm, WindowsVanishingMidScanAreLeftOut) {
    const auto stable = x.create();
    show(stable);
    scanWhileWindowsVanish(list, "", stable);
}

} // namespace
