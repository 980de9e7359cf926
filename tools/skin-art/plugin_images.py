"""The uninstall window's image set.  Regenerate with:
    python3 tools/skin-art/plugin_images.py plugin/skin
"""
import os
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import skin_art as art  # noqa: E402

BLUE = (31, 111, 214)
BLUE_DARK = (20, 82, 170)
BLUE_LIGHT = (64, 142, 240)
WHITE = (255, 255, 255)
GREY_TEXT = (90, 98, 110)
GREY_LINE = (200, 206, 214)
GREEN = (46, 170, 96)


def title_bar(width, height):
    c = art.Canvas(width, height)
    c.gradient((0, 0, width, height), BLUE_LIGHT, BLUE)
    return c


def banner(width, height):
    c = art.Canvas(width, height)
    c.gradient((0, 0, width, height), BLUE, WHITE)
    # The product mark: a rounded tile with a crescent-like ring.
    size = 56
    left, top = (width - size) // 2, (height - size) // 2
    c.round_rect((left, top, left + size, top + size), 14, WHITE)
    c.circle((left + size / 2, top + size / 2), 18, BLUE, width=6)
    c.circle((left + size / 2 + 9, top + size / 2 - 9), 7, WHITE)
    return c


def system_button(glyph, state, size=32):
    c = art.Canvas(size, size)
    backgrounds = {"normal": None, "hot": (255, 255, 255, 50), "pushed": (0, 0, 0, 50), "disabled": None}
    if backgrounds[state]:
        c.fill_rect((0, 0, size, size), backgrounds[state])
    colour = (255, 255, 255, 110) if state == "disabled" else WHITE
    glyph(c, 8, 8, 16, colour, 1.6)
    return c


def wide_button(primary, state, width=120, height=34):
    c = art.Canvas(width, height)
    rect = (0, 0, width, height)
    if primary:
        fills = {"normal": (BLUE_LIGHT, BLUE), "hot": ((90, 160, 246), BLUE_LIGHT), "pushed": (BLUE, BLUE_DARK)}
        top, bottom = fills[state]
        c.gradient(rect, top, bottom, radius=5)
    else:
        fills = {"normal": WHITE, "hot": (240, 245, 252), "pushed": (222, 230, 242)}
        c.round_rect(rect, 5, fills[state])
        c.border(rect, 1, GREY_LINE, radius=5)
    return c


def progress_track(width, height):
    c = art.Canvas(width, height)
    c.round_rect((0, 0, width, height), height / 2.0, (225, 231, 239))
    return c


def progress_fill(width, height):
    c = art.Canvas(width, height)
    c.gradient((0, 0, width, height), BLUE_LIGHT, BLUE, vertical=False, radius=height / 2.0)
    return c


def finish_mark(size=64):
    c = art.Canvas(size, size)
    c.circle((size / 2.0, size / 2.0), size / 2.0 - 1, GREEN)
    art.glyph_check(c, 0, 0, size, WHITE, 5)
    return c


def image_set():
    """File name -> canvas, for the whole window."""
    images = {
        "title_bg.png": title_bar(480, 32),
        "banner.png": banner(480, 118),
        "progress_bg.png": progress_track(400, 10),
        "progress_fore.png": progress_fill(400, 10),
        "finish_mark.png": finish_mark(),
    }
    for state in ("normal", "hot", "pushed", "disabled"):
        images["close_%s.png" % state] = system_button(art.glyph_cross, state)
        images["min_%s.png" % state] = system_button(art.glyph_dash, state)
    for state in ("normal", "hot", "pushed"):
        images["primary_%s.png" % state] = wide_button(True, state)
        images["secondary_%s.png" % state] = wide_button(False, state)
    return images


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name, canvas in sorted(image_set().items()):
        art.save_png(canvas, os.path.join(out_dir, name))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "plugin", "skin"))
