#!/usr/bin/env bash
# Runs lecteur_ecran.py on its own session bus and display; skipped (77) where the reader's
# bus or tools are not installed.
set -euo pipefail
programme=$1
for outil in dbus-run-session xvfb-run xdotool /usr/libexec/at-spi-bus-launcher; do
  command -v "$outil" >/dev/null || { echo "absent : $outil"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "absent : python3-pyatspi"; exit 77; }
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
dbus-run-session -- xvfb-run -a -s "-screen 0 1366x768x24" \
  /usr/bin/python3 "$(dirname "$0")/lecteur_ecran.py" "$programme" "$dossier"
