#!/bin/sh
# Runs difusao1d on the shipped example, in a folder of its own.
#   run-example.sh PROGRAM EXAMPLE_FOLDER RUN_FOLDER
# The example's input and plot scripts are copied there once; later runs keep
# the user's edits of dados.txt. Without VISUAL or EDITOR set, the input and
# the report are shown on the terminal instead of opened in an editor.
set -e
program=$1
example=$2
run=$3

mkdir -p "$run"
for file in dados.txt temp.gnu temp_med.gnu terminal.gnu; do
    [ -e "$run/$file" ] || cp "$example/$file" "$run/$file"
done
cd "$run"

if [ -z "${VISUAL:-}${EDITOR:-}${COMSPEC:-}" ]; then
    EDITOR="sh $example/mostrar.sh"
    export EDITOR
    echo "No VISUAL or EDITOR is set: dados.txt and the report are shown here."
    echo "Set EDITOR (for example EDITOR=nano) to edit the input before each run."
    echo
fi

status=0
"$program" || status=$?

echo
echo "Run folder: $run"
echo "  report:    saida.txt; plot data: temp.dat, temp_med.dat"
if [ -e temp.png ]; then echo "  plots:     temp.png, temp_med.png"; fi
command -v gnuplot >/dev/null 2>&1 || echo "  (gnuplot is not installed, so no plots were drawn: apt-get install gnuplot)"
exit $status
