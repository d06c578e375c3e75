#!/usr/bin/env bash
# Compares the converter's demo PNG with what ImageMagick and optipng make of
# the same picture: bytes and wall time, for 8x8, 16x16 and 64x64 fonts drawn
# from DejaVu Sans Mono (codes 33-126 and 161-255 inked).
# Usage: bench/demo_png_compare.sh [CLI] (default build/default/src/glyphwright-cli)
# Needs imagemagick, optipng and fonts-dejavu-core; CONVERT names another convert.
set -euo pipefail
export LC_ALL=C.UTF-8
cli=$(realpath "${1:-build/default/src/glyphwright-cli}")
convert=${CONVERT:-convert}
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Renders codes 33-126 and 161-255 in one ImageMagick run, a PBM file each.
# PBM's packed rows (most significant bit left, 1 = ink) are the FNT glyph
# layout once the header is cut off.
render_glyphs() {
  local w=$1 h=$2 dir=$3 code hex text frames=()
  for ((code = 33; code < 256; code++)); do
    ((code < 127 || code > 160)) || continue
    printf -v hex %08x "$code"
    printf -v text "\\U$hex"
    case $text in %) text=%% ;; \\) text='\\' ;; @) text='\@' ;; esac
    frames+=("(" -size "${w}x${h}" xc:white -annotate +0+0 "$text" -set filename:code "$code" ")")
  done
  "$convert" +antialias -font DejaVu-Sans-Mono -pointsize "$h" -fill black -gravity center "${frames[@]}" \
    -threshold 50% +adjoin "pbm:$dir/%[filename:code].pbm"
}

make_font() {
  local w=$1 h=$2 file=$3 code glyphs
  local bytes=$((h * ((w + 7) / 8)))
  glyphs=$(mktemp -d -p "$work")
  render_glyphs "$w" "$h" "$glyphs"
  {
    printf '\x1bKV-FONTFILE TYPE 001      \x00'
    printf "\\x$(printf %02x $((w & 255)))\\x$(printf %02x $((w >> 8)))"
    printf "\\x$(printf %02x $((h & 255)))\\x$(printf %02x $((h >> 8)))"
    for code in $(seq 0 255); do
      if [ -f "$glyphs/$code.pbm" ]; then
        tail -c "$bytes" "$glyphs/$code.pbm"
      else
        head -c "$bytes" /dev/zero
      fi
    done
  } >"$file"
}

# Best of the runs in milliseconds: processor time (user + system), which other
# work on a shared machine disturbs less, and wall time.
best_ms() {
  local best_cpu=999999 best_wall=999999 times cpu wall
  for _ in $(seq "$runs"); do
    times=$( { TIMEFORMAT='%3U %3S %3R'; time "$@" >/dev/null 2>&1; } 2>&1)
    read -r cpu wall <<<"$(awk '{ printf "%d %d", ($1 + $2) * 1000, $3 * 1000 }' <<<"$times")"
    ((cpu < best_cpu)) && best_cpu=$cpu
    ((wall < best_wall)) && best_wall=$wall
  done
  echo "$best_cpu/$best_wall"
}

echo "bytes, and milliseconds as cpu/wall, best of $runs runs"
printf '%-6s %10s %11s %10s %11s %10s %11s\n' font ours "ours ms" ImageMagick "IM ms" "optipng -o2" "optipng ms"
for size in 8 16 64; do
  font=$work/font$size.fnt
  make_font "$size" "$size" "$font"
  "$cli" export --entry bmp "$font" "$work/demo$size.bmp"
  ours_ms=$(best_ms "$cli" export --entry png "$font" "$work/demo$size.png")
  im_ms=$(best_ms "$convert" "$work/demo$size.bmp" "$work/im$size.png")
  opt_ms=$(best_ms optipng -quiet -o2 -clobber -out "$work/opt$size.png" "$work/demo$size.png")
  printf '%-6s %10d %11s %10d %11s %10d %11s\n' "${size}x$size" "$(stat -c %s "$work/demo$size.png")" "$ours_ms" \
    "$(stat -c %s "$work/im$size.png")" "$im_ms" "$(stat -c %s "$work/opt$size.png")" "$opt_ms"
done
