// One window-list scan next to `wmctrl -l` on the desktop of $DISPLAY; app_bench.py provides the
// desktop and its windows.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

#include "platform/linux/x11_window_list.h"

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

int main() {
    X11WindowList list;
    const double scan = medianMs(50, [&] { list.topLevelWindows(); });
    const double wmctrl = medianMs(20, [] {
        pid_t pid = 0;
        char* const args[] = {const_cast<char*>("wmctrl"), const_cast<char*>("-l"), nullptr};
        posix_spawn_file_actions_t quiet; // the list itself is not wanted, only its time
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid, "wmctrl", &quiet, nullptr, args, environ) == 0)
            waitpid(pid, nullptr, 0);
        posix_spawn_file_actions_destroy(&quiet);
    });
    std::printf("%-10s %22s %22s\n", "windows", "scan median (ms)", "wmctrl -l median (ms)");
    std::printf("%-10ld %22.2f %22.2f\n", static_cast<long>(list.topLevelWindows().size()), scan,
                wmctrl);
    return 0;
}
