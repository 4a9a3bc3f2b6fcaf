// Rewrites the settings store as fast as it can, for the test that kills a writer mid-write.
// Usage: settings_writer VALUE_LENGTH. Every round writes the nine keys of the program, each a
// run of one letter (the round's) VALUE_LENGTH long; "ready" is printed once all nine exist.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/shared/shared_state.h"
#include "platform/linux/qsettings_store.h"

int main(int argc, char** argv) {
    const int length = argc > 1 ? std::atoi(argv[1]) : 1000;
    const char* keys[] = {"msgonsync", "synconstart", "warnton", "warntonsek", "Left",
                          "Top",       "Width",       "Height",  "WindowState"};
    QSettingsStore store;
    for (int round = 0;; ++round) {
        const std::string value(static_cast<std::size_t>(length),
                                static_cast<char>('a' + round % 26));
        for (const char* key : keys)
            store.SaveSetting(SettingsAppName, SettingsSection, key, value);
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
