#!/usr/bin/env python3
"""Draws the velmora application icon and writes it to ui/resources/.

The picture is the antenna in cross-section: the main dish opening to the right, the feed horn
on the axis at the dish's vertex (its waveguide showing behind the dish), the small convex
sub-reflector in front of it and, in the colour images, the rays of a Cassegrain antenna: feed to
sub-reflector, back to the dish, out as a parallel beam.

Written files:
  velmora.ico          32x32 2 colours, 32x32 16 colours, 16x16 16 colours (classic DIB icons)
  velmora-32.png       the 32x32 16-colour image as RGBA
  velmora-16.png       the 16x16 16-colour image as RGBA
  velmora.svg          the same picture drawn with curves, for the scalable icon of the desktop

The images are pixel drawings rather than rasterised curves: at 16x16 only a hand-placed
staircase keeps the dish a smooth parabola. Standard library only, so that anyone can rebuild
the files; the output is the same bytes on every run (nothing depends on time or locale).

  python3 scripts/make-icon.py           write the files
  python3 scripts/make-icon.py --check   exit 1 if the committed files differ from the drawing
"""

import argparse
import struct
import sys
import zlib
from pathlib import Path

RESOURCES = Path(__file__).resolve().parent.parent / "ui" / "resources"

# The Windows 16-colour palette, in the order of the system's 4-bit DIBs.
PALETTE_16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
PALETTE_2 = [(0x00, 0x00, 0x00), (0xFF, 0xFF, 0xFF)]

# Drawing letters -> palette index; '.' is transparent.
KEY_16 = {
    "K": 0,   # black: outlines
    "M": 1, "g": 2, "O": 3, "N": 4, "P": 5, "T": 6,
    "S": 7,   # silver: metal
    "G": 8,   # grey: metal in shadow
    "R": 9,   # red: rays
    "L": 10,
    "Y": 11,  # yellow: the brass feed horn
    "B": 12, "F": 13, "C": 14,
    "W": 15,  # white: metal in light
}
KEY_2 = {"K": 0, "W": 1}

# Only the half above the axis is drawn; the half below is its mirror image, in the colour images
# one shade darker, as if lit from above.
SHADE_BELOW = {"W": "S", "S": "G"}

COLOUR_32_TOP = [
    "................................",
    "..............KK................",
    "............KSK.................",
    "..........KKWK..................",
    ".........KSWK...................",
    "........KSWKRRRRRRRRRRRRRRRRRRRR",
    ".......KSWK..R..................",
    "......KSWK....RR................",
    ".....KSWK.......R...............",
    "....KSSWK........RR.............",
    "....KSWK...........R..KK........",
    "...KSSWK.........RRRRKSK........",
    "...KSWK...KKKRRRR....KWK........",
    "..KSSWK.KKYYK.......KWK.........",
    "KKKSSWKKYYYYK.......KSK.........",
    "KYKSSWKYYYYYK.......KSK.........",
]

# The rays would merge with the outlines in black and white: only the beam is kept, dotted.
MONO_32_TOP = [
    "................................",
    "..............KK................",
    "............KWK.................",
    "..........KKWK..................",
    ".........KWWK...................",
    "........KWWK.K.K.K.K.K.K.K.K.K.K",
    ".......KWWK.....................",
    "......KWWK......................",
    ".....KWWK.......................",
    "....KWWWK.......................",
    "....KWWK..............KK........",
    "...KWWWK.............KWK........",
    "...KWWK...KKK........KWK........",
    "..KWWWK.KKWWK.......KWK.........",
    "KKKWWWKKWWWWK.......KWK.........",
    "KWKWWWKWWWWWK.......KWK.........",
]

# At 16x16 the zigzag of rays would be noise: the beam alone says "antenna".
COLOUR_16_TOP = [
    "......KK........",
    ".....KS.........",
    "....KS.RRRRRRRRR",
    "....KS..........",
    "...KS......K....",
    "...KS..KK.KS....",
    "..KSW.KYK.KW....",
    "KKKSWKYYK.KW....",
]


def mirrored(top, shade):
    below = ["".join(shade.get(c, c) for c in row) for row in reversed(top)]
    return top + below


def pixels(drawing, key):
    """Rows of palette indices, None where transparent."""
    size = len(drawing)
    rows = []
    for row in drawing:
        if len(row) != size:
            raise ValueError(f"drawing is not square: a row of {len(row)} in {size} rows")
        rows.append([None if c == "." else key[c] for c in row])
    return rows


def packed_row(values, bits):
    """One DIB scan line: values packed most significant bits first, padded to 4 bytes."""
    per_byte = 8 // bits
    out = bytearray()
    for start in range(0, len(values), per_byte):
        byte = 0
        for i in range(per_byte):
            v = values[start + i] if start + i < len(values) else 0
            byte |= v << (8 - bits * (i + 1))
        out.append(byte)
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def dib(image, bits, palette):
    """BITMAPINFOHEADER, palette, XOR mask and AND mask of one icon image."""
    size = len(image)
    # Transparent pixels: index 0 (black) in the XOR mask, 1 in the AND mask, so the screen shows
    # through unchanged.
    xor = b"".join(packed_row([0 if v is None else v for v in row], bits) for row in reversed(image))
    mask = b"".join(packed_row([1 if v is None else 0 for v in row], 1) for row in reversed(image))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    if len(palette) != 1 << bits:
        raise ValueError("palette size does not match the bit depth")
    return header + table + xor + mask


def ico(images):
    """images: (pixels, bits per pixel, palette) in directory order."""
    blobs = [dib(image, bits, palette) for image, bits, palette in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (image, bits, palette), blob in zip(images, blobs):
        size = len(image)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, len(palette) % 256, 0, 1, bits,
                           len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def rgba_scanlines(image, palette):
    """PNG filter type 0 scan lines of RGBA pixels."""
    out = bytearray()
    for row in image:
        out.append(0)
        for v in row:
            out += bytes((0, 0, 0, 0)) if v is None else bytes(palette[v] + (255,))
    return bytes(out)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_header(size):
    return struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA, not interlaced


def png(image, palette):
    size = len(image)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", png_header(size)) +
            png_chunk(b"IDAT", zlib.compress(rgba_scanlines(image, palette), 9)) +
            png_chunk(b"IEND", b""))


def png_content(data):
    """(IHDR, decompressed image data) of a PNG; raises ValueError when it is not a sound one."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, chunks = 8, []
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + length]
        (crc,) = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        if crc != zlib.crc32(kind + body):
            raise ValueError(f"bad CRC in chunk {kind!r}")
        chunks.append((kind, body))
        pos += 12 + length
    kinds = [kind for kind, _ in chunks]
    if not kinds or kinds[0] != b"IHDR" or kinds[-1] != b"IEND" or set(kinds) != {b"IHDR", b"IDAT", b"IEND"}:
        raise ValueError(f"unexpected chunks {kinds}")
    return chunks[0][1], zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))


def svg():
    """The scalable icon: the same cross-section as the pixel drawings, in the same colours.

    The dish is a parabola with its vertex at (10, 32) and its rim at x = 26, y = 6 and 58, so its
    focal length is 26^2 / (4 * 16) = 10.5625; a quadratic Bezier curve is exactly a parabola when
    its control point is where the rim tangents meet, (-6, 32). The rays leave the feed, meet the
    convex sub-reflector, come back to the dish at y = 17 and 47 and leave as a parallel beam."""
    def dish_x(y):
        return 10 + (y - 32) ** 2 / (4 * 10.5625)
    ray_top = f"M16 31 L21.5 27 L{dish_x(17):.3f} 17 L62 17"
    ray_bottom = f"M16 33 L21.5 37 L{dish_x(47):.3f} 47 L62 47"
    parts = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">',
        # Rays first, so that the metal covers where they touch it.
        f'  <path d="{ray_top} {ray_bottom}" fill="none" stroke="#FF0000" stroke-width="1.5"/>',
        # The main dish: a dark outline under a light metal face.
        '  <path d="M26 6 Q-6 32 26 58" fill="none" stroke="#000000" stroke-width="5"/>',
        '  <path d="M26 6 Q-6 32 26 58" fill="none" stroke="#C0C0C0" stroke-width="3"/>',
        '  <path d="M26.5 7 Q-4.5 32 26.5 57" fill="none" stroke="#FFFFFF" stroke-width="1"/>',
        # The brass feed horn at the dish's vertex, its mouth towards the sub-reflector, and the
        # waveguide behind the dish.
        '  <path d="M2 29.5 H9 L16 26 V38 L9 34.5 H2 Z" fill="#FFFF00" stroke="#000000"'
        ' stroke-width="1" stroke-linejoin="round"/>',
        # The convex sub-reflector in front of the feed.
        '  <path d="M24.5 22 Q19 32 24.5 42" fill="none" stroke="#000000" stroke-width="3.5"/>',
        '  <path d="M24.5 22 Q19 32 24.5 42" fill="none" stroke="#C0C0C0" stroke-width="1.5"/>',
        "</svg>",
        "",
    ]
    return "\n".join(parts).encode("ascii")


def drawings():
    colour_32 = pixels(mirrored(COLOUR_32_TOP, SHADE_BELOW), KEY_16)
    colour_16 = pixels(mirrored(COLOUR_16_TOP, SHADE_BELOW), KEY_16)
    mono_32 = pixels(mirrored(MONO_32_TOP, {}), KEY_2)
    return colour_32, colour_16, mono_32


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare the committed files with the drawing instead of writing them")
    args = parser.parse_args()

    colour_32, colour_16, mono_32 = drawings()
    icon = ico([(mono_32, 1, PALETTE_2), (colour_32, 4, PALETTE_16), (colour_16, 4, PALETTE_16)])
    pngs = {
        "velmora-32.png": (colour_32, PALETTE_16),
        "velmora-16.png": (colour_16, PALETTE_16),
    }

    if not args.check:
        RESOURCES.mkdir(parents=True, exist_ok=True)
        (RESOURCES / "velmora.ico").write_bytes(icon)
        (RESOURCES / "velmora.svg").write_bytes(svg())
        for name, (image, palette) in pngs.items():
            (RESOURCES / name).write_bytes(png(image, palette))
        return 0

    # The PNGs are compared by their decoded pixels: another zlib may compress the same pixels to
    # other bytes.
    stale = []
    ico_path = RESOURCES / "velmora.ico"
    if not ico_path.is_file() or ico_path.read_bytes() != icon:
        stale.append(ico_path.name)
    svg_path = RESOURCES / "velmora.svg"
    if not svg_path.is_file() or svg_path.read_bytes() != svg():
        stale.append(svg_path.name)
    for name, (image, palette) in pngs.items():
        path = RESOURCES / name
        try:
            header, scanlines = png_content(path.read_bytes())
        except (OSError, ValueError, struct.error, zlib.error) as error:
            stale.append(f"{name} ({error})")
            continue
        if header != png_header(len(image)) or scanlines != rgba_scanlines(image, palette):
            stale.append(name)
    if stale:
        print("out of date, run scripts/make-icon.py: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
