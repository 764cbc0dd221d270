#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when they are there.
set -euo pipefail

# clang and its runtime libraries build the fuzz target.
packages=(cmake g++ make libgtest-dev clang libclang-rt-dev)
if [ "${DUVAZADI_BUILD_GUI:-ON}" != "OFF" ]; then
    packages+=(qt6-base-dev)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
