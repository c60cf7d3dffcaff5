#!/usr/bin/env bash
# Configures and builds into build/ (or the folder in ORMEDA_BUILD_DIR).
# ORMEDA_QT_MAJOR=6 builds with Qt 6 (into build-qt6/ unless ORMEDA_BUILD_DIR says
# otherwise); the default is Qt 5.15.
# ORMEDA_SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/builddir.sh"
sanitize=${ORMEDA_SANITIZE:-0}
"$root/scripts/setup.sh"
if [ "$sanitize" = 1 ]; then flag=ON; else flag=OFF; fi
# Ninja for a new folder where it is installed: it keeps both cores busier than make
# does through the many small suites. A folder keeps the generator it was made with.
generator=()
if [ ! -f "$build/CMakeCache.txt" ] && command -v ninja >/dev/null; then generator=(-G Ninja); fi
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORMEDA_QT_MAJOR="$qt" -DORMEDA_SANITIZE=$flag >/dev/null
cmake --build "$build" -j"$(nproc)"
