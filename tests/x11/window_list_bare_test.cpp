#include <gtest/gtest.h>

#include "platform/x11_window_list.h"
#include "x_client.h"

namespace {

constexpr std::uint32_t kBoth = WS_VISIBLE | WS_BORDER;

// On an Xvfb of its own without a window manager: the root's children are the list.
class WindowListWithoutWm : public ::testing::Test {
  protected:
    OwnXServer server;
    XClient x{server.display};
    X11WindowList list{server.display};
};

// The window manager draws the frame unless Motif hints turn it off; Chromium and GTK header
// bars draw their own. Visible means viewable, not hidden and not iconic.
TEST_F(WindowListWithoutWm, StyleBitsFollowStateTypeAndFrame) {
    const std::string dock = "_NET_WM_WINDOW_TYPE_DOCK", kde = "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE";
    const std::vector<std::uint32_t> undecorated = {2, 0, 0, 0, 0}, extents = {4, 4, 0, 4};
    const struct {
        const char* what;
        bool overrideRedirect = false, mapped = true;
        std::vector<std::string> netWmState{}, types{};
        std::vector<std::uint32_t> wmState{}, motif{}, frameExtents{}, hideTitlebar{};
        std::uint32_t style;
    } cases[] = {
        {.what = "mapped", .style = kBoth},
        {.what = "never mapped", .mapped = false, .style = WS_BORDER},
        {.what = "override-redirect", .overrideRedirect = true, .style = WS_VISIBLE},
        {.what = "hidden", .netWmState = {"_NET_WM_STATE_HIDDEN"}, .style = WS_BORDER},
        {.what = "maximized", .netWmState = {"_NET_WM_STATE_MAXIMIZED_VERT"}, .style = kBoth},
        {.what = "iconic", .wmState = {3, 0}, .style = WS_BORDER},
        {.what = "normal state", .wmState = {1, 0}, .style = kBoth},
        {.what = "dialog", .types = {"_NET_WM_WINDOW_TYPE_DIALOG"}, .style = kBoth},
        {.what = "dock", .types = {dock}, .style = WS_VISIBLE},
        {.what = "splash", .types = {"_NET_WM_WINDOW_TYPE_SPLASH"}, .style = WS_VISIBLE},
        {.what = "private type, dock", .types = {kde, dock}, .style = WS_VISIBLE},
        {.what = "private type, normal",
         .types = {kde, "_NET_WM_WINDOW_TYPE_NORMAL"},
         .style = kBoth},
        {.what = "undecorated", .motif = undecorated, .style = WS_VISIBLE},
        {.what = "decorations not given", .motif = {1, 0, 0, 0, 0}, .style = kBoth},
        {.what = "border only", .motif = {2, 0, 2, 0, 0}, .style = kBoth},
        {.what = "client-side frame",
         .motif = undecorated,
         .frameExtents = extents,
         .style = kBoth},
        {.what = "own title bar", .motif = undecorated, .hideTitlebar = {1}, .style = kBoth},
        {.what = "title bar hint off",
         .motif = undecorated,
         .hideTitlebar = {0},
         .style = WS_VISIBLE},
        {.what = "dock drawing a frame",
         .types = {dock},
         .frameExtents = extents,
         .style = WS_VISIBLE},
    };
    for (const auto& c : cases) {
        const auto w = x.create(c.overrideRedirect);
        x.setAtoms(w, "_NET_WM_STATE", c.netWmState);
        if (!c.types.empty())
            x.setAtoms(w, "_NET_WM_WINDOW_TYPE", c.types);
        const std::pair<const char*, const std::vector<std::uint32_t>&> cardinals[] = {
            {"WM_STATE", c.wmState},
            {"_MOTIF_WM_HINTS", c.motif},
            {"_GTK_FRAME_EXTENTS", c.frameExtents},
            {"_GTK_HIDE_TITLEBAR_WHEN_MAXIMIZED", c.hideTitlebar}};
        for (const auto& [name, values] : cardinals) {
            if (!values.empty())
                x.set(w, name, "CARDINAL", values);
        }
        if (c.mapped)
            x.map(w);
        x.sync();
        EXPECT_EQ(styleOf(list, w), c.style) << c.what;
    }
}

TEST_F(WindowListWithoutWm, ClientInsideAFrameIsFoundByWmStateTopFirst) {
    const auto frame = x.create(true), plate = x.create(false, frame);
    const auto client = x.create(false, plate), bare = x.create(), inner = x.create(false, bare);
    const auto below = x.create();
    x.set(client, "WM_STATE", "WM_STATE", {1, 0});
    for (const auto w : {frame, plate, client, bare, inner, below})
        x.map(w);
    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(x.c(), frame, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    x.sync();
    EXPECT_EQ(orderOf(list, {frame, plate, client, bare, inner, below}),
              (std::vector{client, below, bare}));
}

TEST_F(WindowListWithoutWm, OnlyALiveWindowManagerIsBelieved) {
    const auto shown = x.create(), listed = x.create(), gone = x.create(), live = x.create();
    x.set(x.root, "_NET_CLIENT_LIST_STACKING", "WINDOW", {listed});
    x.set(listed, "_NET_SUPPORTING_WM_CHECK", "WINDOW", {live});
    x.set(live, "_NET_SUPPORTING_WM_CHECK", "WINDOW", {live});
    xcb_destroy_window(x.c(), gone);
    for (const auto check : {gone, shown, listed, live}) {
        x.set(x.root, "_NET_SUPPORTING_WM_CHECK", "WINDOW", {check});
        x.sync();
        const auto expected = check == live ? std::vector{listed} : std::vector{listed, shown};
        EXPECT_EQ(orderOf(list, {shown, listed}), expected) << "check window " << check;
    }
}

TEST_F(WindowListWithoutWm, TitlesCountCharacters) {
    const std::string latin1 = "Gr\xFC\xDF"
                               "e";
    const struct {
        const char* what;
        std::optional<std::string> netWmName;
        std::string wmNameType, wmName;
        std::u32string title;
    } cases[] = {
        {"UTF-8 with umlauts", "Grüße aus Köln", "", "", U"Grüße aus Köln"},
        {"_NET_WM_NAME first", "Neu", "STRING", "Alt", U"Neu"},
        {"Latin-1 WM_NAME", std::nullopt, "STRING", latin1, U"Grüße"},
        {"UTF-8 WM_NAME", std::nullopt, "UTF8_STRING", "Grüße", U"Grüße"},
        {"COMPOUND_TEXT WM_NAME", std::nullopt, "COMPOUND_TEXT", latin1, U"Grüße"},
        {"invalid, valid WM_NAME", latin1, "STRING", latin1, U"Grüße"},
        {"invalid alone", "a\xFF", "", "", U"a\uFFFD"},
        {"both invalid", "a\xFF", "UTF8_STRING", "b\xFF", U"a\uFFFD"},
        {"100,000 characters", std::string(99'999, 'x') + "ä", "", "",
         std::u32string(99'999, U'x') + U"ä"},
    };
    for (const auto& c : cases) {
        const auto w = x.create();
        if (c.netWmName)
            x.setText(w, "_NET_WM_NAME", "UTF8_STRING", *c.netWmName);
        if (!c.wmNameType.empty())
            x.setText(w, "WM_NAME", c.wmNameType, c.wmName);
        x.sync();
        EXPECT_TRUE(findWindow(list, w).value_or(DesktopWindow{}).title == c.title) << c.what;
    }
}

TEST_F(WindowListWithoutWm, WindowsVanishingMidScanAreLeftOut) {
    const auto stable = x.create();
    x.map(stable);
    EXPECT_EQ(scansKeeping(list, server.display, stable), 300);
}

TEST(WindowListServer, GoneServerGivesEmptyListWithoutCrashing) {
    OwnXServer server;
    X11WindowList list(server.display);
    XClient x(server.display);
    const auto w = x.create();
    x.map(w);
    ASSERT_TRUE(findWindow(list, w));
    server.stop();
    EXPECT_TRUE(list.topLevelWindows().empty());
    EXPECT_TRUE(list.topLevelWindows().empty());
    EXPECT_TRUE(X11WindowList(server.display).topLevelWindows().empty());
}

} // namespace
