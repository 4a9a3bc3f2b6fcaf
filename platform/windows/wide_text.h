#pragma once

#include <string>
#include <string_view>

// The program's texts are UTF-8; Windows speaks UTF-16. Invalid input becomes U+FFFD.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// Unpaired surrogates become U+FFFD.
std::u32string decodeUtf16(std::wstring_view utf16);
