#!/bin/sh
# Times whole runs of the program end to end: N = 500000, nt = 40 (about 5.5
# million numbers written, 106 MB of report), viewers replaced by a command
# interpreter that does nothing. Prints the elapsed time and the peak
# resident memory of each run, and the memory the arrays account for, as
# the program counts it for --verificar.
#   whole_run.sh PROGRAM [RUNS]
set -eu
program=$(realpath "$1")
runs=${2:-5}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
printf '500000\n40\n0.1\n0.5\n1.0\n1.0\n0.0\n0.0\n' > dados.txt

# "...; memória: 36.0 MB": the field arrays and the solver's work arrays.
"$program" --verificar | sed -n 's/.*memória: \([0-9.]*\) \([kMG]*B\).*/\1 \2/p' |
    awk '{ f = $2 == "kB" ? 1e3 : $2 == "MB" ? 1e6 : $2 == "GB" ? 1e9 : 1
           printf "arrays with the solver'"'"'s work arrays: %s %s, allowed peak: %d KiB\n", $1, $2, $1 * f / 1024 + 8192 }'
i=0
while [ $i -lt "$runs" ]; do
    COMSPEC=/bin/true /usr/bin/time -f "run: %e s elapsed, %U s user, %S s system, peak %M KiB" "$program"
    i=$((i + 1))
done
echo "report: $(wc -c < saida.txt) bytes, $(wc -l < saida.txt) lines"
