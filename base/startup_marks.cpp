#include "base/startup_marks.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Opened at the first mark and kept: opening a file for each mark costs more under Wine than
// some of the phases it times.
std::FILE* marksFile() {
    static const std::unique_ptr<std::FILE, FileCloser> kFile = [] {
        const char* path = std::getenv("ZEITFANG_STARTUP_MARKS");
        return std::unique_ptr<std::FILE, FileCloser>(path && *path ? std::fopen(path, "a")
                                                                    : nullptr);
    }();
    return kFile.get();
}
} // namespace

void markStartup(const char* phase) {
    std::FILE* file = marksFile();
    if (!file)
        return;
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    std::fprintf(file, "%s %lld\n", phase, static_cast<long long>(now.count()));
    std::fflush(file); // the benchmark reads it while the program runs, and ends it unasked
}
