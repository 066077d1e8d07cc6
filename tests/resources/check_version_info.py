#!/usr/bin/env python3
"""Checks a raw VERSIONINFO resource (as wrestool -x --raw -t 16 writes it) against Velamo's.

Usage: check_version_info.py FILE VERSION     (VERSION like 1.0.0.0)
"""

import struct
import sys


def read_block(data, offset):
    """One VS_VERSIONINFO-style block: (key, value bytes, child blocks)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    key_end = offset + 6
    while data[key_end : key_end + 2] != b"\0\0":
        if key_end >= len(data):
            raise IndexError(f"key at {offset} runs off the end")
        key_end += 2
    key = data[offset + 6 : key_end].decode("utf-16-le")
    at = (key_end + 2 + 3) & ~3
    size = value_length * 2 if is_text else value_length
    value = data[at : at + size]
    at = (at + size + 3) & ~3
    children = []
    while at < offset + length:
        children.append(read_block(data, at))
        at = (at + struct.unpack_from("<H", data, at)[0] + 3) & ~3
    return key, value, children


def problems(data, want):
    key, fixed, blocks = read_block(data, 0)
    if key != "VS_VERSION_INFO" or len(fixed) != 52:
        return [f"no VS_VERSION_INFO with a fixed part (key {key!r})"]
    found = []
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if signature != 0xFEEF04BD:
        found.append(f"fixed part signature is {signature:#x}")
    for name, ms, ls in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
        got = f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
        if got != want:
            found.append(f"{name} version is {got}, expected {want}")

    by_key = {k: children for k, _, children in blocks}
    tables = {k: children for k, _, children in by_key.get("StringFileInfo", [])}
    if list(tables) != ["041104B0"]:
        found.append(f"string tables are {list(tables)}, expected ['041104B0']")
    strings = {k: v.decode("utf-16-le").rstrip("\0") for k, v, _ in tables.get("041104B0", [])}
    expected = {
        "CompanyName": "Velamo", "FileDescription": "Velamo", "FileVersion": want,
        "InternalName": "Velamo", "OriginalFilename": "Velamo.exe", "ProductName": "Velamo",
        "ProductVersion": want,
    }
    for name, text in expected.items():
        if strings.get(name) != text:
            found.append(f"{name} is {strings.get(name)!r}, expected {text!r}")
    if not strings.get("LegalCopyright", "").startswith("Copyright"):
        found.append(f"LegalCopyright is {strings.get('LegalCopyright')!r}")

    translations = [v for k, v, _ in by_key.get("VarFileInfo", []) if k == "Translation"]
    if translations != [struct.pack("<HH", 0x411, 1200)]:
        shown = [v.hex() for v in translations]
        found.append(f"Translation is {shown}, expected ['1104b004'] (0x411, 1200)")
    return found


def main():
    path, want = sys.argv[1:]
    with open(path, "rb") as f:
        data = f.read()
    try:
        found = problems(data, want)
    except (struct.error, UnicodeDecodeError, IndexError) as error:
        found = [f"cannot be read: {error}"]
    for problem in found:
        print(f"version information: {problem}", file=sys.stderr)
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
