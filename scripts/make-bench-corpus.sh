#!/usr/bin/env bash
# Writes bench/corpus/english.txt, the real-text input of the packing
# benchmark: a line feed (so that every line is a record), Debian's GPL-3
# licence text, then chapters of the Vim user manual, cut to 65,535 bytes.
# The file is shipped, so the benchmark does not depend on this machine;
# run this only to make it anew.
set -euo pipefail
cd "$(dirname "$0")/.."

sources=(/usr/share/common-licenses/GPL-3)
for chapter in 01 02 03 04 05 06; do
    sources+=("$(ls /usr/share/vim/vim*/doc/usr_$chapter.txt | head -n 1)")
done
for file in "${sources[@]}"; do
    [ -r "$file" ] || { echo "missing: $file" >&2; exit 1; }
done

mkdir -p bench/corpus
whole=$(mktemp)
trap 'rm -f "$whole"' EXIT
{ printf '\n'; cat "${sources[@]}"; } > "$whole"
head -c 65535 "$whole" > bench/corpus/english.txt
size=$(stat -c %s bench/corpus/english.txt)
[ "$size" -eq 65535 ] || { echo "only $size bytes of text" >&2; exit 1; }
echo "bench/corpus/english.txt: $size bytes from ${#sources[@]} files"
