#!/bin/sh
# Shows text files on the terminal, for runs without an editor of one's own:
# used as EDITOR, it stands in for the editor on "dados.txt" and on the
# report. The report is Windows-1252 text with CR LF line ends; it is shown
# converted to UTF-8.
for file in "$@"; do
    echo "==> $file <=="
    if iconv -f UTF-8 -t UTF-8 "$file" >/dev/null 2>&1; then
        tr -d '\r' < "$file"
    else
        iconv -f WINDOWS-1252 -t UTF-8 "$file" | tr -d '\r'
    fi
done
