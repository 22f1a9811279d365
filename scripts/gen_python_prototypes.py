#!/usr/bin/env python3
"""Writes python/libdvc/_prototypes.py from the public headers: the C
signature of every DvCtrl export and the DvError list, so that the Python
binding knows each export's argument and result types.

Usage: gen_python_prototypes.py [--check]   (--check: fail when the committed
file differs from what the headers give)."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
HEADERS = ROOT / "include" / "libdvc"
OUT = ROOT / "python" / "libdvc" / "_prototypes.py"

DECL = re.compile(r"DVC_API\s+([^;{}]*?)\b(DvCtrl\w+)\s*\(([^)]*)\)\s*;", re.S)
ERROR = re.compile(r"X\((DvErr\w+|DvOk)\s*,\s*(0x[0-9A-Fa-f]+)u?\s*,\s*\"((?:[^\"\\]|\\.)*)\"\)")


def arg_type(arg):
    arg = " ".join(arg.split())
    if arg == "void":
        return None
    if arg.endswith("]"):  # int features[32]: a pointer to the first element
        return re.sub(r"\s*\w+\s*\[\d*\]$", " *", arg)
    return re.sub(r"\s*\b\w+$", "", arg).replace(" *", " *").strip()


def prototypes():
    found = {}
    for header in sorted(HEADERS.glob("*.h")):
        text = re.sub(r"/\*.*?\*/", "", header.read_text(), flags=re.S)
        for result, name, args in DECL.findall(text):
            types = [t for t in (arg_type(a) for a in args.split(",")) if t is not None]
            found[name] = (" ".join(result.split()), tuple(types))
    return found


def errors():
    text = (HEADERS / "dvc_types.h").read_text()
    out = []
    for name, value, sentence in ERROR.findall(text):
        code = int(value, 16)
        out.append((name, code - (1 << 32) if code >= 1 << 31 else code, sentence))
    return out


def render():
    lines = ['"""Written by scripts/gen_python_prototypes.py from include/libdvc/*.h; do not edit."""', "",
             "# name: (result type, argument types), as the headers spell them", "PROTOTYPES = {"]
    for name, (result, args) in sorted(prototypes().items()):
        lines.append(f"    {name!r}: ({result!r}, {args!r}),")
    lines += ["}", "", "# (name, value, sentence) of every DvError", "ERRORS = ["]
    for name, code, sentence in errors():
        lines.append(f"    ({name!r}, {code}, {sentence!r}),")
    lines += ["]", ""]
    return "\n".join(lines)


def main():
    text = render()
    if sys.argv[1:] == ["--check"]:
        if not OUT.exists() or OUT.read_text() != text:
            sys.exit(f"{OUT.relative_to(ROOT)} is stale: run scripts/gen_python_prototypes.py")
        return
    OUT.write_text(text)


if __name__ == "__main__":
    main()
