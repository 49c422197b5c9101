#!/usr/bin/python3
"""Draws the clip-art pictures that Tessolar ships in resources/clipart/.

Every picture is one glyph of the Noto Color Emoji font (SIL Open Font License 1.1),
rendered at the font's only bitmap size, cropped, and centred on a small square; a picture
may carry a short caption drawn with DejaVu Sans Bold. Each file is written in the format its
name's extension says: baseline JPEG, GIF (transparent background when the name
contains "_tr") or palette PNG with alpha.

Debian packages needed to run it: python3-pil, fonts-noto-color-emoji, fonts-dejavu-core.

    /usr/bin/python3 tools/make_clipart.py [--out resources/clipart]
"""

import argparse
import pathlib
import sys

from PIL import Image, ImageDraw, ImageFont

EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
CAPTION_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
EMOJI_STRIKE = 109  # the one bitmap size the colour font carries
SIDE = 128          # every picture is SIDE x SIDE pixels
MARGIN = 4
CAPTION_HEIGHT = 28
WHITE = (255, 255, 255)

# file name -> (emoji, caption or None). The comment names the day that uses the picture.
PICTURES = {
    # birthdays without a picture of their own, and sober anniversaries
    "birthday_bear.gif": ("\U0001F9F8", None),            # teddy bear
    "al_anon.jpg": ("\U0001FAC2", None),                  # people hugging
    # Jewish holidays
    "rosh_hashana1.gif": ("\U0001F34E", None),            # apple, for apples and honey
    "yom_kippur1.jpg": ("\U0001F54D", None),              # synagogue
    "passover1.gif": ("\U0001FAD3", None),                # flatbread, for matzah
    "dove_2.jpg": ("\U0001F54A\uFE0F", None),             # dove, Yom Hashoah
    "menora2_tr.gif": ("\U0001F54E", None),               # menorah, Hanukkah
    # Easter and the days that hang on it
    "bunnies.gif": ("\U0001F430", None),                  # rabbit face, Easter Sunday
    "bunny2.gif": ("\U0001F407", None),                   # rabbit, Easter Monday
    "madonna2.jpg": ("\U0001F4FF", None),                 # prayer beads, Ash Wednesday
    "mardi_gras1.jpg": ("\U0001F3AD", None),              # masks, Shrove Tuesday
    "palm_sunday1.gif": ("\U0001F334", None),             # palm tree
    "good_friday1_tr.gif": ("\U0001F64F", None),          # folded hands
    "ascension.jpg": ("\U0001F324\uFE0F", None),          # sun behind a cloud
    "christ_cross.jpg": ("\u271D\uFE0F", None),           # cross, Corpus Christi
    "pentecost.jpg": ("\U0001F525", None),                # fire, the tongues of flame
    "st_nicholas.jpg": ("\u26EA", None),                  # church, Whit Monday
    # national days
    "daylight_savings1.gif": ("\u23F0", None),            # alarm clock
    "new_year.jpg": ("\U0001F389", None),                 # party popper
    "groundhog-1_tr.gif": ("\U0001F43F\uFE0F", None),     # chipmunk, the nearest to a groundhog
    "lincoln_pres_tr.gif": ("\U0001F3A9", None),          # top hat
    "hearts3.gif": ("\U0001F495", None),                  # two hearts, Valentine's Day
    "washington_tr.gif": ("\U0001F352", None),            # cherries, the cherry-tree tale
    "shamrock.jpg": ("\u2618\uFE0F", None),               # shamrock
    "jester2_tr.gif": ("\U0001F0CF", None),               # joker card, April Fools' Day
    "catsout.jpg": ("\U0001F30D", None),                  # globe, Earth Day
    "cinco.gif": ("\U0001FA85", None),                    # pinata, Cinco de Mayo
    "flag156.png": ("\U0001F1FA\U0001F1F8", None),        # flag, Flag Day and Independence Day
    "pumpkin2.gif": ("\U0001F383", None),                 # jack-o-lantern, Halloween
    "usmc.jpg": ("\U0001FA96", None),                     # military helmet, Marine Corps birthday
    "vets2.jpg": ("\U0001F397\uFE0F", None),              # remembrance ribbon, Veterans Day
    "arizona_memorial1.gif": ("\U0001F6A2", None),        # ship, Pearl Harbor remembrance
    "santa.png": ("\U0001F385", None),                    # Santa Claus, Christmas
    "new_years_eve1.gif": ("\U0001F386", None),           # fireworks
    "mlk1.jpg": ("\U0001F91D", None),                     # handshake, Martin Luther King day
    "presidents_day.gif": ("\U0001F3DB\uFE0F", None),     # classical building
    "mothers_day_tr.gif": ("\U0001F490", None),           # bouquet
    "armed_forces_day1.jpg": ("\U0001F396\uFE0F", None),  # military medal
    "memorial_day_sunshine.gif": ("\U0001F31E", None),    # sun with face
    "fathers_day.gif": ("\U0001F454", None),              # necktie
    "labor_day_tr.gif": ("\U0001F477", None),             # construction worker
    "columbus.png": ("\u26F5", None),                     # sailboat, Columbus Day and Dia de la Raza
    "election.png": ("\U0001F5F3\uFE0F", None),           # ballot box
    "turkey165_tr.gif": ("\U0001F983", None),             # turkey, Thanksgiving
    "mexico_constitution2.jpg": ("\U0001F4DC", "1917"),   # scroll and the constitution's year
    "mexico_flag.gif": ("\U0001F1F2\U0001F1FD", None),    # flag of Mexico
    "benojuarez.gif": ("\u2696\uFE0F", None),             # scales of justice, Juarez the jurist
    "AllSaints.jpg": ("\U0001F607", None),                # face with halo
    "AllSouls.jpg": ("\U0001F56F\uFE0F", None),           # candle
    "revolucion1g.gif": ("\U0001F40E", None),             # horse, Revolution Day
    "guadalupe.jpg": ("\U0001F339", None),                # rose, Our Lady of Guadalupe
    # seasons and the moon
    "flowers54.jpg": ("\U0001F337", None),                # tulip, March equinox
    "sunshine3.gif": ("\u2600\uFE0F", None),              # sun, June solstice
    "leaves1_tr.gif": ("\U0001F342", None),               # fallen leaves, September equinox
    "snowman1_tr.gif": ("\u26C4", None),                  # snowman, December solstice
    "full-moon-3.gif": ("\U0001F315", None),              # full moon
}


def render_emoji(font, emoji, box):
    """The glyph cropped to its drawn pixels and scaled to fit a box x box square."""
    canvas = Image.new("RGBA", (2 * EMOJI_STRIKE, 2 * EMOJI_STRIKE), (0, 0, 0, 0))
    ImageDraw.Draw(canvas).text((0, 0), emoji, font=font, embedded_color=True)
    bounds = canvas.getbbox()
    if bounds is None:
        raise ValueError("the emoji font has no glyph for %r" % emoji)
    glyph = canvas.crop(bounds)
    scale = min(box / glyph.width, box / glyph.height)
    size = (max(1, round(glyph.width * scale)), max(1, round(glyph.height * scale)))
    return glyph.resize(size, Image.LANCZOS)


def compose(emoji_font, caption_font, emoji, caption):
    """The RGBA picture: the glyph centred, with its caption below when it has one."""
    picture = Image.new("RGBA", (SIDE, SIDE), (0, 0, 0, 0))
    area = SIDE - 2 * MARGIN - (CAPTION_HEIGHT if caption else 0)
    glyph = render_emoji(emoji_font, emoji, area)
    left = (SIDE - glyph.width) // 2
    top = MARGIN + (area - glyph.height) // 2
    picture.alpha_composite(glyph, (left, top))
    if caption:
        draw = ImageDraw.Draw(picture)
        baseline_box = (SIDE // 2, SIDE - MARGIN - CAPTION_HEIGHT // 2)
        draw.text(baseline_box, caption, font=caption_font, fill=(40, 40, 40, 255), anchor="mm")
    return picture


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
    root = pathlib.Path(__file__).resolve().parent.parent
    parser.add_argument("--out", type=pathlib.Path, default=root / "resources" / "clipart")
    parser.add_argument("--emoji-font", default=EMOJI_FONT)
    parser.add_argument("--caption-font", default=CAPTION_FONT)
    args = parser.parse_args()

    emoji_font = ImageFont.truetype(args.emoji_font, EMOJI_STRIKE)
    caption_font = ImageFont.truetype(args.caption_font, 20)
    args.out.mkdir(parents=True, exist_ok=True)
    total = 0
    for name, (emoji, caption) in sorted(PICTURES.items(), key=lambda item: item[0].lower()):
        path = args.out / name
        save(compose(emoji_font, caption_font, emoji, caption), path)
        size = path.stat().st_size
        total += size
        print("%-28s %6d bytes" % (name, size))
    print("%d pictures, %d bytes" % (len(PICTURES), total))
    return 0


if __name__ == "__main__":
    sys.exit(main())
