#!/usr/bin/env bash
# The release tools/package.sh makes: its files, the very Velamo.exe, SHA256SUMS, the texts as
# Notepad opens them (UTF-8 with a byte-order mark, CRLF), the readme naming every option /?
# shows and this version; the same zip from a second run at another DOS time (they go in 2 s
# steps), time zone, umask and folder.
#   check_package.sh VELAMO_EXE SOURCE
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$2/tools/package.sh" >/dev/null && sleep 2
(umask 077 && TZ=JST-9 bash "$2/tools/package.sh" "$work" >/dev/null)
python3 - "$1" "$2" "$work" <<'EOF'
import hashlib, re, sys, zipfile
exe, source, again = open(sys.argv[1], "rb").read(), sys.argv[2], sys.argv[3]
cmake = open(f"{source}/CMakeLists.txt").read()
version = re.search(r"^project\(Velamo VERSION ([0-9.]+)", cmake, re.M)[1]
dist, name = f"{source}/build/dist", f"Velamo-{version}"
made = open(f"{dist}/{name}.zip", "rb").read()
assert made == open(f"{again}/{name}.zip", "rb").read(), "the second run made another zip"
archive = zipfile.ZipFile(f"{dist}/{name}.zip")
names = [f"{name}/{f}" for f in ("", "Velamo.exe", "readme.txt", "LICENSE")]
assert archive.namelist() == names, archive.namelist()
# No owner nor exact times, which differ between machines.
assert not any(entry.extra for entry in archive.infolist()), "extra fields"
assert archive.read(names[1]) == exe, "not the very Velamo.exe"
sums = "".join(f"{hashlib.sha256(d).hexdigest()}  {n}\n" for n, d in [(f"{name}.zip", made),
                                                                      (names[1], exe)])
assert open(f"{dist}/SHA256SUMS").read() == sums, "SHA256SUMS"
readme, licence = archive.read(names[2]), archive.read(names[3])
assert licence.replace(b"\r\n", b"\n") == open(f"{source}/LICENSE", "rb").read(), "LICENSE"
for text in readme, licence:
    assert text.count(b"\r") == text.count(b"\n") == text.count(b"\r\n"), f"not CRLF: {text[:20]}"
assert readme.startswith(b"\xef\xbb\xbf"), "readme.txt: no byte-order mark"
# The options as /? shows them: the lines of the usage text in Velamo.exe that start with "/".
usage = exe[exe.index("使い方:".encode("utf-16-le")) :].decode("utf-16-le", "replace")
options = re.findall(r"^/[^\s:]+", usage.split("\0")[0], re.M)
assert "/?" in options, f"no usage in Velamo.exe: {options}"
missing = [o for o in options + [f"Ver.{version}"]
           if not re.search(f"^ *{re.escape(o)}(?=[:\\s])", readme.decode(), re.M)]
assert not missing, f"readme.txt: no line for {missing}"
EOF
