#!/usr/bin/env python3
"""Builds velamo.ico, fallback.ico and crosshair.cur from the text art in art/.

Each art file has a header, then the word "pixels", then one text row per pixel row:

    size 16 16          width and height
    bpp 4               1, 4 or 8 bits per pixel
    hotspot 15 15       cursors only
    colour k 000000     a legend character and its RGB colour, or "transparent"
    pixels

At 4 bpp the colours must come from the VGA 16-colour palette, at 1 bpp they must be black
or white; at 8 bpp the palette is black followed by the legend's other colours in order.
Icon images are listed smallest first.

Usage: make_images.py [--out DIR]   (DIR defaults to the directory of this script)
"""

import argparse
import dataclasses
import pathlib
import struct
import sys
import zlib

HERE = pathlib.Path(__file__).resolve().parent

# Each output file and the art it holds; icon images go in ascending size order.
SIZES = [16, 20, 24, 32, 40, 48, 64]  # 100 %, 125 %, 150 % and 200 %, small and large
OUTPUTS = {
    "velamo.ico": [f"app{size}.txt" for size in SIZES],
    "fallback.ico": [f"fallback{size}.txt" for size in SIZES],
    "crosshair.cur": ["crosshair32.txt", "crosshair48.txt", "crosshair64.txt"],
}

# Icon images this large are stored as PNG, which Windows reads in icons since Vista: about a
# sixth of the room of a bitmap. Only displays set above 100 % ask for them.
PNG_FROM = 40

VGA = [
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
]
MONO = [0x000000, 0xFFFFFF]


class ArtError(Exception):
    pass


@dataclasses.dataclass
class Image:
    width: int
    height: int
    bpp: int
    hotspot: tuple | None
    palette: list  # 0xRRGGBB values; index 0 is black, which transparent pixels use
    rows: list  # palette indices, None where transparent, top row first


def numbers(where, values, base=10):
    try:
        return [int(v, base) for v in values]
    except ValueError:
        raise ArtError(f"{where}: '{' '.join(values)}' is not a number") from None


def parse_art(path):
    size = bpp = hotspot = None
    legend = {}
    lines = path.read_text(encoding="ascii").splitlines()
    for number, line in enumerate(lines, 1):
        where = f"{path.name}:{number}"
        words = line.split()
        if not words or words[0].startswith("#"):
            continue
        if words == ["pixels"]:
            first_row, grid = number + 1, lines[number:]
            break
        key, values = words[0], words[1:]
        if key == "size" and len(values) == 2:
            size = tuple(numbers(where, values))
        elif key == "bpp" and len(values) == 1:
            (bpp,) = numbers(where, values)
        elif key == "hotspot" and len(values) == 2:
            hotspot = tuple(numbers(where, values))
        elif key == "colour" and len(values) == 2 and len(values[0]) == 1:
            if values[0] in legend:
                raise ArtError(f"{where}: '{values[0]}' is defined twice")
            transparent = values[1] == "transparent"
            legend[values[0]] = None if transparent else numbers(where, values[1:], 16)[0]
        else:
            raise ArtError(f"{where}: cannot read '{line.strip()}'")
    else:
        raise ArtError(f"{path.name}: no 'pixels' line")
    if size is None or bpp not in (1, 4, 8):
        raise ArtError(f"{path.name}: needs 'size' and a 'bpp' of 1, 4 or 8")
    width, height = size
    if not (1 <= width <= 256 and 1 <= height <= 256):
        raise ArtError(f"{path.name}: size {width}x{height} cannot be stored in an icon")
    if hotspot and not (0 <= hotspot[0] < width and 0 <= hotspot[1] < height):
        raise ArtError(f"{path.name}: hot spot {hotspot} lies outside the image")
    palette = palette_for(path, bpp, legend)
    index = {ch: (None if rgb is None else palette.index(rgb)) for ch, rgb in legend.items()}
    while grid and not grid[-1].strip():
        grid.pop()
    if len(grid) != height:
        raise ArtError(f"{path.name}: {len(grid)} pixel rows, expected {height}")
    rows = []
    for number, text in enumerate(grid, first_row):
        where = f"{path.name}:{number}"
        if len(text) != width:
            raise ArtError(f"{where}: {len(text)} pixels wide, expected {width}")
        unknown = set(text) - legend.keys()
        if unknown:
            raise ArtError(f"{where}: {''.join(sorted(unknown))!r} not in the legend")
        rows.append([index[ch] for ch in text])
    unused = legend.keys() - set("".join(grid))
    if unused:
        raise ArtError(f"{path.name}: legend entries {''.join(sorted(unused))!r} are never used")
    return Image(width, height, bpp, hotspot, palette, rows)


def palette_for(path, bpp, legend):
    colours = [rgb for rgb in legend.values() if rgb is not None]
    if bpp == 8:
        palette = [0] + [rgb for rgb in colours if rgb != 0]
        if len(set(colours)) != len(colours) or len(palette) > 256:
            raise ArtError(f"{path.name}: 8 bpp needs distinct legend colours, at most 256")
        return palette + [0] * (256 - len(palette))
    fixed = VGA if bpp == 4 else MONO
    for rgb in colours:
        if rgb not in fixed:
            raise ArtError(f"{path.name}: colour {rgb:06x} is not in the {bpp} bpp palette")
    return fixed


def pack_row(values, bpp):
    """Packs one row of small integers most significant bits first, padded to 4 bytes."""
    data = bytearray()
    per_byte = 8 // bpp
    for start in range(0, len(values), per_byte):
        byte = 0
        for i, value in enumerate(values[start : start + per_byte]):
            byte |= value << (8 - bpp * (i + 1))
        data.append(byte)
    data.extend(b"\0" * (-len(data) % 4))
    return bytes(data)


def dib(image):
    """The image as stored in an icon: header with doubled height, palette, XOR bits, AND mask."""
    xor = b"".join(
        pack_row([0 if i is None else i for i in row], image.bpp) for row in reversed(image.rows)
    )
    mask = b"".join(pack_row([int(i is None) for i in row], 1) for row in reversed(image.rows))
    header = struct.pack(
        "<IiiHHIIiiII",
        40, image.width, image.height * 2, 1, image.bpp, 0, len(xor) + len(mask), 0, 0, 0, 0,
    )
    colours = b"".join(struct.pack("<BBBB", rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16, 0)
                       for rgb in image.palette)
    return header + colours + xor + mask


def png(image):
    """The image as a palette PNG whose index 0 is transparent, without filters."""
    used = sorted({i for row in image.rows for i in row if i is not None})
    index = {i: k + 1 for k, i in enumerate(used)}
    depth = next(d for d in (1, 2, 4, 8) if len(used) + 1 <= 1 << d)
    row_bytes = (image.width * depth + 7) // 8
    raw = b"".join(b"\0" + pack_row([0 if i is None else index[i] for i in row], depth)[:row_bytes]
                   for row in image.rows)
    colours = b"\0\0\0" + b"".join(bytes(((image.palette[i] >> s) & 0xFF) for s in (16, 8, 0))
                                   for i in used)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", image.width, image.height, depth, 3, 0, 0, 0)) +
            chunk(b"PLTE", colours) + chunk(b"tRNS", b"\0") +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icon_file(images, cursor):
    blobs = [png(image) if not cursor and image.width >= PNG_FROM else dib(image)
             for image in images]
    offset = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, 2 if cursor else 1, len(images))
    for image, blob in zip(images, blobs):
        colours = len(image.palette) if image.bpp < 8 else 0
        if cursor:
            field1, field2 = image.hotspot
        else:
            field1, field2 = 1, image.bpp
        out += struct.pack(
            "<BBBBHHII",
            image.width % 256, image.height % 256, colours, 0, field1, field2, len(blob), offset,
        )
        offset += len(blob)
    return out + b"".join(blobs)


def build(name, art_names):
    images = [parse_art(HERE / "art" / art) for art in art_names]
    cursor = name.endswith(".cur")
    for art, image in zip(art_names, images):
        if cursor != (image.hotspot is not None):
            raise ArtError(f"{art}: a hot spot belongs in cursor art and only there")
    sizes = [image.width * image.height for image in images]
    if sizes != sorted(sizes):
        raise ArtError(f"{name}: images must go smallest first")
    return icon_file(images, cursor)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=HERE)
    out = parser.parse_args().out
    try:
        files = {name: build(name, arts) for name, arts in OUTPUTS.items()}
    except ArtError as error:
        sys.exit(f"make_images.py: {error}")
    out.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main()
