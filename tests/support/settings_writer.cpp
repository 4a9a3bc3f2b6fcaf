// Rewrites the settings store as fast as it can, for the test that kills a writer mid-write.
// Every round writes the nine keys of the program, each 20,000 times one letter (the round's);
// "ready" is printed once all nine exist.
#include <iostream>
#include <string>

#include "platform/linux/qsettings_store.h"
#include "shared/shared_state.h"

int main() {
    const char* keys[] = {"msgonsync", "synconstart", "warnton", "warntonsek", "Left",
                          "Top",       "Width",       "Height",  "WindowState"};
    QSettingsStore store;
    for (int round = 0;; ++round) {
        const std::string value(20000, static_cast<char>('a' + round % 26));
        for (const char* key : keys)
            store.writeSetting(SettingsAppName, SettingsSection, key, value);
        if (round == 0)
            std::cout << "ready" << std::endl;
    }
}
