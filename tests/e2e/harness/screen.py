"""Screenshots (ImageMagick's import of the X root window) and pixels read from them."""

import collections
import struct
import subprocess
import zlib
from pathlib import Path

from .geometry import Rect


class Image:
    """RGB pixels: .width, .height, .data (3 bytes a pixel, rows top to bottom)."""

    def __init__(self, width, height, data):
        if len(data) != width * height * 3:
            raise ValueError(f"{len(data)} bytes for {width}x{height} RGB")
        self.width, self.height, self.data = width, height, bytes(data)

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def crop(self, rect):
        """The part inside rect (in this image's coordinates)."""
        rows = [self.data[(y * self.width + rect.left) * 3:(y * self.width + rect.right) * 3]
                for y in range(rect.top, rect.bottom)]
        return Image(rect.width, rect.height, b"".join(rows))

    def colors(self):
        """How many pixels of each (r, g, b)."""
        return collections.Counter(self.data[i:i + 3] for i in range(0, len(self.data), 3))

    def dominant_color(self):
        colour, _ = self.colors().most_common(1)[0]
        return tuple(colour)

    def count_color(self, rgb, tolerance=0):
        """Pixels within tolerance (per channel) of rgb."""
        return sum(n for c, n in self.colors().items()
                   if all(abs(a - b) <= tolerance for a, b in zip(c, rgb)))

    def save_png(self, path):
        rows = b"".join(b"\0" + self.data[y * self.width * 3:(y + 1) * self.width * 3]
                        for y in range(self.height))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        Path(path).parent.mkdir(parents=True, exist_ok=True)
        Path(path).write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                               + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
        return Path(path)


class Screen:
    def __init__(self, env, origin=(0, 0)):
        self._env = env
        self.origin = origin

    def _crop_words(self, rect):
        if rect is None:
            return []
        return ["-crop", f"{rect.width}x{rect.height}+{rect.left + self.origin[0]}"
                         f"+{rect.top + self.origin[1]}", "+repage"]

    def grab(self, rect=None):
        """The screen's pixels (or those inside rect, in Windows screen coordinates)."""
        if rect is None:
            rect = self.size_rect()
        done = subprocess.run(["import", "-window", "root", *self._crop_words(rect), "-depth", "8",
                               "rgb:-"], env=self._env.vars, capture_output=True, timeout=30)
        if done.returncode != 0:
            raise RuntimeError(f"import failed: {done.stderr.decode(errors='replace')}")
        return Image(rect.width, rect.height, done.stdout)

    def screenshot(self, path, rect=None):
        """Saves the screen (or rect of it) as a PNG file and returns its path."""
        Path(path).parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["import", "-window", "root", *self._crop_words(rect), str(path)],
                       env=self._env.vars, check=True, capture_output=True, timeout=30)
        return Path(path)

    def size_rect(self):
        done = subprocess.run(["xdotool", "getdisplaygeometry"], env=self._env.vars,
                              capture_output=True, check=True, timeout=30)
        width, height = (int(v) for v in done.stdout.split())
        x, y = self.origin
        return Rect(-x, -y, width - x, height - y)


def crop_png(source, rect, destination, env=None):
    """Writes the part rect of the PNG source to destination (ImageMagick's convert)."""
    subprocess.run(["convert", str(source), "-crop", f"{rect.width}x{rect.height}+{rect.left}"
                    f"+{rect.top}", "+repage", str(destination)], check=True, capture_output=True,
                   env=env.vars if env else None, timeout=30)
    return Path(destination)
