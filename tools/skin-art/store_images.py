"""The store window's image set.  Regenerate with:
    python3 tools/skin-art/store_images.py skins/store
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import skin_art as art  # noqa: E402

BLUE = (42, 116, 212)
WHITE = (255, 255, 255)
BOX_LINE = (196, 214, 238)
ICON_GREY = (84, 104, 132)


def glyph_image(glyph, colour, size=36, glyph_size=16, width=1.8):
    """A transparent square with the glyph centred, used as a fore image."""
    c = art.Canvas(size, size)
    offset = (size - glyph_size) // 2
    glyph(c, offset, offset, glyph_size, colour, width)
    return c


def system_glyph(glyph, width=44, height=32, glyph_size=12):
    c = art.Canvas(width, height)
    glyph(c, (width - glyph_size) // 2, (height - glyph_size) // 2, glyph_size, WHITE, 1.4)
    return c


def logo(size=28):
    c = art.Canvas(size, size)
    c.round_rect((0, 0, size, size), 7, WHITE)
    half = size / 2.0
    c.circle((half, half), 8.5, BLUE, width=3.2)
    c.circle((half + 5, half - 5), 3.5, WHITE)
    return c


def search_box(width=48, height=32):
    # Stretched with 8-pixel corners by the skin.
    c = art.Canvas(width, height)
    rect = (0, 0, width, height)
    c.round_rect(rect, 8, WHITE)
    c.border(rect, 1, BOX_LINE, radius=8)
    return c


def image_set():
    """File name -> canvas, for the whole window."""
    return {
        "logo.png": logo(),
        "back.png": glyph_image(art.glyph_arrow_left, WHITE),
        "home.png": glyph_image(art.glyph_house, WHITE),
        "search.png": glyph_image(art.glyph_magnifier, ICON_GREY, size=28, glyph_size=14),
        "searchbox.png": search_box(),
        "min.png": system_glyph(art.glyph_dash),
        "close.png": system_glyph(art.glyph_cross),
    }


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name, canvas in sorted(image_set().items()):
        art.save_png(canvas, os.path.join(out_dir, name))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "skins", "store"))
