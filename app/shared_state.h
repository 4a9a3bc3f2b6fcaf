#pragma once

#include <QString>
#include <cstdint>

#include "app/logic/app_settings.h"
#include "platform/logic/date_time.h"

inline const QString SettingsAppName = QStringLiteral("Orvikwerk");
inline const QString SettingsSection = QStringLiteral("Kairola");

// The program's process-wide variables, one instance for the run, passed to whoever needs them.
struct SharedState {
    DateTime AuctionEnd; // zero: no auction loaded
    QString ItemNumber;  // kept when a later capture finds nothing
    QString ItemTitle;
    std::int16_t InstanceCount = 0; // other copies' windows counted by the last scan
    std::uint32_t WindowStyleMask = 0;
    AppSettingsRecord AppSettings;
};
