#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite, once built with
# Qt 5 (in build/) and once with Qt 6 (in build-qt6/). ORMEDA_QT_MAJORS="5" (or "6")
# limits it to one; with ORMEDA_BUILD_DIR the Qt 6 build goes to that folder with
# "-qt6" appended.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for qt in ${ORMEDA_QT_MAJORS:-5 6}; do
  if [ "$qt" = 6 ] && [ -n "${ORMEDA_BUILD_DIR:-}" ]; then
    build=$ORMEDA_BUILD_DIR-qt6
  else
    build=$(ORMEDA_QT_MAJOR=$qt; . "$root/scripts/builddir.sh"; echo "$build")
  fi
  echo "== Qt $qt: $build"
  ORMEDA_QT_MAJOR=$qt ORMEDA_BUILD_DIR=$build "$root/scripts/build.sh"
  (cd "$build" && ctest --output-on-failure -j"$(nproc)")
done
