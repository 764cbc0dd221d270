#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when they are there.
# Run as a user, it asks sudo for the installation only.
set -euo pipefail

# nlohmann-json3-dev: the command-line tool writes JSON with it.
# clang and its runtime libraries build the fuzz target.
# pybind11-dev and python3-dev build the Python module, python3-pytest tests it.
# libmimalloc-dev: the programs allocate through mimalloc, in large pages.
packages=(cmake g++ make libgtest-dev nlohmann-json3-dev clang libclang-rt-dev pybind11-dev python3-dev python3-pytest libmimalloc-dev)
if [ "${DUVAZADI_BUILD_GUI:-ON}" != "OFF" ]; then
    packages+=(qt6-base-dev)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    # Only the installation needs root.
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
