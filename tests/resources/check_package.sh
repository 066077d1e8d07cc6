#!/usr/bin/env bash
# The release as tools/package.sh makes it: one folder with the very Velamo.exe, readme.txt and
# LICENSE, SHA256SUMS right for the zip and the exe, the texts as Notepad opens them (UTF-8 with
# a byte-order mark, CRLF), the readme naming every option /? shows and this version in its
# history; and a second run at another time, in another time zone, umask and folder, makes the
# same zip.
#   check_package.sh VELAMO_EXE SOURCE
set -uo pipefail
exe=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() { # what, got, expected
  [ "$2" = "$3" ] || { echo "FAIL: $1 is '$2', expected '$3'" >&2; failures=$((failures + 1)); }
}
# The second run at another DOS time (2 s steps).
bash "$source/tools/package.sh" >/dev/null && sleep 2 &&
  (umask 077 && TZ=JST-9 bash "$source/tools/package.sh" "$work/again" >/dev/null) || exit 1
version=$(sed -nE 's/^project\(Velamo VERSION ([0-9.]+).*/\1/p' "$source/CMakeLists.txt")
dist=$source/build/dist name=Velamo-$version
expect "second zip" "$(cmp "$dist/$name.zip" "$work/again/$name.zip" && echo same)" same
expect files "$(unzip -Z1 "$dist/$name.zip" | paste -sd' ')" \
  "$name/ $name/Velamo.exe $name/readme.txt $name/LICENSE"
# No owner nor exact times, which differ between machines.
expect "extra fields" "$(zipinfo -v "$dist/$name.zip" | grep -c 'extra field: *0 bytes')" 4
unzip -q "$dist/$name.zip" -d "$work" && ln -s "$dist/$name.zip" "$work/"
expect Velamo.exe "$(cmp "$exe" "$work/$name/Velamo.exe" && echo same)" same
expect SHA256SUMS "$(cd "$work" && sha256sum -c "$dist/SHA256SUMS" | paste -sd' ')" \
  "$name.zip: OK $name/Velamo.exe: OK"
expect LICENSE "$(tr -d '\r' <"$work/$name/LICENSE" | cmp - "$source/LICENSE" && echo same)" same
# The options as /? shows them: the lines of the usage text in Velamo.exe that start with "/".
python3 - "$exe" "$work/$name" "$version" <<'EOF' || failures=$((failures + 1))
import re, sys
exe, folder, version = open(sys.argv[1], "rb").read(), sys.argv[2], sys.argv[3]
usage = exe[exe.index("使い方:".encode("utf-16-le")) :].decode("utf-16-le", "replace")
options = re.findall(r"^/[^\s:]+", usage.split("\0")[0], re.M)
fails = [] if "/?" in options else ["no usage in Velamo.exe"]
for f in ("readme.txt", "LICENSE"):
    t = open(f"{folder}/{f}", "rb").read()
    fails += [] if t.count(b"\r") == t.count(b"\n") == t.count(b"\r\n") else [f"{f}: not CRLF"]
readme = open(f"{folder}/readme.txt", "rb").read()
fails += [] if readme.startswith(b"\xef\xbb\xbf") else ["readme.txt: no byte-order mark"]
fails += [f"readme.txt: no line for {o}" for o in options + [f"Ver.{version}"]
          if not re.search(f"^ *{re.escape(o)}(?=[:\\s])", readme.decode(), re.M)]
print("".join(f"FAIL: {f}\n" for f in fails), end="", file=sys.stderr)
sys.exit(bool(fails))
EOF
[ "$failures" = 0 ] && echo "package OK"
