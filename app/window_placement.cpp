#include "app/window_placement.h"

#include <algorithm>

#include "app/form1.h"
#include "platform/logic/german_decimal.h"
#include "platform/logic/german_format.h"

namespace {

constexpr int InstanceShiftTwips = 300;

QString twipsText(double twips) {
    return QString::fromStdString(formatGermanDecimal(twips));
}

// A value the program did not write itself and that is no number counts as absent; one far
// beyond any screen is held where pixel arithmetic stays in range.
float placementValue(SettingsStore& store, const QString& appName, const QString& section,
                     const char* key) {
    constexpr double Limit = 1e7;
    const QString text = store.GetSetting(appName, section, key, QStringLiteral("0"));
    const double value = parseGermanNumber(text.toStdString()).value_or(0);
    return static_cast<float>(std::clamp(value, -Limit, Limit));
}

int stateNumber(Qt::WindowStates state) {
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & Qt::WindowMaximized)
        return 2;
    return 0;
}

Qt::WindowState windowStateOf(int number) {
    switch (number) {
    case 1:
        return Qt::WindowMinimized;
    case 2:
        return Qt::WindowMaximized;
    default:
        return Qt::WindowNoState;
    }
}

} // namespace

void SaveWindowPlacement(Form1& form, const QString& appName, const QString& section) {
    SettingsStore& store = form.platform.settings;
    const QRect r = form.normalGeometry->rect();
    const double tx = form.twipsPerPixelX();
    const double ty = form.twipsPerPixelY();
    store.SaveSetting(appName, section, "Left", twipsText(r.left() * tx));
    store.SaveSetting(appName, section, "Top", twipsText(r.top() * ty));
    store.SaveSetting(appName, section, "Width", twipsText(r.width() * tx));
    store.SaveSetting(appName, section, "Height", twipsText(r.height() * ty));
    store.SaveSetting(appName, section, "WindowState",
                      QString::number(stateNumber(form.windowState())));
}

void RestoreWindowPlacement(Form1& form, const QString& appName, const QString& section,
                            bool restoreState) {
    SettingsStore& store = form.platform.settings;
    const float width = placementValue(store, appName, section, "Width");
    if (width != 0) {
        const float height = placementValue(store, appName, section, "Height");
        const int shift = form.shared.InstanceCount * InstanceShiftTwips;
        const float left = placementValue(store, appName, section, "Left") + shift;
        const float top = placementValue(store, appName, section, "Top") + shift;
        form.normalGeometry->place(QRect(form.toPixelsX(left), form.toPixelsY(top),
                                         form.toPixelsX(width), form.toPixelsY(height)));
    }
    if (restoreState) {
        const QString text = store.GetSetting(appName, section, "WindowState", QStringLiteral("0"));
        form.setWindowState(windowStateOf(parseGermanInt16(text.toStdString()).value_or(0)));
    }
}
