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
libexec/tarvix/tarvix-pdf
share/applications/$app.desktop
share/bash-completion/completions/tarvix-calc
share/doc/tarvix/THIRD_PARTY_NOTICES
share/doc/tarvix/changelog.gz
share/doc/tarvix/copyright
share/icons/hicolor/scalable/apps/$app.svg
share/man/man1/tarvix-calc.1.gz
share/man/man1/tarvix.1.gz
share/metainfo/$app.metainfo.xml
share/mime/packages/$app.xml
share/tarvix/Tarvix30.html"
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
--- expected
$expected
--- installed
$actual"

for program in bin/tarvix bin/tarvix-calc libexec/tarvix/tarvix-pdf; do
    [ -x "$prefix/$program" ] || fail "$program is not executable"
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

# The calculator loads no toolkit; --pdf finds its companion in libexec and needs no display.
! ldd "$prefix/bin/tarvix-calc" | grep -qi qt || fail "tarvix-calc links Qt"
echo 'round 1 12' | env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tarvix-calc" assembly \
    --pdf "$work/report.pdf" >/dev/null || fail "tarvix-calc assembly --pdf"
pdftotext "$work/report.pdf" - 2>/dev/null | grep -q "TOTAL WEIGHT - POUNDS" || fail "report PDF"
refused=$(echo 'round 1 12' | "$prefix/bin/tarvix-calc" assembly --pdf "$work/none/r.pdf" 2>&1) &&
    fail "--pdf into a missing folder succeeded"
[ "$refused" = "Error Saving $work/none/r.pdf: the folder does not exist" ] ||
    fail "--pdf refusal: $refused"
for program in tarvix tarvix-calc; do
    version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version) || true
    [ "$version" = "$program 3.0.0" ] || fail "$program --version: $version"
    gzip -cd "$prefix/share/man/man1/$program.1.gz" | grep -q "^\.TH ${program^^} 1" ||
        fail "$program.1 manual page"
done

# The licence is named in the Debian copyright file, machine-readable, with every source.
copyright="$prefix/share/doc/tarvix/copyright"
head -1 "$copyright" | grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    fail "copyright format"
for licence in Apache-2.0 MIT; do
    grep -q "^License: $licence$" "$copyright" || fail "copyright lacks License: $licence"
done
grep -q "<project_license>Apache-2.0</project_license>" "$prefix/share/metainfo/$app.metainfo.xml" ||
    fail "metainfo licence"
gzip -t "$prefix/share/doc/tarvix/changelog.gz" || fail "changelog"

# The completion asks the calculator for its shapes.
completions=$(PATH="$prefix/bin:$PATH" bash -c 'source "$1"
    COMP_WORDS=(tarvix-calc weigh "round t"); COMP_CWORD=2; _tarvix_calc
    printf "%s " "${COMPREPLY[@]}"' _ "$prefix/share/bash-completion/completions/tarvix-calc")
[ "$completions" = 'round\ tubed round\ tubew ' ] || fail "bash completion: $completions"

[ "$failures" -eq 0 ] || exit 1
echo "$mode tree checked: $prefix"
