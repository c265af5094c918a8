#!/usr/bin/env bash
# Barcodes and pictures to PDF against report-1000, in one run on this machine (median of 3):
#   labels: 1,000 pages of ten EAN-13 and one QR Code; target under 2x report-1000's time;
#   photo:  1,000 pages of one 2-megapixel photo; target under 2x, the image held once.
# Both also run with PDFCompression(6), zlib's usual level, against the default 3
# (KALDER_BENCH_PDF_LEVEL=6).
#   bench/run_labels.sh            (after `make build`)
set -euo pipefail
cd "$(dirname "$0")/.."
peers=${KALDER_PEERS:-../shared/bench}
out=${OUT:-build/bench-labels}
mkdir -p "$out"
/usr/bin/python3 "$peers/gen_corpus.py" "$out" >/dev/null
export QT_QPA_PLATFORM=offscreen SOURCE_DATE_EPOCH=0
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
run() { for _ in 1 2 3; do "$@"; done | median; }

report=$(run build/bench/kalder_report1000 "$out/report-1000.txt" "$out/report.pdf")
labels=$(run build/bench/kalder_labels1000 labels "$out/labels.pdf")
photo=$(run build/bench/kalder_labels1000 photo "$out/photo.pdf")
export KALDER_BENCH_PDF_LEVEL=6
report_6=$(run build/bench/kalder_report1000 "$out/report-1000.txt" "$out/report_6.pdf")
labels_6=$(run build/bench/kalder_labels1000 labels "$out/labels_6.pdf")
unset KALDER_BENCH_PDF_LEVEL
for f in report labels photo report_6 labels_6; do qpdf --check "$out/$f.pdf" >/dev/null || { echo "qpdf rejects $f.pdf"; exit 1; }; done
pdftoppm -r 300 -f 1000 -l 1000 -png -singlefile "$out/labels.pdf" "$out/labels-1000"
scanned=$(zbarimg -q --nodbus "$out/labels-1000.png" 2>/dev/null | grep -c ':' || true)
images=$(pdfimages -list "$out/photo.pdf" | awk 'NR > 2 {print $12}' | sort -u | wc -l)

printf '%-12s %8s %8s %10s\n' run seconds "x report" "PDF MB"
for f in report labels photo report_6 labels_6; do
  s=${!f}; base=$report; [[ $f == *_6 ]] && base=$report_6
  printf '%-12s %8.3f %8.2f %10.2f\n' "$f" "$s" "$(echo "$s / $base" | bc -l)" "$(stat -c %s "$out/$f.pdf" | awk '{print $1 / 1e6}')"
done
echo "labels page 1000: $scanned symbols read by zbarimg (11 drawn)"
echo "photo: $(pdfimages -list "$out/photo.pdf" | awk 'NR > 2' | wc -l) placements, $images distinct image object(s); photo file $(stat -c %s "$out/photo.pdf.jpg") bytes"
