#!/usr/bin/python3
"""Checks a printed calendar as a reader of its PDF sees it, with poppler's tools.

    check_printed_sheets.py PDF booklet|wall a4|letter [--photo WIDTHxHEIGHT] [--months YYYY-MM]

- the sheet count (26 for the booklet's year, 13 for the wall calendar's), the
  paper and the orientation of every sheet;
- every raster picture at 300 pixels an inch or more where it is printed, except
  a photo of the given size, which must keep all its pixels;
- the month grids' printed width against the printable width, and centred;
- the title on one line, its box clear of the title picture's box;
- with --months, the month sheets from that month on: each names its month and
  year, and its small months the month before and after.

Exits 1 with one line a fault.
"""

import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

MARGIN_PT = 10 / 25.4 * 72
SHEETS = {"booklet": 26, "wall": 13}
PAPERS = {"a4": (595.3, 841.9), "letter": (612.0, 792.0)}
RENDER_DPI = 50
INK = 200  # grey levels below this are drawn, above it paper
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August", "September",
          "October", "November", "December"]


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def sheet_sizes(pdf):
    info = run("pdfinfo", "-f", "1", "-l", "999", pdf).decode()
    return [(float(w), float(h)) for w, h in re.findall(r"Page +\d+ size: +([\d.]+) x ([\d.]+)", info)]


def raster_faults(pdf, photo):
    """Pictures printed below 300 ppi; a photo of the given size (whole, or
    cropped in one direction) is at its own resolution and must be there."""
    faults = []
    photo_seen = False
    for line in run("pdfimages", "-list", pdf).decode().splitlines()[2:]:
        fields = line.split()
        page, kind, width, height, x_ppi, y_ppi = fields[0], fields[2], fields[3], fields[4], fields[12], fields[13]
        if kind != "image":
            continue
        if photo and (width == photo[0] or height == photo[1]):
            photo_seen = True
        elif min(int(x_ppi), int(y_ppi)) < 300:
            faults.append("sheet %s: a %sx%s picture prints at %s x %s ppi" % (page, width, height, x_ppi, y_ppi))
    if photo and not photo_seen:
        faults.append("the %sx%s photo lost pixels on its way to the PDF" % photo)
    return faults


def gray_sheet(pdf, page):
    """The sheet as (width, height, bytes) of grey levels at RENDER_DPI."""
    data = run("pdftoppm", "-gray", "-r", str(RENDER_DPI), "-f", str(page), "-l", str(page), pdf)
    header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    width, height = int(header.group(1)), int(header.group(2))
    return width, height, data[header.end():]


def grid_extent_pt(pdf, page):
    """Left and right ends, in points, of the longest inked row: a grid's border."""
    width, height, pixels = gray_sheet(pdf, page)
    best = (0, 0, 0)
    for y in range(height):
        row = pixels[y * width:(y + 1) * width]
        inked = [x for x in range(width) if row[x] < INK]
        if len(inked) > best[0]:
            best = (len(inked), inked[0], inked[-1] + 1)
    scale = 72 / RENDER_DPI
    return best[1] * scale, best[2] * scale


def title_words(pdf):
    xhtml = run("pdftotext", "-f", "1", "-l", "1", "-bbox-layout", pdf, "-").decode()
    words = []
    for word in ElementTree.fromstring(xhtml).iter("{http://www.w3.org/1999/xhtml}word"):
        words.append(tuple(float(word.get(k)) for k in ("xMin", "yMin", "xMax", "yMax")))
    return words


def title_faults(pdf):
    words = title_words(pdf)
    if not words:
        return ["the title sheet has no title"]
    # A calendar across two years has a smaller line of its months under the title.
    tallest = max(w[3] - w[1] for w in words)
    line = [w for w in words if w[3] - w[1] > 0.7 * tallest]
    if max(w[1] for w in line) - min(w[1] for w in line) > 2:
        return ["the title wraps onto more than one line"]
    if any(w[1] < line[0][3] for w in words if w not in line):
        return ["the line of the months is not under the title"]
    box = (min(w[0] for w in words), min(w[1] for w in words), max(w[2] for w in words), max(w[3] for w in words))
    # The picture is what is drawn outside the title's box.
    width, height, pixels = gray_sheet(pdf, 1)
    scale = RENDER_DPI / 72
    left, top, right, bottom = (int(box[0] * scale) - 1, int(box[1] * scale) - 1,
                                int(box[2] * scale) + 2, int(box[3] * scale) + 2)
    xs, ys = [], []
    for y in range(height):
        for x in range(width):
            if pixels[y * width + x] < INK and not (left <= x < right and top <= y < bottom):
                xs.append(x)
                ys.append(y)
    if not xs:
        return ["the title sheet has no picture"]
    overlaps = min(xs) < right and max(xs) >= left and min(ys) < bottom and max(ys) >= top
    return ["the title runs into its picture"] if overlaps else []


def month_faults(pdf, first):
    """The twelve month sheets (2 to 13) from `first` ("2027-09") on."""
    year, month = (int(part) for part in first.split("-"))
    faults = []
    for sheet in range(2, 14):
        text = run("pdftotext", "-f", str(sheet), "-l", str(sheet), pdf, "-").decode()
        named = set(re.findall(r"\b(%s) (\d{4})\b" % "|".join(MONTHS), text))
        index = year * 12 + month - 1 + sheet - 2
        wanted = {(MONTHS[(index + d) % 12], str((index + d) // 12)) for d in (-1, 0, 1)}
        if named != wanted:
            faults.append("sheet %d names %s, not %s" % (sheet, sorted(named), sorted(wanted)))
    return faults


def main():
    pdf, layout, paper = sys.argv[1:4]
    options = dict(zip(sys.argv[4::2], sys.argv[5::2]))
    photo = tuple(options["--photo"].split("x")) if "--photo" in options else None
    faults = []
    sizes = sheet_sizes(pdf)
    if len(sizes) != SHEETS[layout]:
        faults.append("%d sheets, not %d" % (len(sizes), SHEETS[layout]))
    short, long = PAPERS[paper]
    expected = (short, long) if layout == "wall" else (long, short)
    for number, size in enumerate(sizes, 1):
        if abs(size[0] - expected[0]) > 2 or abs(size[1] - expected[1]) > 2:
            faults.append("sheet %d is %.0f x %.0f pt, not %s %s" % (number, size[0], size[1], paper, layout))
    faults += raster_faults(pdf, photo)
    printable = expected[0] - 2 * MARGIN_PT
    for page in (2, 13):
        left, right = grid_extent_pt(pdf, page)
        if right - left < 0.97 * printable:
            faults.append("sheet %d: the grid is %.0f of %.0f pt wide" % (page, right - left, printable))
        if abs(left - (expected[0] - right)) > 6:
            faults.append("sheet %d: the grid is off centre (%.0f pt left, %.0f right)"
                          % (page, left, expected[0] - right))
    faults += title_faults(pdf)
    if "--months" in options:
        faults += month_faults(pdf, options["--months"])
    for fault in faults:
        print("%s: %s" % (pdf, fault))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
