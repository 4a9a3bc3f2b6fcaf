#pragma once

#include <cstdint>
#include <string>

#include "base/date_time.h"
#include "shared/app_settings.h"

inline const std::string SettingsAppName = "Orvikwerk"; // NOLINT(readability-identifier-naming)
inline const std::string SettingsSection = "Kairola";   // NOLINT(readability-identifier-naming)

// The program's process-wide variables, one instance for the run, passed to whoever needs them.
struct SharedState {
    // Zero: no auction loaded.
    DateTime AuctionEnd; // NOLINT(readability-identifier-naming)
    // UTF-8; kept when a later capture finds nothing.
    std::string ItemNumber; // NOLINT(readability-identifier-naming)
    std::string ItemTitle;  // NOLINT(readability-identifier-naming)
    // Other copies' windows counted by the last scan.
    std::int16_t InstanceCount = 0;    // NOLINT(readability-identifier-naming)
    std::uint32_t WindowStyleMask = 0; // NOLINT(readability-identifier-naming)
    AppSettingsRecord AppSettings;     // NOLINT(readability-identifier-naming)
};
