#!/usr/bin/env bash
# Builds the Debian package tessaro_<version>_<arch>.deb and prints its path.
#
#   tools/package.sh                    Release build in build-package with
#                                       Debian's hardening flags
#   tools/package.sh --build-dir DIR    packages an existing build instead
#                                       (tools/test.sh uses its build-test)
#
# The package holds tessaro, tessaro-inspect, their manual pages, the desktop
# entry, the AppStream data, the icons and the file types; its dependencies
# are the packages of the libraries the programs use (dpkg-shlibdeps).
# Its maintainer is whoever builds it, named as Debian's own tools take it:
# DEBFULLNAME and DEBEMAIL (else EMAIL), otherwise the user's name and
# user@host.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-package
reuse=0
if [ "${1:-}" = "--build-dir" ] && [ -n "${2:-}" ]; then
  build=$2
  reuse=1
elif [ $# -gt 0 ]; then
  echo "Aufruf: tools/package.sh [--build-dir ORDNER]" >&2
  exit 2
fi

tools/packages.sh --package

user=$(id -un)
name=${DEBFULLNAME:-$(getent passwd "$user" | cut -d: -f5 | cut -d, -f1)}
[ -n "$name" ] || name=$user
mail=${DEBEMAIL:-${EMAIL:-$user@$(hostname --fqdn)}}
maintainer="$name <$mail>"
if [ -z "${DEBEMAIL:-}${EMAIL:-}" ]; then
  echo "Hinweis: DEBEMAIL ist nicht gesetzt; Betreuer des Pakets wird $maintainer" >&2
fi

if [ "$reuse" -eq 1 ]; then
  cmake "$build" -DTESSARO_PACKAGE_MAINTAINER="$maintainer" >/dev/null
else
  # The flags Debian builds its own packages with (hardening, optimisation).
  export CPPFLAGS CFLAGS CXXFLAGS LDFLAGS
  CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
  LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARO_TESTS=OFF \
    -DTESSARO_BENCH=OFF -DTESSARO_PACKAGE_MAINTAINER="$maintainer" >/dev/null
fi
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$build/tessaro_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "Kein Paket $deb entstanden" >&2; exit 1; }
echo "$deb"
