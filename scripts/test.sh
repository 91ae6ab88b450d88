#!/usr/bin/env bash
# Builds every target of the build matrix, runs every suite and ends with one
# summary: per target the test cases run and passed and the wall time, then
# the totals. Exits non-zero when anything failed.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1

results=()
total_passed=0
total_failed=0

# Records one stage: record NAME RUN PASSED SECONDS.
record() {
    results+=("$(printf '%-20s %6d %7d %7d %6ds' "$1" "$2" "$3" "$(($2 - $3))" "$4")")
    total_passed=$((total_passed + $3))
    total_failed=$((total_failed + $2 - $3))
}

# The value of attribute $2 on the root element of GoogleTest's XML report $1,
# 0 when it has none.
report_attribute() {
    local value
    value=$(grep -m1 '<testsuites ' "$1" | sed -n "s/.* $2=\"\\([0-9]*\\)\".*/\\1/p")
    echo "${value:-0}"
}

# Counts the cases of the last ctest run in build folder $1 into run and
# passed. A test that wrote a GoogleTest report counts its cases; any other
# counts as one. A test ctest saw fail counts at least one failure, even when
# its report shows none (a crash or a leak found at exit).
count_cases() {
    local build=$1 name report cases failed
    local failed_log=$build/Testing/Temporary/LastTestsFailed.log
    run=0 passed=0
    while read -r name; do
        report=$build/gtest/$name.xml
        if [[ -f $report ]]; then
            cases=$(($(report_attribute "$report" tests) - $(report_attribute "$report" disabled)))
            failed=$(($(report_attribute "$report" failures) + $(report_attribute "$report" errors)))
        else
            cases=1 failed=0
        fi
        if ((failed == 0)) && [[ -f $failed_log ]] && grep -qx "[0-9]*:$name" "$failed_log"; then
            failed=1
        fi
        run=$((run + cases))
        passed=$((passed + cases - failed))
    done < <(ctest --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: //p')
}

# One stage: configures, builds and tests a preset. A failed configure or
# build counts as one failed case.
run_preset() {
    local preset=$1 build=build/$1 start=$SECONDS
    echo "== $preset"
    rm -rf "$build/gtest" "$build/Testing/Temporary/LastTestsFailed.log"
    if cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j2; then
        ctest --preset "$preset"
        count_cases "$build"
    else
        run=1 passed=0
    fi
    record "$preset" "$run" "$passed" "$((SECONDS - start))"
}

# The fuzz targets, each for a bounded time; one that reports counts as failed.
run_fuzz() {
    local start=$SECONDS failed
    bash scripts/fuzz.sh "$1"
    failed=$?
    record linux-x86_64-fuzz 3 $((3 - failed)) "$((SECONDS - start))"
}

run_preset linux-x86_64
run_preset linux-x86_64-asan
run_preset linux-x86_64-tsan
run_preset linux-i386
run_preset windows-x64
run_preset windows-x86
run_fuzz 20

echo
echo "== summary"
printf '%-20s %6s %7s %7s %7s\n' target run passed failed time
printf '%s\n' "${results[@]}"
printf '%-20s %6d %7d %7d %6ds\n' total "$((total_passed + total_failed))" \
    "$total_passed" "$total_failed" "$SECONDS"
echo "$total_passed passed, $total_failed failed"
((total_failed == 0))
