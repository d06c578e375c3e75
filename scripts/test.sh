#!/usr/bin/env bash
# Installs what is missing, checks the formatting, runs the byte-image fuzzer
# for a fixed time, then builds and runs the whole test suite: once as shipped
# (warnings as errors) and once under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

echo "== format: clang-format --dry-run -Werror"
find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run -Werror

echo "== fuzz: byte-image parser, ${GLYPH_FUZZ_SECONDS:-30} s"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_fontimage
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fixtures/*.fnt "$corpus"/ 2>/dev/null || true
./build/fuzz/tests/fuzz/fuzz_fontimage -max_total_time="${GLYPH_FUZZ_SECONDS:-30}" -max_len=140000 \
  -print_final_stats=1 "$corpus" 2>&1 | tail -n 5

for preset in ci asan; do
  echo "== $preset: build, after ${SECONDS} s"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: tests"
  ctest --preset "$preset"
done
