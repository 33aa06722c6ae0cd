#!/usr/bin/env bash
# Long reliability runs by hand (the CI runs the short ones with the test suite):
#   scripts/fiabilite.sh [seconds of fuzzing, default 600]
# - kill -9 loop over the rewrites (5000 kills), two programs registering 2 x 1000 pupils, the
#   full-disk cases: the reliability tests with MARIVELLE_FIABILITE_LONGUE=1;
# - the parsers fuzzed with libFuzzer (clang, address sanitizer; absolute paths, the fuzz entry
#   changes its working folder) when clang is there, else with the
#   seeded random driver.
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
secondes="${1:-600}"
build="$source_dir/build-fiabilite"
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARIVELLE_BENCH=OFF > /dev/null
cmake --build "$build" --target base_tests identification_tests parametres_tests marivelle_fuzz_aleatoire
export QT_QPA_PLATFORM=offscreen MARIVELLE_FIABILITE_LONGUE=1
"$build/tests/base_tests" --gtest_filter='FichierFiable.*'
"$build/tests/identification_tests" --gtest_filter='RegistreFiable*'
"$build/tests/parametres_tests" --gtest_filter='PositionParametres.*'
corpus=("$source_dir"/tests/logique/parametres/corpus/*.txt)
if command -v clang++ > /dev/null; then
  fuzz="$source_dir/build-fuzz"
  CC=clang CXX=clang++ cmake -S "$source_dir" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMARIVELLE_FUZZ=ON -DMARIVELLE_SANITIZE=ON -DMARIVELLE_BENCH=OFF > /dev/null
  cmake --build "$fuzz" --target marivelle_fuzz
  mkdir -p "$fuzz/corpus" && cp -n "${corpus[@]}" "$fuzz/corpus/"
  LSAN_OPTIONS="suppressions=$source_dir/tools/sanitizers/lsan.supp" \
    "$fuzz/tools/fuzz/marivelle_fuzz" -max_total_time="$secondes" -artifact_prefix="$fuzz/" "$fuzz/corpus"
else
  cmake --build "$build" --target marivelle_fuzz_aleatoire
  "$build/tools/fuzz/marivelle_fuzz_aleatoire" --secondes "$secondes" --graine "$RANDOM" "${corpus[@]}"
fi
