"""Writes a corpus text for the -best corpus scripts: the records joined by
a separator, the first of "~|^`@#$*_{}<>=+" (then bytes 1, 2, 3) that the
records do not hold, which also opens the text; cut at a record end to at
most 65,535 bytes."""

LIMIT = 65535


def write_text(path, records):
    used = set().union(*[set(r) for r in records])
    separator = next(c for c in list(b'~|^`@#$*_{}<>=+') + [1, 2, 3] if c not in used)
    sep = bytes([separator])
    text = sep
    for record in records:
        if len(text) + len(record) + 1 > LIMIT:
            break
        text += record + sep
    open(path, 'wb').write(text)
