#!/usr/bin/env bash
# saver_binary_test.sh -- a built saver is a Windows GUI program that needs only the system's own DLLs,
# and carries its manifest (DPI awareness, common controls 6).
#   saver_binary_test.sh OBJDUMP SAVER
set -u
objdump=$1
saver=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[ -f "$saver" ] || { echo "FAIL: no saver at $saver"; exit 1; }
headers=$("$objdump" -p "$saver")
echo "$headers" | grep -q "Subsystem.*(Windows GUI)" || fail "not a Windows GUI program"

# DLLs every Windows installation has; the runtime's own (libstdc++, libgcc, winpthread) are not among them.
allowed=" KERNEL32.DLL USER32.DLL GDI32.DLL OPENGL32.DLL ADVAPI32.DLL WINMM.DLL WS2_32.DLL SHELL32.DLL COMCTL32.DLL MSVCRT.DLL "
imports=$(echo "$headers" | awk '/DLL Name:/{print toupper($3)}')
[ -n "$imports" ] || fail "no imports found"
for dll in $imports; do
  case "$allowed" in
    *" $dll "*) ;;
    *) fail "imports $dll, which is not a Windows system DLL" ;;
  esac
done

# The manifest is stored as its own text among the resources.
grep -qa "<dpiAware[^>]*>true</dpiAware>" "$saver" || fail "manifest without DPI awareness"
grep -qa 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$saver" || fail "manifest without common controls 6"
[ $failed -eq 0 ] && echo "ok: $saver imports only$(echo " $imports" | tr '\n' ' ')"
exit $failed
