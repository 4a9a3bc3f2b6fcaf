#pragma once

#include <string>
#include <string_view>

// Window titles are counted in characters (code points), never in bytes.

// Decodes UTF-8; each byte of an invalid sequence becomes U+FFFD. Sets *valid when given.
std::u32string decodeUtf8(std::string_view bytes, bool* valid = nullptr);
std::u32string decodeLatin1(std::string_view bytes);
std::string encodeUtf8(std::u32string_view text);
