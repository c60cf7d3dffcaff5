# Sourced by the other scripts: the build folder they share, $build. ORMEDA_BUILD_DIR
# names it; otherwise build/ for Qt 5 and build-qt6/ for Qt 6 (ORMEDA_QT_MAJOR).
qt=${ORMEDA_QT_MAJOR:-5}
if [ "$qt" = 6 ]; then
  build=${ORMEDA_BUILD_DIR:-$root/build-qt6}
else
  build=${ORMEDA_BUILD_DIR:-$root/build}
fi
