#pragma once

#include <string>

// Per-user text values (UTF-8), addressed by application, section and key.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text, or the default when the key is absent.
    virtual std::string readSetting(const std::string& appName, const std::string& section,
                                    const std::string& key, const std::string& defaultValue) = 0;
    virtual void writeSetting(const std::string& appName, const std::string& section,
                              const std::string& key, const std::string& text) = 0;
};
