#!/bin/sh
# --verificar approves no run that cannot happen: under a 512 MB address-space
# limit, N = 8 000 000 needs the nine field arrays and the solver's two work
# arrays (576 MB; 448 MB without the work arrays); the check names the
# F6772 that the run then ends with.
#   memory_limit_test.sh PROGRAM [EMULATOR WORDS...]
# Under an emulator the test is skipped (status 77): qemu-user applies the
# address-space limit to itself, not to the emulated program.
set -eu
program=$1
if [ $# -gt 1 ]; then
    echo "skipped under qemu-user: it applies resource limits to itself, not to the emulated program"
    exit 77
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
printf '8000000\n2\n0.1\n0.5\n1\n1\n0\n0\n' > dados.txt
check=0 run=0
(ulimit -v 524288 && exec "$program" --verificar) > verificar.txt 2>&1 || check=$?
(ulimit -v 524288 && EDITOR=true exec "$program") > /dev/null 2> run.txt || run=$?
grep -q 'A execução pararia com run-time error F6772' verificar.txt && [ "$check" = 1 ] ||
    { echo "--verificar: exit status $check"; cat verificar.txt; exit 1; }
printf '\r\nrun-time error F6772\r\n- not enough memory for the array\r\n' > expected.txt
cmp -s run.txt expected.txt && [ "$run" = 1 ] || { echo "run: exit status $run"; od -c run.txt | head; exit 1; }
echo "--verificar and the run both end with F6772"
