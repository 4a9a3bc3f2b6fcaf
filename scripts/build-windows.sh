#!/usr/bin/env bash
# Cross-builds the Windows program on Debian 12, 13 or testing into dist/: zeitfang.exe,
# statically linked, the zip that carries it and an installer with a Start-menu entry and an
# uninstaller.
# Installs the cross compiler and the other tools when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
wanted=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 imagemagick zip nsis)
missing=()
for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Beside the test build ($BUILD_DIR, as scripts/build.sh), whose Windows tests run it.
build=${BUILD_DIR:-build}/windows/program
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DZEITFANG_QT=OFF -DZEITFANG_TESTS=OFF -DZEITFANG_WERROR=ON >/dev/null
ninja -C "$build" -j "$(nproc)"

exe="$build/shell/win32/zeitfang.exe"
size=$(stat -c %s "$exe")
if [ "$size" -gt $((2 * 1024 * 1024)) ]; then
    echo "zeitfang.exe is $size bytes, more than 2 MB" >&2
    exit 1
fi
# Only DLLs every Windows (7 and later) has: the program is one file.
system_dlls="^(kernel32|user32|gdi32|advapi32|shell32|shlwapi|ole32|oleaut32|oleacc|comctl32"
system_dlls+="|comdlg32|uiautomationcore|uxtheme|dwmapi|imm32|version|winmm|wininet|msvcrt)\.dll$"
foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' |
    tr 'A-Z' 'a-z' | grep -vE "$system_dlls" || true)
if [ -n "$foreign" ]; then
    echo "zeitfang.exe imports DLLs that are not part of Windows: $foreign" >&2
    exit 1
fi

version=$(sed -n 's/^project(zeitfang VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
mkdir -p dist
cp "$exe" dist/zeitfang.exe
rm -f "dist/zeitfang-$version-windows.zip"
cp LICENSE dist/LICENSE.txt
(cd dist && zip -q -9 "zeitfang-$version-windows.zip" zeitfang.exe LICENSE.txt)
rm dist/LICENSE.txt
makensis -V2 -DVERSION="$version" -DEXE="$PWD/dist/zeitfang.exe" \
    -DOUT="$PWD/dist/zeitfang-$version-windows-setup.exe" packaging/windows/zeitfang.nsi
echo "dist/zeitfang.exe ($size bytes), dist/zeitfang-$version-windows.zip," \
    "dist/zeitfang-$version-windows-setup.exe"
