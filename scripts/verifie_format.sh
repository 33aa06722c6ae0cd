#!/usr/bin/env bash
# Checks that clang-format (with the project's .clang-format) would change no C++ file of src/,
# tests/, tools/ or bench/; names the files it would change and fails. With --corrige, formats
# those files in place instead.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if ! command -v clang-format > /dev/null; then
  echo "clang-format est absent : « bash scripts/paquets.sh » l'installe." >&2
  exit 2
fi
mapfile -t fichiers < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
                                        'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h')
statut=0
sortie="$(clang-format --dry-run --Werror "${fichiers[@]}" 2>&1)" || statut=$?
mapfile -t a_refaire < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<< "$sortie" | sort -u)
if [ "$statut" -ne 0 ] && [ ${#a_refaire[@]} -eq 0 ]; then
  echo "$sortie" >&2  # clang-format itself failed (its configuration, a file it cannot read)
  exit "$statut"
fi
if [ ${#a_refaire[@]} -eq 0 ]; then
  echo "Mise en forme : les ${#fichiers[@]} fichiers C++ sont conformes à .clang-format."
  exit 0
fi
if [ "${1:-}" = "--corrige" ]; then
  clang-format -i "${a_refaire[@]}"
  echo "Mise en forme refaite dans ${#a_refaire[@]} fichier(s)."
  exit 0
fi
echo "Mise en forme à refaire dans ${#a_refaire[@]} fichier(s) :" >&2
printf '  %s\n' "${a_refaire[@]}" >&2
echo "Pour la refaire : bash scripts/verifie_format.sh --corrige (ou clang-format -i <fichier>)." >&2
exit 1
