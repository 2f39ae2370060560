#!/bin/sh
# Usage: imports_test.sh OBJDUMP PROGRAM...
# Fails when a program imports a DLL that is not part of Windows itself.
objdump=$1
shift
# Windows' own DLLs and API sets (api-ms-win-*), in lower case.
windows_dlls=' advapi32.dll authz.dll comdlg32.dll d3d11.dll d3d9.dll dwmapi.dll dxgi.dll gdi32.dll
imm32.dll kernel32.dll msvcrt.dll netapi32.dll ole32.dll oleaut32.dll shcore.dll shell32.dll
shlwapi.dll user32.dll userenv.dll uxtheme.dll version.dll winmm.dll ws2_32.dll wtsapi32.dll
comctl32.dll '
allowed=" $(echo $windows_dlls) "
status=0
for program in "$@"; do
  imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$imports" ] || { echo "$program: no imports found"; status=1; }
  for dll in $imports; do
    case $dll in
      api-ms-win-*) continue ;;
    esac
    case $allowed in
      *" $dll "*) ;;
      *) echo "$program imports $dll, which Windows does not have"; status=1 ;;
    esac
  done
  echo "$(basename "$program"): imports $(echo $imports | wc -w) DLLs"
done
exit $status
