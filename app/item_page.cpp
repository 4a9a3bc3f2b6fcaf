#include "app/item_page.h"

namespace {
bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}
} // namespace

std::string itemPageUrl(const std::string& host, const std::string& itemNumber) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "http://" + host + "/ws/eBayISAPI.dll?ViewItem&item=";
    for (const char ch : itemNumber) {
        const auto c = static_cast<unsigned char>(ch);
        if (unreserved(c)) {
            url += ch;
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 15];
        }
    }
    return url;
}
