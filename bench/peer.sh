#!/usr/bin/env bash
# The same 1,400 box-front labels (14 sizes x 100 pairs, two across on a 158.75 x 46.92 mm row of
# 40 x 45 mm labels, each with an EAN-13) printed to PDF by Debian's glabels 3 (glabels-3-batch) and
# by this program's print command (the print_run benchmark, in process), and the ratio of the two.
# Not run by CI: it needs `apt-get install glabels`, which the build does not.
#
#   bench/peer.sh [build folder]        (default: build)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
if ! command -v glabels-3-batch > /dev/null; then
    echo "glabels-3-batch is missing: apt-get install glabels" >&2
    exit 2
fi
if [ ! -x "$build/bench/print_run" ]; then
    echo "no $build/bench/print_run: build the benchmarks first" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The data of the run: one line per label, the EAN-13's twelve digits as the print command passes them.
{
    echo 'ref,desc,cor,tam,preco,cents,ean,codigo,semana,d1,d2'
    for size in $(seq 33 46); do
        twelve="7899123400$size"
        check=$(awk -v t="$twelve" 'BEGIN { s = 0; for (i = 1; i <= 12; i++) s += substr(t, i, 1) * (i % 2 ? 1 : 3); print (10 - s % 10) % 10 }')
        for _ in $(seq 100); do
            echo "REF 1,SAPATO SOCIAL COURO,PRETO,$size,\"129,\",90,$twelve,45012370$size,23,${twelve:0:6},${twelve:6}$check"
        done
    done
} > "$work/labels.csv"

# The box-front label as a glabels document: the same texts, fonts and places, a grey logo box.
identity='a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"'
text() {  # x y w h justify family size weight content
    echo "    <Object-text $identity x=\"$1mm\" y=\"$2mm\" w=\"$3mm\" h=\"$4mm\" justify=\"$5\" valign=\"Top\">"
    echo "      <Span font_family=\"$6\" font_size=\"$7\" font_weight=\"$8\" color=\"0x000000ff\">$9</Span>"
    echo "    </Object-text>"
}
{
    cat <<XML
<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Etiquetas" part="40x45-2" size="Other" width="158.75mm" height="46.92mm" description="Box front 40 x 45, two across">
    <Meta category="label"/>
    <Label-rectangle id="0" width="40mm" height="45mm" round="0mm" x_waste="0mm" y_waste="0mm">
      <Markup-margin size="0mm"/>
      <Layout nx="2" ny="1" x0="0mm" y0="2.2mm" dx="40mm" dy="45mm"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-box $identity x="2.5mm" y="1.5mm" w="38mm" h="6mm" line_width="0mm" fill_color="0x808080ff"/>
XML
    text 30 -0.3 10 5 Left "Liberation Sans Narrow" 12 Bold '<Field name="ref"/>'
    text 20 6.7 15 11 Right Carlito 30 Bold '<Field name="preco"/>'
    text 35 9 5 4 Left Carlito 9 Bold '<Field name="cents"/>'
    text 12 13.4 6 3 Right "Liberation Sans" 7 Bold 'R$'
    text 2 14.4 10 3 Right "Liberation Sans Narrow" 6 Regular 'À VISTA'
    text 2.3 19 35 3 Left "Liberation Sans Narrow" 7 Bold '<Field name="codigo"/>'
    text 2.3 21 35 3 Left "Liberation Sans Narrow" 7 Regular '<Field name="desc"/>'
    text 2.3 24 35 3 Left "Liberation Sans Narrow" 7 Regular '<Field name="cor"/>'
    text 17 29.4 10 4 Left Carlito 8 Regular '<Field name="semana"/>'
    text 1.6 31 12 12 Left Carlito 32 Bold '<Field name="tam"/>'
    echo "    <Object-barcode $identity x=\"11.4mm\" y=\"33mm\" w=\"35mm\" h=\"7mm\" backend=\"gnu-barcode\" style=\"EAN-13\" text=\"False\" checksum=\"True\" color=\"0x000000ff\" field=\"ean\"/>"
    text 16.4 39.5 11 3 Left Carlito 7 Regular '<Field name="d1"/>'
    text 27.7 39.5 12 3 Left Carlito 7 Regular '<Field name="d2"/>'
    cat <<XML
  </Objects>
  <Merge type="Text/Comma/Line1Keys" src="$work/labels.csv"/>
</Glabels-document>
XML
} > "$work/label.glabels"

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
/usr/bin/time -f '%e %M' -o "$work/peer.time" glabels-3-batch -o "$work/peer.pdf" "$work/label.glabels" > /dev/null 2> "$work/peer.log" ||
    { cat "$work/peer.log" >&2; exit 1; }
read -r peer_s peer_kb < "$work/peer.time"
peer_pages=$(pdfinfo "$work/peer.pdf" | awk '/^Pages:/ { print $2 }')
peer_bytes=$(stat -c %s "$work/peer.pdf")

"$build/bench/print_run" --benchmark_filter='BM_PrintRunBoxFront/100/' --benchmark_format=csv 2> /dev/null > "$work/ours.csv"
# name,iterations,real_time,cpu_time,time_unit,...; the time is of one whole run, in milliseconds.
ours_ms=$(awk -F, '/BM_PrintRunBoxFront\/100\// { print $3 }' "$work/ours.csv")
ours_mb=$(awk -F, 'NR == 1 { for (i = 1; i <= NF; i++) if ($i == "\"peak_rss_MB\"" || $i == "peak_rss_MB") c = i }
                   /BM_PrintRunBoxFront\/100\// && c { print $c }' "$work/ours.csv")
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

echo "glabels 3 (glabels-3-batch): 1,400 labels, $peer_pages pages, $peer_bytes bytes, ${peer_s} s, peak $((peer_kb / 1024)) MiB"
echo "this program (print command): 1,400 labels, ${ours_ms} ms a run, peak ${ours_mb:-?} MiB"
awk -v p="$peer_s" -v o="$ours_ms" 'BEGIN { printf "ratio: this program %.0fx faster\n", p * 1000 / o }'
