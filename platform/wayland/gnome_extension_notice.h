#pragma once

#include <optional>
#include <string>
#include <vector>

// What GNOME Shell and the disk say of the program's Shell extension while it does not answer.
struct GnomeExtensionInfo {
    bool installed = true;      // its files are where the Shell looks for extensions
    std::optional<int> state{}; // the Shell's ExtensionState; nothing: the Shell has not read it
    bool canChange = true;      // false: this user's extensions are switched off or locked
    std::string shellVersion{}; // the running Shell's, "50.5"; empty if it did not say
    std::vector<std::string> madeFor{}; // the Shell versions its metadata names now, on disk
    std::string error{};                // what the Shell or the extension reported going wrong
    bool switchOnFailed = false;        // the Shell turned down the notification's action
};

// GNOME Shell's ExtensionState values that matter here, the same from 43 to 50.
inline constexpr int kExtensionActive = 1;
inline constexpr int kExtensionError = 3;
inline constexpr int kExtensionOutOfDate = 4;

// The notification that tells the user what helps.
struct GnomeExtensionNotice {
    std::string title;
    std::string text;
    bool offersSwitchOn = false; // carries the action kSwitchOnLabel
    bool stays = true;           // until the user deals with it; false: the good news
};

inline constexpr const char* kSwitchOnLabel = "Erweiterung einschalten";

// The newest GNOME Shell major version the extension has been run on.
inline constexpr int kNewestCheckedShell = 50;

// Also the answer to the action: an active extension without an error is the good news.
GnomeExtensionNotice gnomeExtensionNotice(const GnomeExtensionInfo& info);
