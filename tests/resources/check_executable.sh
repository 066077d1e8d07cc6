#!/usr/bin/env bash
# Velamo.exe is a 32-bit Windows GUI program that needs no DLL beyond Windows' own.
#   check_executable.sh VELAMO_EXE OBJDUMP
set -euo pipefail
exe=$1
objdump=$2
headers=$("$objdump" -p "$exe")
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit x86 PE file"
grep -Eq '^Magic[[:space:]]+010b' <<<"$headers" || fail "not PE32"
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a GUI-subsystem program"
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:lower:]' '[:upper:]' | sort -u)
[ -n "$imports" ] || fail "no import table found"
windows_own='^(KERNEL32|USER32|GDI32|SHELL32|COMCTL32|ADVAPI32|MSVCRT|OLE32|SHLWAPI)\.DLL$'
others=$(grep -Ev "$windows_own" <<<"$imports" || true)
[ -z "$others" ] || fail "imports DLLs that are not Windows' own: $others"
echo "ok: PE32 GUI program importing only $(tr '\n' ' ' <<<"$imports")"
