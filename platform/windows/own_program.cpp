#include "platform/windows/own_program.h"

#include <windows.h>

#include <aclapi.h>

#include "platform/windows/win_handles.h"

namespace {

using UniqueLocal = UniqueHandle<HLOCAL, LocalFree>;

// What this user's token may do with a file or folder, as Windows would decide on opening it.
ACCESS_MASK grantedAccess(const std::wstring& path, HANDLE token) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT,
                              OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION |
                                  DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, nullptr, nullptr, &descriptor) != ERROR_SUCCESS)
        return FILE_ALL_ACCESS;
    const UniqueLocal owned(descriptor);
    GENERIC_MAPPING mapping{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                            FILE_ALL_ACCESS};
    PRIVILEGE_SET privileges{};
    DWORD privilegesLength = sizeof(privileges);
    DWORD granted = 0;
    BOOL allowed = FALSE;
    if (!AccessCheck(descriptor, token, MAXIMUM_ALLOWED, &mapping, &privileges, &privilegesLength,
                     &granted, &allowed))
        return FILE_ALL_ACCESS;
    return allowed ? granted : 0;
}

} // namespace

std::wstring ownProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    // A path that does not fit is cut to the buffer: try a larger one, up to the longest path.
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
               path.size() &&
           path.size() < 32768)
        path.resize(path.size() * 2);
    path.resize(length);
    return path;
}

bool userCanChange(const std::wstring& program) {
    HANDLE processToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, &processToken))
        return true;
    const UniqueKernelHandle ownedProcessToken(processToken);
    HANDLE token = nullptr;
    if (!DuplicateToken(processToken, SecurityIdentification, &token))
        return true;
    const UniqueKernelHandle ownedToken(token);
    // Replacing a file needs one of these on it, or on its folder to add or remove files.
    constexpr ACCESS_MASK kChange =
        FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_DELETE_CHILD | DELETE | WRITE_DAC | WRITE_OWNER;
    const std::wstring folder = program.substr(0, program.find_last_of(L"\\/"));
    return (grantedAccess(program, token) & kChange) != 0 ||
           (grantedAccess(folder, token) & kChange) != 0;
}
