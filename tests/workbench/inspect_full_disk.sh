#!/usr/bin/env bash
# tessaro-inspect --picture onto a really full disk: a tmpfs of 256 KB holds
# an old PNG and an old SVG, the rest of it is filled with zeros, and then
# the picture of another structure is written over each. The program must
# end with status 1 and the reason on stderr, and leave both old files byte
# for byte. Mounting needs root: run as anyone else, the test is skipped
# (status 77). The tmpfs is unmounted in every case.
#   inspect_full_disk.sh TOOL OLD_STRUCTURE NEW_STRUCTURE
set -u
tool=$1 old=$2 new=$3

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: only root can mount a tmpfs"
  exit 77
fi
work=$(mktemp -d)
disk=$work/voll
mkdir "$disk"
cleanup() {
  if mountpoint -q "$disk"; then umount "$disk" || umount -l "$disk"; fi
  rm -rf "$work"
}
trap cleanup EXIT
if ! mount -t tmpfs -o size=256k tmpfs "$disk"; then
  echo "skipped: mount -t tmpfs is not possible here"
  exit 77
fi

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

for picture in bild.png bild.svg; do
  "$tool" --picture "$disk/$picture" "$old" >/dev/null || fail "old $picture not written"
  cp "$disk/$picture" "$work/$picture.alt"
done
dd if=/dev/zero of="$disk/fuellung" bs=4k 2>/dev/null
[ "$(df --output=avail "$disk" | tail -1 | tr -d ' ')" -eq 0 ] || fail "the disk is not full"

reason="Stream-Schreibfehler: Auf dem Datenträger ist nicht genügend Speicherplatz verfügbar."
for picture in bild.png bild.svg; do
  err=$("$tool" --picture "$disk/$picture" "$new" 2>&1 >/dev/null)
  status=$?
  [ "$status" -eq 1 ] || fail "$picture: status $status"
  [ "$err" = "tessaro-inspect: $disk/$picture: $reason" ] || fail "$picture: stderr: $err"
  cmp -s "$disk/$picture" "$work/$picture.alt" || fail "$picture: the old file changed"
done
left=$(cd "$disk" && ls -A | tr '\n' ' ')
[ "$left" = "bild.png bild.svg fuellung " ] || fail "files left on the disk: $left"

[ "$failures" -eq 0 ] && echo "full disk: status 1, the reason on stderr, the old pictures unchanged"
exit $((failures > 0))
