#!/usr/bin/env python3
"""Checks Velamo's application manifest: well-formed, Common Controls 6, system DPI awareness,
run as the invoking user.

Usage: check_manifest.py FILE
"""

import sys
import xml.etree.ElementTree as ET

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
SETTINGS_2005 = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
SETTINGS_2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"


def problems(root):
    found = []
    controls = [
        a.attrib
        for a in root.iter(ASM_V1 + "assemblyIdentity")
        if a.get("name") == "Microsoft.Windows.Common-Controls"
    ]
    if not any(
        c.get("version") == "6.0.0.0" and c.get("publicKeyToken") == "6595b64144ccf1df"
        for c in controls
    ):
        found.append(f"no dependency on Common Controls 6.0.0.0 (found {controls})")
    aware = [e.text for e in root.iter(SETTINGS_2005 + "dpiAware")]
    if aware != ["true"]:
        found.append(f"dpiAware is {aware}, expected ['true']")
    if list(root.iter(SETTINGS_2016 + "dpiAwareness")):
        found.append("declares dpiAwareness, which would override the system-aware dpiAware")
    levels = [e.get("level") for e in root.iter(ASM_V3 + "requestedExecutionLevel")]
    if levels != ["asInvoker"]:
        found.append(f"requestedExecutionLevel is {levels}, expected ['asInvoker']")
    return found


def main():
    try:
        found = problems(ET.parse(sys.argv[1]).getroot())
    except ET.ParseError as error:
        found = [f"not well-formed XML: {error}"]
    for problem in found:
        print(f"manifest: {problem}", file=sys.stderr)
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
