#!/usr/bin/env bash
# Installs the Debian packages Marivelle needs to build, check, test and run, when some are missing.
set -euo pipefail
paquets=(qt6-base-dev qt6-svg-dev libqt6sql6-sqlite qt6-base-dev-tools cmake ninja-build g++ pkg-config
         libgtest-dev libbenchmark-dev libzip-dev libpugixml-dev libexpat1-dev xvfb xauth imagemagick
         x11-apps python3-openpyxl fonts-comic-neue fonts-liberation2 fonts-sil-andika fonts-opendyslexic
         postgresql libqt6sql6-psql
         qt6-translations-l10n qt6-charts-dev poppler-utils
         qt6-multimedia-dev qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher
         espeak-ng speech-dispatcher-espeak-ng sox hyperfine libreoffice-calc-nogui libnlopt-cxx-dev clang-format
         at-spi2-core python3-pyatspi dbus-daemon xdotool)
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation des paquets : ${manquants[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${manquants[@]}"
fi
