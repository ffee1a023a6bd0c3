#!/bin/sh
# Checks a built Memolux.exe: it imports only DLLs that ship with Windows
# (no C++ runtime, libgcc or pthread DLL), and it stays under a size limit.
#   check_executable.sh <objdump> <exe> <max-bytes>
set -eu
objdump=$1
exe=$2
limit=$3

allowed="KERNEL32.dll USER32.dll GDI32.dll COMCTL32.dll msvcrt.dll ADVAPI32.dll ole32.dll"
status=0
for dll in $("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
    ok=no
    for a in $allowed; do
        if [ "$(echo "$dll" | tr 'a-z' 'A-Z')" = "$(echo "$a" | tr 'a-z' 'A-Z')" ]; then ok=yes; fi
    done
    if [ "$ok" = no ]; then
        echo "FAIL: $exe imports $dll, which does not ship with Windows" >&2
        status=1
    fi
done
size=$(stat -c %s "$exe")
if [ "$size" -ge "$limit" ]; then
    echo "FAIL: $exe is $size bytes, limit $limit" >&2
    status=1
fi
if [ "$status" = 0 ]; then
    echo "ok: $exe: $size bytes (limit $limit), imports: $("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ')"
fi
exit $status
