#!/usr/bin/env bash
# Checks an installed Tarvix tree: exactly the expected files, a desktop entry and metainfo that
# validate, and a tarvix-calc that runs from where it was installed.
#   check_install.sh install BUILD_DIR WORK_DIR   cmake --install into WORK_DIR/prefix, then check
#   check_install.sh package BUILD_DIR WORK_DIR   unpack the built .deb into WORK_DIR/root, check
set -euo pipefail

mode=$1
build=$2
work=$3
app=io.github.tarvix.Tarvix
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$work" && mkdir -p "$work"
case "$mode" in
    install)
        prefix="$work/prefix"
        cmake --install "$build" --prefix "$prefix" >/dev/null
        ;;
    package)
        debs=("$build"/packages/tarvix_*.deb)
        [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single package in $build/packages" >&2; exit 1; }
        deb=${debs[0]}
        dpkg-deb -x "$deb" "$work/root"
        prefix="$work/root/usr"
        [ "$(dpkg-deb -f "$deb" Package)" = tarvix ] || fail "package name"
        depends=$(dpkg-deb -f "$deb" Depends)
        for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 qt6-qpa-plugins \
                      fonts-dejavu-core fonts-dejavu-extra; do
            [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
        done
        # Nothing beyond /usr, and no folder the system owns is claimed with odd permissions.
        outside=$(cd "$work/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
        [ -z "$outside" ] || fail "files outside /usr: $outside"
        ;;
    *)
        echo "usage: check_install.sh install|package BUILD_DIR WORK_DIR" >&2
        exit 2
        ;;
esac

expected="bin/tarvix
bin/tarvix-calc
share/applications/$app.desktop
share/icons/hicolor/scalable/apps/$app.svg
share/metainfo/$app.metainfo.xml
share/mime/packages/$app.xml
share/tarvix/Tarvix30.html"
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
--- expected
$expected
--- installed
$actual"

for program in tarvix tarvix-calc; do
    [ -x "$prefix/bin/$program" ] || fail "$program is not executable"
done
desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app.metainfo.xml" >/dev/null ||
    fail "metainfo"
# The file type reads into a MIME database, and the desktop entry takes files of it.
mkdir -p "$work/mime/packages" && cp "$prefix/share/mime/packages/$app.xml" "$work/mime/packages/"
XDG_DATA_HOME="$work" update-mime-database "$work/mime" 2>&1 | grep . && fail "MIME type"
grep -q "^application/x-tarvix-parts-list:\*\.tarvix$" "$work/mime/globs" || fail "MIME glob"
grep -q "^MimeType=application/x-tarvix-parts-list;$" "$prefix/share/applications/$app.desktop" ||
    fail "desktop entry MIME type"
grep -q "^Icon=$app$" "$prefix/share/applications/$app.desktop" || fail "desktop entry icon"
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" \
    "$prefix/share/metainfo/$app.metainfo.xml" || fail "metainfo launchable"

# The installed calculator answers as the window does; a 1 x 12 inch aluminum round bar.
answer=$("$prefix/bin/tarvix-calc" weigh round 1 12 | head -3 | tr '\n' ' ')
[ "$answer" = "volume=9.425 weight=.919 total=.919 " ] || fail "tarvix-calc weigh: $answer"

[ "$failures" -eq 0 ] || exit 1
echo "$mode tree checked: $prefix"
