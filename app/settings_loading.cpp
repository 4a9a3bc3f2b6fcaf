#include "app/settings_loading.h"

#include "shared/shared_state.h"

AppSettingsRecord loadAppSettings(SettingsStore& store) {
    AppSettingsRecord record;
    for (const auto& key : kPreferenceKeys) {
        const std::string text = store.readSetting(SettingsAppName, SettingsSection, key.key,
                                                   std::to_string(key.defaultValue));
        record.*key.field = preferenceFromText(text, key.defaultValue);
    }
    return record;
}
