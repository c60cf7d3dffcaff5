#!/usr/bin/env bash
# Makes the Debian package and checks it as a user would meet it: its dependencies
# and files, both validators on the installed desktop entry and metainfo, and the
# installed program starting headless with its icon. The package is installed with
# apt and removed again, with whatever apt pulled in for it, so the machine is left
# as it was found; a machine that already has it installed is refused.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/builddir.sh"
id=example.velmarsk.Ormeda
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
apt_get() { $SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -qq "$@"; }
fail() { echo "check_package: $*" >&2; exit 1; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

deb=$("$root/scripts/package.sh" | tail -n 1)
deb=$(realpath "$deb")

echo "== dpkg-deb -I $deb"
info=$(dpkg-deb -I "$deb")
echo "$info"
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
if [ "$qt" = 6 ]; then qtlibs="libqt6widgets6 libqt6serialport6 qt6-translations-l10n"
else qtlibs="libqt5widgets5 libqt5serialport5 qttranslations5-l10n"; fi
for lib in $qtlibs libqcustomplot libxlsxwriter fonts-liberation2; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib"
done

echo "== dpkg-deb -c $deb"
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
echo "$contents"
for f in bin/ormeda bin/ormeda-emulator share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/{48x48,128x128,256x256}/apps/$id.png; do
  grep -qx "./usr/$f" <<<"$contents" || fail "package lacks /usr/$f"
done

installed ormeda && fail "ormeda is installed already; remove it first so the check can leave the machine as it was"
before=$(mktemp); after=$(mktemp); home=$(mktemp -d)
dpkg-query -W -f='${Package}\n' | sort >"$before"
cleanup() {
  echo "== removing the package"
  apt_get purge ormeda >/dev/null || true
  dpkg-query -W -f='${Package}\n' | sort >"$after"
  # Only what apt pulled in for the package: it is marked as automatically installed.
  pulled=$(comm -13 "$before" "$after" | grep -xF -f <(apt-mark showauto) || true)
  [ -z "$pulled" ] || apt_get purge $pulled >/dev/null || true
  rm -rf "$before" "$after" "$home"
  if installed ormeda || [ -e /usr/bin/ormeda ]; then echo "check_package: ormeda is still installed" >&2; exit 1; fi
}
trap cleanup EXIT
echo "== apt-get install $deb"
apt_get install "$deb" >/dev/null

desktop-file-validate /usr/share/applications/$id.desktop
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml
exec_cmd=$(sed -n 's/^Exec=//p' /usr/share/applications/$id.desktop)
[ "$(command -v "$exec_cmd")" = /usr/bin/ormeda ] || fail "the desktop entry's Exec ($exec_cmd) is not /usr/bin/ormeda"

# A fresh user of its own, so nothing is written into the machine's folders.
shot=$build/ormeda-installed-screenshot.png
rm -f "$shot"
mkdir -m 700 "$home/runtime"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/runtime \
xvfb-run -a -s "-screen 0 1920x1200x24" bash -c '
  # As the menu entry starts it, with the demonstration instrument attached.
  "$2" --demo & app=$!
  win=""
  for i in $(seq 1 100); do
    sleep 0.2
    win=$(xwininfo -root -tree 2>/dev/null | awk "/\"Ormeda\"/ {print \$1; exit}")
    [ -n "$win" ] && break
  done
  [ -n "$win" ] || { echo "check_package: no window \"Ormeda\" appeared" >&2; kill $app; exit 1; }
  sleep 3
  # As plain numbers: the width and height of the first icon lead.
  xprop -id "$win" -f _NET_WM_ICON 32c _NET_WM_ICON | head -c 100 | grep -Eq "= [1-9][0-9]*, [1-9]" \
    || { echo "check_package: the window has no icon" >&2; kill $app; exit 1; }
  import -window root "$1"
  kill $app; wait $app 2>/dev/null || true
' _ "$shot" "$exec_cmd"
[ -s "$shot" ] || fail "no screenshot was written"
echo "Screenshot of the installed program: $shot"
