#!/usr/bin/env bash
# Builds the core, the editing layer, the CLI and their tests with AddressSanitizer
# and UndefinedBehaviorSanitizer into build-asan/, runs those tests, then runs
# the CLI (check, format to standard output, format -o) over every fixture and,
# when present, every corpus file. Fails on any sanitizer report, a crash, or
# an exit status the CLI never gives for a readable file.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DDUVAZADI_SANITIZE=ON -DDUVAZADI_BUILD_GUI=OFF >/dev/null
cmake --build build-asan -j2 --target duvazadi-cli core_tests gui_logic_tests

# A report ends the program with its own status, distinct from the CLI's 0, 1 and 2.
export ASAN_OPTIONS=detect_leaks=1:exitcode=86
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=86
ctest --test-dir build-asan --output-on-failure -j2

cli=build-asan/bin/duvazadi-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=()
while IFS= read -r -d '' file; do
    files+=("$file")
done < <(find tests/data ../shared/corpus -name '*.ldf' -print0 2>/dev/null | sort -z)

failures=0
# Runs the CLI; fails when its status is not among the allowed ones or it printed a report.
run_cli() {
    local allowed=$1
    shift
    local status=0
    "$cli" "$@" >"$work/out" 2>"$work/err" || status=$?
    if [[ " $allowed " != *" $status "* ]] || grep -qE 'Sanitizer|runtime error:' "$work/err"; then
        echo "FAILED (status $status): duvazadi-cli $*"
        head -n 40 "$work/err"
        failures=$((failures + 1))
    fi
}
# format refuses a text without the LDF header with status 2.
for file in "${files[@]}"; do
    run_cli "0 1" check "$file"
    run_cli "0 2" format "$file"
    run_cli "0 2" format "$file" -o "$work/saved.ldf"
done
echo "sanitizer pass took ${SECONDS}s"
echo "sanitized: $((${#files[@]} * 3 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
