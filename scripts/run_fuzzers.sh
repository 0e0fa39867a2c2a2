#!/usr/bin/env bash
# Builds the formula fuzzer and the weld field fuzzer (CMake targets of a clang build with
# HANDBOOK_FUZZ) and runs each for FUZZ_SECONDS (60), the first starting from the catalogue's formulas. Exits
# non-zero when a fuzzer finds anything; the input that broke it is kept under
# ${FUZZ_ARTIFACTS:-/tmp/formula-fuzz}.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-60}"
artifacts="${FUZZ_ARTIFACTS:-/tmp/formula-fuzz}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$artifacts"

build="${FUZZ_BUILD_DIR:-build-fuzz}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DHANDBOOK_FUZZ=ON -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" --target formula_fuzzer weld_field_fuzzer > /dev/null
cp "$build/fuzz/formula_fuzzer" "$build/fuzz/weld_field_fuzzer" "$work/"

# One seed per catalogue formula, with typical values for b and t.
python3 - "$work/corpus" <<'PY'
import csv, pathlib, sys
corpus = pathlib.Path(sys.argv[1])
with open("catalogue/tables/WELDCALCINFO.csv", newline="", encoding="utf-8") as f:
    rows = list(csv.DictReader(f))
n = 0
for row in rows:
    for column in ("AREA", "WEIGHTPERM", "AREAPERM"):
        formula = row[column]
        for values in ((b"200", b"10"), (b"5-3", b"0.0000002"), (b"1e3", b"[2]")):
            (corpus / f"seed{n}").write_bytes(formula.encode() + b"\0" + values[0] + b"\0" + values[1])
            n += 1
PY

# Runs one fuzzer over its seed folder. Its progress goes to a log; only its end is shown,
# or all of it on a finding.
run() { # name max_len corpus
  local log="$artifacts/$1.log"
  if "$work/$1" -max_total_time="$seconds" -max_len="$2" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$1-" "$3" > "$log" 2>&1; then
    tail -n 3 "$log"
    echo "$1: nothing found"
  else
    cat "$log"
    echo "$1: FAILED (inputs kept in $artifacts)"
    exit 1
  fi
}

run formula_fuzzer 256 "$work/corpus"
mkdir -p "$work/fields"
for seed in 300 12.5 "４+4" "1,5" "400)*1000+(1" "1e3" " 7850 " "0.0000002" "12abc"; do
  printf '%s' "$seed" > "$work/fields/$(printf '%s' "$seed" | md5sum | cut -c1-8)"
done
run weld_field_fuzzer 512 "$work/fields"
