#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The alarm seconds as the options dialog accepts them: a German number greater than 0, rounded
// half to even. Values that round outside 16 bits are refused like any other invalid text.
std::optional<std::int16_t> parseWarnSeconds(std::string_view text);
