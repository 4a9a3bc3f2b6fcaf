#pragma once

#include <optional>
#include <string>

// What GNOME Shell and the disk say of the program's Shell extension while it does not answer.
struct GnomeExtensionInfo {
    bool installed = true;    // its files are where the Shell looks for extensions
    std::optional<int> state; // the Shell's ExtensionState; nothing: the Shell has not read it
    bool canChange = true;    // false: this user's extensions are switched off or locked
};

// The notification that tells the user what helps.
struct GnomeExtensionNotice {
    std::string title;
    std::string text;
    bool offersSwitchOn = false; // carries the action kSwitchOnLabel
};

inline constexpr const char* kSwitchOnLabel = "Erweiterung einschalten";

GnomeExtensionNotice gnomeExtensionNotice(const GnomeExtensionInfo& info);
