#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include "bench/x_client.h"
#include "platform/linux/x11_window_attention.h"
#include "platform/linux/x11_window_list.h"

namespace {

// The first 32-bit value of a property, 0 when there is none.
std::uint32_t firstValue(const XClient& x, xcb_window_t w, const std::string& name) {
    const auto cookie = xcb_get_property(x.c(), 0, w, x.atom(name), XCB_ATOM_ANY, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x.c(), cookie, nullptr), &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return 0;
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

// On the wrapper's display with openbox: a window the window manager keeps is visible, as a
// minimised window stays visible on Windows; only a window its client withdrew is not.
TEST(WindowListWithWm, MinimisedAndElsewhereAreVisibleWithdrawnIsNot) {
    XClient x;
    X11WindowList list;
    const struct {
        std::vector<std::string> xdotool; // "w": the window's id
        const char* property;             // where the window manager shows it has done it
        std::uint32_t value;
        bool visible;
    } cases[] = {{{"windowminimize", "w"}, "WM_STATE", 3, true},
                 {{"set_desktop_for_window", "w", "1"}, "_NET_WM_DESKTOP", 1, true},
                 {{"windowunmap", "w"}, "WM_STATE", 0, false}};
    for (const auto& c : cases) {
        const auto w = x.create();
        x.map(w);
        // openbox may still be starting on a loaded machine; it adopts the window then.
        ASSERT_TRUE(eventually([&] { return firstValue(x, w, "WM_STATE") == 1; },
                               std::chrono::seconds(60)));
        std::vector<std::string> args = {"xdotool"};
        for (const std::string& a : c.xdotool)
            args.push_back(a == "w" ? std::to_string(w) : a);
        waitpid(spawn(args), nullptr, 0);
        ASSERT_TRUE(eventually([&] { return firstValue(x, w, c.property) == c.value; }));
        EXPECT_EQ((styleOf(list, w) & WS_VISIBLE) != 0, c.visible) << c.xdotool[0];
    }
}

// Window managers that read only ICCCM see the urgency flag, toggled with each flash.
TEST(WindowAttention, EachFlashTogglesTheUrgencyHint) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    int argc = 1;
    char name[] = "x11_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    XClient x;
    X11WindowAttention attention;
    for (const std::uint32_t urgency : {256u, 0u, 256u}) { // XUrgencyHint
        attention.FlashWindow(static_cast<std::uint32_t>(window.winId()));
        EXPECT_TRUE(eventually(
            [&] { return (firstValue(x, window.winId(), "WM_HINTS") & 256u) == urgency; }));
    }
}

} // namespace
