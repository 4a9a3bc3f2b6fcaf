#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/window_list.h"

extern char** environ;

// The tests' own X client: it makes the windows the list under test has to find.
class XClient {
  public:
    explicit XClient(const std::string& display = {})
        : c_(xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr)) {
        if (!xcb_connection_has_error(c()))
            root = xcb_setup_roots_iterator(xcb_get_setup(c())).data->root;
    }
    xcb_connection_t* c() const { return c_.get(); }
    xcb_atom_t atom(const std::string& name) const {
        const auto cookie = xcb_intern_atom(c(), 0, name.size(), name.data());
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c(), cookie, nullptr));
        return reply ? reply->atom : XCB_NONE;
    }
    xcb_window_t create(bool overrideRedirect = false, xcb_window_t parent = XCB_NONE) {
        const xcb_window_t w = xcb_generate_id(c());
        const std::uint32_t values[] = {overrideRedirect};
        xcb_create_window(c(), 0, w, parent ? parent : root, 0, 0, 120, 80, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, 0, XCB_CW_OVERRIDE_REDIRECT, values);
        return w;
    }
    void setText(xcb_window_t w, const std::string& name, const std::string& type,
                 const std::string& bytes) {
        xcb_change_property(c(), 0, w, atom(name), atom(type), 8, bytes.size(), bytes.data());
    }
    void set(xcb_window_t w, const std::string& name, const std::string& type,
             const std::vector<std::uint32_t>& values) {
        xcb_change_property(c(), 0, w, atom(name), atom(type), 32, values.size(), values.data());
    }
    void setAtoms(xcb_window_t w, const std::string& name, const std::vector<std::string>& atoms) {
        std::vector<std::uint32_t> values;
        for (const auto& a : atoms)
            values.push_back(atom(a));
        set(w, name, "ATOM", values);
    }
    void map(xcb_window_t w) {
        xcb_map_window(c(), w);
        sync();
    }
    void sync() const { Reply<void>(xcb_get_input_focus_reply(c(), xcb_get_input_focus(c()), 0)); }

    xcb_window_t root = XCB_NONE;

  private:
    struct Free {
        void operator()(void* p) const { std::free(p); }
    };
    template <typename T> using Reply = std::unique_ptr<T, Free>;
    struct Disconnect {
        void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
    };
    std::unique_ptr<xcb_connection_t, Disconnect> c_;
};

// Starts a program in a process group of its own, output discarded; `fd3` becomes its fd 3.
inline pid_t spawn(const std::vector<std::string>& argv, int fd3 = -1) {
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (fd3 >= 0)
        posix_spawn_file_actions_adddup2(&actions, fd3, 3);
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

inline bool eventually(const std::function<bool()>& holds,
                       std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!holds()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Ends a process group started by spawn(), browser helpers included.
inline void endProcessGroup(pid_t pid) {
    kill(-pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    kill(-pid, SIGKILL);
}

// An Xvfb of the test's own, without a window manager.
class OwnXServer {
  public:
    OwnXServer() {
        int ready[2];
        if (pipe2(ready, O_CLOEXEC) != 0)
            return;
        pid_ = spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "640x480x24", "-nolisten", "tcp"},
                     ready[1]);
        close(ready[1]);
        display = ":"; // Xvfb writes its number once it takes connections
        for (char ch = 0; read(ready[0], &ch, 1) == 1 && ch != '\n';)
            display += ch;
        close(ready[0]);
    }
    ~OwnXServer() { stop(); }
    void stop() {
        if (pid_ > 0)
            endProcessGroup(pid_);
        pid_ = -1;
    }
    std::string display;

  private:
    pid_t pid_ = -1;
};

inline std::optional<DesktopWindow> findWindow(WindowList& list, std::uint32_t handle) {
    for (auto& w : list.topLevelWindows()) {
        if (w.handle == handle)
            return w;
    }
    return std::nullopt;
}

inline std::uint32_t styleOf(WindowList& list, std::uint32_t handle) {
    return findWindow(list, handle).value_or(DesktopWindow{}).style;
}

// The given windows in the order the list reports them.
inline std::vector<std::uint32_t> orderOf(WindowList& list, std::vector<std::uint32_t> handles) {
    std::vector<std::uint32_t> order;
    for (const auto& w : list.topLevelWindows()) {
        if (std::find(handles.begin(), handles.end(), w.handle) != handles.end())
            order.push_back(w.handle);
    }
    return order;
}

// Scans while another client keeps creating and destroying windows (each with a child, for the
// client search); returns how many scans still reported `stable` as visible and bordered.
inline int scansKeeping(WindowList& list, const std::string& display, std::uint32_t stable) {
    std::atomic<bool> done{false};
    std::thread churn([&] {
        XClient x(display);
        while (!done) {
            std::vector<xcb_window_t> batch;
            for (int i = 0; i < 20; ++i) {
                batch.push_back(x.create(i % 4 == 0));
                x.setText(batch.back(), "_NET_WM_NAME", "UTF8_STRING", "Eintagsfliege");
                xcb_map_window(x.c(), batch.back());
                xcb_map_window(x.c(), x.create(false, batch.back()));
            }
            x.sync();
            for (const auto w : batch)
                xcb_destroy_window(x.c(), w);
            x.sync();
        }
    });
    int kept = 0;
    for (int scan = 0; scan < 300; ++scan)
        kept += styleOf(list, stable) == (WS_VISIBLE | WS_BORDER);
    done = true;
    churn.join();
    return kept;
}
