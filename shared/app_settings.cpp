#include "shared/app_settings.h"

#include "base/german_format.h"

std::int16_t preferenceFromText(std::string_view text, std::int16_t defaultValue) {
    return parseGermanInt16(text).value_or(defaultValue);
}
