#!/usr/bin/python3
"""Draws the clip-art pictures that Tessolar ships in resources/clipart/.

Every picture is first written as an SVG, <stem>.svg: one Noto Emoji drawing
(npm package @iconify-json/noto, Apache-2.0) cropped to what it draws, or one
country flag (npm package flag-icons, MIT) at its own aspect with a thin grey
edge, centred on a 128 x 128 square; a picture may carry a short caption, drawn
as paths from the outlines of DejaVu Sans Bold. The pages print from that SVG,
so the picture stays sharp at any size.

Then the raster of the picture's name is drawn from that SVG at 128 x 128 pixels,
for the dialogs' previews and for older programs, in the format the name's
extension says: baseline JPEG on white, GIF (transparent background when the
name contains "_tr") or palette PNG with alpha.

Needs the npm packages of tools/clipart (`npm ci` there) and the Debian packages
librsvg2-bin, python3-pil, python3-fonttools and fonts-dejavu-core. No network:
run it by hand and commit what it writes.

    /usr/bin/python3 tools/make_clipart.py [--out resources/clipart]
"""

import argparse
import io
import json
import pathlib
import re
import subprocess
import sys

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont
from PIL import Image

ROOT = pathlib.Path(__file__).resolve().parent.parent
PACKAGES = ROOT / "tools" / "clipart" / "node_modules"
NOTO = PACKAGES / "@iconify-json" / "noto"
FLAGS = PACKAGES / "flag-icons" / "flags" / "4x3"
CAPTION_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SIDE = 128          # every picture is SIDE x SIDE
MARGIN = 4
CAPTION_HEIGHT = 28
CAPTION_SIZE = 20   # the caption font's em, in picture units
CAPTION_COLOUR = "#282828"
FLAG_EDGE = "#9a9a9a"  # keeps a white-edged flag apart from white paper
PROBE_SCALE = 8     # an emoji is measured drawn at this many pixels per unit
WHITE = (255, 255, 255)


class Emoji:
    """A Noto Emoji drawing, named by its code points as chars.json keys them."""

    def __init__(self, code_points, caption=None):
        self.code_points = code_points
        self.caption = caption


class Flag:
    """A country flag of flag-icons, named by the country's two-letter code."""

    def __init__(self, country, caption=None):
        self.country = country
        self.caption = caption


# file name -> its drawing. The comment names the day that uses the picture.
PICTURES = {
    # birthdays without a picture of their own, and sober anniversaries
    "birthday_bear.gif": Emoji("1f9f8"),          # teddy bear
    "al_anon.jpg": Emoji("1fac2"),                # people hugging
    # Jewish holidays
    "rosh_hashana1.gif": Emoji("1f34e"),          # apple, for apples and honey
    "yom_kippur1.jpg": Emoji("1f54d"),            # synagogue
    "passover1.gif": Emoji("1fad3"),              # flatbread, for matzah
    "dove_2.jpg": Emoji("1f54a"),                 # dove, Yom Hashoah
    "menora2_tr.gif": Emoji("1f54e"),             # menorah, Hanukkah
    # Easter and the days that hang on it
    "bunnies.gif": Emoji("1f430"),                # rabbit face, Easter Sunday
    "bunny2.gif": Emoji("1f407"),                 # rabbit, Easter Monday
    "madonna2.jpg": Emoji("1f4ff"),               # prayer beads, Ash Wednesday
    "mardi_gras1.jpg": Emoji("1f3ad"),            # masks, Shrove Tuesday
    "palm_sunday1.gif": Emoji("1f334"),           # palm tree
    "good_friday1_tr.gif": Emoji("1f64f"),        # folded hands
    "ascension.jpg": Emoji("1f324"),              # sun behind a cloud
    "christ_cross.jpg": Emoji("271d"),            # cross, Corpus Christi
    "pentecost.jpg": Emoji("1f525"),              # fire, the tongues of flame
    "st_nicholas.jpg": Emoji("26ea"),             # church, Whit Monday
    # national days
    "daylight_savings1.gif": Emoji("23f0"),       # alarm clock
    "new_year.jpg": Emoji("1f389"),               # party popper
    "groundhog-1_tr.gif": Emoji("1f43f"),         # chipmunk, the nearest to a groundhog
    "lincoln_pres_tr.gif": Emoji("1f3a9"),        # top hat
    "hearts3.gif": Emoji("1f495"),                # two hearts, Valentine's Day
    "washington_tr.gif": Emoji("1f352"),          # cherries, the cherry-tree tale
    "shamrock.jpg": Emoji("2618"),                # shamrock
    "jester2_tr.gif": Emoji("1f0cf"),             # joker card, April Fools' Day
    "catsout.jpg": Emoji("1f30d"),                # globe, Earth Day
    "cinco.gif": Emoji("1fa85"),                  # pinata, Cinco de Mayo
    "flag156.png": Flag("us"),                    # Flag Day and Independence Day
    "pumpkin2.gif": Emoji("1f383"),               # jack-o-lantern, Halloween
    "usmc.jpg": Emoji("1fa96"),                   # military helmet, Marine Corps birthday
    "vets2.jpg": Emoji("1f397"),                  # remembrance ribbon, Veterans Day
    "arizona_memorial1.gif": Emoji("1f6a2"),      # ship, Pearl Harbor remembrance
    "santa.png": Emoji("1f385"),                  # Santa Claus, Christmas
    "new_years_eve1.gif": Emoji("1f386"),         # fireworks
    "mlk1.jpg": Emoji("1f91d"),                   # handshake, Martin Luther King day
    "presidents_day.gif": Emoji("1f3db"),         # classical building
    "mothers_day_tr.gif": Emoji("1f490"),         # bouquet
    "armed_forces_day1.jpg": Emoji("1f396"),      # military medal
    "memorial_day_sunshine.gif": Emoji("1f31e"),  # sun with face
    "fathers_day.gif": Emoji("1f454"),            # necktie
    "labor_day_tr.gif": Emoji("1f477"),           # construction worker
    "columbus.png": Emoji("26f5"),                # sailboat, Columbus Day and Dia de la Raza
    "election.png": Emoji("1f5f3"),               # ballot box
    "turkey165_tr.gif": Emoji("1f983"),           # turkey, Thanksgiving
    "mexico_constitution2.jpg": Emoji("1f4dc", caption="1917"),  # scroll, the constitution's year
    "mexico_flag.gif": Flag("mx"),                # flag of Mexico
    "benojuarez.gif": Emoji("2696"),              # scales of justice, Juarez the jurist
    "AllSaints.jpg": Emoji("1f607"),              # face with halo
    "AllSouls.jpg": Emoji("1f56f"),               # candle
    "revolucion1g.gif": Emoji("1f40e"),           # horse, Revolution Day
    "guadalupe.jpg": Emoji("1f339"),              # rose, Our Lady of Guadalupe
    "st_brigid.png": Emoji("1f33e"),              # sheaf, for the rushes of St Brigid's cross
    "st_stephen.png": Emoji("1f426"),             # bird, for the wren of St Stephen's Day
    "nz_flag.png": Flag("nz"),                    # flag of New Zealand, Waitangi Day
    "crown.png": Emoji("1f451"),                  # crown, the sovereign's birthday
    "matariki.png": Emoji("1f30c"),               # night sky of stars, Matariki
    "fr_flag.png": Flag("fr"),                    # flag of France, the national day
    "be_flag.png": Flag("be"),                    # flag of Belgium, the national day
    "oranje.png": Emoji("1f34a"),                 # tangerine, the orange of the Dutch monarch's day
    "it_flag.png": Flag("it"),                    # flag of Italy, the Republic's day
    "befana.png": Emoji("1f9f9"),                 # broom of the Befana, Italy's Epiphany
    "ferragosto.png": Emoji("1f3d6"),             # beach with umbrella, Ferragosto
    "es_flag.png": Flag("es"),                    # flag of Spain, the national day
    "es_constitution.png": Emoji("1f4dc", caption="1978"),  # scroll, the constitution's year
    "at_flag.png": Flag("at"),                    # flag of Austria, the national day
    # seasons and the moon
    "flowers54.jpg": Emoji("1f337"),              # tulip, March equinox
    "sunshine3.gif": Emoji("2600"),               # sun, June solstice
    "leaves1_tr.gif": Emoji("1f342"),             # fallen leaves, September equinox
    "snowman1_tr.gif": Emoji("26c4"),             # snowman, December solstice
    "full-moon-3.gif": Emoji("1f315"),            # full moon
    "new-moon.gif": Emoji("1f311"),               # new moon
    "first-quarter-moon.gif": Emoji("1f313"),     # first quarter moon
    "last-quarter-moon.gif": Emoji("1f317"),      # last quarter moon
}


def rsvg(svg, width, height):
    """The SVG text drawn as an RGBA picture of width x height pixels."""
    png = subprocess.run(["rsvg-convert", "--width", str(width), "--height", str(height)],
                         input=svg.encode("utf-8"), stdout=subprocess.PIPE, check=True).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def document(width, height, view_box, body, comment=""):
    xlink = ' xmlns:xlink="http://www.w3.org/1999/xlink"' if "xlink:" in body else ""
    return ('<svg xmlns="http://www.w3.org/2000/svg"%s width="%s" height="%s" viewBox="%s">%s%s</svg>\n'
            % (xlink, width, height, view_box, comment, body))


def number(value):
    return ("%.3f" % value).rstrip("0").rstrip(".")


class Sources:
    """The drawings of the installed npm packages and the caption font."""

    def __init__(self, caption_font):
        icons = json.loads((NOTO / "icons.json").read_text())
        self.icons = icons["icons"]
        self.icon_side = (icons.get("width", 128), icons.get("height", 128))
        self.chars = json.loads((NOTO / "chars.json").read_text())
        self.font = TTFont(caption_font)

    def emoji(self, code_points):
        """(body, view box as x, y, width, height, description) of an emoji, cropped
        to what it draws."""
        name = self.chars.get(code_points)
        if name not in self.icons:
            raise ValueError("@iconify-json/noto has no drawing for U+%s" % code_points)
        body = self.icons[name]["body"]
        width, height = self.icon_side
        probe = rsvg(document(width, height, "0 0 %d %d" % (width, height), body),
                     width * PROBE_SCALE, height * PROBE_SCALE)
        left, top, right, bottom = probe.getchannel("A").getbbox()
        box = tuple(side / PROBE_SCALE for side in (left, top, right - left, bottom - top))
        return body, box, 'Noto Emoji "%s"' % name

    def flag(self, country):
        text = (FLAGS / (country + ".svg")).read_text()
        found = re.fullmatch(r'\s*<svg\b([^>]*)>(.*)</svg>\s*', text, re.DOTALL)
        view_box = re.search(r'viewBox="([^"]+)"', found.group(1)).group(1)
        return found.group(2).strip(), tuple(float(v) for v in view_box.split()), "flag-icons " + country

    def caption_paths(self, text, centre_x, centre_y):
        """The caption's glyph outlines as one path, its ink centred on the point."""
        glyphs = self.font.getGlyphSet()
        cmap = self.font.getBestCmap()
        scale = CAPTION_SIZE / self.font["head"].unitsPerEm
        svg_pen = SVGPathPen(glyphs)
        bounds_pen = BoundsPen(glyphs)
        advance = 0
        for character in text:
            glyph = glyphs[cmap[ord(character)]]
            for pen in (svg_pen, bounds_pen):
                glyph.draw(TransformPen(pen, (1, 0, 0, 1, advance, 0)))
            advance += glyph.width
        x_min, y_min, x_max, y_max = bounds_pen.bounds
        # Font units grow upwards; the picture's grow downwards.
        dx = centre_x - scale * (x_min + x_max) / 2
        dy = centre_y + scale * (y_min + y_max) / 2
        return '<path fill="%s" transform="translate(%s %s) scale(%s -%s)" d="%s"/>' % (
            CAPTION_COLOUR, number(dx), number(dy), number(scale), number(scale), svg_pen.getCommands())


def placed(body, view_box, area_top, area, overflow):
    """The drawing scaled to fit an area x area square below area_top, centred
    across, and where it lands."""
    width, height = view_box[2:]
    scale = min(area / width, area / height)
    w, h = width * scale, height * scale
    left, top = (SIDE - w) / 2, area_top + (area - h) / 2
    markup = '<svg x="%s" y="%s" width="%s" height="%s" viewBox="%s" overflow="%s">%s</svg>' % (
        number(left), number(top), number(w), number(h),
        " ".join(number(v) for v in view_box), overflow, body)
    return (left, top, w, h), markup


def compose(sources, picture):
    """The picture's SVG text."""
    area = SIDE - 2 * MARGIN - (CAPTION_HEIGHT if picture.caption else 0)
    if isinstance(picture, Flag):
        body, view_box, source = sources.flag(picture.country)
        # A flag keeps to its own rectangle; the edge lies just inside it.
        (left, top, w, h), inner = placed(body, view_box, MARGIN, area, "hidden")
        parts = [inner,
                 '<rect x="%s" y="%s" width="%s" height="%s" fill="none" stroke="%s" stroke-width="1"/>'
                 % (number(left + 0.5), number(top + 0.5), number(w - 1), number(h - 1), FLAG_EDGE)]
    else:
        body, view_box, source = sources.emoji(picture.code_points)
        parts = [placed(body, view_box, MARGIN, area, "visible")[1]]
    if picture.caption:
        parts.append(sources.caption_paths(picture.caption, SIDE / 2, SIDE - MARGIN - CAPTION_HEIGHT / 2))
    comment = "<!-- %s, placed by Tessolar's tools/make_clipart.py; see LICENSE.txt -->" % source
    return document(SIDE, SIDE, "0 0 %d %d" % (SIDE, SIDE), "".join(parts), comment)


def on_white(picture):
    background = Image.new("RGBA", picture.size, WHITE + (255,))
    background.alpha_composite(picture)
    return background.convert("RGB")


def as_transparent_gif(picture):
    """A palette picture whose last colour is the transparent one.

    Edges are blended onto white first, since a GIF pixel is either opaque or not.
    """
    opaque = picture.getchannel("A").point(lambda a: 255 if a >= 96 else 0)
    palette = on_white(picture).quantize(colors=255, method=Image.MEDIANCUT, dither=Image.NONE)
    transparent_index = 255
    palette.paste(transparent_index, mask=opaque.point(lambda a: 255 - a))
    colours = palette.getpalette()[: 3 * 255] + [255, 255, 255]
    palette.putpalette(colours)
    palette.info["transparency"] = transparent_index
    return palette


def save(picture, path):
    name = path.name.lower()
    if name.endswith((".jpg", ".jpeg")):
        on_white(picture).save(path, "JPEG", quality=85, optimize=True, progressive=False)
    elif name.endswith(".gif"):
        if "_tr" in name:
            as_transparent_gif(picture).save(path, "GIF", transparency=255, optimize=False)
        else:
            flat = on_white(picture).quantize(colors=256, method=Image.MEDIANCUT, dither=Image.NONE)
            flat.save(path, "GIF", optimize=False)
    elif name.endswith(".png"):
        # A palette with per-entry alpha keeps soft edges at a quarter of the RGBA size.
        palette = picture.quantize(colors=256, method=Image.FASTOCTREE, dither=Image.NONE)
        palette.save(path, "PNG", optimize=True)
    else:
        raise ValueError("no picture format for " + path.name)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=ROOT / "resources" / "clipart")
    parser.add_argument("--caption-font", default=CAPTION_FONT)
    args = parser.parse_args()

    if not NOTO.is_dir() or not FLAGS.is_dir():
        sys.exit("the drawings are missing: run `npm ci` in " + str(ROOT / "tools" / "clipart"))
    sources = Sources(args.caption_font)
    args.out.mkdir(parents=True, exist_ok=True)
    total = 0
    for name, picture in sorted(PICTURES.items(), key=lambda item: item[0].lower()):
        raster = args.out / name
        vector = raster.with_suffix(".svg")
        svg = compose(sources, picture)
        vector.write_text(svg)
        save(rsvg(svg, SIDE, SIDE), raster)
        sizes = (vector.stat().st_size, raster.stat().st_size)
        total += sum(sizes)
        print("%-28s %7d + %6d bytes" % (name, *sizes))
    print("%d pictures, %d bytes" % (len(PICTURES), total))
    return 0


if __name__ == "__main__":
    sys.exit(main())
