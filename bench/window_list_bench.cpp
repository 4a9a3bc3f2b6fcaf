// One scan of the window list the session offers (the same choice the program makes at start-up),
// median of many, once at least N windows are listed; fails when any scan lists fewer. Run through
// wayland_scan_bench.py, which provides the desktops and the windows.
#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "shell/qt/desktop_window_list.h"

int main(int argc, char** argv) {
    const std::size_t wanted = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 50;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 30;
    QCoreApplication app(argc, argv);
    const auto list = makeDesktopWindowList();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    std::size_t seen = 0;
    while ((seen = list->topLevelWindows().size()) < wanted) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "only %zu of %zu windows listed\n", seen, wanted);
            return 1;
        }
        QCoreApplication::processEvents();
        QThread::msleep(100);
    }
    std::vector<double> times;
    std::size_t fewest = seen; // a scan that loses windows shows here, not only in the last one
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        fewest = std::min(fewest, list->topLevelWindows().size());
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    std::printf("%zu windows listed (fewest of %d scans), scan median %.2f ms\n", fewest, runs,
                times[times.size() / 2]);
    if (fewest < wanted) {
        std::fprintf(stderr, "a scan listed only %zu of %zu windows\n", fewest, wanted);
        return 1;
    }
    return 0;
}
