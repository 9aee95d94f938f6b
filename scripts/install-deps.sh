#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need;
# with --fuzz also clang and its libFuzzer runtime, for the fuzz build.
# Quiet when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libquazip1-qt6-dev libgtest-dev
  fonts-liberation2 fonts-dejavu-core
  librsvg2-bin dpkg-dev desktop-file-utils appstream
  qt6-svg-dev poppler-utils
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
