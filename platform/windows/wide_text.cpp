#include "platform/windows/wide_text.h"

#include <windows.h>

#include <climits>

#include "base/utf.h"

std::wstring widen(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string narrow(std::wstring_view utf16) {
    return encodeUtf8(decodeUtf16(utf16));
}

std::u32string decodeUtf16(std::wstring_view utf16) {
    std::u32string text;
    text.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = utf16[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            text += 0x10000 + ((unit - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            text += U'\uFFFD';
        } else {
            text += unit;
        }
    }
    return text;
}
