#!/usr/bin/env bash
# The desktop integration as an installation has it: the build is installed
# into a scratch prefix, the MIME and desktop databases are made there as the
# package's triggers make them in /usr, and a desktop of no particular kind
# that sees only that prefix is asked
#   - for the type of each structure file (xdg-mime query filetype): by its
#     extension, and for the search tree, AVL tree and B-tree also by the
#     first bytes of a file without extension;
#   - for the program that opens each type (xdg-mime query default).
# The types named in the MIME file, the desktop entry and the AppStream data
# must be the same seven.
#
#   desktop_integration.sh BUILD_DIR FIXTURE_DIR SCRATCH_DIR
set -euo pipefail
build=$1
fixtures=$2
scratch=$3

failures=0
fail() {
  echo "FEHLER: $*" >&2
  failures=$((failures + 1))
}
for tool in xdg-mime mimetype update-mime-database update-desktop-database; do
  command -v "$tool" >/dev/null || { echo "$tool fehlt (tools/packages.sh)" >&2; exit 1; }
done

rm -rf "$scratch"
mkdir -p "$scratch/home" "$scratch/etc" "$scratch/files"
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share

desktop() {
  env -i PATH="$PATH" HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/.local/share" \
    XDG_CONFIG_HOME="$scratch/home/.config" XDG_CONFIG_DIRS="$scratch/etc" \
    XDG_DATA_DIRS="$share" "$@"
}

# The databases; a MIME file that the tool does not fully understand is a
# fault even though it goes on.
desktop update-mime-database "$share/mime" 2>"$scratch/mime.err"
[ ! -s "$scratch/mime.err" ] || fail "update-mime-database: $(cat "$scratch/mime.err")"
desktop update-desktop-database "$share/applications"

types=(liste keller schlange suchbaum avl-baum bayerbaum nbaum)

# By extension: a valid file of each type, one refused by its page (still
# its type), and one upper-case name.
cp "$fixtures/anna.ldt" "$scratch/files/ANNA.LDT"
while read -r file type; do
  got=$(desktop xdg-mime query filetype "$file")
  [ "$got" = "application/x-tessaro-$type" ] || fail "$file: $got statt application/x-tessaro-$type"
done <<EOF
$fixtures/anna.ldt liste
$fixtures/keller.kdt keller
$fixtures/schlange.sdt schlange
$fixtures/suchbaum.tdt suchbaum
$fixtures/avl.adt avl-baum
$fixtures/bayer.bdt bayerbaum
$fixtures/nbaum.ndt nbaum
$fixtures/zahlen.tdt suchbaum
$scratch/files/ANNA.LDT liste
EOF

# By the first bytes, without an extension: the three trees whose files
# begin alike; a list file has no such beginning.
while read -r fixture copy type; do
  cp "$fixtures/$fixture" "$scratch/files/$copy"
  got=$(desktop xdg-mime query filetype "$scratch/files/$copy")
  [ "$got" = "$type" ] || fail "$copy (Inhalt von $fixture): $got statt $type"
done <<EOF
suchbaum.tdt suchbaum-ohne-endung application/x-tessaro-suchbaum
avl.adt avl-ohne-endung application/x-tessaro-avl-baum
bayer.bdt bayer-ohne-endung application/x-tessaro-bayerbaum
anna.ldt liste-ohne-endung application/octet-stream
EOF

# Every type opens with the program.
for type in "${types[@]}"; do
  got=$(desktop xdg-mime query default "application/x-tessaro-$type")
  [ "$got" = org.tessaro.Tessaro.desktop ] || fail "application/x-tessaro-$type öffnet mit '$got'"
done

# The same seven types in all three files, in the order of the pages.
expected=$(printf 'application/x-tessaro-%s\n' "${types[@]}")
inMime=$(grep -o 'mime-type type="[^"]*"' "$share/mime/packages/org.tessaro.Tessaro.xml" |
  cut -d'"' -f2)
inDesktop=$(sed -n 's/^MimeType=//p' "$share/applications/org.tessaro.Tessaro.desktop" |
  tr ';' '\n' | sed '/^$/d')
inMetainfo=$(grep -o '<mediatype>[^<]*' "$share/metainfo/org.tessaro.Tessaro.metainfo.xml" |
  cut -d'>' -f2)
[ "$inMime" = "$expected" ] || fail "MIME-Datei: $inMime"
[ "$inDesktop" = "$expected" ] || fail "Desktop-Eintrag: $inDesktop"
[ "$inMetainfo" = "$expected" ] || fail "AppStream-Daten: $inMetainfo"

# The German name of a type, as a file manager shows it.
got=$(desktop mimetype --brief --describe --language=de "$fixtures/nbaum.ndt")
[ "$got" = "Tessaro-N-Baum" ] || fail "Beschreibung von nbaum.ndt: $got"

if [ "$failures" -gt 0 ]; then
  exit 1
fi
echo "Sieben Dateitypen, alle mit org.tessaro.Tessaro.desktop"
