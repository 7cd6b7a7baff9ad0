#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the package checks need, when any is
# missing.
set -euo pipefail

packages=(g++ cmake ninja-build clang-format googletest libgtest-dev libgmock-dev
          libbenchmark-dev pkg-config libsqlite3-dev sqlite3 libcli11-dev iso-codes
          nlohmann-json3-dev libphonenumber-dev qt6-base-dev xvfb xdotool openbox x11-utils
          fonts-dejavu-core fonts-dejavu-extra fonts-noto-cjk libebook-contacts1.2-dev
          libkf5contacts-dev clang libclang-rt-14-dev dpkg-dev file lintian)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$p")
done
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
fi
