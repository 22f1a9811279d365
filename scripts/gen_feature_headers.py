#!/usr/bin/env python3
"""Writes the declarations of the feature table's exports into the public
area headers, between the feature-table markers, from the rows of
src/paths/feature_table_<area>.def. Everything else in a header is kept.

  gen_feature_headers.py           rewrite the headers
  gen_feature_headers.py --check   exit 1 (and say where) when a header
                                   differs from the table, an export is not
                                   in src/api/exports.txt, or one is twice
"""
import pathlib
import sys

from feature_rows import read_rows

ROOT = pathlib.Path(__file__).resolve().parent.parent
TABLE = ROOT / "src" / "paths"
HEADERS = ROOT / "include" / "libdvc"
EXPORTS = ROOT / "src" / "api" / "exports.txt"

AREAS = {
    "power": ("dvc_power.h", "power, energy saving, backlight and Thriftlux"),
    "keys_osd": ("dvc_keys_osd.h", "keys, on-screen display, markers and patterns"),
    "sensors": ("dvc_sensors.h", "sensors and calibration timing"),
    "info": ("dvc_info.h", "information, save and reset"),
    "picture": ("dvc_picture.h", "picture adjustments"),
    "modes_inputs": ("dvc_modes_inputs.h", "modes, inputs, signal, layouts and USB"),
    "luts": ("dvc_luts.h", "look-up tables, gamut and matrices"),
}

BEGIN = "/* Feature table exports: written by scripts/gen_feature_headers.py from\n * src/paths/feature_table_{area}.def; change the table, not these lines. */"
END = "/* End of feature table exports */"
SPECIALS = "/* Operations with an encoding of their own */"

PAIR = "const char *id1, const char *id2"
INT_OUT = "int *value"
INT_IN = "int value"

# C parameters after the monitor's pair, and the result type, by row kind.
SIGNATURES = {
    "SUPPORTED": ("int", ""),
    "SUPPORTED_OUT": ("int", ""),
    "SUPPORTED_KEPT": ("int", ""),
    "SUPPORTED_BY_RANGE": ("int", ""),
    "FIXED_MAX_COUNT": ("int", ""),
    "RANGE_OLD": ("DvError", "int *maximum, int *minimum"),
    "RANGE_FIXED": ("DvError", "int *maximum, int *minimum"),
    "RANGE_CHANNELS": ("DvError", "{T} *maximum, {T} *minimum"),
    "VALUE_GET": ("DvError", INT_OUT),
    "FORWARD_GET": ("DvError", INT_OUT),
    "FIXED_MAX_GET": ("DvError", INT_OUT),
    "BLOCK_VALUE_GET": ("DvError", INT_OUT),
    "BLOCK_FIELD_GET": ("DvError", INT_OUT),
    "VALUE_SET": ("DvError", INT_IN),
    "FORWARD_SET": ("DvError", INT_IN),
    "BLOCK_VALUE_SET": ("DvError", INT_IN),
    "BLOCK_FIELD_SET": ("DvError", INT_IN),
    "COMMAND": ("DvError", ""),
    "VALUE_COPY": ("DvError", ""),
    "FORWARD_GET_XY": ("DvError", "double *x, double *y"),
    "FORWARD_SET_XY": ("DvError", "double x, double y"),
    "CHANNEL_GET": ("DvError", "int *value, int channel"),
    "CHANNEL_SET": ("DvError", "int value, int channel"),
    "FIXED_LENGTH_GET": ("DvError", "int *size"),
    "BLOCK_ITEM_GET": ("DvError", "int index, int *value"),
    "BLOCK_ITEM_SET": ("DvError", "int index, int value"),
    "BLOCK_RAW_GET": ("DvError", "uint8_t *data, int *size"),
    "BLOCK_RAW_SET": ("DvError", "const uint8_t *data, int size"),
    "BLOCK_FIXED_GET": ("DvError", "uint8_t *data"),
    "BLOCK_FIXED_SET": ("DvError", "const uint8_t *data"),
    "BLOCK_XY_GET": ("DvError", "double *xy"),
    "BLOCK_XY_SET": ("DvError", "const double *xy"),
}

def rows(area):
    path = TABLE / f"feature_table_{area}.def"
    for number, kind, arguments in read_rows(path):
        if kind not in SIGNATURES:
            raise SystemExit(f"{path}:{number}: unknown row kind DVC_{kind}")
        doc = arguments[-1]
        if not (doc.startswith('"') and doc.endswith('"')):
            raise SystemExit(f"{path}:{number}: the last column must be the description")
        yield path, number, kind, arguments, doc[1:-1]


def declaration(kind, arguments, doc):
    result, parameters = SIGNATURES[kind]
    if "{T}" in parameters:
        parameters = parameters.format(T=arguments[2])
    parameters = PAIR + (", " + parameters if parameters else "")
    return f"/* {doc} */\nDVC_API {result} DvCtrl{arguments[0]}({parameters});"


def section(area, declarations):
    body = "\n".join(declarations)
    return f"{BEGIN.format(area=area)}\nDVC_EXTERN_C_BEGIN\n\n{body}\n\nDVC_EXTERN_C_END\n{END}\n"


def new_header(file_name, title):
    guard = "LIBDVC_" + file_name.upper().replace(".", "_")
    return f'/* libdvc: {title}. */\n#ifndef {guard}\n#define {guard}\n\n#include "libdvc/dvc_types.h"\n\n#endif\n'


def with_section(text, generated):
    """The header text with the generated section put in its place: between
    the markers, else before the hand-written section, else before #endif."""
    begin = text.find("/* Feature table exports:")
    if begin >= 0:
        end = text.index(END, begin) + len(END)
        if text[end:end + 1] == "\n":
            end += 1
        return text[:begin] + generated + text[end:]
    anchor = text.find(SPECIALS)
    if anchor < 0:
        anchor = text.rindex("#endif")
    return text[:anchor] + generated + "\n" + text[anchor:]


def main():
    check = "--check" in sys.argv[1:]
    listed = set(EXPORTS.read_text().split())
    seen, problems = {}, []
    for area, (file_name, title) in AREAS.items():
        declarations = []
        for path, number, kind, arguments, doc in rows(area):
            name = "DvCtrl" + arguments[0]
            if name not in listed:
                problems.append(f"{path}:{number}: {name} is not in the export list")
            if name in seen:
                problems.append(f"{path}:{number}: {name} is also at {seen[name]}")
            seen[name] = f"{path.name}:{number}"
            declarations.append(declaration(kind, arguments, doc))
        header = HEADERS / file_name
        current = header.read_text() if header.exists() else new_header(file_name, title)
        wanted = with_section(current, section(area, declarations))
        if wanted != current or not header.exists():
            if check:
                problems.append(f"{header}: differs from the feature table (run scripts/gen_feature_headers.py)")
            else:
                header.write_text(wanted)
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"feature table: {len(seen)} exports")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
