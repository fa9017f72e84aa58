#!/usr/bin/env bash
# mutation_check.sh -- puts each small fault of tests/mutants.txt into the source in turn, rebuilds and runs
# the fast native tests, and counts the faults they catch. The source is always put back, also on Ctrl-C.
#   tools/mutation_check.sh [LIST]      (default tests/mutants.txt)
#   KVRN_MUTATION_BUILD_DIR             its own build folder (default build-mutants/), native build only
#   KVRN_MUTANTS=3,17                   only these mutants (numbers as printed)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
list=$(realpath "${1:-$root/tests/mutants.txt}")
build=${KVRN_MUTATION_BUILD_DIR:-$root/build-mutants}
backup="$build/mutation-backup"  # the original of the file under mutation, while it is mutated
cd "$root" || exit 2

restore() {
    if [ -f "$backup/path" ]; then
        cp "$backup/original" "$(cat "$backup/path")" && rm -f "$backup/path" "$backup/original"
    fi
}
trap restore EXIT
trap 'echo; echo "interrupted: source restored"; exit 130' INT TERM
mkdir -p "$backup"
restore  # a run that was killed outright leaves its backup here

build_tests() { cmake --build "$build" --target kvrn_tests kvrn_headless_runner -j2 >"$build/mutation-build.log" 2>&1; }
run_tests() {
    (cd "$build" && LP_NUM_THREADS=2 KVRN_TEST_OUTPUT="$build/test-output" timeout 900 ./kvrn_tests --gtest_fail_fast \
        --gtest_brief=1 && ctest -R '^(headless_runner_|layer_order$)' --timeout 120) >"$build/mutation-tests.log" 2>&1
}

cmake -S "$root" -B "$build" -DKVRN_WINDOWS_BUILDS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
build_tests || { echo "the unmutated source does not build: see $build/mutation-build.log"; exit 2; }
run_tests || { echo "the tests fail without a mutant: see $build/mutation-tests.log"; exit 2; }

number=0 killed=0 total=0
survivors=() broken=()
while IFS= read -r line <&3; do
    case "$line" in '' | '#'*) continue ;; esac
    number=$((number + 1))
    if [ -n "${KVRN_MUTANTS:-}" ] && [[ ",$KVRN_MUTANTS," != *",$number,"* ]]; then continue; fi
    file=${line%% | *} rest=${line#* | }
    original=${rest%% | *} rest=${rest#* | }
    replacement=${rest%% | *} description=${rest#* | }
    label="$number $file: $description"
    count=$(FILE=$file TEXT=$original /usr/bin/python3 -c \
        'import os; print(open(os.environ["FILE"]).read().count(os.environ["TEXT"]))' 2>/dev/null || echo 0)
    if [ "$count" != 1 ]; then
        broken+=("$label (the original occurs $count times)")
        continue
    fi
    cp "$file" "$backup/original" && echo "$file" >"$backup/path"
    FILE=$file TEXT=$original NEW=$replacement /usr/bin/python3 -c 'import os
path, text = os.environ["FILE"], open(os.environ["FILE"]).read()
open(path, "w").write(text.replace(os.environ["TEXT"], os.environ["NEW"]))'
    if ! build_tests; then
        broken+=("$label (does not build)")
        restore
        continue
    fi
    total=$((total + 1))
    if run_tests </dev/null; then
        survivors+=("$label")
        echo "survived  $label"
    else
        killed=$((killed + 1))
        echo "killed    $label"
    fi
    restore
done 3<"$list"

build_tests  # leave the build matching the source
echo
echo "killed $killed of $total mutants"
[ ${#survivors[@]} -eq 0 ] || printf 'survived: %s\n' "${survivors[@]}"
[ ${#broken[@]} -eq 0 ] || printf 'not usable: %s\n' "${broken[@]}"
