#!/bin/sh
# Runs difusao1d on the shipped example, in a folder of its own.
#   run-example.sh PROGRAM EXAMPLE_FOLDER RUN_FOLDER
# Each path may be relative to the current folder or absolute; a PROGRAM
# without a slash (difusao1d) is looked for on the PATH. The example's
# input and plot scripts are copied there once; later runs keep the user's
# edits of dados.txt. Plots of an earlier run are removed first. Without
# VISUAL or EDITOR set, the input and the report are shown on the terminal
# instead of opened in an editor. A failing program ends the script with the
# program's exit status and no summary.
set -e
if [ $# -ne 3 ]; then
    echo "usage: run-example.sh PROGRAM EXAMPLE_FOLDER RUN_FOLDER" >&2
    exit 2
fi

# Absolute paths, before the script changes folder.
absolute() {
    case $1 in
    /*) printf '%s\n' "$1" ;;
    *) printf '%s\n' "$PWD/$1" ;;
    esac
}
case $1 in
*/*) program=$(absolute "$1") ;;
*) program=$(command -v "$1" || true) ;;
esac
example=$(absolute "$2")
run=$(absolute "$3")

if [ -z "$program" ] || [ ! -x "$program" ]; then
    echo "run-example.sh: no program at $1 (from the folder $PWD, or on the PATH)" >&2
    exit 127
fi
if [ ! -f "$example/dados.txt" ]; then
    echo "run-example.sh: no example in $2 (from the folder $PWD)" >&2
    exit 2
fi

mkdir -p "$run"
for file in dados.txt temp.gnu temp_med.gnu terminal.gnu; do
    [ -e "$run/$file" ] || cp "$example/$file" "$run/$file"
done
cd "$run"
rm -f temp.png temp_med.png

if [ -z "${VISUAL:-}${EDITOR:-}${COMSPEC:-}" ]; then
    EDITOR="sh $example/mostrar.sh"
    export EDITOR
    echo "No VISUAL or EDITOR is set: dados.txt and the report are shown here."
    echo "Set EDITOR (for example EDITOR=nano) to edit the input before each run."
    echo
fi

status=0
"$program" || status=$?
if [ $status -ne 0 ]; then
    echo >&2
    echo "run-example.sh: difusao1d failed with exit status $status (its report is above); run folder: $run" >&2
    exit $status
fi

echo
echo "Run folder: $run"
echo "  report:    saida.txt; plot data: temp.dat, temp_med.dat"
if [ -e temp.png ]; then echo "  plots:     temp.png, temp_med.png"; fi
command -v gnuplot >/dev/null 2>&1 || echo "  (gnuplot is not installed, so no plots were drawn: apt-get install gnuplot)"
exit 0
