#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_list.h"

// The tests' own X client: it makes the windows the list under test has to find.
class XClient {
  public:
    explicit XClient(const std::string& display = {});
    xcb_connection_t* c() const { return c_.get(); }
    xcb_window_t root() const { return root_; }
    xcb_atom_t atom(const std::string& name) const;

    xcb_window_t create(bool overrideRedirect = false, xcb_window_t parent = XCB_NONE);
    void setText(xcb_window_t w, const std::string& name, const std::string& type,
                 const std::string& bytes);
    void set(xcb_window_t w, const std::string& name, const std::string& type,
             const std::vector<std::uint32_t>& values);
    void setAtoms(xcb_window_t w, const std::string& name, const std::vector<std::string>& atoms);
    std::vector<std::uint32_t> get(xcb_window_t w, const std::string& name) const;
    void map(xcb_window_t w);
    // A request to the window manager, sent to the root as EWMH and ICCCM ask.
    void tellWm(xcb_window_t w, const std::string& type, const std::vector<std::uint32_t>& data);
    void sync() const; // one round trip: everything sent so far is done

  private:
    struct Disconnect {
        void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
    };
    std::unique_ptr<xcb_connection_t, Disconnect> c_;
    xcb_window_t root_ = XCB_NONE;
};

// An Xvfb of the test's own, without a window manager; ended by its PID.
class OwnXServer {
  public:
    OwnXServer();
    ~OwnXServer() { stop(); }
    OwnXServer(const OwnXServer&) = delete;
    OwnXServer& operator=(const OwnXServer&) = delete;
    const std::string& display() const { return display_; }
    void stop();

  private:
    pid_t pid_ = -1;
    std::string display_;
};

pid_t spawn(const std::vector<std::string>& argv); // in a process group of its own
void endProcessGroup(pid_t pid);

bool eventually(const std::function<bool()>& holds,
                std::chrono::milliseconds timeout = std::chrono::seconds(10));
std::optional<DesktopWindow> findWindow(WindowList& list, std::uint32_t handle);
// The given windows in the order the list reports them.
std::vector<std::uint32_t> orderOf(WindowList& list, const std::vector<std::uint32_t>& handles);
// Scans again and again while another client creates and destroys windows; each scan must
// still report `stable` as it is.
void scanWhileWindowsVanish(WindowList& list, const std::string& display, std::uint32_t stable);
