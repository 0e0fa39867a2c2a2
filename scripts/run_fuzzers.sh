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

# The fuzzer's progress goes to a log; only its end is shown, or all of it on a finding.
log="$artifacts/fuzz.log"
if "$work/formula_fuzzer" -max_total_time="$seconds" -max_len=256 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/" "$work/corpus" \
  > "$log" 2>&1; then
  tail -n 3 "$log"
  echo "formula fuzzer: nothing found"
else
  cat "$log"
  echo "formula fuzzer: FAILED (inputs kept in $artifacts)"
  exit 1
fi

mkdir -p "$work/fields"
for seed in 300 12.5 "４+4" "1,5" "400)*1000+(1" "1e3" " 7850 " "0.0000002" "12abc"; do
  printf '%s' "$seed" > "$work/fields/$(printf '%s' "$seed" | md5sum | cut -c1-8)"
done
log="$artifacts/field-fuzz.log"
if "$work/weld_field_fuzzer" -max_total_time="$seconds" -max_len=512 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/field-" "$work/fields" \
  > "$log" 2>&1; then
  tail -n 3 "$log"
  echo "weld field fuzzer: nothing found"
else
  cat "$log"
  echo "weld field fuzzer: FAILED (inputs kept in $artifacts)"
  exit 1
fi
