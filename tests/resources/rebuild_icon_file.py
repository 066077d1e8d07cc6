#!/usr/bin/env python3
"""Writes an icon or cursor group of a Windows executable out as an .ico or .cur file.

wrestool -x can do this too, but it pads the file and miscounts a cursor image's size, so this
reassembles the group from the raw resources wrestool reads out.

Usage: rebuild_icon_file.py EXE icon|cursor NAME OUT
"""

import struct
import subprocess
import sys

RT_CURSOR, RT_ICON, RT_GROUP_CURSOR, RT_GROUP_ICON = 1, 3, 12, 14


def raw(exe, kind, name):
    data = subprocess.run(
        ["wrestool", "-x", "--raw", f"--type={kind}", f"--name={name}", exe],
        capture_output=True, check=True,
    ).stdout
    if not data:
        sys.exit(f"no resource of type {kind} named {name}")
    return data


def main():
    exe, kind, name, out = sys.argv[1:]
    cursor = kind == "cursor"
    group = raw(exe, RT_GROUP_CURSOR if cursor else RT_GROUP_ICON, name)
    _, group_kind, count = struct.unpack_from("<HHH", group)
    if group_kind != (2 if cursor else 1) or len(group) != 6 + 14 * count:
        sys.exit(f"{kind} group {name} is malformed")
    entries, images = [], []
    for i in range(count):
        at = 6 + 14 * i
        if cursor:
            # Cursor groups hold the doubled height; each cursor image starts with its hot spot.
            width, height, _, bits, size, member = struct.unpack_from("<HHHHIH", group, at)
            data = raw(exe, RT_CURSOR, member)
            hot_x, hot_y = struct.unpack_from("<HH", data)
            data, size = data[4:], size - 4
            fields = (width, height // 2, 1 << bits if bits < 8 else 0, hot_x, hot_y)
        else:
            width, height, colours, _, planes, bits, size, member = struct.unpack_from(
                "<BBBBHHIH", group, at
            )
            data = raw(exe, RT_ICON, member)
            fields = (width, height, colours, planes, bits)
        if len(data) != size:
            sys.exit(f"{kind} group {name} entry {i} says {size} bytes, image has {len(data)}")
        entries.append(fields)
        images.append(data)
    offset = 6 + 16 * count
    header = struct.pack("<HHH", 0, group_kind, count)
    for (width, height, colours, field1, field2), data in zip(entries, images):
        header += struct.pack(
            "<BBBBHHII", width % 256, height % 256, colours, 0, field1, field2, len(data), offset
        )
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + b"".join(images))


if __name__ == "__main__":
    main()
