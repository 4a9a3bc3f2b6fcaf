// Preference texts from the settings file, which a user may have edited by hand.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/logic/app_settings.h"

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const PreferenceKey& key : PreferenceKeys) {
        const std::int16_t value = preferenceFromText(text, key.defaultValue);
        // Only a text that is no usable number depends on the default.
        const auto other = static_cast<std::int16_t>(key.defaultValue ^ 0x5a5a);
        const std::int16_t withOther = preferenceFromText(text, other);
        check(withOther == value || (value == key.defaultValue && withOther == other));
        // The program writes preferences as plain decimal integers and reads them back unchanged.
        check(preferenceFromText(std::to_string(value), other) == value);
    }
    return 0;
}
