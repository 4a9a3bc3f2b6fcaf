#include "base/startup_marks.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

void markStartup(const char* phase) {
    const char* path = std::getenv("ZEITFANG_STARTUP_MARKS");
    if (!path || !*path)
        return;
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s %lld\n", phase, static_cast<long long>(now.count()));
        std::fclose(file);
    }
}
