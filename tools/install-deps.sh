#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing. Run as root.
set -euo pipefail

# Ninja builds, and make builds a folder made with it before. dpkg-dev and file: cpack -G DEB
# computes the package's dependencies with them. The game plays its sounds through the
# PulseAudio client library, found with pkg-config. Its translations are made with Qt's
# Linguist tools (lupdate, lrelease) and gettext (msgfmt, xgettext).
packages=(cmake ninja-build g++ make pkg-config libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev
    libpulse-dev dpkg-dev file qt6-tools-dev qt6-l10n-tools gettext "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
