#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (sanitized), short
# fuzz runs, then the Windows unit and window tests under Wine.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" || exit 1
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
passed=0 failed=0
trees="${DR_BUILD_DIR:-$root/build}"  # where build.sh puts the trees
run_suite() {  # $1 = build kind, also the name of its test preset
  local log="$trees/$1-ctest.log"
  "$root/scripts/build.sh" "$1" || { echo "test.sh: the $1 build failed"; failed=$((failed + 1)); return; }
  (cd "$root" && ctest --preset "$1" --test-dir "$trees/$1") 2>&1 | tee "$log"
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then echo "test.sh: the $1 suite ran no test"; failed=$((failed + 1)); return; fi
  local total bad
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*, ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
}
run_suite native
run_suite fuzz
run_suite win
echo
echo "all suites: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
