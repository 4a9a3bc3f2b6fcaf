// One window-list scan next to `wmctrl -l` on the desktop of $DISPLAY; app_bench.py provides the
// desktop and its windows, and says how many it made: a scan that lists fewer fails the run, as
// does a `wmctrl` that fails.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <string>
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

// How `wmctrl -l` failed, or nothing when it listed the windows.
std::string runWmctrl() {
    pid_t pid = 0;
    int status = 0;
    char* const args[] = {const_cast<char*>("wmctrl"), const_cast<char*>("-l"), nullptr};
    posix_spawn_file_actions_t quiet; // the list itself is not wanted, only its time
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&pid, "wmctrl", &quiet, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return std::string("could not start: ") + std::strerror(spawned);
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return std::string("could not be waited for: ") + std::strerror(errno);
    if (WIFSIGNALED(status))
        return "was ended by signal " + std::to_string(WTERMSIG(status));
    if (WEXITSTATUS(status) != 0)
        return "ended with status " + std::to_string(WEXITSTATUS(status));
    return {};
}

} // namespace

int main(int argc, char** argv) {
    const std::size_t made = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 0;
    X11WindowList list;
    std::size_t fewest = list.topLevelWindows().size();
    const double scan =
        medianMs(50, [&] { fewest = std::min(fewest, list.topLevelWindows().size()); });
    // A failed run is told on standard error and run once more; failing twice fails the benchmark.
    bool wmctrlFailed = false;
    const double wmctrl = medianMs(20, [&] {
        std::string failure = runWmctrl();
        if (!failure.empty()) {
            std::fprintf(stderr, "wmctrl -l %s; once more\n", failure.c_str());
            failure = runWmctrl();
        }
        if (!failure.empty()) {
            std::fprintf(stderr, "wmctrl -l %s again\n", failure.c_str());
            wmctrlFailed = true;
        }
    });
    std::printf("%-10s %22s %22s\n", "windows", "scan median (ms)", "wmctrl -l median (ms)");
    std::printf("%-10zu %22.2f %22.2f\n", fewest, scan, wmctrl);
    if (wmctrlFailed) {
        std::fprintf(stderr, "wmctrl -l failed twice in a row\n");
        return 1;
    }
    if (fewest < made) {
        std::fprintf(stderr, "a scan listed fewer windows than made\n");
        return 1;
    }
    return 0;
}
