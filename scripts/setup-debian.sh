#!/usr/bin/env bash
# Installs the Debian 12 packages Quandrel needs to build, run and test,
# asking apt only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ccache pkg-config
  qt6-base-dev qt6-base-dev-tools
  qt6-svg-dev qt6-pdf-dev
  # Pinned fonts: reference pixels depend on which fallback font is present.
  fonts-liberation2 fonts-liberation fonts-symbola fonts-urw-base35
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
