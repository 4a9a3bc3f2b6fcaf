#include <gtest/gtest.h>

#include "platform/x11_window_list.h"
#include "x_client.h"

namespace {

constexpr std::uint32_t kBoth = WS_VISIBLE | WS_BORDER;

// On an Xvfb of its own without a window manager: the root's children are the list.
class WindowListWithoutWm : public ::testing::Test {
  protected:
    OwnXServer server;
    XClient x{server.display()};
    X11WindowList list{server.display()};
};

struct StyleCase {
    const char* what;
    bool overrideRedirect, mapped;
    std::vector<std::string> netWmState;
    std::vector<std::uint32_t> wmState;
    std::uint32_t style;
};

TEST_F(WindowListWithoutWm, VisibleMeansViewableNotHiddenNotIconic) {
    const StyleCase cases[] = {
        {"mapped", false, true, {}, {}, kBoth},
        {"never mapped", false, false, {}, {}, WS_BORDER},
        {"override-redirect", true, true, {}, {}, WS_VISIBLE},
        {"hidden", false, true, {"_NET_WM_STATE_HIDDEN"}, {}, WS_BORDER},
        {"maximized", false, true, {"_NET_WM_STATE_MAXIMIZED_VERT"}, {}, kBoth},
        {"iconic", false, true, {}, {3, 0}, WS_BORDER},
        {"normal state", false, true, {}, {1, 0}, kBoth},
    };
    std::vector<xcb_window_t> windows;
    for (const auto& c : cases) {
        const auto w = windows.emplace_back(x.create(c.overrideRedirect));
        if (!c.netWmState.empty())
            x.setAtoms(w, "_NET_WM_STATE", c.netWmState);
        if (!c.wmState.empty())
            x.set(w, "WM_STATE", "WM_STATE", c.wmState);
        if (c.mapped)
            x.map(w);
    }
    for (std::size_t i = 0; i < windows.size(); ++i)
        EXPECT_EQ(findWindow(list, windows[i]).value_or(DesktopWindow{}).style, cases[i].style)
            << cases[i].what;
}

TEST_F(WindowListWithoutWm, ClientInsideAFrameIsFoundByWmState) {
    const auto frame = x.create(true), plate = x.create(false, frame);
    const auto client = x.create(false, plate), bare = x.create(), inner = x.create(false, bare);
    x.set(client, "WM_STATE", "WM_STATE", {1, 0});
    for (const auto w : {frame, plate, client, bare, inner})
        x.map(w);
    EXPECT_EQ(orderOf(list, {frame, plate, client, bare, inner}),
              (std::vector<std::uint32_t>{bare, client}));
}

TEST_F(WindowListWithoutWm, OnlyALiveWindowManagerIsBelieved) {
    const auto shown = x.create(), listed = x.create(), gone = x.create(), live = x.create();
    x.set(x.root(), "_NET_CLIENT_LIST_STACKING", "WINDOW", std::vector{listed});
    x.set(listed, "_NET_SUPPORTING_WM_CHECK", "WINDOW", std::vector{live});
    x.set(live, "_NET_SUPPORTING_WM_CHECK", "WINDOW", std::vector{live});
    xcb_destroy_window(x.c(), gone);
    const struct {
        xcb_window_t check;
        bool believed;
    } cases[] = {{gone, false}, {shown, false}, {listed, false}, {live, true}};
    for (const auto& c : cases) {
        x.set(x.root(), "_NET_SUPPORTING_WM_CHECK", "WINDOW", std::vector{c.check});
        x.sync();
        const auto expected = c.believed ? std::vector{listed} : std::vector{listed, shown};
        EXPECT_EQ(orderOf(list, {shown, listed}), expected) << "check window " << c.check;
    }
}

TEST_F(WindowListWithoutWm, TopOfTheStackComesFirst) {
    const auto a = x.create(), b = x.create(), c = x.create();
    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(x.c(), a, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    x.sync();
    EXPECT_EQ(orderOf(list, {a, b, c}), (std::vector<std::uint32_t>{a, c, b}));
}

struct TitleCase {
    const char* what;
    std::optional<std::string> netWmName;
    std::string wmNameType;
    std::string wmName;
    std::u32string title;
};

TEST_F(WindowListWithoutWm, TitlesCountCharacters) {
    const std::string latin1 = "Gr\xFC\xDF"
                               "e";
    const TitleCase cases[] = {
        {"UTF-8 with umlauts", "Grüße aus Köln", "", "", U"Grüße aus Köln"},
        {"_NET_WM_NAME first", "Neu", "STRING", "Alt", U"Neu"},
        {"Latin-1 WM_NAME", std::nullopt, "STRING", latin1, U"Grüße"},
        {"UTF-8 WM_NAME", std::nullopt, "UTF8_STRING", "Grüße", U"Grüße"},
        {"COMPOUND_TEXT WM_NAME", std::nullopt, "COMPOUND_TEXT", latin1, U"Grüße"},
        {"invalid, valid WM_NAME", latin1, "STRING", latin1, U"Grüße"},
        {"invalid alone", "a\xFF", "", "", U"a\uFFFD"},
        {"both invalid", "a\xFF", "UTF8_STRING", "b\xFF", U"a\uFFFD"},
        {"100,000 characters", std::string(100'000, 'x') + "ä", "", "",
         std::u32string(100'000, U'x') + U"ä"},
    };
    std::vector<xcb_window_t> windows;
    for (const auto& c : cases) {
        const auto w = windows.emplace_back(x.create());
        if (c.netWmName)
            x.setText(w, "_NET_WM_NAME", "UTF8_STRING", *c.netWmName);
        if (!c.wmNameType.empty())
            x.setText(w, "WM_NAME", c.wmNameType, c.wmName);
    }
    x.sync();
    for (std::size_t i = 0; i < windows.size(); ++i)
        EXPECT_TRUE(findWindow(list, windows[i]).value_or(DesktopWindow{}).title == cases[i].title)
            << cases[i].what;
}

TEST_F(WindowListWithoutWm, WindowsVanishingMidScanAreLeftOut) {
    const auto stable = x.create();
    x.map(stable);
    scanWhileWindowsVanish(list, server.display(), stable);
}

TEST(WindowListServer, GoneServerGivesEmptyListWithoutCrashing) {
    OwnXServer server;
    X11WindowList list(server.display());
    XClient x(server.display());
    const auto w = x.create();
    x.map(w);
    ASSERT_TRUE(findWindow(list, w));
    server.stop();
    EXPECT_TRUE(list.topLevelWindows().empty());
    EXPECT_TRUE(list.topLevelWindows().empty());
    EXPECT_TRUE(X11WindowList(server.display()).topLevelWindows().empty());
}

} // namespace
