#!/usr/bin/env bash
# Checks a plug-in DLL as a Windows host will find it:
#   check-dll.sh OBJDUMP DLL MACHINE      (MACHINE: i386 or x86-64)
# It must be a DLL for that machine (PE32 for i386, PE32+ for x86-64), export
# VSTPluginMain and main at one address, and import only DLLs every Windows
# system has: no compiler runtime (libgcc_s, libstdc++, libwinpthread).
set -euo pipefail

objdump=$1
dll=$2
machine=$3

case $machine in
i386) magic=010b format=PE32 ;;
x86-64) magic=020b format=PE32+ ;;
*) echo "unknown machine: $machine" >&2; exit 2 ;;
esac

headers=$("$objdump" -p "$dll")
faults=()

grep -q "file format pei-$machine\$" <<<"$headers" || faults+=("not a pei-$machine file")
grep -qE "^Magic\s+$magic\s" <<<"$headers" || faults+=("not $format")
grep -qx $'\tDLL' <<<"$headers" || faults+=("not a DLL")

# The export address of each exported name: the name table gives each name's
# index into the address table.
exports=$(awk '
    /^Export Address Table -- /     { table = "addresses"; next }
    /^\[Ordinal\/Name Pointer\] /    { table = "names"; next }
    /^$/                            { table = "" }
    table == "addresses" && /Export RVA/ { address[$2 + 0] = $(NF - 2) }
    table == "names" { gsub(/[][]/, ""); name[$1 + 0] = $2 }
    END { for (i in name) print name[i], address[i] }
' <<<"$headers")
echo "exports:"
sed 's/^/  /' <<<"$exports"
entry=$(awk '$1 == "VSTPluginMain" { print $2 }' <<<"$exports")
main=$(awk '$1 == "main" { print $2 }' <<<"$exports")
[[ -n $entry ]] || faults+=("VSTPluginMain is not exported")
[[ -n $main ]] || faults+=("main is not exported")
if [[ -n $entry && -n $main && $entry != "$main" ]]; then
    faults+=("main ($main) and VSTPluginMain ($entry) are at different addresses")
fi

imports=$(sed -n 's/^\tDLL Name: //p' <<<"$headers")
echo "imports:"
sed 's/^/  /' <<<"$imports"
while read -r import; do
    [[ -n $import ]] || continue
    case ${import,,} in
    kernel32.dll | msvcrt.dll | ntdll.dll | user32.dll | gdi32.dll | advapi32.dll | \
        ole32.dll | oleaut32.dll | shell32.dll | comdlg32.dll | comctl32.dll | \
        ws2_32.dll | winmm.dll | ucrtbase.dll | api-ms-win-*.dll) ;;
    *) faults+=("imports $import, which is not a system DLL") ;;
    esac
done <<<"$imports"

if ((${#faults[@]})); then
    echo "FAIL $dll:"
    printf '  %s\n' "${faults[@]}"
    exit 1
fi
echo "ok $dll: $format $machine DLL"
