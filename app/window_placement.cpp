#include "app/window_placement.h"

#include <algorithm>

#include "app/form1.h"
#include "platform/logic/german_decimal.h"
#include "platform/logic/german_format.h"

namespace {

constexpr int InstanceShiftTwips = 300;

// A value the program did not write itself and that is no number counts as absent; one far
// beyond any screen is held where pixel arithmetic stays in range.
float placementValue(SettingsStore& store, const std::string& appName, const std::string& section,
                     const char* key) {
    constexpr double Limit = 1e7;
    const std::string text = store.GetSetting(appName, section, key, "0");
    const double value = parseGermanNumber(text).value_or(0);
    return static_cast<float>(std::clamp(value, -Limit, Limit));
}

} // namespace

void SaveWindowPlacement(Form1& form, const std::string& appName, const std::string& section) {
    SettingsStore& store = form.platform.settings;
    const TwipsRect r = form.view.normalRect();
    store.SaveSetting(appName, section, "Left", formatGermanDecimal(r.left));
    store.SaveSetting(appName, section, "Top", formatGermanDecimal(r.top));
    store.SaveSetting(appName, section, "Width", formatGermanDecimal(r.width));
    store.SaveSetting(appName, section, "Height", formatGermanDecimal(r.height));
    store.SaveSetting(appName, section, "WindowState", std::to_string(form.view.placementState()));
}

void RestoreWindowPlacement(Form1& form, const std::string& appName, const std::string& section,
                            bool restoreState) {
    SettingsStore& store = form.platform.settings;
    const float width = placementValue(store, appName, section, "Width");
    if (width != 0) {
        const float height = placementValue(store, appName, section, "Height");
        const int shift = form.shared.InstanceCount * InstanceShiftTwips;
        const float left = placementValue(store, appName, section, "Left") + shift;
        const float top = placementValue(store, appName, section, "Top") + shift;
        form.view.placeNormal({left, top, width, height});
    }
    if (restoreState) {
        const std::string text = store.GetSetting(appName, section, "WindowState", "0");
        const int state = parseGermanInt16(text).value_or(0);
        form.view.setPlacementState(state == 1 || state == 2 ? state : 0);
    }
}
