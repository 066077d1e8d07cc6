"""The mouse cursor's image as the X server shows it (XFixes), since Wine does not let another
process read a cursor handle's bitmap: a test compares shapes, e.g. arrow versus I-beam."""

import ctypes
import ctypes.util
import hashlib
from typing import NamedTuple


class _XFixesCursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong),
                ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


class CursorImage(NamedTuple):
    width: int
    height: int
    xhot: int
    yhot: int
    argb: tuple  # one 0xAARRGGBB value a pixel, rows top to bottom

    @property
    def signature(self):
        """A short digest of the shape, equal for equal cursors."""
        data = repr((self.width, self.height, self.xhot, self.yhot, self.argb)).encode()
        return hashlib.sha1(data).hexdigest()[:16]


class CursorUnavailable(RuntimeError):
    pass


def cursor_image(display):
    """The cursor the X server shows now on display (e.g. ":1")."""
    x11_name = ctypes.util.find_library("X11")
    xfixes_name = ctypes.util.find_library("Xfixes")
    if not x11_name or not xfixes_name:
        raise CursorUnavailable("libX11 or libXfixes is missing (Debian: libxfixes3)")
    x11 = ctypes.CDLL(x11_name)
    xfixes = ctypes.CDLL(xfixes_name)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(_XFixesCursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    connection = x11.XOpenDisplay(display.encode())
    if not connection:
        raise CursorUnavailable(f"cannot open display {display}")
    try:
        image = xfixes.XFixesGetCursorImage(connection)
        if not image:
            raise CursorUnavailable("XFixesGetCursorImage failed")
        try:
            c = image.contents
            count = c.width * c.height
            argb = tuple(c.pixels[i] & 0xFFFFFFFF for i in range(count))
            return CursorImage(c.width, c.height, c.xhot, c.yhot, argb)
        finally:
            x11.XFree(image)
    finally:
        x11.XCloseDisplay(connection)
