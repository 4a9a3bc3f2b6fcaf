#pragma once

#include <cstdint>
#include <string>

class Form1View;
class SettingsStore;

// The window's normal client rectangle in twips and its state (0 normal, 1 minimised,
// 2 maximised) under "Left", "Top", "Width", "Height" and "WindowState".
void SaveWindowPlacement( // NOLINT(readability-identifier-naming)
    Form1View& form, SettingsStore& store, const std::string& appName, const std::string& section);
// Moves the window to the stored rectangle, shifted 300 twips right and down per other copy of
// the program counted at start-up, then sets the stored state when restoreState is set.
void RestoreWindowPlacement( // NOLINT(readability-identifier-naming)
    Form1View& form, SettingsStore& store, const std::string& appName, const std::string& section,
    bool restoreState, std::int16_t instanceCount);
