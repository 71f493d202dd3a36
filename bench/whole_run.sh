#!/bin/sh
# Times whole runs of the program end to end: N = 500000, nt = 40 (about 5.5
# million numbers written, 106 MB of report), viewers replaced by a command
# interpreter that does nothing. Prints the elapsed time and the peak
# resident memory of each run, and the memory the arrays account for.
#   whole_run.sh PROGRAM [RUNS]
set -eu
program=$(realpath "$1")
runs=${2:-5}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
printf '500000\n40\n0.1\n0.5\n1.0\n1.0\n0.0\n0.0\n' > dados.txt

N=500000
nt=40
arrays=$(( (7 * N + 2 * (nt + 1)) * 8 ))
work=$(( 2 * N * 8 ))
echo "arrays: $((arrays / 1024)) KiB, solver work arrays: $((work / 1024)) KiB, allowed peak: $(( (arrays + work) / 1024 + 8192 )) KiB"
i=0
while [ $i -lt "$runs" ]; do
    COMSPEC=/bin/true /usr/bin/time -f "run: %e s elapsed, %U s user, %S s system, peak %M KiB" "$program"
    i=$((i + 1))
done
echo "report: $(wc -c < saida.txt) bytes, $(wc -l < saida.txt) lines"
