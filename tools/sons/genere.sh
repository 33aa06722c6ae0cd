#!/usr/bin/env bash
# Synthesises the program's sound effects from scratch with sox (no recording, no sample), into
# data/sons/ (22 050 Hz, mono, 16 bits). Sounds of the sea: bubbles (a sine whose pitch rises
# quickly, as a rising bubble's does) and a coin's ring (a few inharmonic partials dying out), never
# a beep nor a buzzer. Every effect is brought to the same loudness (RMS -14 dB, peaks kept under
# -1 dB), so that none is lost under the others. Run again after changing a sound; the files it
# writes are committed.
set -euo pipefail
cible="${1:-$(dirname "$0")/../../data/sons}"
mkdir -p "$cible"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
format=(-r 22050 -c 1 -b 16)
rms_cible=-14
# Repeatable: the same script writes the same bytes (no random dither, the noise seeded).
sox() { command sox -R "$@"; }
calcule() { awk "BEGIN { print $* }"; }
niveau() { command sox "$1" -n stats 2>&1 | awk -v quoi="$2" '$0 ~ "^" quoi { print $NF }'; }

# bulle FILE DURATION FROM TO [VOLUME]: one bubble, its pitch rising from FROM to TO Hz.
bulle() {
  sox -n "${format[@]}" "$1" synth "$2" sine "$3/$4" fade h 0.004 "$2" "$(calcule "$2 * 0.7")" vol "${5:-1}"
}
# tinte FILE DURATION BASE: a small metal ring, its partials at the ratios of a struck coin.
tinte() {
  local f="$1" d="$2" b="$3"
  sox -n "${format[@]}" "$tmp/t1.wav" synth "$d" sine "$b" fade t 0.002 "$d" "$d"
  sox -n "${format[@]}" "$tmp/t2.wav" synth "$d" sine "$(calcule "$b * 2.76")" fade l 0.002 "$(calcule "$d * 0.6")" "$(calcule "$d * 0.6")" vol 0.5
  sox -n "${format[@]}" "$tmp/t3.wav" synth "$d" sine "$(calcule "$b * 5.4")" fade l 0.002 "$(calcule "$d * 0.3")" "$(calcule "$d * 0.3")" vol 0.25
  sox -m "$tmp/t1.wav" "$tmp/t2.wav" "$tmp/t3.wav" "$f"
}
# silence FILE DURATION
silence() { sox -n "${format[@]}" "$1" trim 0 "$2"; }
# ensemble FILE PART...: the parts one after the other, at the common loudness.
ensemble() {
  local fichier="$1"
  shift
  sox "$@" "${format[@]}" "$tmp/ensemble.wav"
  egalise "$tmp/ensemble.wav" "$fichier"
}
egalise() {
  local gain
  gain=$(calcule "$rms_cible - ($(niveau "$1" 'RMS lev dB'))")
  sox "$1" "$2" gain "$gain"
  local crete
  crete=$(niveau "$2" 'Pk lev dB')
  if awk "BEGIN { exit !($crete > -1) }"; then
    echo "$(basename "$2") : crête à $crete dB, trop forte" >&2
    exit 1
  fi
}

# The seahorse takes the coin: the coin rings once, a little bubble goes up.
tinte "$tmp/p1.wav" 0.3 1568
bulle "$tmp/p2.wav" 0.08 600 1500 0.6
ensemble "$cible/piece.wav" "$tmp/p1.wav" "$tmp/p2.wav"

# A coin lands in the chest: two quick rings, one on the other.
tinte "$tmp/c1.wav" 0.12 2093
tinte "$tmp/c2.wav" 0.35 2349
ensemble "$cible/cling.wav" "$tmp/c1.wav" "$tmp/c2.wav"

# A bubble bursts: blup.
bulle "$tmp/b1.wav" 0.07 380 1400
silence "$tmp/b2.wav" 0.03
ensemble "$cible/bulle.wav" "$tmp/b1.wav" "$tmp/b2.wav"

# A right answer: three bubbles going up higher and higher, then a ring.
bulle "$tmp/j1.wav" 0.08 400 900
bulle "$tmp/j2.wav" 0.08 550 1200
bulle "$tmp/j3.wav" 0.08 700 1600
tinte "$tmp/j4.wav" 0.25 2637
ensemble "$cible/juste.wav" "$tmp/j1.wav" "$tmp/j2.wav" "$tmp/j3.wav" "$tmp/j4.wav"

# A wrong answer: two soft low bubbles, "blub blub", never a buzzer.
bulle "$tmp/f1.wav" 0.14 260 420
silence "$tmp/f2.wav" 0.05
bulle "$tmp/f3.wav" 0.2 200 320
ensemble "$cible/faux.wav" "$tmp/f1.wav" "$tmp/f2.wav" "$tmp/f3.wav"

# The pirate takes the coin: a splash ("plouf") and big bubbles going up.
sox -n "${format[@]}" "$tmp/r1.wav" synth 0.3 pinknoise lowpass 900 fade l 0.01 0.3 0.28
bulle "$tmp/r2.wav" 0.12 150 420
bulle "$tmp/r3.wav" 0.12 200 520
sox "$tmp/r2.wav" "$tmp/r3.wav" "$tmp/r23.wav"
sox -m "$tmp/r1.wav" "$tmp/r23.wav" "$tmp/r.wav"
egalise "$tmp/r.wav" "$cible/pirate.wav"
