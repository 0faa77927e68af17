#!/usr/bin/env bash
# CI only (it installs a package system-wide, as root): makes the Debian package with scripts/package,
# checks it with lintian, its dependencies, files, desktop entry and software-centre data, installs
# it with dpkg, starts the installed game from an unrelated folder under Xvfb, checks that it shows
# the same menu as the release build's game and finds its installed font, closes it and removes the
# package.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/common.sh
tevra_ensure_packages "${TEVRA_BUILD_PACKAGES[@]}" "${TEVRA_WINDOW_TEST_PACKAGES[@]}" \
    "${TEVRA_PACKAGE_PACKAGES[@]}" "${TEVRA_PACKAGE_CHECK_PACKAGES[@]}" || exit 1
source tests/realwindow/harness.sh
build=${TEVRA_PACKAGE_BUILD_DIR:-$TEVRA_ROOT/build-release}
installed=""
cleanup() {
    rw_stop_all
    [ -n "$installed" ] && dpkg -r tevra >/dev/null
}
trap cleanup EXIT

[ "$(id -u)" -eq 0 ] || rw_fail "installing the package needs root"
dpkg-query -W -f='${Status}' tevra 2>/dev/null | grep -q 'install ok installed' &&
    rw_fail "a tevra package is installed already; remove it first"

scripts/package >"$RW_DIR/package.log" 2>&1 || { cat "$RW_DIR/package.log" >&2; rw_fail "scripts/package"; }
deb=$(grep '/tevra_.*\.deb$' "$RW_DIR/package.log" | tail -1)
[ -f "$deb" ] || { cat "$RW_DIR/package.log" >&2; rw_fail "scripts/package printed no .deb"; }
echo "package: $deb"

# Errors and warnings fail the check unless the package overrides them with a reason.
lintian -EvIL +pedantic --fail-on error,warning "$deb" >"$RW_DIR/lintian.log" 2>&1
status=$?
grep -v 'root privileges' "$RW_DIR/lintian.log"
[ "$status" -eq 0 ] || rw_fail "lintian: exit status $status"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libsdl2-2.0-0 libfreetype6 libfontconfig1 libjpeg62-turbo libpng16-16 fonts-lato \
    fonts-dejavu-core; do
    [[ ", $depends," == *", $need"[\ ,]* ]] || rw_fail "the package does not depend on $need: $depends"
done
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for need in ./usr/games/tevra ./usr/share/tevra/Model.TTF ./usr/share/tevra/LICENSE-DejaVu.txt \
    ./usr/share/applications/org.tevra.Kelas4.desktop \
    ./usr/share/metainfo/org.tevra.Kelas4.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.tevra.Kelas4.svg \
    ./usr/share/icons/hicolor/48x48/apps/org.tevra.Kelas4.png ./usr/share/doc/tevra/copyright \
    ./usr/share/doc/tevra/changelog.gz ./usr/share/man/man6/tevra.6.gz \
    ./usr/share/man/id/man6/tevra.6.gz; do
    grep -qx -- "$need" <<<"$files" || rw_fail "the package lacks $need"
done
desktop-file-validate packaging/org.tevra.Kelas4.desktop | grep -v ': hint: ' && rw_fail "desktop entry"
appstreamcli validate --no-net packaging/org.tevra.Kelas4.metainfo.xml >"$RW_DIR/appstream.log" ||
    { cat "$RW_DIR/appstream.log" >&2; rw_fail "metainfo"; }

# The release build's game, from the repository, shows the menu to compare with.
rw_start_display 1024 768
rw_launch "$build/app/tevra"
rw_shot "$RW_DIR/expected.png"
rw_close || rw_fail "the release build's game did not close"

dpkg -i "$deb" >"$RW_DIR/dpkg.log" 2>&1 || { cat "$RW_DIR/dpkg.log" >&2; rw_fail "dpkg -i"; }
installed=yes
elsewhere=$(mktemp -d /tmp/tevra-elsewhere.XXXXXX)
cd "$elsewhere"
# Traced, to see which font file it registers; the window belongs to the traced child, so it is
# found by its title. A user's PATH has /usr/games (root's has not), and the menu entry runs `tevra`.
PATH=$PATH:/usr/games strace -f -qq -e trace=openat -e signal=none -o "$RW_DIR/trace.log" tevra >"$RW_DIR/app.log" 2>&1 &
RW_APP_PID=$!
for _ in $(seq 200); do
    RW_WID=$(timeout 5 xdotool search --onlyvisible --name '^Tevra Kelas 4$' 2>/dev/null | tail -1)
    [ -n "$RW_WID" ] && break
    kill -0 "$RW_APP_PID" 2>/dev/null || rw_fail "the installed game exited before showing a window"
    sleep 0.05
done
[ -n "$RW_WID" ] || rw_fail "the installed game showed no window"
sleep 0.5
rw_shot "$RW_DIR/menu.png"
cd /
rmdir "$elsewhere"
difference=$(compare -metric AE "$RW_DIR/expected.png" "$RW_DIR/menu.png" null: 2>&1)
[ "$difference" = 0 ] || rw_fail "the installed game's menu differs in $difference pixels"
[ "$(rw_pixel "$RW_DIR/menu.png" $(rw_stage_xy 605 175))" != "0,0,0" ] || rw_fail "the menu is black"
grep -q 'openat(.*"/usr/share/tevra/Model.TTF".* = [0-9]' "$RW_DIR/trace.log" ||
    { grep Model "$RW_DIR/trace.log" >&2; rw_fail "the installed game did not open /usr/share/tevra/Model.TTF"; }
rw_close
status=$?
[ "$status" -eq 0 ] || rw_fail "close command: exit status $status"
echo "PASS: installed, started from another folder, menu shown, closed, removed"
