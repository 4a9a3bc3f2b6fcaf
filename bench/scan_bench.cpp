// One window-list scan next to `wmctrl -l` on a desktop of many titled windows. Run it through
// scan_bench.sh, which provides the X server and the window manager.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/linux/x11_window_list.h"
#include "bench/x_client.h"

namespace {

double medianMs(int runs, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int windows = argc > 1 ? std::atoi(argv[1]) : 200;
    XClient x;
    X11WindowList list;
    for (int i = 0; i < windows; ++i) {
        const auto w = x.create();
        x.setText(w, "_NET_WM_NAME", "UTF8_STRING",
                  "Auktion Nr. " + std::to_string(i) + " – Grüße");
        xcb_map_window(x.c(), w);
    }
    x.sync();
    const auto shown = [&] {
        const auto all = list.topLevelWindows();
        return std::count_if(all.begin(), all.end(), [](const DesktopWindow& w) {
            return w.style == (WS_VISIBLE | WS_BORDER);
        });
    };
    if (!eventually([&] { return shown() >= windows; }, std::chrono::seconds(60))) {
        std::fprintf(stderr, "only %ld of %d windows shown\n", static_cast<long>(shown()), windows);
        return 1;
    }
    const double scan = medianMs(50, [&] { list.topLevelWindows(); });
    const double wmctrl = medianMs(20, [] {
        const pid_t pid = spawn({"wmctrl", "-l"});
        if (pid > 0)
            waitpid(pid, nullptr, 0);
    });
    std::printf("%-10s %22s %22s\n", "windows", "scan median (ms)", "wmctrl -l median (ms)");
    std::printf("%-10ld %22.2f %22.2f\n", static_cast<long>(list.topLevelWindows().size()), scan,
                wmctrl);
    return 0;
}
