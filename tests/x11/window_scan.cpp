// The desktop's window list as the program sees it, for the X11 tests: each line read on stdin
// (a number N, default 1) scans N times on one connection and prints the last scan, top first,
// one window a line: id, style bits in hex, in how many of the N scans it was, title.
#include <iostream>
#include <map>
#include <string>

#include "base/utf.h"
#include "platform/linux/x11_window_list.h"

int main() {
    X11WindowList list;
    for (std::string line; std::getline(std::cin, line);) {
        const int scans = line.empty() ? 1 : std::stoi(line);
        std::map<std::uint32_t, int> seen;
        std::vector<DesktopWindow> windows;
        for (int i = 0; i < scans; ++i) {
            windows.clear(); // as the capture reads them, a batch at a time
            list.examineTopLevelWindows([&](const DesktopWindow& w) {
                windows.push_back(w);
                return true;
            });
            for (const DesktopWindow& w : windows)
                ++seen[w.handle];
        }
        for (const DesktopWindow& w : windows)
            std::cout << w.handle << std::hex << ' ' << w.style << std::dec << ' ' << seen[w.handle]
                      << ' ' << encodeUtf8(w.title) << '\n';
        std::cout << std::endl;
    }
}
