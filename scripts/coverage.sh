#!/usr/bin/env bash
# Line and branch coverage of src/ by the whole test suite, per src/ folder (gcovr).
#   scripts/coverage.sh [build-folder]      default build-cov; writes <build>/coverage.json
# Builds without optimisation and with --coverage, runs every test program once under each
# test locale, then sums gcovr's per-file figures by folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-cov}
command -v gcovr >/dev/null || { apt-get install -y -qq --no-install-recommends gcovr >/dev/null; }

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKALDER_BENCH=OFF \
      -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
ninja -C "$build" >/dev/null
find "$build" -name '*.gcda' -delete
scripts/cups.sh
for exe in $(find "$build/tests" -maxdepth 1 -type f -executable -name 'test_*' | sort); do
  for loc in C.UTF-8 de_DE.UTF-8; do
    KALDER_TEST_LOCALE=$loc QT_QPA_PLATFORM=offscreen "$exe" --gtest_brief=1 >/dev/null || echo "coverage: $exe failed under $loc"
  done
done
gcovr -r . --object-directory "$build" --filter 'src/' --exclude-throw-branches \
      --exclude-unreachable-branches --json-summary "$build/coverage.json" >/dev/null
python3 - "$build/coverage.json" <<'PY'
import collections, json, sys
files = json.load(open(sys.argv[1]))["files"]
sums = collections.defaultdict(lambda: [0, 0, 0, 0])
for f in files:
    parts = f["filename"].split("/")
    folder = parts[1] if len(parts) > 2 else "(top)"
    for key in (folder, "all"):
        s = sums[key]
        s[0] += f["line_covered"]; s[1] += f["line_total"]
        s[2] += f["branch_covered"]; s[3] += f["branch_total"]
print(f"{'folder':12}{'lines':>16}{'line %':>8}{'branches':>16}{'branch %':>10}")
for k in sorted(sums, key=lambda k: (k == "all", k)):
    a, b, c, d = sums[k]
    print(f"{k:12}{a:>7}/{b:<8}{100 * a / max(b, 1):8.1f}{c:>7}/{d:<8}{100 * c / max(d, 1):10.1f}")
PY
