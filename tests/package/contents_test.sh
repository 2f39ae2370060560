#!/usr/bin/env bash
# The Debian package as built by scripts/package: its files are the three programs, the menu entry
# and the icon at each size, nothing else; its dependencies are the run-time libraries found in
# the binaries, with versions, plus the Japanese face, and nothing of a developer's build.
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
        ./usr/share/applications/ombrel.desktop
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
for library in libc6 'libstdc\+\+6' libqt6core6 libqt6gui6 libqt6widgets6 'libicu[0-9]+'; do
    grep -Eq "(^|, )$library \(>= [^)]+\)" <<<"$depends" || fail "no versioned $library"
done
grep -q 'fonts-ipafont-gothic' <<<"$depends" || fail "no Japanese Gothic face"
if grep -Eq 'libasan|libubsan|gtest|benchmark|-dev\b' <<<"$depends"; then
    fail "a developer's library among the dependencies"
fi

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
