#pragma once

#include "platform/settings_store.h"

// QSettings in its native format: on Linux $XDG_CONFIG_HOME/<appName>.conf, one INI section per
// section name, written atomically (temporary file and rename).
class QSettingsStore : public SettingsStore {
  public:
    std::string readSetting(const std::string& appName, const std::string& section,
                            const std::string& key, const std::string& defaultValue) override;
    void writeSetting(const std::string& appName, const std::string& section,
                      const std::string& key, const std::string& text) override;
};
