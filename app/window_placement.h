#pragma once

#include <string>

class Form1;

// The window's normal client rectangle in twips and its state (0 normal, 1 minimised,
// 2 maximised) under "Left", "Top", "Width", "Height" and "WindowState".
void SaveWindowPlacement(Form1& form, const std::string& appName, const std::string& section);
// Moves the window to the stored rectangle, shifted 300 twips right and down per other copy of
// the program counted at start-up, then sets the stored state when restoreState is set.
void RestoreWindowPlacement(Form1& form, const std::string& appName, const std::string& section,
                            bool restoreState);
