#!/usr/bin/env bash
# Synthesises the program's sound effects from scratch with sox (no recording, no sample), into
# data/sons/ (22 050 Hz, mono, 16 bits). Short and soft: every note fades in and out, and nothing
# is louder than -6 dB. Run again after changing a sound; the files it writes are committed.
set -euo pipefail
cible="${1:-$(dirname "$0")/../../data/sons}"
mkdir -p "$cible"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
format=(-r 22050 -c 1 -b 16)
# Repeatable: the same script writes the same bytes (no random dither, the plucked note's noise seeded).
sox() { command sox -R "$@"; }

# note FILE DURATION WAVE FREQUENCY [extra sox effects...]: one soft note.
note() {
  local fichier="$1" duree="$2" onde="$3" frequence="$4"
  shift 4
  sox -n "${format[@]}" "$fichier" synth "$duree" "$onde" "$frequence" fade q 0.01 "$duree" "$(awk "BEGIN { print $duree * 0.6 }")" "$@"
}
# suite FILE NOTE...: notes one after the other, normalised to -6 dB.
suite() {
  local fichier="$1"
  shift
  sox "$@" "${format[@]}" "$tmp/suite.wav"
  sox "$tmp/suite.wav" "$fichier" norm -6
}

# The seahorse takes the coin: two bright rising notes.
note "$tmp/p1.wav" 0.07 sine 988
note "$tmp/p2.wav" 0.22 sine 1319
suite "$cible/piece.wav" "$tmp/p1.wav" "$tmp/p2.wav"

# A coin lands in the chest: a short plucked bell.
sox -n "${format[@]}" "$tmp/c1.wav" synth 0.35 pluck 2093 fade q 0 0.35 0.3
sox -n "${format[@]}" "$tmp/c2.wav" synth 0.35 pluck 3136 fade q 0 0.35 0.3 vol 0.5
sox -m "$tmp/c1.wav" "$tmp/c2.wav" "$tmp/c.wav"
sox "$tmp/c.wav" "$cible/cling.wav" norm -6

# A bubble bursts: a quick upward sweep.
sox -n "${format[@]}" "$tmp/b.wav" synth 0.09 sine 300-1400 fade q 0.005 0.09 0.05
sox "$tmp/b.wav" "$cible/bulle.wav" norm -8

# A right answer: three notes up, do mi sol.
note "$tmp/j1.wav" 0.09 sine 523
note "$tmp/j2.wav" 0.09 sine 659
note "$tmp/j3.wav" 0.28 sine 784
suite "$cible/juste.wav" "$tmp/j1.wav" "$tmp/j2.wav" "$tmp/j3.wav"

# A wrong answer: two soft notes down, never a buzzer.
note "$tmp/f1.wav" 0.16 triangle 392
note "$tmp/f2.wav" 0.3 triangle 330
suite "$cible/faux.wav" "$tmp/f1.wav" "$tmp/f2.wav"

# The pirate takes the coin: a low, playful "dum-di-dum".
note "$tmp/r1.wav" 0.12 triangle 196
note "$tmp/r2.wav" 0.08 triangle 247
note "$tmp/r3.wav" 0.3 triangle 147 tremolo 8 40
suite "$cible/pirate.wav" "$tmp/r1.wav" "$tmp/r2.wav" "$tmp/r3.wav"
