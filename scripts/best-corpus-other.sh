#!/usr/bin/env bash
# The second corpus of -best: real texts of other kinds than the English
# prose of scripts/best-corpus.sh, where the search finds less to gain:
# texts in German, Spanish, Italian, Czech, Polish and Brazilian Portuguese
# (Debian's fortune files), glossary-style texts (a German and an Italian
# "dictionary" of jokes), texts whose records are single lines (Spanish
# proverbs, BOFH excuses, Debian hints) and word lists (a German and a
# French one, one word a record). Prints best_measure's table for them:
# raw Z80 and i8080 image bytes by the default packer and by the search,
# the gain, the deepest stack and the T-states per printed character, every
# record run on the emulated CPUs.
#
# The packages are installed with apt-get when missing, for this benchmark
# only (scripts/install-deps.sh does not install them). Records: every
# fortune a record; in the word lists and the line files every line; the
# separator is the first of "~|^`@#$*_{}<>=+" (then bytes 1, 2, 3) that the
# text does not hold. Texts are cut at a record end to at most 65,535 bytes.
#
#   scripts/best-corpus-other.sh
#
# BEST_BUILD_DIR names another build directory; BEST_CORPUS_DIR keeps the
# prepared texts there instead of in a temporary directory.
set -euo pipefail
cd "$(dirname "$0")/.."

fortunes=/usr/share/games/fortunes
packages=(fortunes-de fortunes-es fortunes-it fortunes-cs fortunes-pl fortunes-br fortunes-bofh-excuses
          fortunes-debian-hints wngerman wfrench)
source scripts/best-corpus-setup.sh
best_corpus_setup "${packages[@]}"

python3 - "$corpus" "$fortunes" <<'PYTHON'
import re, sys
sys.path.insert(0, "scripts")
from corpus_text import write_text
out, fortunes = sys.argv[1], sys.argv[2]

def records_of(path, kind):
    text = open(path, 'rb').read().replace(b'\r\n', b'\n')
    if kind == 'fortune':
        parts = [p.strip(b'\n') for p in re.split(rb'\n%\n', b'\n' + text)]
    else:
        parts = [p.strip() for p in text.split(b'\n')]
        parts = [p for p in parts if p != b'%']
    return [p for p in parts if p]

def write(name, path, kind='fortune'):
    records = records_of(path, kind)
    write_text(f'{out}/{name}', records)

write('de-witze', f'{fortunes}/de/witze')
write('de-zitate', f'{fortunes}/de/zitate')
write('de-woerterbuch', f'{fortunes}/de/woerterbuch')
write('es-refranes', f'{fortunes}/es/refranes.fortunes', 'lines')
write('es-sabiduria', f'{fortunes}/es/sabiduria.fortunes')
write('it-definizioni', f'{fortunes}/it/definizioni')
write('it-leggi', f'{fortunes}/it/leggi')
write('cs-citace', f'{fortunes}/cs/citace')
write('cs-klasik-cz', f'{fortunes}/cs/klasik-cz')
write('pl-dowcipy', f'{fortunes}/pl/dowcipy')
write('pt-brasil', f'{fortunes}/brasil')
write('bofh-excuses', f'{fortunes}/bofh-excuses', 'lines')
write('debian-hints', f'{fortunes}/debian-hints', 'lines')
write('words-ngerman', '/usr/share/dict/ngerman', 'lines')
write('words-french', '/usr/share/dict/french', 'lines')
PYTHON

"$build/bench/best_measure" "$corpus"/*
