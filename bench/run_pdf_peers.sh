#!/usr/bin/env bash
# report-1000 as PDF: Kalder against cairo, ReportLab's canvas and Qt's QPdfWriter, in one run
# on this machine. Each program runs five times; the medians of the whole process's wall time
# and peak resident memory (max RSS from /usr/bin/time) are reported, with every output
# checked by qpdf, pdfinfo and pdftotext. MB are 10^6 bytes in both the memory and file columns.
#   bench/run_pdf_peers.sh            (after `make build`; peers are built here with gcc)
set -euo pipefail
cd "$(dirname "$0")/.."
peers=${KALDER_PEERS:-../shared/bench}
out=${OUT:-build/bench-pdf}
mkdir -p "$out"
/usr/bin/python3 "$peers/gen_corpus.py" "$out" >/dev/null
corpus="$out/report-1000.txt"

gcc -O2 -o "$out/cairo_report" "$peers/cairo_report.c" $(pkg-config --cflags --libs cairo) -lm
g++ -O2 -fPIC -o "$out/qt_report" "$peers/qt_report.cpp" $(pkg-config --cflags --libs Qt6Gui)

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
measure() {  # command...; prints "seconds peak-MB", each the median of 5 runs
  local runs=$out/runs.txt; : >"$runs"
  for _ in 1 2 3 4 5; do
    local t0 t1; t0=$(date +%s.%N)
    /usr/bin/time -f %M -o "$out/rss.txt" "$@" >/dev/null; t1=$(date +%s.%N)
    echo "$(echo "$t1 - $t0" | bc -l) $(cat "$out/rss.txt")" >>"$runs"
  done
  # %M is KiB.
  echo "$(cut -d' ' -f1 "$runs" | median) $(cut -d' ' -f2 "$runs" | median | awk '{print $1 * 1024 / 1e6}')"
}
check() {  # file: pages and the text of page 1000
  qpdf --check "$1" >/dev/null || { echo "qpdf rejects $1"; exit 1; }
  [ "$(pdfinfo "$1" | awk '/^Pages:/ {print $2}')" = 1000 ] || { echo "$1: not 1000 pages"; exit 1; }
  pdftotext -f 1000 -l 1000 "$1" - | grep -q "Page 1000 of 1000" || { echo "$1: no footer on page 1000"; exit 1; }
  pdftotext -f 1000 -l 1000 "$1" - | grep -qF "$(sed -n 50000p "$corpus" | cut -c1-20)" || { echo "$1: last line missing"; exit 1; }
}

export QT_QPA_PLATFORM=offscreen SOURCE_DATE_EPOCH=0
k=$(measure build/bench/kalder_report1000 "$corpus" "$out/kalder.pdf"); check "$out/kalder.pdf"
c=$(measure "$out/cairo_report" "$corpus" "$out/cairo.pdf"); check "$out/cairo.pdf"
r=$(measure /usr/bin/python3 "$peers/rl_canvas.py" "$corpus" "$out/reportlab.pdf"); check "$out/reportlab.pdf"
q=$(measure "$out/qt_report" "$corpus" "$out/qt.pdf"); check "$out/qt.pdf"

kt=${k% *}
printf '%-22s %8s %10s %10s %10s\n' program seconds "x kalder" "peak MB" "file MB"
for row in "kalder:$k:$out/kalder.pdf" "cairo:$c:$out/cairo.pdf" "reportlab canvas:$r:$out/reportlab.pdf" "qt qpdfwriter:$q:$out/qt.pdf"; do
  IFS=: read -r name m file <<<"$row"
  read -r t rss <<<"$m"
  printf '%-22s %8.3f %10.2f %10.1f %10.1f\n' "$name" "$t" "$(echo "$t / $kt" | bc -l)" "$rss" \
    "$(echo "$(stat -c %s "$file") / 1000000" | bc -l)"
done
