#!/usr/bin/env bash
# Builds Marivelle with its tests and runs the whole test suite.
# Extra arguments go to ctest (e.g. ./tester.sh --schedule-random --repeat until-fail:2).
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$source_dir/scripts/paquets.sh"
cmake -S "$source_dir" -B "$source_dir/build-tests" -G Ninja -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build "$source_dir/build-tests" -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$source_dir/build-tests" --output-on-failure -j "$(nproc)" "$@"
