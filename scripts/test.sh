#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, then builds and runs every
# test twice: a normal build, and a build with AddressSanitizer and
# UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-packages.sh

jobs=$(nproc)
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "== formatting (clang-format) =="
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
fi
run_suite() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
}
echo "== build and test =="
run_suite build -DVARNEL_WERROR=ON
echo "== the Debian package: contents, dependencies, an install into a scratch root =="
bash scripts/check-package.sh build
echo "== the fuzz target (clang's libFuzzer with ASan and UBSan), a fixed number of runs =="
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNEL_FUZZ=ON \
    -DVARNEL_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target fuzz_inputs
(cd build-fuzz && ctest --output-on-failure -R '^fuzz\.' -j "$jobs")
echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer =="
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
    run_suite build-asan -DVARNEL_SANITIZE=ON -DVARNEL_BENCH=OFF -DVARNEL_WERROR=ON
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # Non-blank lines of the tests against those of the code they test: at most a third.
    count() { git ls-files -- "$@" | xargs grep -v -h -c -E '^\s*$' | awk '{s+=$1} END{print s}'; }
    tests=$(count tests)
    code=$(($(count src) + $(count tools) + $(count bench)))
    echo "== the tests' share of the code: $tests test lines, $code code lines, $((100 * tests / code)) % =="
fi
