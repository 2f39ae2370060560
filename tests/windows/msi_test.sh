#!/bin/bash
# Usage: msi_test.sh MSI MSI_VERSION WORKFOLDER LOCALES MAKE_MSI FILES SOURCE_URL
# The MSI as a school's IT deploys it, under a Japanese Wine (code page 932) on a virtual X server,
# each step the way the README gives it:
# - an older version (made here by MAKE_MSI from the FILES folder the build's MSI was made from)
#   installed silently: the programs in Program Files, the shortcut with its Japanese description,
#   nothing started with Windows unasked;
# - the machine-wide records folder written in the console's code page, naming a share on a mapped
#   drive per person (S:\職員\出勤簿\%USERNAME%): the clock started from the shortcut records IN
#   there; with the drive gone, the launcher says so and starts no clock elsewhere;
# - start with Windows switched on later, off, and on again on the installed PC;
# - the build's MSI (MSI, version MSI_VERSION) installed over it: one Ombrel, the start with
#   Windows and the day's records kept, and the upgraded clock closes that day with OUT;
# - uninstalled; and a first install that asks to start with Windows.
# The launcher's message and the clock's question answer the keyboard though no window manager
# runs: Wine places the windows itself (Managed=N, set in this test's Wine folder).
set -u
msi=$1
msi_version=$2
work=$3
locales=$4
make_msi=$5
files=$6
source_url=$7
rm -rf "$work"
mkdir -p "$work"
# Wine links Documents and the like to the home folder: the test's own, not the machine's.
export HOME=$work/home WINEPREFIX=$work/wineprefix WINEDEBUG=-all
mkdir -p "$HOME"
unset WINEQT_QPA_PLATFORM WINEQT_QPA_FONTDIR
# A Japanese Windows: Wine takes its code pages from the locale.
[ -d "$locales/ja_JP.UTF-8" ] || { mkdir -p "$locales" && localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8"; }
export LOCPATH=$locales
export LC_ALL=ja_JP.UTF-8
xvfb=
finish() {
  wineserver -k 2>/dev/null
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null
}
trap finish EXIT
fail() {
  echo "FAILED: $*"
  exit 1
}
step() {
  echo "$SECONDS s: $*"
}
# Looks at the programs' visible windows every 0.2 s, up to TRIES times, until their count
# stands in RELATION (-ge, =) to N; leaves the last count in `windows`.
#   wait_for_windows RELATION N TRIES
windows=0
wait_for_windows() {
  for _ in $(seq "$3"); do
    windows=$(xdotool search --onlyvisible --name '^Ombrel$' 2>/dev/null | wc -l)
    [ "$windows" "$1" "$2" ] && return 0
    sleep 0.2
  done
  return 1
}
# Waits up to 10 s for FILE to be there.
wait_for_file() {
  for _ in $(seq 100); do
    [ -e "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
# Starts the clock from the Start-menu shortcut and waits for its window; its place goes into X
# and Y.
start_clock() {
  local clock=
  wine start "$(winepath -w "$shortcut")" >/dev/null 2>&1
  for _ in $(seq 300); do
    clock=$(xdotool search --onlyvisible --name '^Ombrel$' 2>/dev/null | head -n1)
    [ -n "$clock" ] && break
    sleep 0.2
  done
  [ -n "$clock" ] || fail "$1's window did not show"
  eval "$(xdotool getwindowgeometry --shell "$clock")"
  sleep 1
}
msiexec() {
  timeout 300 wine msiexec "$@" || fail "msiexec $* ended with $?"
}
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
starts_with_windows() {
  wine reg query "$run_key" /v Ombrel 2>/dev/null | grep -q 'ombrel-start.exe'
}
records_kept() {
  cmp -s "$sheet" "$work/$(basename "$sheet")" && cmp -s "$records/omb.ini" "$work/omb.ini" ||
    fail "$1 changed the records"
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")

drive=$WINEPREFIX/drive_c
user=$(id -un)
programs="$drive/Program Files/Ombrel"
# The Start menu of all users (InstallScope perMachine sets ALLUSERS=1); Wine 8 puts an MSI's
# shortcut into the installing user's own Start menu instead.
shortcuts=("$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Ombrel.lnk"
           "$drive/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Ombrel.lnk")
installed_shortcut() {
  local link
  for link in "${shortcuts[@]}"; do
    [ -f "$link" ] && { echo "$link"; return 0; }
  done
  return 1
}
wineboot -i >/dev/null 2>&1
# Without a window manager, Wine leaves the windows it would hand to one without the keyboard;
# placing them itself, it gives the active one the keyboard, as Windows does.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
  fail "Managed=N could not be set"
step "Wine folder made"

# The older version, made the build's way. Its tables are in code page 932, so the shortcut's
# Japanese description is there.
older="$work/ombrel-0.0.1.msi"
cmake -DOMBREL_VERSION=0.0.1 "-DOMBREL_SOURCE_URL=$source_url" "-DFILES=$files" "-DOUTPUT=$older" \
  -DWIXL=wixl -DMSIBUILD=msibuild -P "$make_msi" >"$work/make_msi.log" 2>&1 ||
  fail "no older MSI could be made: $(cat "$work/make_msi.log")"
description=出勤・退勤の時刻と残業の理由を記録する卓上の時計
msiinfo export "$older" Shortcut | grep -q $'\t'"$description"$'\t' ||
  fail "the shortcut's description: $(msiinfo export "$older" Shortcut | tail -n1)"
older_path=$(winepath -w "$older")
newer_path=$(winepath -w "$msi")
step "older MSI made"

msiexec /i "$older_path" /qn
for file in ombrel.exe ombrel-start.exe ombrel-report.exe LICENSE.txt; do
  [ -f "$programs/$file" ] || fail "$file is not in Program Files\\Ombrel"
done
shortcut=$(installed_shortcut) || fail "no Start-menu shortcut Ombrel"
# The shortcut holds its description in UTF-16.
xxd -p "$shortcut" | tr -d '\n' |
  grep -q "$(printf %s "$description" | iconv -f UTF-8 -t UTF-16LE | xxd -p | tr -d '\n')" ||
  fail "the installed shortcut has no description"
starts_with_windows && fail "it starts with Windows unasked"
step "older installed"

# The launcher's own message, about a folder that can be neither made nor opened, answers Return
# and Escape alike, and no clock starts. The pointer stays clear of it: with no window manager,
# only Wine can give it the keyboard.
printf x >"$work/not-a-folder"
xdotool mousemove 0 0
for key in Return Escape; do
  OMBREL_FOLDER=$(winepath -w "$work/not-a-folder/Ombrel") wine "$programs/ombrel-start.exe" \
    >/dev/null 2>&1 &
  wait_for_windows -ge 1 300
  [ "$windows" = 1 ] || fail "no message about the folder that cannot be made"
  sleep 1
  xdotool key "$key"
  wait_for_windows = 0 50 || fail "$key did not answer the launcher's message"
done
wineserver -k
sleep 1
step "the launcher's message answered"

# IT names one folder per teacher on a share, from a batch file: `echo` writes the console's code
# page, 932. The share is drive S:, mapped as Wine maps drives.
mkdir -p "$work/share" "$drive/ProgramData/Ombrel"
ln -s "$work/share" "$WINEPREFIX/dosdevices/s:"
printf 'S:\\\x90\x45\x88\xf5\\\x8f\x6f\x8b\xce\x95\xeb\\%%USERNAME%%\r\n' \
  >"$drive/ProgramData/Ombrel/folder"
records=$work/share/職員/出勤簿/$user
start_clock "the clock"
[ -d "$records" ] || fail "the records folder $records was not made: $(find "$work/share")"
xdotool mousemove $((X + 70)) $((Y + 16)) click --repeat 3 1   # the name box
sleep 0.5
xdotool type --delay 50 Taro
xdotool mousemove $((X + 28)) $((Y + 44)) click 1               # IN
month=$(date +%-m) year=$(date +%y) day=$(date +%-d)
sheet="$records/Taro $year $month.csv"
wait_for_file "$sheet" || fail "IN wrote no sheet: $(ls "$records")"
sleep 0.5
# " M月／日,始業時,分,終業時,分,残業内容,ユーザー名,Taro" in CP932, then 31 rows, CR LF.
header=$({ printf ' %s' "$month"; printf '\x8c\x8e\x81\x5e\x93\xfa,\x8e\x6e\x8b\xc6\x8e\x9e,\x95\xaa,\x8f\x49\x8b\xc6\x8e\x9e,\x95\xaa,\x8e\x63\x8b\xc6\x93\xe0\x97\x65,\x83\x86\x81\x5b\x83\x55\x81\x5b\x96\xbc,Taro'; } | xxd -p | tr -d '\n')
[ "$(head -n1 "$sheet" | xxd -p | tr -d '\n')" = "${header}0d0a" ] || fail "header: $(head -n1 "$sheet" | xxd)"
[ "$(grep -c $'\r$' "$sheet")" = 32 ] && [ "$(wc -l <"$sheet")" = 32 ] || fail "not 32 CR LF lines"
sed -n "$((day + 1))p" "$sheet" | grep -qE "^ $day,[0-9]{2},[0-9]{2},,,"$'\r$' ||
  fail "day $day: $(sed -n "$((day + 1))p" "$sheet")"
[ "$(xxd -p "$records/omb.ini")" = 5461726f0d0a ] || fail "name file: $(xxd "$records/omb.ini")"
cp -p "$sheet" "$records/omb.ini" "$work/"
wineserver -k
sleep 1
step "IN recorded on the share"

# The share not connected: the launcher names the folder and the setting, and starts no clock in
# any other folder.
rm "$WINEPREFIX/dosdevices/s:"
xdotool mousemove 0 0
wine start "$(winepath -w "$shortcut")" >/dev/null 2>&1
wait_for_windows -ge 1 300
[ "$windows" = 1 ] || fail "no message about the share that is not there"
sleep 1
xdotool key Return
wait_for_windows = 0 50 || fail "Return did not answer the message about the share"
[ ! -e "$drive/users/$user/Documents/Ombrel" ] || fail "the clock went to Documents\\Ombrel"
ln -s "$work/share" "$WINEPREFIX/dosdevices/s:"
wineserver -k
sleep 1
step "no share, no clock"

# A question at start-up is answered with Return, wherever the pointer is, though no window
# manager gives any window the keyboard; the folder comes from OMBREL_FOLDER this time.
mkdir -p "$work/other"
printf '~$x\r\n' >"$work/other/omb.ini"
xdotool mousemove 1000 700
OMBREL_FOLDER=$(winepath -w "$work/other") wine start "$(winepath -w "$shortcut")" >/dev/null 2>&1
wait_for_windows -ge 2 300 || fail "no message about the refused name file"
sleep 1
xdotool key Return
wait_for_windows = 1 50 || fail "Return did not answer the message"
wineserver -k
sleep 1
step "the clock's question answered"

# Start with Windows, switched on the PC that has Ombrel: on, off, and on again as ADDLOCAL asks.
msiexec /i "$older_path" /qn STARTWITHWINDOWS=1
starts_with_windows || fail "STARTWITHWINDOWS=1 on the installed PC left no Run entry"
msiexec /i "$older_path" /qn STARTWITHWINDOWS=0
starts_with_windows && fail "STARTWITHWINDOWS=0 left the Run entry"
msiexec /i "$older_path" /qn ADDLOCAL=StartWithWindows
starts_with_windows || fail "ADDLOCAL=StartWithWindows left no Run entry"
step "start with Windows switched"

# The build's version over it: one Ombrel, this version, still started with Windows, the records
# as they were; the upgraded clock takes the day up and OUT closes it in the same sheet.
msiexec /i "$newer_path" /qn
[ "$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
     grep -c 'DisplayName.*Ombrel')" = 1 ] || fail "not exactly one Ombrel installed after the upgrade"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
  grep -q "DisplayVersion.*$msi_version" || fail "the upgrade did not install $msi_version"
starts_with_windows || fail "the upgrade dropped the start with Windows"
records_kept "the upgrade"
start_clock "the upgraded clock"
xdotool mousemove $((X + 76)) $((Y + 44)) click 1               # OUT
for _ in $(seq 100); do
  sed -n "$((day + 1))p" "$sheet" | grep -qE "^ $day,[0-9]{2},[0-9]{2},[0-9]{2},[0-9]{2}," && break
  sleep 0.1
done
sed -n "$((day + 1))p" "$sheet" | grep -qE "^ $day,[0-9]{2},[0-9]{2},[0-9]{2},[0-9]{2},"$'\r$' ||
  fail "OUT after the upgrade: $(sed -n "$((day + 1))p" "$sheet")"
cp -p "$sheet" "$work/"
wineserver -k
sleep 1
step "upgraded, the day closed"

msiexec /x "$newer_path" /qn
[ ! -e "$programs/ombrel.exe" ] || fail "the clock is still installed"
! installed_shortcut >/dev/null || fail "the shortcut is still there"
starts_with_windows && fail "the Run entry outlived the uninstall"
records_kept "the uninstall"

# A first install that asks to start with Windows.
msiexec /i "$newer_path" /qn STARTWITHWINDOWS=1
starts_with_windows || fail "STARTWITHWINDOWS=1 left no Run entry"
msiexec /x "$newer_path" /qn
starts_with_windows && fail "the Run entry outlived the uninstall"
records_kept "a reinstall"
step "uninstalled"
echo "installed, IN on the share, switched, upgraded, OUT, uninstalled; the records kept"
