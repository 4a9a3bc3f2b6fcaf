#include "platform/windows/registry_store.h"

#include <windows.h>

#include "platform/windows/wide_text.h"
#include "platform/windows/win_handles.h"

namespace {
std::wstring keyPath(const std::string& appName, const std::string& section) {
    return L"Software\\VB and VBA Program Settings\\" + widen(appName) + L"\\" + widen(section);
}
} // namespace

std::string RegistryStore::readSetting(const std::string& appName, const std::string& section,
                                       const std::string& key, const std::string& defaultValue) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath(appName, section).c_str(), 0, KEY_QUERY_VALUE,
                      &opened) != ERROR_SUCCESS)
        return defaultValue;
    const UniqueKey k(opened);
    const std::wstring name = widen(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return defaultValue;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegQueryValueExW(k.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &bytes) != ERROR_SUCCESS)
        return defaultValue;
    // A stored string need not end with its terminator, or may hold several.
    value.resize(bytes / sizeof(wchar_t));
    value.resize(value.find(L'\0') == std::wstring::npos ? value.size() : value.find(L'\0'));
    return narrow(value);
}

void RegistryStore::writeSetting(const std::string& appName, const std::string& section,
                                 const std::string& key, const std::string& text) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath(appName, section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
        return;
    const UniqueKey k(created);
    const std::wstring value = widen(text);
    RegSetValueExW(k.get(), widen(key).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}
