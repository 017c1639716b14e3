#!/usr/bin/env bash
# Packs a corpus of real texts (Debian's licence texts, Vim help files,
# fortune files) with the default packer and with the -best search and
# prints the per-text table: raw Z80 image bytes of both, the gain, the
# deepest stack of any record and the T-states per printed character of
# both (every record run on the emulated CPU) with how many percent more
# the search's image takes, then the total and the range of that percentage.
#
# Records are made as a user would: in the licences and help files every
# blank line becomes a separator, in the fortune files every '%' line; the
# separator is the first of "~|^`@#$*_{}<>=+" (then bytes 1, 2, 3) that the
# text does not hold. Texts are cut at a record end to at most 65,535 bytes.
#
#   scripts/best-corpus.sh
#
# BEST_BUILD_DIR names another build directory; BEST_CORPUS_DIR keeps the
# prepared texts there (for profiling) instead of in a temporary directory.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/best-corpus-setup.sh
best_corpus_setup vim-runtime fortunes-min
vimdoc=$(ls -d /usr/share/vim/vim9*/doc | tail -n 1)
fortunes=/usr/share/games/fortunes

python3 - "$corpus" <<PYTHON
import re, sys
sys.path.insert(0, "scripts")
from corpus_text import write_text
out = sys.argv[1]

def records_of(path, fortune):
    text = open(path, 'rb').read().replace(b'\r\n', b'\n')
    if fortune:
        parts = re.split(rb'\n%\n', b'\n' + text)
        parts = [p.strip(b'\n') for p in parts]
    else:
        parts = [p.strip(b'\n') for p in re.split(rb'\n[ \t]*\n', text)]
    return [p for p in parts if p]

def write(name, path, fortune=False):
    records = records_of(path, fortune)
    write_text(f'{out}/{name}', records)

for name in ['Apache-2.0', 'GPL-2', 'GPL-3', 'LGPL-2.1', 'LGPL-3', 'MPL-2.0', 'GFDL-1.3', 'Artistic']:
    write(f'licence-{name}', f'/usr/share/common-licenses/{name}')
for name in ['options', 'eval', 'usr_41', 'motion', 'quickref', 'change']:
    write(f'vim-{name}', f'$vimdoc/{name}.txt')
for name in ['fortunes', 'literature', 'riddles']:
    write(f'fortune-{name}', f'$fortunes/{name}', fortune=True)
PYTHON

"$build/bench/best_measure" "$corpus"/*
