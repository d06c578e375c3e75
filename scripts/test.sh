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
cmake --build --preset fuzz --target fuzz_fontimage fuzz_dosimport fuzz_exports fuzz_bdf fuzz_psf fuzz_gfx fuzz_u8g2 fuzz_lvgl glyphwright-cli
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cli=./build/fuzz/src/glyphwright-cli

# Seeds are whole fonts, the largest cell among them: a 64 x 64 BDF font with
# a pattern in every glyph, which the converter turns into the largest FNT
# file and exports as the largest files the readers meet.
largest_bdf() {
  awk 'BEGIN {
    print "STARTFONT 2.1\nFONT -fuzz-largest\nSIZE 64 75 75\nFONTBOUNDINGBOX 64 64 0 -8"
    print "STARTPROPERTIES 2\nFONT_ASCENT 56\nFONT_DESCENT 8\nENDPROPERTIES\nCHARS 256"
    for (c = 0; c < 256; c++) {
      printf "STARTCHAR c%d\nENCODING %d\nSWIDTH 1000 0\nDWIDTH 64 0\nBBX 64 64 0 -8\nBITMAP\n", c, c
      for (y = 0; y < 64; y++) {
        row = ""
        for (b = 0; b < 8; b++) row = row sprintf("%02X", (c * 7 + y * 13 + b * 29) % 256)
        print row
      }
      print "ENDCHAR"
    }
    print "ENDFONT"
  }'
}
seeds_start=$SECONDS
mkdir -p "$corpus"/{fnt,dos,bdf,gfx,psf,u8g2,lvgl}
largest_bdf >"$corpus/largest.bdf"
"$cli" convert --type 3 "$corpus/largest.bdf" "$corpus/fnt/largest64x64.fnt"
cp tests/fixtures/*.fnt "$corpus/fnt"/
# Any 256 x H bytes are a DOS font; the highest is 64 rows.
for height in 8 16 64; do
  tail -c $((256 * height)) "$corpus/fnt/largest64x64.fnt" >"$corpus/dos/8x$height"
done
for font in "$corpus"/fnt/*.fnt; do
  "$cli" export --entry bdf "$font" "$corpus/bdf/$(basename "$font")"
  # A GFX font addresses 64 KiB of bitmaps: the 64 x 64 font fits up to code 127.
  gfx=gfx255
  [ "$font" -ef "$corpus/fnt/largest64x64.fnt" ] && gfx=gfx127
  "$cli" export --entry $gfx "$font" "$corpus/gfx/$(basename "$font")"
  "$cli" export --entry $gfx-compact "$font" "$corpus/gfx/$(basename "$font" .fnt)-compact"
  # The 64 x 64 pattern font passes u8g2's glyph size and is refused.
  "$cli" export --entry u8g2 "$font" "$corpus/u8g2/$(basename "$font")" 2>/dev/null || true
  "$cli" export --entry lvgl "$font" "$corpus/lvgl/$(basename "$font")"
done
# A PSF 2 font of 256 glyphs of 64 x 64, the largest cell, from the same
# bytes; and a few of Debian's packed console fonts.
le32() { printf '\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
{
  printf '\x72\xb5\x4a\x86'
  for field in 0 32 0 256 512 64 64; do printf "$(le32 $field)"; done
  tail -c $((256 * 512)) "$corpus/fnt/largest64x64.fnt"
} >"$corpus/psf/largest64x64.psf"
cp /usr/share/consolefonts/{Lat2-Terminus12x6,Lat15-Fixed16,Uni2-VGA8}.psf.gz "$corpus"/psf/ 2>/dev/null || true
# The seeds of the largest cell must parse, or the fuzzer starts from refusals;
# the maximum lengths below hold them and every smaller seed whole.
for seed in "$corpus"/{fnt,bdf,gfx,psf,lvgl}/largest64x64.*; do "$cli" info "$seed" >/dev/null; done

# Each target's maximum length holds its largest valid input: an FNT file of
# 64 x 64, a DOS font of 8 x 64 (with the trailing bytes it may have), and
# for the readers the largest seed, made from the 64 x 64 font.
largest_seed() { stat -c %s "$1"/* | sort -n | tail -n 1; }
fnt_max=$(wc -c <"$corpus/fnt/largest64x64.fnt")
# Making the seeds comes off the FNT targets' time, so that the step takes no
# longer than it did with small seeds.
seconds=$((seconds - (SECONDS - seeds_start) / 3))
seconds=$((seconds > 1 ? seconds : 1))
fuzz() {
  local target=$1 seeds=$2 max_len=$3 seconds=$4
  echo "== fuzz: $target, $seconds s, inputs up to $max_len bytes"
  local options=(-max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1)
  if [ -f "tests/fuzz/$target.dict" ]; then options+=(-dict="tests/fuzz/$target.dict"); fi
  mkdir -p "$corpus/run-$target"
  ./build/fuzz/tests/fuzz/fuzz_$target "${options[@]}" "$corpus/run-$target" "$corpus/$seeds" 2>&1 | tail -n 5
}
fuzz fontimage fnt "$fnt_max" "$seconds"
fuzz dosimport dos $((256 * 65)) "$seconds"
fuzz exports fnt "$fnt_max" "$seconds"
for reader in bdf psf gfx u8g2 lvgl; do
  fuzz $reader $reader "$(largest_seed "$corpus/$reader")" "${GLYPH_FUZZ_READER_SECONDS:-10}"
done

# Over the ci build's compile commands, as its generated moc and ui headers
# exist only after that build. The checks are in .clang-tidy; any finding fails.
run_clang_tidy() {
  echo "== clang-tidy, after ${SECONDS} s"
  python3 scripts/tidy.py build/ci
}

for preset in ci asan; do
  echo "== $preset: build, after ${SECONDS} s"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: tests"
  ctest --preset "$preset"
  if [ "$preset" = ci ]; then run_clang_tidy; fi
done
