#!/bin/bash
# Usage: msi_test.sh MSI WORKFOLDER WXS FILES
# The MSI as a school's IT installs it, under Wine on a virtual X server: a silent install puts
# the programs into Program Files and the shortcut into the Start menu, starts nothing with
# Windows unless asked; the clock started from the shortcut opens in Documents\Ombrel (made
# there), IN writes the month sheet; the clock's and the launcher's messages answer the keyboard;
# a newer MSI (made here from WXS and the FILES folder it was made from) replaces the installed
# one; a silent uninstall removes the programs and the shortcut; none of them changes the
# person's records.
set -u
msi=$1
work=$2
wxs=$3
files=$4
rm -rf "$work"
mkdir -p "$work"
# Wine links Documents and the like to the home folder: the test's own, not the machine's.
export HOME=$work/home WINEPREFIX=$work/wineprefix WINEDEBUG=-all
mkdir -p "$HOME"
unset WINEQT_QPA_PLATFORM WINEQT_QPA_FONTDIR
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
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
msi_path=$(winepath -w "$msi" 2>/dev/null) || msi_path="Z:${msi//\//\\}"
wineboot -i >/dev/null 2>&1

timeout 300 wine msiexec /i "$msi_path" /qn || fail "msiexec /i ended with $?"
for file in ombrel.exe ombrel-start.exe ombrel-report.exe LICENSE.txt; do
  [ -f "$programs/$file" ] || fail "$file is not in Program Files\\Ombrel"
done
shortcut=$(installed_shortcut) || fail "no Start-menu shortcut Ombrel"
wine reg query "$run_key" /v Ombrel >/dev/null 2>&1 && fail "it starts with Windows unasked"

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

# The clock from the Start-menu shortcut, its records folder made; a name typed, IN pressed.
records=$drive/users/$user/Documents/Ombrel

[ ! -e "$records" ] || fail "$records is there before the clock"
wine start "$(winepath -w "$shortcut")" >/dev/null 2>&1
clock=
for _ in $(seq 300); do
  clock=$(xdotool search --onlyvisible --name '^Ombrel$' 2>/dev/null | head -n1)
  [ -n "$clock" ] && break
  sleep 0.2
done
[ -n "$clock" ] || fail "the clock's window did not show"
[ -d "$records" ] || fail "the records folder $records was not made"
eval "$(xdotool getwindowgeometry --shell "$clock")"
sleep 1
xdotool mousemove $((X + 70)) $((Y + 16)) click --repeat 3 1   # the name box
sleep 0.5
xdotool type --delay 50 Taro
xdotool mousemove $((X + 28)) $((Y + 44)) click 1               # IN
month=$(date +%-m) year=$(date +%y) day=$(date +%-d)
sheet="$records/Taro $year $month.csv"
for _ in $(seq 100); do
  [ -f "$sheet" ] && break
  sleep 0.1
done
[ -f "$sheet" ] || fail "IN wrote no sheet: $(ls "$records")"
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


# A newer version installed over it: one Ombrel installed, the records as they were.
(cd "$files" && wixl -a x64 -D Version=99.0.0.0 -o "$work/newer.msi" "$wxs") >/dev/null 2>&1 ||
  fail "no newer MSI could be made"
newer_path=$(winepath -w "$work/newer.msi")
timeout 300 wine msiexec /i "$newer_path" /qn || fail "the upgrade ended with $?"
[ "$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
     grep -c 'DisplayName.*Ombrel')" = 1 ] || fail "not exactly one Ombrel installed after the upgrade"
[ -f "$programs/ombrel.exe" ] || fail "the upgrade left no clock"
cmp "$sheet" "$work/$(basename "$sheet")" || fail "the upgrade changed the sheet"

timeout 300 wine msiexec /x "$newer_path" /qn || fail "msiexec /x ended with $?"
[ ! -e "$programs/ombrel.exe" ] || fail "the clock is still installed"
! installed_shortcut >/dev/null || fail "the shortcut is still there"
cmp "$sheet" "$work/$(basename "$sheet")" || fail "the uninstall changed the sheet"
cmp "$records/omb.ini" "$work/omb.ini" || fail "the uninstall changed the name file"

# Started with Windows for everyone only when asked, and no longer once uninstalled.
timeout 300 wine msiexec /i "$msi_path" /qn STARTWITHWINDOWS=1 || fail "msiexec /i ended with $?"
wine reg query "$run_key" /v Ombrel 2>/dev/null | grep -q 'ombrel-start.exe' ||
  fail "STARTWITHWINDOWS=1 left no Run entry"
timeout 300 wine msiexec /x "$msi_path" /qn || fail "msiexec /x ended with $?"
wine reg query "$run_key" /v Ombrel >/dev/null 2>&1 && fail "the Run entry outlived the uninstall"
cmp "$sheet" "$work/$(basename "$sheet")" || fail "a reinstall changed the sheet"
echo "installed, started from the shortcut, IN written, uninstalled; the records kept"
