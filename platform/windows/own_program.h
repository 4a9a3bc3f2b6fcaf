#pragma once

#include <string>

// The full path of this program's file, however long.
std::wstring ownProgramPath();

// True when this user, or anything running as them, could change or replace the program file
// or put files beside it (DLLs it would load): then it must not be run as an administrator.
// Also true when the file's security cannot be read.
bool userCanChange(const std::wstring& program);
