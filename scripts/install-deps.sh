#!/usr/bin/env bash
# Installs the Debian packages that building, testing and the program's look need, if missing.
set -euo pipefail
pkgs=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
      libsqlite3-dev sqlite3 libgtest-dev libbenchmark-dev fonts-arphic-uming fonts-liberation2
      xvfb xdotool imagemagick clang-format desktop-file-utils appstream libical-dev
      libxcb1-dev trayer)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
