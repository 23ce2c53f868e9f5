#!/usr/bin/env bash
# Installs the Debian packages that building Sunveil (and, with --test, testing it) needs and that
# this machine lacks. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins fonts-dejavu-core fonts-wine fonts-liberation2)
if [[ "${1:-}" == "--test" ]]; then
    # End-to-end tests: a virtual X server, a window manager, a notification area, input from
    # outside the program.
    packages+=(xvfb xauth x11-utils openbox trayer xdotool)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -ne 0 ]] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
