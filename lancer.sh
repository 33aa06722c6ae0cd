#!/usr/bin/env bash
# Builds Marivelle in Release and starts it in its data folder (default ~/Marivelle).
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
donnees="${1:-$HOME/Marivelle}"
bash "$source_dir/scripts/paquets.sh"
cmake -S "$source_dir" -B "$source_dir/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DMARIVELLE_TESTS=OFF -DMARIVELLE_BENCH=OFF > /dev/null
cmake --build "$source_dir/build-release" --target marivelle images
mkdir -p "$donnees"
# The pictures and messages are data a teacher may replace: existing files are kept.
cp -rn "$source_dir/build-release/Images" "$donnees/" 2>/dev/null || true
[ -f "$donnees/MessagesPerdu.txt" ] || cp "$source_dir/data/MessagesPerdu.txt" "$donnees/"
cd "$donnees"
exec "$source_dir/build-release/src/marivelle"
