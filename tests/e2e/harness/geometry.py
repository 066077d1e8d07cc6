"""Screen rectangles, in Windows screen coordinates (left/top inclusive, right/bottom exclusive)."""

from typing import NamedTuple


class Rect(NamedTuple):
    left: int
    top: int
    right: int
    bottom: int

    @classmethod
    def from_json(cls, value):
        return cls(value["left"], value["top"], value["right"], value["bottom"])

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top

    @property
    def center(self):
        return ((self.left + self.right) // 2, (self.top + self.bottom) // 2)

    def contains(self, x, y):
        return self.left <= x < self.right and self.top <= y < self.bottom

    def offset(self, dx, dy):
        return Rect(self.left + dx, self.top + dy, self.right + dx, self.bottom + dy)

    def inset(self, d):
        return Rect(self.left + d, self.top + d, self.right - d, self.bottom - d)
