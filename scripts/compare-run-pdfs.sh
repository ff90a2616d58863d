#!/usr/bin/env bash
# Prints every demo order in every label type, and the margin test prints, with two builds'
# tests/runpdfs/printdemos and compares what they printed: the same documents, the same messages,
# and every page the same pixels (PDF files carry their creation time, so pages are rasterised).
#   scripts/compare-run-pdfs.sh <build before> <build after>
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 <build before> <build after>" >&2; exit 2; }
work=$(mktemp -d /tmp/compare-run-pdfs.XXXXXX)
trap 'rm -rf "$work"' EXIT

for side in before after; do
  build=$1
  [ "$side" = after ] && build=$2
  QT_QPA_PLATFORM=offscreen "$build/tests/runpdfs/printdemos" "$work/$side" >/dev/null
done

status=0
if ! diff -u "$work/before/runs.txt" "$work/after/runs.txt"; then
  echo "The runs printed other documents or told other messages." >&2
  status=1
fi
documents=0 pages=0
for a in "$work"/before/*.pdf; do
  name=$(basename "$a")
  b="$work/after/$name"
  documents=$((documents + 1))
  if [ ! -f "$b" ]; then
    echo "$name: missing after" >&2
    status=1
    continue
  fi
  mkdir -p "$work/ppm/$name"
  pdftoppm -r 300 "$a" "$work/ppm/$name/before"
  pdftoppm -r 300 "$b" "$work/ppm/$name/after"
  for page in "$work/ppm/$name"/before-*.ppm; do
    pages=$((pages + 1))
    other=${page/\/before-/\/after-}
    if ! cmp -s "$page" "$other"; then
      echo "$name: page $(basename "$page") differs" >&2
      status=1
    fi
  done
  if [ "$(ls "$work/ppm/$name"/before-*.ppm | wc -l)" != "$(ls "$work/ppm/$name"/after-*.ppm | wc -l)" ]; then
    echo "$name: another number of pages" >&2
    status=1
  fi
done
[ "$(ls "$work"/after/*.pdf 2>/dev/null | wc -l)" = "$documents" ] || { echo "another number of documents" >&2; status=1; }
if [ "$status" -eq 0 ]; then
  echo "Same output: $documents documents, $pages pages, identical pixel for pixel at 300 dpi."
fi
exit "$status"
