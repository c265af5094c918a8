#!/usr/bin/env bash
# The ledger column report from SQLite to PDF against ReportLab's platypus table (rl_table.py
# beside gen_corpus.py), in one run on this machine: 10,000 and 100,000 rows, Kalder the median
# of 3 runs, ReportLab once (100,000 rows take it minutes; KALDER_BENCH_PEER=0 leaves it out).
# Whole processes under /usr/bin/time: wall seconds and peak resident memory. Every PDF must
# pass qpdf --check, and the totals Kalder's report prints, read back with pdftotext, must
# equal the sums sqlite3 makes of the same rows in whole cents.
#   bench/run_ledger.sh            (after `ninja -C build kalder_ledger`)
set -euo pipefail
shopt -s inherit_errexit  # a failed run inside $(...) stops the script too
cd "$(dirname "$0")/.."
peers=${KALDER_PEERS:-../shared/bench}
out=${OUT:-build/bench-ledger}
peer=${KALDER_BENCH_PEER:-1}
mkdir -p "$out"
/usr/bin/python3 "$peers/gen_corpus.py" "$out" >/dev/null
# The C locale's decimal point in both reports, whatever the caller's: the totals are compared
# as text.
export QT_QPA_PLATFORM=offscreen SOURCE_DATE_EPOCH=0 LC_ALL=C.UTF-8

# The ledger as a typed table; the index is the one a real ledger would have for the report's
# order, so that the query streams its rows instead of sorting them first.
db=$out/ledger.db
rm -f "$db"
sqlite3 "$db" <<EOF
CREATE TABLE ledger (id INTEGER PRIMARY KEY, date TEXT, region TEXT, account TEXT, description TEXT,
                     quantity INTEGER, price REAL, amount REAL);
.import --csv --skip 1 $out/ledger-100k.csv ledger
CREATE INDEX ledger_region_id ON ledger (region, id);
EOF

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# "seconds peak-KB" of one run of the command; its own output is kept in $out/stdout.txt.
timed() { /usr/bin/time -f '%e %M' -o "$out/time.txt" "$@" >"$out/stdout.txt"; cat "$out/time.txt"; }
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
# "label|amount" for every total row of a report, in its order.
totals() { pdftotext -layout "$1" - | sed -nE 's/^ *(Total [A-Za-z]+|Grand total) +([0-9][0-9.]*) *$/\1|\2/p'; }
# The same from the database: the first $1 rows in the report's order, summed in whole cents.
expected() {
  sqlite3 "$db" "WITH r AS (SELECT region, CAST(round(amount * 100) AS INTEGER) AS cents FROM ledger
                            ORDER BY region, id LIMIT $1),
                      t AS (SELECT 0 AS k, region, 'Total ' || region AS label, sum(cents) AS s FROM r GROUP BY region
                            UNION ALL SELECT 1, '', 'Grand total', sum(cents) FROM r)
                 SELECT label || '|' || printf('%d.%02d', s / 100, s % 100) FROM t ORDER BY k, region"
}

declare -A sec mem pdf
for rows in 10000 100000; do
  k=$out/kalder-$rows.pdf
  runs=$(for _ in 1 2 3; do timed build/bench/kalder_ledger "$db" "$k" "$rows"; done)
  sec[kalder,$rows]=$(awk '{print $1}' <<<"$runs" | median)
  mem[kalder,$rows]=$(awk '{print $2}' <<<"$runs" | median)
  pdf[kalder,$rows]=$k
  read -r _ printed <"$out/stdout.txt"
  [[ $printed == "$(pages "$k")" ]] || { echo "kalder_ledger counted $printed pages, pdfinfo $(pages "$k")"; exit 1; }
  if [[ $peer == 1 ]]; then
    r=$out/reportlab-$rows.pdf
    run=$(timed /usr/bin/python3 "$peers/rl_table.py" "$out/ledger-100k.csv" "$r" "$rows")
    read -r "sec[reportlab,$rows]" "mem[reportlab,$rows]" <<<"$run"
    pdf[reportlab,$rows]=$r
  fi
done

for key in "${!pdf[@]}"; do
  qpdf --check "${pdf[$key]}" >/dev/null || { echo "qpdf rejects ${pdf[$key]}"; exit 1; }
done
for rows in 10000 100000; do
  want=$(expected "$rows")
  diff <(echo "$want") <(totals "${pdf[kalder,$rows]}") >/dev/null ||
    { echo "Kalder's totals at $rows rows differ from sqlite3's:"; diff <(echo "$want") <(totals "${pdf[kalder,$rows]}"); exit 1; }
  # The peer prints the same sums: a difference here would be in the data, not in Kalder.
  if [[ $peer == 1 ]] && ! diff <(echo "$want") <(totals "${pdf[reportlab,$rows]}") >/dev/null; then
    echo "ReportLab's totals at $rows rows differ from sqlite3's"; exit 1
  fi
done

printf '%-10s %7s %8s %8s %6s %7s\n' program rows seconds "peak MB" pages "PDF MB"
for program in kalder reportlab; do
  for rows in 10000 100000; do
    [[ -n ${pdf[$program,$rows]:-} ]] || continue
    printf '%-10s %7d %8.2f %8.1f %6d %7.2f\n' "$program" "$rows" "${sec[$program,$rows]}" \
      "$(echo "${mem[$program,$rows]} / 1024" | bc -l)" "$(pages "${pdf[$program,$rows]}")" \
      "$(stat -c %s "${pdf[$program,$rows]}" | awk '{print $1 / 1e6}')"
  done
done
if [[ $peer == 1 ]]; then
  printf 'ReportLab / Kalder at 100,000 rows: %.1fx the time, %.2fx the peak memory\n' \
    "$(echo "${sec[reportlab,100000]} / ${sec[kalder,100000]}" | bc -l)" \
    "$(echo "${mem[reportlab,100000]} / ${mem[kalder,100000]}" | bc -l)"
fi
printf 'Kalder 100,000 / 10,000 rows: %.1fx the time (10 is linear)\n' \
  "$(echo "${sec[kalder,100000]} / ${sec[kalder,10000]}" | bc -l)"
echo "totals match sqlite3's at both sizes; at 100,000 rows: $(expected 100000 | tr '|' ' ' | paste -sd, - | sed 's/,/, /g')"
