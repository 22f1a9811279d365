#!/usr/bin/env python3
"""Writes, from the declarations in include/libdvc/*.h, one caller per
export that passes every pointer as null and every number as the extreme
that the round picks (tests/api/export_abuse_test.cpp runs them). Exports
that other headers add join by themselves. The build runs it.

  gen_export_abuse.py OUTPUT.inc HEADER...
"""
import pathlib
import re
import sys

DECLARATION = re.compile(r"DVC_API\s+([\w ]+?)\s*(DvCtrl\w+)\s*\(([^)]*)\)\s*;", re.S)
# Exports that change the library's own state for every later call: the
# test covers them elsewhere.
SKIPPED = {"DvCtrlFind", "DvCtrlFindWithFile", "DvCtrlRelease", "DvCtrlLock", "DvCtrlUnlock",
           "DvCtrlLockMonitor", "DvCtrlUnlockMonitor", "DvCtrlSetThreadUnsafeOption",
           "DvCtrlRemoveMonitorInstance", "DvCtrlEnterCriticalSection", "DvCtrlExitCriticalSection"}


def argument(declared):
    text = re.sub(r"\b\w+\s*(\[\d*\])?$", lambda m: "*" if m.group(1) else "", declared.strip()).strip()
    if "*" in text or text.endswith("Func"):
        return "nullptr"
    if text in ("int", "int32_t", "long"):
        return "Int(round)"
    if text in ("uint32_t", "unsigned", "size_t", "uint16_t", "uint8_t"):
        return f"static_cast<{text}>(Int(round))"
    if text in ("double", "float"):
        return "Real(round)"
    return f"Value<{text}>(round)"


def main():
    output = pathlib.Path(sys.argv[1])
    lines = ["// Written by scripts/gen_export_abuse.py from the public headers; do not edit.\n"]
    for header in sorted(sys.argv[2:]):
        for result, name, params in DECLARATION.findall(pathlib.Path(header).read_text()):
            if name in SKIPPED:
                continue
            params = [p.strip() for p in params.split(",") if p.strip() and p.strip() != "void"]
            paired = len(params) >= 2 and params[0].endswith("id1") and params[1].endswith("id2")
            args = ["id1", "id2"] if paired else []
            args += [argument(p) for p in params[2 if paired else 0:]]
            pointer = "nullptr" in args
            real = any(a.startswith("Real(") for a in args)
            call = f"{name}({', '.join(args)})"
            body = f"{call}; return 0;" if result == "void" else f"return static_cast<int64_t>({call});"
            kind = {"DvError": "Class::Error", "int": "Class::Number"}.get(result, "Class::Other")
            lines.append(f'{{"{name}", {kind}, {str(paired).lower()}, {str(pointer).lower()}, {str(real).lower()}, '
                         f"[](const char* id1, const char* id2, int round) -> int64_t {{ (void)id1; (void)id2; "
                         f"(void)round; {body} }}}},\n")
    text = "".join(lines)
    if not output.exists() or output.read_text() != text:
        output.write_text(text)


if __name__ == "__main__":
    main()
