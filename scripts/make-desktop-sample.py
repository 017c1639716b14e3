#!/usr/bin/env python3
"""Writes samples/letter.dtp, a small document in the Desktop line layout.

The layout, as `vendrel -dtp` reads it:

* Every line starts with a line head. If bits 5 and 6 of the head byte
  (mask 0x60) are both clear, the head is that one byte; otherwise two more
  layout bytes follow and the head is 3 bytes long. Nothing of a head is kept.
* The line's content follows, up to a CR (13). Each CR becomes one space,
  except after a join mark ('|' or '\\'), where the next line follows at once
  and the join mark stays in the text.
* Bytes below 32 other than CR (TAB, formatting codes) are dropped.
* A byte 160..254 is a repeat byte: the byte produced last is produced
  (byte - 160) more times.
* With -lc, 'A'..'Z' become 'a'..'z' (and an odd byte 129..159 the even byte
  below it).

The first produced character, '#', separates the records. Imported without
-lc the document becomes this text (one line here; every space shown is in it):

#Gull Rock lighthouse, 12 May Dear Anna, the fog came in at six and the lamp
is dark. The keeper's log says the spare oil is in the cave, so I am going
down. #Stores: Oil 1 can|Matches 6|Rope 30 ft ==============================
#The game is saved as C:\\GAMES\\GULLROCK.TAP on the disk. #Yours, TOM #

that is, 4 records and a trailing space after the last '#'.

Usage: scripts/make-desktop-sample.py [output]   (default samples/letter.dtp)
"""
import pathlib
import sys

CR = b"\r"
TAB = b"\t"
UNDERLINE_ON = b"\x01"   # formatting codes below 32: dropped by the import
UNDERLINE_OFF = b"\x02"


def repeat(times):
    """A repeat byte: the previous byte appears `times` more times."""
    assert 0 <= times <= 94
    return bytes([160 + times])


# (line head, content) for every line of the document.
LINES = [
    (b"\x00", b"#Gull Rock lighthouse, 12 May"),          # 1-byte head
    (b"\x80", b"Dear Anna,"),                             # 1-byte head: bits 5, 6 clear
    (b"\x20\x05\x00", b"the fog came in at six and the"),  # bit 5 set: 3-byte head
    (b"\x00", b"lamp is dark. The keeper's log"),
    (b"\x00", b"says the spare oil is in the"),
    (b"\x00", UNDERLINE_ON + b"cave" + UNDERLINE_OFF + b", so I am going down."),
    (b"\x00", b"#Stores: " + TAB + b"Oil 1 can|"),       # '|' joins the next line
    (b"\x00", b"Matches 6|"),
    (b"\x00", b"Rope 30 ft"),
    (b"\x40\x0c\x00", b"=" + repeat(29)),                # bit 6 set; 30 '=' signs
    (b"\x00", b"#The game is saved as C:\\GAMES\\"),      # '\' joins the next line
    (b"\x00", b"GULLROCK.TAP on the disk."),
    (b"\x60\x01\x00", b"#Yours, TOM"),                    # both bits set: 3-byte head
    (b"\x00", b"#"),
]


def document():
    data = b"".join(head + content + CR for head, content in LINES)
    assert 0xFF not in data, "0xFF is the packer's end mark"
    return data


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    target = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "samples" / "letter.dtp"
    target.write_bytes(document())


if __name__ == "__main__":
    main()
