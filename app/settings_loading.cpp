#include "app/settings_loading.h"

#include "app/shared_state.h"

AppSettingsRecord LoadAppSettings(SettingsStore& store) {
    AppSettingsRecord record;
    for (const auto& key : PreferenceKeys) {
        const QString text = store.GetSetting(SettingsAppName, SettingsSection, key.key,
                                              QString::number(key.defaultValue));
        record.*key.field = preferenceFromText(text.toStdString(), key.defaultValue);
    }
    return record;
}
