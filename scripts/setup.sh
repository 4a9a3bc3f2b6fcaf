#!/usr/bin/env bash
# Installs the Debian packages the project needs; does nothing when all are there.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t wanted < <(grep -vE '^\s*(#|$)' scripts/packages.txt)
# What a release does not carry: Debian testing has no Wine (the Windows tests run on 12 and 13).
case "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" in
forky) absent=" wine wine64 " ;;
*) absent=" " ;;
esac
missing=()
for p in "${wanted[@]}"; do
    [[ "$absent" != *" $p "* ]] || continue
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
