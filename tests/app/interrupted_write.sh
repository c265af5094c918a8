#!/usr/bin/env bash
# The kalder tool, stopped by SIGINT, SIGTERM or SIGHUP while a file is being written, removes
# its temporary file and leaves no target: nothing half-written stays behind.
#   interrupted_write.sh KALDER_TOOL
set -euo pipefail
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Rows enough for the PDF to take a while to write.
sqlite3 "$dir/rows.db" "CREATE TABLE t(n INTEGER, name TEXT);
  WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 150000)
  INSERT INTO t SELECT n, 'row ' || n FROM c;"
for signal in INT TERM HUP; do
  QT_QPA_PLATFORM=offscreen "$tool" report "$dir/rows.db" "SELECT * FROM t" "$dir/out.pdf" >/dev/null 2>&1 &
  pid=$!
  # Waits as long as the tool runs: laying the rows out takes seconds here and nearly a minute
  # in the sanitized build; CTest's timeout bounds a tool that never gets to write.
  temps=
  while [ -z "$temps" ] && kill -0 "$pid" 2>/dev/null; do
    sleep 0.05
    temps=$(find "$dir" -name 'out.pdf.kalder-*')
  done
  [ -n "$temps" ] || { echo "the tool ended before a temporary file appeared"; exit 1; }
  kill -s "$signal" "$pid"
  status=0; wait "$pid" || status=$?
  left=$(find "$dir" -name 'out.pdf*')
  echo "SIG$signal: exit status $status, left: ${left:-nothing}"
  [ "$status" -gt 128 ] && [ -z "$left" ] || exit 1
done
