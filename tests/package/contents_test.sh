#!/usr/bin/env bash
# The Debian package as built by scripts/package: its files are the three programs, the menu entry,
# the icon at each size, the licence and the changelog, nothing else; its dependencies are the
# run-time libraries found in the binaries, with versions, plus the Japanese face, and nothing of a
# developer's build. lintian finds no error in it.
#   contents_test.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$1 version=$2
arch=$(dpkg --print-architecture)
deb=$source_dir/build/package/ombrel_${version}_${arch}.deb
[ -f "$deb" ] || { echo "FAIL: no package at $deb"; exit 1; }
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

expected_files() {
    printf '%s\n' ./usr/bin/ombrel ./usr/bin/ombrel-report ./usr/bin/ombrel-start \
        ./usr/share/applications/ombrel.desktop ./usr/share/doc/ombrel/copyright \
        ./usr/share/doc/ombrel/changelog.gz
    for size in 16 22 24 32 48 64 128 256; do
        printf './usr/share/icons/hicolor/%sx%s/apps/ombrel.png\n' "$size" "$size"
    done
}
listing=$(dpkg-deb --contents "$deb")
if ! diff <(expected_files | sort) <(awk '$6 !~ /\/$/ { print $6 }' <<<"$listing" | sort); then
    fail "the package's files differ from the expected ones (- expected, + in the package)"
fi
while read -r mode owner _ _ _ path; do
    [ "$owner" = root/root ] || fail "$path belongs to $owner"
    case $path in
        ./usr/bin/?*) [ "$mode" = -rwxr-xr-x ] || fail "$path has mode $mode" ;;
        *[!/]) [ "$mode" = -rw-r--r-- ] || fail "$path has mode $mode" ;;
    esac
done <<<"$listing"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = ombrel ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "architecture $(field Architecture)"
depends=$(field Depends)
echo "Depends: $depends"
for library in libc6 'libstdc\+\+6' libqt6core6 libqt6gui6 libqt6widgets6 libxlsxwriter4; do
    grep -Eq "(^|, )$library \(>= [^)]+\)" <<<"$depends" || fail "no versioned $library"
done
grep -q 'fonts-ipafont-gothic' <<<"$depends" || fail "no Japanese Gothic face"
grep -q "qt6-translations-l10n" <<<"$depends" || fail "no Japanese catalogue for Qt's own dialogs"
# ICU is the build's only: the CP932 tables are made from it before the programs are linked.
if grep -Eq 'libasan|libubsan|gtest|benchmark|libicu|-dev\b' <<<"$depends"; then
    fail "a developer's library among the dependencies"
fi

# The licence as Debian reads it, from the same maintainer as the package's field.
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/ombrel/copyright)
grep -q '^License: GPL-3+$' <<<"$copyright" || fail "the copyright file names no GPL-3+"
grep -q '/usr/share/common-licenses/GPL-3' <<<"$copyright" || fail "no pointer to the GPL's text"
[ "$(sed -n 's/^Upstream-Contact: //p' <<<"$copyright")" = "$(field Maintainer)" ] ||
    fail "the copyright file's contact is not the package's maintainer"
lintian --fail-on error "$deb" || fail "lintian found an error"

# Installed binaries find their libraries where the system keeps them, not in a build folder.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"
for program in ombrel ombrel-report; do
    if readelf --dynamic "$root/usr/bin/$program" | grep -Eq 'R(UN)?PATH'; then
        fail "$program carries a library search path"
    fi
done
[ "$status" -eq 0 ] && echo "package $deb: files and dependencies as expected"
exit "$status"
