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
            const auto check = x.get(x.root, "_NET_SUPPORTING_WM_CHECK");
            return !check.empty() && x.get(check[0], "_NET_SUPPORTING_WM_CHECK") == check;
        })) << "no window manager on $DISPLAY";
    }
    void show(xcb_window_t w) {
        x.map(w);
        ASSERT_TRUE(eventually([&] { return styleOf(list, w) & WS_VISIBLE; })) << "not managed";
    }
    XClient x;
    X11WindowList list;
};

TEST_F(WindowListUnderWm, MinimizedOrElsewhereIsNotVisible) {
    const auto minimized = x.create(), elsewhere = x.create(), popup = x.create(true);
    show(minimized);
    show(elsewhere);
    x.map(popup);
    x.tellWm(minimized, "WM_CHANGE_STATE", {3});
    x.tellWm(elsewhere, "_NET_WM_DESKTOP", {1, 2});
    EXPECT_TRUE(eventually([&] { return styleOf(list, minimized) == WS_BORDER; }));
    EXPECT_TRUE(eventually([&] { return styleOf(list, elsewhere) == WS_BORDER; }));
    EXPECT_NE(styleOf(list, popup), kBoth);
}

TEST_F(WindowListUnderWm, TopOfTheStackComesFirst) {
    const auto a = x.create(), b = x.create(), c = x.create();
    show(a);
    show(b);
    show(c);
    EXPECT_EQ(orderOf(list, {a, b, c}), (std::vector{c, b, a}));
    x.tellWm(a, "_NET_ACTIVE_WINDOW", {2, XCB_CURRENT_TIME, 0});
    EXPECT_TRUE(eventually([&] { return orderOf(list, {a, b, c}) == std::vector{a, c, b}; }));
}

TEST_F(WindowListUnderWm, WindowsVanishingMidScanAreLeftOut) {
    const auto stable = x.create();
    show(stable);
    EXPECT_EQ(scansKeeping(list, "", stable), 300);
}

} // namespace
