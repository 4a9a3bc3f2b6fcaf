#include "x_client.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <thread>

extern char** environ;

XClient::XClient(const std::string& display)
    : c_(xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr)) {
    if (!xcb_connection_has_error(c()))
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c())).data->root;
}

xcb_atom_t XClient::atom(const std::string& name) const {
    auto* reply =
        xcb_intern_atom_reply(c(), xcb_intern_atom(c(), 0, name.size(), name.data()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return atom;
}

xcb_window_t XClient::create(bool overrideRedirect, xcb_window_t parent) {
    const xcb_window_t w = xcb_generate_id(c());
    const std::uint32_t values[] = {overrideRedirect};
    xcb_create_window(c(), XCB_COPY_FROM_PARENT, w, parent ? parent : root_, 0, 0, 120, 80, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT,
                      values);
    return w;
}

void XClient::setText(xcb_window_t w, const std::string& name, const std::string& type,
                      const std::string& bytes) {
    xcb_change_property(c(), XCB_PROP_MODE_REPLACE, w, atom(name), atom(type), 8, bytes.size(),
                        bytes.data());
}

void XClient::set(xcb_window_t w, const std::string& name, const std::string& type,
                  const std::vector<std::uint32_t>& values) {
    xcb_change_property(c(), XCB_PROP_MODE_REPLACE, w, atom(name), atom(type), 32, values.size(),
                        values.data());
}

void XClient::setAtoms(xcb_window_t w, const std::string& name,
                       const std::vector<std::string>& atoms) {
    std::vector<std::uint32_t> values;
    for (const auto& a : atoms)
        values.push_back(atom(a));
    set(w, name, "ATOM", values);
}

std::vector<std::uint32_t> XClient::get(xcb_window_t w, const std::string& name) const {
    auto* reply = xcb_get_property_reply(
        c(), xcb_get_property(c(), 0, w, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    std::vector<std::uint32_t> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

void XClient::map(xcb_window_t w) {
    xcb_map_window(c(), w);
    sync();
}

void XClient::tellWm(xcb_window_t w, const std::string& type,
                     const std::vector<std::uint32_t>& data) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = w;
    event.type = atom(type);
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(c(), 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    sync();
}

void XClient::sync() const {
    std::free(xcb_get_input_focus_reply(c(), xcb_get_input_focus(c()), nullptr));
}

OwnXServer::OwnXServer() {
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ready[1], 3);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const char* argv[] = {"Xvfb",       "-displayfd", "3",   "-screen", "0",
                          "640x480x24", "-nolisten",  "tcp", nullptr};
    if (posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    // Xvfb writes the display number once it accepts connections.
    char ch = 0;
    std::string number;
    while (read(ready[0], &ch, 1) == 1 && ch != '\n')
        number += ch;
    close(ready[0]);
    display_ = ":" + number;
}

void OwnXServer::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

pid_t spawn(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ) != 0)
        pid = -1;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void endProcessGroup(pid_t pid) {
    if (pid <= 0)
        return;
    kill(-pid, SIGTERM);
    if (!eventually([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }))
        kill(-pid, SIGKILL), waitpid(pid, nullptr, 0);
    kill(-pid, SIGKILL); // helpers that outlived the browser
}

bool eventually(const std::function<bool()>& holds, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!holds()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::optional<DesktopWindow> findWindow(WindowList& list, std::uint32_t handle) {
    for (auto& w : list.topLevelWindows()) {
        if (w.handle == handle)
            return w;
    }
    return std::nullopt;
}

std::vector<std::uint32_t> orderOf(WindowList& list, const std::vector<std::uint32_t>& handles) {
    std::vector<std::uint32_t> order;
    for (const auto& w : list.topLevelWindows()) {
        if (std::find(handles.begin(), handles.end(), w.handle) != handles.end())
            order.push_back(w.handle);
    }
    return order;
}

void scanWhileWindowsVanish(WindowList& list, const std::string& display, std::uint32_t stable) {
    std::atomic<bool> done{false};
    std::atomic<int> destroyed{0};
    std::thread churn([&] {
        XClient x(display);
        while (!done) {
            std::vector<xcb_window_t> batch;
            for (int i = 0; i < 20; ++i) {
                batch.push_back(x.create(i % 4 == 0));
                x.setText(batch.back(), "_NET_WM_NAME", "UTF8_STRING", "Eintagsfliege");
                xcb_map_window(x.c(), batch.back());
                xcb_map_window(x.c(), x.create(false, batch.back())); // for the client search
            }
            x.sync();
            for (const auto w : batch)
                xcb_destroy_window(x.c(), w);
            x.sync();
            destroyed += batch.size();
        }
    });
    for (int scan = 0; scan < 300; ++scan) {
        const auto w = findWindow(list, stable);
        if (!w || w->style != (WS_VISIBLE | WS_BORDER)) {
            ADD_FAILURE() << "stable window lost or changed in scan " << scan;
            break;
        }
    }
    done = true;
    churn.join();
    EXPECT_GT(destroyed, 0);
}
