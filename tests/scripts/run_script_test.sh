#!/usr/bin/env bash
# scripts/run as a new user meets it, with the machine's pieces faked on PATH so that nothing is
# installed or built: no display, no root and no sudo, a first run that installs and builds, a
# run with nothing to do, a build that fails.
#   run_script_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

# A copy of the scripts, whose build folder holds a stand-in clock that says where it runs.
checkout=$work/checkout
mkdir -p "$checkout/scripts/lib" "$checkout/build/default/app" "$work/folder" "$work/bin"
cp "$source_dir/scripts/run" "$checkout/scripts/"
cp "$source_dir"/scripts/lib/*.sh "$checkout/scripts/lib/"
printf '#!/bin/sh\necho "clock in $(pwd)"\n' >"$checkout/build/default/app/ombrel"
chmod +x "$checkout/build/default/app/ombrel"

# PATH holds these and nothing else: no sudo. Each fake leaves a mark when it is called.
for tool in bash dirname basename mktemp cat rm tee; do
    ln -s "$(command -v "$tool")" "$work/bin/$tool"
done
fake() {
    printf '#!/bin/bash\necho "$*" >>"%s/called-%s"\n%s\n' "$work" "$1" "$2" >"$work/bin/$1"
    chmod +x "$work/bin/$1"
}
fake id '[ "$1" = -u ] && echo "${FAKE_UID:-0}"'
fake dpkg 'for p in $FAKE_MISSING; do [ "$2" != "$p" ] || exit 1; done'
fake apt-get '[ "$3" = install ] || exit 0
echo "The following NEW packages will be installed:"
echo "0 upgraded, 12 newly installed, 0 to remove and 0 not upgraded."
echo "Need to get 9,876 kB of archives."
for i in $(seq 12); do echo "Get:$i http://deb.example bookworm/main amd64 lib$i amd64 1.0 [1 kB]"; done
echo "debconf: delaying package configuration, since apt-utils is not installed" >&2
for i in $(seq 12); do echo "Unpacking lib$i:amd64 (1.0) ..."; done
for i in $(seq 12); do echo "Setting up lib$i:amd64 (1.0) ..."; done'
ln -s "$(command -v seq)" "$work/bin/seq"
fake cmake 'case "$*:$FAKE_BUILD" in
  --preset*) echo "-- Configuring done" ;;
  *:none) echo "ninja: no work to do." ;;
  *:fails) echo "[1/3] Building CXX object app/form1.cpp.o"; echo "form1.cpp:1: error: oops"; exit 1 ;;
  *) for i in 1 2 3; do echo "[$i/3] Building CXX object step$i.o"; done ;;
esac'

# Runs the copied scripts/run from the person's folder with a clean environment plus the given
# variables; its output lands in $work/out and $work/err.
run() {
    rm -f "$work"/called-*
    (cd "$work/folder" && env -i PATH="$work/bin" HOME="$work" "$@" \
        "$checkout/scripts/run") >"$work/out" 2>"$work/err"
}
said() {
    grep -qF -- "$2" "$work/$1" || { fail "$3: no '$2' in std$1:" && cat "$work/$1"; }
}

# No display: said at once, before anything is looked up, installed or built.
if run FAKE_MISSING=cmake; then fail "no display: exit status 0"; fi
said err "no display found" "no display"
said err "QT_QPA_PLATFORM=offscreen" "no display"
[ ! -e "$work/called-dpkg" ] || fail "no display: packages were looked up first"

# Neither root nor sudo: the missing packages and the one command that installs them.
if run DISPLAY=:0 FAKE_UID=1000 FAKE_MISSING="cmake g++"; then fail "no sudo: exit status 0"; fi
said err "scripts/run: these Debian packages are missing: cmake g++" "no sudo"
said err "su -c 'apt-get update && apt-get install --no-install-recommends cmake g++'" "no sudo"
[ ! -e "$work/called-apt-get" ] && [ ! -e "$work/called-cmake" ] ||
    fail "no sudo: apt-get or cmake was run"

# A first run: what is installed and how many, the build's counter, then where the clock starts.
run QT_QPA_PLATFORM=offscreen FAKE_MISSING="cmake g++" || fail "first run: exit status $?"
for line in "Installing 2 missing Debian packages: cmake g++" "12 packages in all" \
    "Need to get 9,876 kB of archives" "[10/12] downloading lib10" "[12/12] setting up lib12" \
    "Configuring the build" "Building the clock" "[3/3] Building CXX object step3.o" \
    "Opening the clock in $work/folder" "clock in $work/folder"; do
    said out "$line" "first run"
done
[ ! -s "$work/err" ] || fail "first run: on standard error: $(cat "$work/err")"

# Nothing to do: the clock starts with one line.
mkdir -p "$checkout/build/default" && touch "$checkout/build/default/CMakeCache.txt"
run DISPLAY=:0 FAKE_BUILD=none || fail "nothing to do: exit status $?"
printf 'Opening the clock in %s\nclock in %s\n' "$work/folder" "$work/folder" |
    diff - "$work/out" || fail "nothing to do: more than the start was said"

# A failed build shows its output and ends with status 1; no clock starts.
if run DISPLAY=:0 FAKE_BUILD=fails; then fail "failed build: exit status 0"; fi
said err "form1.cpp:1: error: oops" "failed build"
said err "building the clock failed" "failed build"
! grep -q "clock in" "$work/out" || fail "failed build: the clock started"

[ "$status" -eq 0 ] && echo "scripts/run: says what it does, what is missing and how to mend it"
exit "$status"
