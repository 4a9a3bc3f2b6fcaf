#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/x11_window_attention.h"
#include "platform/x11_window_list.h"
#include "x_client.h"

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

void askWm(const XClient& x, xcb_window_t w, const std::string& type, std::uint32_t value) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = w;
    event.type = x.atom(type);
    event.data.data32[0] = value;
    event.data.data32[1] = 1; // from an application
    xcb_send_event(x.c(), 0, x.root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    x.sync();
}

// On the wrapper's display with openbox: what the window manager keeps counts as visible, as a
// minimised window stays visible on Windows; only a window its client withdrew does not.
TEST(WindowListWithWm, MinimisedAndElsewhereAreVisibleWithdrawnIsNot) {
    XClient x;
    X11WindowList list;
    const struct {
        const char* what;
        const char* message;
        std::uint32_t value;
        const char* property;
        std::uint32_t done;
        bool visible;
    } cases[] = {
        {"minimised", "WM_CHANGE_STATE", 3, "WM_STATE", 3, true},
        {"on another workspace", "_NET_WM_DESKTOP", 1, "_NET_WM_DESKTOP", 1, true},
        {"withdrawn", nullptr, 0, "WM_STATE", 0, false},
    };
    for (const auto& c : cases) {
        const auto w = x.create();
        x.map(w);
        ASSERT_TRUE(eventually([&] { return firstValue(x, w, "WM_STATE") == 1; })) << c.what;
        if (c.message) {
            askWm(x, w, c.message, c.value);
        } else {
            xcb_unmap_window(x.c(), w);
            x.sync();
        }
        ASSERT_TRUE(eventually([&] { return firstValue(x, w, c.property) == c.done; })) << c.what;
        EXPECT_EQ((styleOf(list, w) & WS_VISIBLE) != 0, c.visible) << c.what;
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
    constexpr std::uint32_t Urgency = 256; // XUrgencyHint
    for (const bool urgent : {true, false, true}) {
        attention.FlashWindow(window);
        EXPECT_TRUE(eventually([&] {
            return ((firstValue(x, window.winId(), "WM_HINTS") & Urgency) != 0) == urgent;
        })) << "after a flash that should leave it "
            << (urgent ? "set" : "clear");
    }
}

} // namespace
