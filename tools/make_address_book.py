#!/usr/bin/env python3
"""Writes an address book of made-up people as one vCard 3.0 file, for the
guide's screenshots and the import benchmark.

    make_address_book.py COUNT OUT.vcf [--photos]

Most cards have a birthday (some without a year), every sixth an
anniversary; a few have no date, one a date that does not exist and one a
photo that is not a picture, so the import preview shows what it skips.
With --photos two cards in three carry a JPEG portrait drawn with
ImageMagick's convert (the first 60 with the person's initials, the rest
one of eight plain ones), folded into the card as Base64.
"""
import base64
import os
import random
import subprocess
import sys
import tempfile

FIRST = ("Anna Ben Cleo Dora Emil Fay Gus Hana Ivo Jana Karl Lena Milo Nina Otto Pia Quin Rosa Sven "
         "Tara Udo Vera Wim Xena Yves Zoe Ada Bram Cora Dirk").split()
LAST = "Berg Kraus Lund Moreau Novak Ortiz Petit Quast Roth Silva Tamm Ueda Vogel Weber".split()
COLOURS = ["#e57373", "#64b5f6", "#81c784", "#ffb74d", "#ba68c8", "#4db6ac", "#f06292", "#a1887f"]


def portrait(folder, colour, initials):
    path = os.path.join(folder, f"{colour[1:]}-{initials or 'plain'}.jpg")
    if not os.path.exists(path):
        subprocess.run(["convert", "-size", "160x200", f"xc:{colour}", "-fill", "white",
                        "-draw", "circle 80,80 80,40", "-draw", "ellipse 80,200 60,60 180,360",
                        "-gravity", "north", "-pointsize", "22", "-fill", "black",
                        "-annotate", "+0+66", initials, "-quality", "85", path], check=True)
    with open(path, "rb") as f:
        return base64.b64encode(f.read()).decode()


def folded(line):
    return [line[:75]] + [" " + line[k:k + 74] for k in range(75, len(line), 74)]


def card(i, rng, folder):
    first = FIRST[i % len(FIRST)] + (str(i // len(FIRST)) if i >= len(FIRST) else "")
    last = LAST[(i * 7) % len(LAST)]
    year, month, day = rng.randint(1940, 2020), rng.randint(1, 12), rng.randint(1, 28)
    lines = ["BEGIN:VCARD", "VERSION:3.0", f"N:{last};{first};;;", f"FN:{first} {last}"]
    if i == 13:
        lines.append("BDAY:1985-02-30")
    elif i % 11 == 5:
        pass  # no date at all
    elif i % 9 == 4:
        lines.append(f"BDAY:--{month:02d}{day:02d}")
    else:
        lines.append(f"BDAY:{year}-{month:02d}-{day:02d}")
    if i % 6 == 1:
        lines.append(f"ANNIVERSARY:{year + 25}-{rng.randint(1, 12):02d}-{rng.randint(1, 28):02d}")
    if i == 20:
        lines.append("PHOTO;ENCODING=b;TYPE=JPEG:bm90IGEgcGljdHVyZQ==")
    elif folder and i % 3 != 2:
        initials = first[0] + last[0] if i < 60 else ""
        lines += folded("PHOTO;ENCODING=b;TYPE=JPEG:" + portrait(folder, COLOURS[i % 8], initials))
    lines.append("END:VCARD")
    return "\r\n".join(lines)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    count, out = int(sys.argv[1]), sys.argv[2]
    rng = random.Random(7)
    with tempfile.TemporaryDirectory() as folder:
        cards = [card(i, rng, folder if "--photos" in sys.argv else None) for i in range(count)]
    with open(out, "w", newline="") as f:
        f.write("\r\n".join(cards) + "\r\n")


if __name__ == "__main__":
    main()
