#pragma once

#include <functional>

class Form1Model;
class WindowList;
struct SharedState;

// Scans the desktop's windows for the browser window of an auction and takes it over into the
// shared state and the display; otherwise leaves the no-item state, whose refresh of the
// countdown is `Update_Label`.
void CaptureAuction( // NOLINT(readability-identifier-naming)
    WindowList& windows, Form1Model& display, SharedState& shared,
    const std::function<void()>& updateLabel);
