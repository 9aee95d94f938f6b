#!/usr/bin/env bash
# Checks a built tree as it is installed and packaged: the menu entry and
# the AppStream description pass their validators, the installed program
# answers without a display and finds its wire range, and the Debian
# package holds exactly what the installation places.
#   scripts/check-package.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() { echo "check-package: $*" >&2; exit 1; }

# A validator's report, shown only when it has something to say.
quiet_validation() {
  local report
  report=$("$@" 2>&1) || fail "$(printf '%s\n%s' "$*" "$report")"
  if [ "$1" = desktop-file-validate ] && [ -n "$report" ]; then fail "$report"; fi
  return 0
}

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr="$root/usr"
for file in bin/dravik share/dravik/Provod.dat \
            share/applications/org.dravik.Dravik.desktop \
            share/metainfo/org.dravik.Dravik.metainfo.xml \
            share/mime/packages/org.dravik.Dravik.xml \
            share/icons/hicolor/scalable/apps/org.dravik.Dravik.svg \
            share/icons/hicolor/48x48/apps/org.dravik.Dravik.png \
            share/man/man1/dravik.1.gz; do
  [ -f "$usr/$file" ] || fail "the installation has no $file"
done
quiet_validation desktop-file-validate "$usr/share/applications/org.dravik.Dravik.desktop"
quiet_validation appstreamcli validate --no-net "$usr/share/metainfo/org.dravik.Dravik.metainfo.xml"

# The installed program, on a machine without a display.
headless=(env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY)
version=$("${headless[@]}" "$usr/bin/dravik" --version)
[[ "$version" =~ ^Dravik\ [0-9.]+$ ]] || fail "--version wrote '$version'"
: | "${headless[@]}" "$usr/bin/dravik" --script - --data-dir "$root/catalogues" 2>"$root/stderr" ||
  fail "an empty script run failed"
if [ -s "$root/stderr" ]; then fail "an empty script run wrote: $(cat "$root/stderr")"; fi
cmp -s "$root/catalogues/Provod.dat" "$usr/share/dravik/Provod.dat" ||
  fail "the installed program did not start the catalogue folder from its shipped wire range"

rm -f "$build"/dravik_*.deb
report=$(cd "$build" && cpack -G DEB 2>&1) || fail "$report"
deb=$(echo "$build"/dravik_"${version#Dravik }"_*.deb)
[ -f "$deb" ] || fail "cpack made no package dravik_${version#Dravik }_<arch>.deb"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "$deb does not depend on Qt Widgets"
diff <(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sort) \
     <(cd "$root" && find usr -type f | sed 's|^|./|' | sort) ||
  fail "$deb does not hold what the installation places"
echo "Installation and $(basename "$deb") checked."
