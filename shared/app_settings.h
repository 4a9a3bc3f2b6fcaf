#pragma once

#include <cstdint>
#include <string_view>

// The four user preferences, as the program holds them during a run.
struct AppSettingsRecord {
    std::int16_t msgonsync = 0;
    std::int16_t synconstart = 0;
    std::int16_t warnton = 0;
    std::int16_t warntonsek = 0;
};

struct PreferenceKey {
    const char* key;
    std::int16_t defaultValue;
    std::int16_t AppSettingsRecord::*field;
};

// Keys in the order they are loaded and written, with their defaults.
inline constexpr PreferenceKey kPreferenceKeys[] = {
    {"msgonsync", 1, &AppSettingsRecord::msgonsync},
    {"synconstart", 0, &AppSettingsRecord::synconstart},
    {"warnton", 1, &AppSettingsRecord::warnton},
    {"warntonsek", 60, &AppSettingsRecord::warntonsek}};

// A stored text as a preference: a German number rounded half to even. Hand-edited texts that
// are no number or leave the 16-bit range fall back to the key's default.
std::int16_t preferenceFromText(std::string_view text, std::int16_t defaultValue);
