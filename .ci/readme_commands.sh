#!/usr/bin/env bash
# The README's commands on this release, as written there, each to its end; fails if any
# failed. The Windows build comes first, so the test command's Windows tests run what it made
# (the test build then finds it built). The package, installed with apt, is removed again.
set -uo pipefail
cd "$(dirname "$0")/.." || exit
build=${BUILD_DIR:-build}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
failed=()
step() { # a command; its failure is noted and the next one runs
    "$@" || failed+=("$*")
}
step bash scripts/build-windows.sh
step bash scripts/test.sh
step cmake --build "$build" --target package
(cd "$build" && $sudo apt install ./zeitfang_*.deb) || failed+=("apt install ./zeitfang_*.deb")
if dpkg-query -W -f='${Status}\n' zeitfang 2>/dev/null | grep -q "ok installed"; then
    [ -x /usr/bin/zeitfang ] || failed+=("the installed /usr/bin/zeitfang")
    step $sudo apt-get purge -y -qq zeitfang
else
    failed+=("the package installed")
fi
[ ${#failed[@]} -eq 0 ] || {
    printf 'readme: failed: %s\n' "${failed[@]}" >&2
    exit 1
}
