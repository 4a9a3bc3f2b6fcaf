#include "app/window_placement.h"

#include <algorithm>

#include "base/german_decimal.h"
#include "base/german_format.h"
#include "platform/settings_store.h"
#include "shared/form1_view.h"

namespace {

constexpr int kInstanceShiftTwips = 300;

// A value the program did not write itself and that is no number counts as absent; one far
// beyond any screen is held where pixel arithmetic stays in range.
float placementValue(SettingsStore& store, const std::string& appName, const std::string& section,
                     const char* key) {
    constexpr double kLimit = 1e7;
    const std::string text = store.readSetting(appName, section, key, "0");
    const double value = parseGermanNumber(text).value_or(0);
    return static_cast<float>(std::clamp(value, -kLimit, kLimit));
}

// Only the three states the program writes; anything else is the normal one.
WindowState windowStateFrom(const std::string& text) {
    switch (parseGermanInt16(text).value_or(0)) {
    case 1:
        return WindowState::Minimized;
    case 2:
        return WindowState::Maximized;
    default:
        return WindowState::Normal;
    }
}

} // namespace

void SaveWindowPlacement(Form1View& form, SettingsStore& store, const std::string& appName,
                         const std::string& section) {
    const TwipsRect r = form.normalRect();
    store.writeSetting(appName, section, "Left", formatGermanDecimal(r.left));
    store.writeSetting(appName, section, "Top", formatGermanDecimal(r.top));
    store.writeSetting(appName, section, "Width", formatGermanDecimal(r.width));
    store.writeSetting(appName, section, "Height", formatGermanDecimal(r.height));
    store.writeSetting(appName, section, "WindowState",
                       std::to_string(static_cast<int>(form.placementState())));
}

void RestoreWindowPlacement(Form1View& form, SettingsStore& store, const std::string& appName,
                            const std::string& section, bool restoreState,
                            std::int16_t instanceCount) {
    const float width = placementValue(store, appName, section, "Width");
    if (width != 0) {
        const float height = placementValue(store, appName, section, "Height");
        const int shift = instanceCount * kInstanceShiftTwips;
        const float left = placementValue(store, appName, section, "Left") + shift;
        const float top = placementValue(store, appName, section, "Top") + shift;
        // A window is at least a pixel wide and high.
        const TwipsSize pixel = form.twipsPerPixel();
        form.placeNormal({left, top, std::max(width, static_cast<float>(pixel.width)),
                          std::max(height, static_cast<float>(pixel.height))});
    }
    if (restoreState)
        form.setPlacementState(
            windowStateFrom(store.readSetting(appName, section, "WindowState", "0")));
}
