#!/usr/bin/env bash
# report-1000 in Cyrillic as PDF: Kalder (embedded font subsets) against cairo (which embeds
# subsets too) on the same text, in one run on this machine. The corpus's letters are written
# in Cyrillic, one letter for each Latin one (KALDER_BENCH_CYRILLIC in kalder_report1000; the
# same table below for cairo). Each program runs five times; the medians of the wall time and
# the file sizes are printed, every output checked by qpdf, pdffonts and pdftotext.
#   bench/run_scripts.sh            (after `make build`; the peer is built here with gcc)
set -euo pipefail
cd "$(dirname "$0")/.."
peers=${KALDER_PEERS:-../shared/bench}
out=${OUT:-build/bench-scripts}
mkdir -p "$out"
/usr/bin/python3 "$peers/gen_corpus.py" "$out" >/dev/null
/usr/bin/python3 - "$out/report-1000.txt" "$out/report-1000-cyrillic.txt" <<'PY'
import sys
lower = "абцдефгхийклмнопярстувшжыз"
table = {ord(a): b for a, b in zip("abcdefghijklmnopqrstuvwxyz", lower)}
table.update({ord(a.upper()): b.upper() for a, b in zip("abcdefghijklmnopqrstuvwxyz", lower)})
open(sys.argv[2], "w", encoding="utf-8").write(open(sys.argv[1], encoding="utf-8").read().translate(table))
PY
gcc -O2 -o "$out/cairo_report" "$peers/cairo_report.c" $(pkg-config --cflags --libs cairo) -lm

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
seconds() {  # command...; the median wall time of 5 runs
  for _ in 1 2 3 4 5; do
    local t0 t1; t0=$(date +%s.%N); "$@" >/dev/null; t1=$(date +%s.%N)
    echo "$t1 - $t0" | bc -l
  done | median
}
check() {  # file: sound, the fonts of the Cyrillic text embedded, the last corpus line on page 1000
  qpdf --check "$1" >/dev/null || { echo "qpdf rejects $1"; exit 1; }
  pdffonts "$1" | tail -n +3 | awk '$(NF-5) != "WinAnsi" && ($(NF-4) != "yes" || $(NF-2) != "yes") {bad = 1} END {exit bad}' ||
    { echo "$1: a font is not an embedded subset with a ToUnicode map"; exit 1; }
  pdftotext -f 1000 -l 1000 "$1" - | grep -qF "$(sed -n 50000p "$out/report-1000-cyrillic.txt" | cut -d' ' -f1-3)" ||
    { echo "$1: last line missing"; exit 1; }
}

export QT_QPA_PLATFORM=offscreen SOURCE_DATE_EPOCH=0
k=$(KALDER_BENCH_CYRILLIC=1 seconds build/bench/kalder_report1000 "$out/report-1000.txt" "$out/kalder.pdf")
check "$out/kalder.pdf"
c=$(seconds "$out/cairo_report" "$out/report-1000-cyrillic.txt" "$out/cairo.pdf")
check "$out/cairo.pdf"
printf '%-10s %8s %10s\n' program seconds "file MB"
for row in "kalder:$k:$out/kalder.pdf" "cairo:$c:$out/cairo.pdf"; do
  IFS=: read -r name t file <<<"$row"
  printf '%-10s %8.3f %10.3f\n' "$name" "$t" "$(echo "$(stat -c %s "$file") / 1000000" | bc -l)"
done
