#!/bin/sh
# Arrays the machine cannot give: F6772 at once, exit status 1, nothing
# written. The Windows program runs under an address-space limit of the
# process that runs it, since wine, unlike Windows, does not commit memory
# when it is allocated.
#
#   memory_limit_test.sh LAUNCHER PROGRAM STAND_IN EMULATOR...
set -eu
launcher=$1 program=$2 stand_in=$3
shift 3
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
printf '1500000000\n10\n1.0\n1.0\n1.0\n1.0\n0.0\n0.0\n' > dados.txt
status=0
(ulimit -v 4194304 && exec "$@" "$launcher" "COMSPEC=$stand_in" -- "$program") 2> stderr.txt || status=$?
printf '\r\nrun-time error F6772\r\n- not enough memory for the array\r\n' > expected.txt
if [ "$status" != 1 ] || ! cmp -s stderr.txt expected.txt || [ -e saida.txt ]; then
    echo "exit status $status, standard error:"; od -c stderr.txt | head -20
    exit 1
fi
echo "F6772 with exit status 1, nothing written"
