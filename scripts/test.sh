#!/usr/bin/env bash
# Installs what is missing, checks the formatting, runs each fuzzer for a
# fixed time, then builds and runs the whole test suite: once as shipped
# (warnings as errors, then clang-tidy over src/) and once under
# AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

echo "== format: clang-format --dry-run -Werror"
find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run -Werror

seconds=${GLYPH_FUZZ_SECONDS:-20}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_fontimage fuzz_dosimport fuzz_exports fuzz_bdf fuzz_psf fuzz_gfx glyphwright-cli
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
for target in fontimage dosimport exports; do
  echo "== fuzz: $target, $seconds s"
  mkdir -p "$corpus/$target"
  cp tests/fixtures/*.fnt "$corpus/$target"/ 2>/dev/null || true
  ./build/fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=140000 \
    -print_final_stats=1 "$corpus/$target" 2>&1 | tail -n 5
done

# The font file readers, each from files of its format: the fixtures exported
# by the converter, and a few of Debian's packed console fonts.
mkdir -p "$corpus"/bdf "$corpus"/gfx "$corpus"/psf
for font in tests/fixtures/*.fnt; do
  ./build/fuzz/src/glyphwright-cli export --entry bdf "$font" "$corpus/bdf/$(basename "$font")"
  ./build/fuzz/src/glyphwright-cli export --entry gfx255 "$font" "$corpus/gfx/$(basename "$font")"
done
cp /usr/share/consolefonts/{Lat2-Terminus12x6,Lat15-Fixed16,Uni2-VGA8}.psf.gz "$corpus"/psf/ 2>/dev/null || true
for reader in bdf psf gfx; do
  echo "== fuzz: $reader reader, ${GLYPH_FUZZ_READER_SECONDS:-10} s"
  options=(-max_total_time="${GLYPH_FUZZ_READER_SECONDS:-10}" -max_len=20000 -print_final_stats=1)
  if [ -f "tests/fuzz/$reader.dict" ]; then options+=(-dict="tests/fuzz/$reader.dict"); fi
  ./build/fuzz/tests/fuzz/fuzz_$reader "${options[@]}" "$corpus/$reader" 2>&1 | tail -n 5
done

# Reads the ci build's compile commands, as its generated moc and ui headers
# exist only after that build, but without gcc's precompiled header, which
# clang cannot load. The checks are in .clang-tidy; any finding fails.
run_clang_tidy() {
  echo "== clang-tidy, after ${SECONDS} s"
  mkdir -p build/ci/tidy
  sed -E 's# -Winvalid-pch -include [^ ]*/cmake_pch\.hxx##' build/ci/compile_commands.json >build/ci/tidy/compile_commands.json
  find src -name '*.cpp' -print0 |
    xargs -0 -P2 -n4 clang-tidy-14 -p build/ci/tidy --quiet --header-filter="^$PWD/src/" 2>&1 |
    { grep -v -E '^[0-9]+ (warnings?|errors?)( and [0-9]+ errors?)? generated\.$' || true; }
}

for preset in ci asan; do
  echo "== $preset: build, after ${SECONDS} s"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: tests"
  ctest --preset "$preset"
  if [ "$preset" = ci ]; then run_clang_tidy; fi
done
