#pragma once

#include "platform/settings_store.h"

// QSettings in its native format: on Linux $XDG_CONFIG_HOME/<appName>.conf, one INI section per
// section name, written atomically (temporary file and rename).
class QSettingsStore : public SettingsStore {
  public:
    QString GetSetting(const QString& appName, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& appName, const QString& section, const QString& key,
                     const QString& text) override;
};
