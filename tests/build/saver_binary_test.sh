#!/usr/bin/env bash
# saver_binary_test.sh -- a built saver is a Windows GUI program that needs only the system's own DLLs,
# carries its manifest (DPI awareness, common controls 6), its name as string 1 and the project's version.
# Given a list of the functions the oldest target system provides (win95_imports.txt), every imported
# function must be on it.
#   saver_binary_test.sh OBJDUMP SAVER VERSION [PROVIDED_FUNCTIONS]
set -u
objdump=$1
saver=$2
version=$3
provided=${4:-}
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[ -f "$saver" ] || { echo "FAIL: no saver at $saver"; exit 1; }
headers=$("$objdump" -p "$saver")
echo "$headers" | grep -q "Subsystem.*(Windows GUI)" || fail "not a Windows GUI program"

# DLLs every Windows installation has; the runtime's own (libstdc++, libgcc, winpthread) are not among them.
allowed=" KERNEL32.DLL USER32.DLL GDI32.DLL OPENGL32.DLL ADVAPI32.DLL WINMM.DLL WSOCK32.DLL WS2_32.DLL SHELL32.DLL COMCTL32.DLL MSVCRT.DLL "
imports=$(echo "$headers" | awk '/DLL Name:/{print toupper($3)}')
[ -n "$imports" ] || fail "no imports found"
for dll in $imports; do
  case "$allowed" in
    *" $dll "*) ;;
    *) fail "imports $dll, which is not a Windows system DLL" ;;
  esac
done

if [ -n "$provided" ]; then
  # Import lines read "<tab>vma<tab> hint name" under their "DLL Name:" line.
  functions=$(echo "$headers" | awk '/DLL Name:/ { dll = toupper($3) }
                                     /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ { print dll " " $3 }')
  [ -n "$functions" ] || fail "no imported functions found"
  missing=$(awk 'NR == FNR { if ($1 !~ /^#/) for (i = 2; i <= NF; i++) ok[toupper($1) " " $i]; next }
                 !($0 in ok)' "$provided" <(echo "$functions"))
  [ -z "$missing" ] || fail "imports what $(basename "$provided") does not list:" $missing
fi

# The manifest is stored as its own text among the resources.
grep -qa "<dpiAware[^>]*>true</dpiAware>" "$saver" || fail "manifest without DPI awareness"
grep -qa 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$saver" || fail "manifest without common controls 6"
# The desktop lists a saver by string 1 (block 1 holds strings 0 to 15, each a length and UTF-16 text);
# the version resource's fixed numbers and texts carry the version CMake gave.
strings=$(wrestool -x --raw -t 6 -n 1 "$saver" | /usr/bin/python3 -c '
import struct, sys
block = sys.stdin.buffer.read()
at = 0
for _ in range(2):
    length = struct.unpack_from("<H", block, at)[0]
    text, at = block[at + 2:at + 2 + 2 * length].decode("utf-16-le"), at + 2 + 2 * length
print(text)')
[ "$strings" = "Kelvaron Playable Screen Saver" ] || fail "string 1 is \"$strings\""
versions=$(wrestool -x --raw -t 16 "$saver" | /usr/bin/python3 -c '
import re, struct, sys
info = sys.stdin.buffer.read()
fixed = info.index(struct.pack("<I", 0xFEEF04BD))
numbers = struct.unpack_from("<4I", info, fixed + 8)
text = info.decode("utf-16-le", "replace")
values = [re.search(name + "\0+([^\0]*)", text).group(1) for name in ("FileVersion", "ProductVersion", "CompanyName")]
print(*["%d.%d.%d.%d" % (n >> 16, n & 0xFFFF, m >> 16, m & 0xFFFF) for n, m in (numbers[:2], numbers[2:])], *values)')
[ "$versions" = "$version.0 $version.0 $version.0 $version.0 Quillon Creations" ] ||
  fail "version resource \"$versions\", not $version.0 from Quillon Creations"
[ $failed -eq 0 ] && echo "ok: $saver imports only$(echo " $imports" | tr '\n' ' ')"
exit $failed
