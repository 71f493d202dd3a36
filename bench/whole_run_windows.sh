#!/bin/sh
# The output-heavy whole run (N = 500000, nt = 40, 106 MB of report) of the
# Windows build under wine beside the native build, alternating, in one
# run of this script: an informative figure of what wine and the Windows
# C runtime cost, not a requirement. Prints each run's elapsed time and the
# median of each build.
#   whole_run_windows.sh NATIVE_PROGRAM WINDOWS_BUILD_FOLDER [RUNS]
# The Windows build folder holds difusao1d.exe, launcher.exe,
# stand_in_interpreter.exe and the wine prefix of its tests.
set -eu
native=$(realpath "$1")
windows=$(realpath "$2")
runs=${3:-5}
wine=${WINE:-/usr/lib/wine/wine64}
export WINEPREFIX="$windows/wine-prefix" WINEDEBUG=-all
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
printf '500000\n40\n0.1\n0.5\n1.0\n1.0\n0.0\n0.0\n' > dados.txt

elapsed() { /usr/bin/time -f %e "$@" 2>&1 >/dev/null | tail -1; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
i=0
: > native.times
: > windows.times
while [ $i -lt "$runs" ]; do
    t=$(COMSPEC=/bin/true elapsed "$native")
    echo "native:  $t s"
    echo "$t" >> native.times
    cp saida.txt native_saida.txt
    t=$(elapsed "$wine" "$windows/launcher.exe" "COMSPEC=$windows/stand_in_interpreter.exe" -- "$windows/difusao1d.exe")
    echo "windows: $t s (under wine)"
    echo "$t" >> windows.times
    i=$((i + 1))
done
echo "median of $runs runs: native $(median < native.times) s, windows under wine $(median < windows.times) s"
echo "reports: $(wc -c < native_saida.txt) and $(wc -c < saida.txt) bytes, $(cmp -l native_saida.txt saida.txt | wc -l) bytes differ"
