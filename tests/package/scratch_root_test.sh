#!/usr/bin/env bash
# The package unpacked into a scratch root: its menu entry validates and names files the package
# has, and the clock started through the entry runs on the system's Qt and draws its window in
# the person's records folder: ~/Ombrel, the folder of a configuration file, or OMBREL_FOLDER.
# A folder that cannot be made stops the start with a message.
#   scratch_root_test.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$1 version=$2
deb=$source_dir/build/package/ombrel_${version}_$(dpkg --print-architecture).deb
work=$(cd "$(mktemp -d)" && pwd -P)
clock=
cleanup() {
    [ -z "$clock" ] || kill "$clock" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

root=$work/root
dpkg-deb --extract "$deb" "$root"
entry=$root/usr/share/applications/ombrel.desktop
desktop-file-validate "$entry" || fail "the installed desktop entry does not validate"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
launcher=$root${exec_line//\"/}
[ -x "$launcher" ] || fail "Exec= names $exec_line, which the package does not hold"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 32 48; do
    [ -f "$root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png" ] ||
        fail "no $size-pixel icon named $icon"
done

# Starts the launcher as a person's session would, with a clean environment plus the given
# variables, and waits until a window of the class WINDOW (the clock's: Form1) is drawn.
start_showing() {
    local window=$1
    shift
    # A log of its own for each start: the last start's lines must not pass for this one's.
    local log
    log=$(mktemp "$work/clock-XXXXXX.log")
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    (cd / && exec env -i PATH=/usr/bin:/bin HOME="$work/home" USER=teacher \
        XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
        QT_LOGGING_RULES=qt.widgets.painting=true "$@" "$launcher") >"$log" 2>&1 &
    clock=$!
    local tries=0
    until grep -q "^qt.widgets.painting: Drawing .* of $window(" "$log"; do
        if ! kill -0 "$clock" 2>/dev/null || ((++tries > 600)); then
            grep -v '^qt.widgets.painting' "$log" | head -20
            return 1
        fi
        sleep 0.1
    done
}

start_clock() {
    start_showing Form1 "$@"
}

stop_clock() {
    kill "$clock" 2>/dev/null || true
    wait "$clock" 2>/dev/null || true
    clock=
}

# The clock runs from the scratch root, in the expected folder, on the system's Qt.
expect_clock_in() {
    local what=$1 folder=$2
    shift 2
    if ! start_clock "$@"; then
        fail "$what: the clock drew no window"
        stop_clock
        return
    fi
    [ "$(readlink "/proc/$clock/exe")" = "$root/usr/bin/ombrel" ] ||
        fail "$what: the running program is $(readlink "/proc/$clock/exe")"
    [ "$(readlink "/proc/$clock/cwd")" = "$folder" ] ||
        fail "$what: the clock works in $(readlink "/proc/$clock/cwd"), not $folder"
    grep -q ' /usr/lib/.*/libQt6Widgets\.so' "/proc/$clock/maps" ||
        fail "$what: the clock is not on the system's Qt"
    stop_clock
}

expect_clock_in "no setting" "$work/home/Ombrel"

mkdir -p "$work/etc-xdg/ombrel" "$work/config/ombrel"
printf '%s\n' '# one folder per teacher on the staff share' '' "$work/share/\$USER" \
    >"$work/etc-xdg/ombrel/folder"
expect_clock_in "the machine's file" "$work/share/teacher" XDG_CONFIG_DIRS="$work/etc-xdg"

printf '~/records/$USER\r\n' >"$work/config/ombrel/folder"
expect_clock_in "the person's file" "$work/home/records/teacher" \
    XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/etc-xdg"

expect_clock_in "OMBREL_FOLDER" "$work/elsewhere" OMBREL_FOLDER="$work/elsewhere" \
    XDG_CONFIG_HOME="$work/config"

# A folder that cannot be made: no clock starts, and the person is told, in a window where there
# is a display (nobody reads standard error of a program started from the menu), and on standard
# error.
touch "$work/a-file"
if env -i PATH=/usr/bin:/bin HOME="$work/home" OMBREL_FOLDER="$work/a-file/sheets" \
    "$launcher" >"$work/refused.log" 2>&1; then
    fail "a folder under a file: the launcher reported success"
fi
grep -q "記録のフォルダー「$work/a-file/sheets」" "$work/refused.log" ||
    fail "a folder under a file: no message naming the folder"
if start_showing QMessageBox OMBREL_FOLDER="$work/a-file/sheets"; then
    shown=$(ls -t "$work"/clock-*.log | head -1)
    grep -q "記録のフォルダー「$work/a-file/sheets」" "$shown" ||
        fail "a folder under a file: the window's text is not on standard error"
    ! grep -q ' of Form1(' "$shown" || fail "a folder under a file: the clock started"
else
    fail "a folder under a file: no message window"
fi
stop_clock

[ "$status" -eq 0 ] && echo "installed clock: started from its entry in every folder asked for"
exit "$status"
