#!/usr/bin/env bash
# Inputs that once cost far more than their size (kalder_hostile), each against its baseline
# in one run; the median of three runs of each, and the ratio the target is set on:
#   a paragraph of 500 words in 500 distinct font names against the same in one font (< 2x)
#   ShowRTF of a 50 MB RTF file against a 10 MB one (< 6x: linear in the size)
#   drawing a page of a 20,000-link reference chain (< 1 s)
#   bench/run_hostile.sh            (after `make build`)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/bench/kalder_hostile
out=${OUT:-build/bench-hostile}
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
timed() { for _ in 1 2 3; do "$bin" "$@" 2>/dev/null; done | median; }
ratio() { echo "scale=2; $1 / $2" | bc -l; }

one=$(timed fonts 500 one)
distinct=$(timed fonts 500 distinct)
printf '%-34s %8s s\n' "500 words, one font" "$one" "500 words, 500 font names" "$distinct"
printf '%-34s %8s   (target < 2)\n' "ratio" "$(ratio "$distinct" "$one")"

small=$(timed rtf 10 "$out/10.rtf")
large=$(timed rtf 50 "$out/50.rtf")
printf '%-34s %8s s\n' "ShowRTF 10 MB" "$small" "ShowRTF 50 MB" "$large"
printf '%-34s %8s   (target < 6)\n' "ratio" "$(ratio "$large" "$small")"
rm -f "$out"/*.rtf

printf '%-34s %8s s (target < 1)\n' "20,000-link reference chain" "$(timed chain 20000)"
