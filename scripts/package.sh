#!/usr/bin/env bash
# Builds, then makes the Debian package ormeda_<version>_<arch>.deb in build/
# (or the folder in ORMEDA_BUILD_DIR) and prints its path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/builddir.sh"
"$root/scripts/build.sh"
# A package left by an earlier version would otherwise be taken for this one.
rm -f "$build"/ormeda_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/ormeda_*.deb
