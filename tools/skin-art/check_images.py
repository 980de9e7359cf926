"""Checks that committed skin images are what their generator draws
(compared pixel by pixel, so zlib versions do not matter).
    python3 tools/skin-art/check_images.py plugin_images plugin/skin
    python3 tools/skin-art/check_images.py store_images skins/store
"""
import os
import struct
import sys
import zlib

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import importlib  # noqa: E402
import skin_art  # noqa: E402


def png_pixels(data):
    """(width, height, raw scanlines) of an 8-bit RGBA PNG written by skin_art."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat, size = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            size = struct.unpack(">II", body[:8])
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    return size[0], size[1], zlib.decompress(idat)


def main(generator, folder):
    images = importlib.import_module(generator)
    stale = []
    for name, canvas in sorted(images.image_set().items()):
        path = os.path.join(folder, name)
        try:
            with open(path, "rb") as f:
                committed = png_pixels(f.read())
        except (OSError, ValueError) as error:
            stale.append("%s (%s)" % (name, error))
            continue
        if committed != png_pixels(skin_art.png_bytes(canvas)):
            stale.append(name)
    if stale:
        print("regenerate with %s.py: %s" % (generator, ", ".join(stale)))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
