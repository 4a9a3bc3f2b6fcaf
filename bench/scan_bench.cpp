// One window-list scan next to `wmctrl -l` on the desktop of $DISPLAY; app_bench.py provides the
// desktop and its windows, and says how many it made: a scan that lists fewer fails the run, as
// does a `wmctrl` that fails.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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

int main(int argc, char** argv) {
    const std::size_t made = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 0;
    X11WindowList list;
    std::size_t fewest = list.topLevelWindows().size();
    const double scan =
        medianMs(50, [&] { fewest = std::min(fewest, list.topLevelWindows().size()); });
    bool wmctrlFailed = false;
    const double wmctrl = medianMs(20, [&] {
        pid_t pid = 0;
        int status = -1;
        char* const args[] = {const_cast<char*>("wmctrl"), const_cast<char*>("-l"), nullptr};
        posix_spawn_file_actions_t quiet; // the list itself is not wanted, only its time
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid, "wmctrl", &quiet, nullptr, args, environ) == 0)
            waitpid(pid, &status, 0);
        posix_spawn_file_actions_destroy(&quiet);
        wmctrlFailed |= !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    });
    std::printf("%-10s %22s %22s\n", "windows", "scan median (ms)", "wmctrl -l median (ms)");
    std::printf("%-10zu %22.2f %22.2f\n", fewest, scan, wmctrl);
    if (fewest < made || wmctrlFailed) {
        std::fprintf(stderr, "%s\n",
                     wmctrlFailed ? "wmctrl -l failed" : "a scan listed fewer windows than made");
        return 1;
    }
    return 0;
}
