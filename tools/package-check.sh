#!/usr/bin/env bash
# Checks a built Debian package as an administrator meets it: its fields, its
# files (against packaging/contents.txt), lintian's errors; then installs it
# with apt-get (which brings the dependencies), runs the installed programs
# (tessaro offscreen until its first picture, with a file to open), asks the
# system's MIME database for a structure file's type and its program, and
# removes the package again. Needs root or sudo; a tessaro package that is
# already installed is removed first.
#
#   tools/package-check.sh tessaro_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "$1")
version=$(sed -n 's/^project(Tessaro VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
fail() {
  echo "FEHLER: $*" >&2
  exit 1
}

echo "-- Felder"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends Recommends
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tessaro ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version) statt $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libgif7; do
  field Depends | tr ',' '\n' | grep -q "^ *$dependency " || fail "Depends ohne $dependency"
done
[ "$(field Recommends)" = qt6-translations-l10n ] || fail "Recommends: $(field Recommends)"

echo "-- Dateien"
# Mode, owner and name of every file; folders follow from the names.
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' >"$deb.contents"
diff -u packaging/contents.txt "$deb.contents" || fail "Dateiliste weicht ab"
rm -f "$deb.contents"

echo "-- lintian"
lintian --fail-on error "$deb"

echo "-- Installieren"
if dpkg-query -W -f='${Status}' tessaro 2>/dev/null | grep -q "install ok installed"; then
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tessaro >/dev/null
fi
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
[ "$(command -v tessaro)" = /usr/bin/tessaro ] || fail "tessaro nicht in /usr/bin"
[ "$(tessaro-inspect --version)" = "tessaro-inspect (Tessaro) $version" ] ||
  fail "tessaro-inspect --version: $(tessaro-inspect --version)"
tessaro-inspect tests/workbench/inspectfiles/anna.ldt
TESSARO_EXIT_AFTER_FIRST_PAINT=1 QT_QPA_PLATFORM=offscreen timeout 60 \
  tessaro tests/workbench/inspectfiles/anna.ldt || fail "tessaro endet mit $?"
# The package's triggers have made the system's databases.
home=$(mktemp -d)
system() { env -i PATH="$PATH" HOME="$home" "$@"; }
type=$(system xdg-mime query filetype tests/workbench/inspectfiles/anna.ldt)
[ "$type" = application/x-tessaro-liste ] || fail "anna.ldt ist $type"
program=$(system xdg-mime query default application/x-tessaro-liste)
[ "$program" = org.tessaro.Tessaro.desktop ] || fail "Listen öffnet $program"
rm -rf "$home"

echo "-- Entfernen"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tessaro >/dev/null
[ ! -e /usr/bin/tessaro ] || fail "/usr/bin/tessaro ist nach dem Entfernen noch da"
echo "Paket $(basename "$deb") geprüft"
