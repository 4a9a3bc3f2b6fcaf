#pragma once

#include <cstdint>
#include <string>

#include "app/logic/app_settings.h"
#include "platform/logic/date_time.h"

inline const std::string SettingsAppName = "Orvikwerk";
inline const std::string SettingsSection = "Kairola";

// The program's process-wide variables, one instance for the run, passed to whoever needs them.
struct SharedState {
    DateTime AuctionEnd;            // zero: no auction loaded
    std::string ItemNumber;         // UTF-8; kept when a later capture finds nothing
    std::string ItemTitle;          // UTF-8
    std::int16_t InstanceCount = 0; // other copies' windows counted by the last scan
    std::uint32_t WindowStyleMask = 0;
    AppSettingsRecord AppSettings;
};
