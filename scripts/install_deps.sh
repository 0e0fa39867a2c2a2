#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Idempotent and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format clang-tidy
  qt6-base-dev qt6-declarative-dev qt6-svg-dev qt6-base-dev-tools
  libgl-dev libegl-dev libxkbcommon-dev libvulkan-dev
  qt6-qpa-plugins libqt6svg6 qml6-module-qtqml qt6-translations-l10n
  libsqlite3-dev liberfa-dev
  coinor-libclp-dev coinor-libcbc-dev
  python3 fonts-noto-cjk xvfb x11-utils imagemagick xdotool
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update -qq
$sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
