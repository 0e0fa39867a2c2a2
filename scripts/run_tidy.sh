#!/usr/bin/env bash
# clang-tidy with the project's .clang-tidy over the program's sources (not tests, tools,
# benches or fuzzers), using the compile commands of the build folder given. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
git ls-files '*.cpp' | grep -vE '^(tests|tools|bench|fuzz)/' |
  xargs -P "$(nproc)" -n 8 clang-tidy -p "$build" --quiet 2>/dev/null
echo "clang-tidy: no findings"
