#!/bin/sh
# The installed copy: installed into a scratch prefix, its example run from
# the prefix with relative paths, as the README and the manual page give the
# command; then a failing run, which must end with the program's status and
# no summary.
#   installed_example.sh BUILD_FOLDER [EMULATOR WORDS...]
# With an emulator (a cross build), the example runs a script in the prefix
# that starts bin/difusao1d under it.
set -eu
build=$(cd "$1" && pwd)
shift
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAILED: $*"
    [ -f "$prefix/log" ] && cat "$prefix/log"
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
[ -f "$prefix/share/man/man1/difusao1d.1.gz" ] || fail "no manual page"
[ -f "$prefix/share/doc/difusao1d/README.md" ] || fail "no README"

program=bin/difusao1d
bindir="$prefix/bin"
if [ $# -gt 0 ]; then
    mkdir "$prefix/emulated"
    printf '#!/bin/sh\nexec %s "%s/bin/difusao1d" "$@"\n' "$*" "$prefix" >"$prefix/emulated/difusao1d"
    chmod +x "$prefix/emulated/difusao1d"
    program=emulated/difusao1d
    bindir="$prefix/emulated"
fi

cd "$prefix"
export VISUAL=true DISPLAY= WAYLAND_DISPLAY=
unset EDITOR COMSPEC || true
sh share/difusao1d/example/run-example.sh "$program" share/difusao1d/example caso >log 2>&1 ||
    fail "run-example.sh ended with status $?"
for file in saida.txt temp.dat temp_med.dat; do
    [ -s "caso/$file" ] || fail "no caso/$file"
done
grep -q "Run folder: $prefix/caso" log || fail "no summary"
if command -v gnuplot >/dev/null 2>&1; then
    [ -s caso/temp.png ] && [ -s caso/temp_med.png ] || fail "no plots"
fi

# The manual page's example as printed, the program on the PATH.
ex=$(PATH="$bindir:$PATH" && dirname "$(command -v difusao1d)")/../share/difusao1d/example
PATH="$bindir:$PATH" sh "$ex/run-example.sh" difusao1d "$ex" caso_man >log 2>&1 && [ -s caso_man/saida.txt ] ||
    fail "the manual page's example failed"

printf '0\n' >caso/dados.txt
status=0
sh share/difusao1d/example/run-example.sh "$program" share/difusao1d/example caso >log 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "a failing program gave status $status"
grep -q "exit status 1" log || fail "the failure is not named"
if grep -q "Run folder" log; then fail "a summary after a failure"; fi
[ ! -e caso/temp.png ] || fail "the plots of the earlier run were kept"
echo "installed example: 3 passed, 0 failed"
