#pragma once

#include "platform/settings_store.h"

// String values under HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<app>\<section>,
// where classic Windows programs keep theirs, so settings of earlier versions carry over.
class RegistryStore : public SettingsStore {
  public:
    std::string readSetting(const std::string& appName, const std::string& section,
                            const std::string& key, const std::string& defaultValue) override;
    void writeSetting(const std::string& appName, const std::string& section,
                      const std::string& key, const std::string& text) override;
};
