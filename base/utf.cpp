#include "base/utf.h"

std::u32string decodeUtf8(std::string_view bytes, bool* valid) {
    std::u32string out;
    out.reserve(bytes.size());
    bool ok = true;
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = s[i];
        int len = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (b < 0x80) {
            out += b;
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            len = 2, cp = b & 0x1F, min = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3, cp = b & 0x0F, min = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4, cp = b & 0x07, min = 0x10000;
        }
        bool good = len > 0 && i + len <= n;
        for (int k = 1; good && k < len; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                good = false;
            else
                cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (good && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            good = false;
        if (good) {
            out += cp;
            i += len;
        } else {
            out += U'\uFFFD';
            ok = false;
            ++i;
        }
    }
    if (valid)
        *valid = ok;
    return out;
}

std::u32string decodeLatin1(std::string_view bytes) {
    std::u32string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        out += static_cast<unsigned char>(c);
    return out;
}

std::string encodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            cp = 0xFFFD;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}
