#!/usr/bin/env python3
"""Writes the declarations of the feature table's exports into the public
area headers, between the feature-table markers, from the rows of
src/features/<area>_table.def and the signatures of their kinds. Everything
else in a header is kept.

  gen_feature_headers.py           rewrite the headers
  gen_feature_headers.py --check   exit 1 (and say where) when a header
                                   differs from the table, an export is not
                                   in src/api/exports.txt, or one is twice
"""
import sys

from feature_table import AREAS, ROOT, TableError, read_codes, read_kinds, read_rows

HEADERS = ROOT / "include" / "libdvc"
EXPORTS = ROOT / "src" / "api" / "exports.txt"

TITLES = {
    "power": "power, energy saving, backlight and Thriftlux",
    "keys_osd": "keys, on-screen display, markers and patterns",
    "sensors": "sensors and calibration timing",
    "info": "information, save and reset",
    "picture": "picture adjustments",
    "modes_inputs": "modes, inputs, signal, layouts and USB",
    "luts": "look-up tables, gamut and matrices",
    "storage": "storage inside the monitor: asset tag, usage time, data items",
    "selfcal_control": "self-calibration control, schedules and self-QC",
}

BEGIN = "/* Feature table exports: written by scripts/gen_feature_headers.py from\n * src/features/{area}_table.def; change the table, not these lines. */"
END = "/* End of feature table exports */"
SPECIALS = "/* Operations with an encoding of their own */"
PAIR = "const char *id1, const char *id2"


def c_parameter(type_, name):
    """`int* value` as C headers write it: `int *value`."""
    if type_.endswith("*"):
        return f"{type_[:-1].rstrip()} *{name}"
    return f"{type_} {name}"


# What each parameter of a kind's signature is, for the API reference.
PARAMETER_DOCS = {
    "value": ("[out]", "receives the value"),
    "channel": ("[in]", "the channel number, from 0"),
    "index": ("[in]", "the item's index, from 0"),
    "maximum": ("[out]", "receives the largest value"),
    "minimum": ("[out]", "receives the smallest value"),
    "x": ("[out]", "receives the x coordinate"),
    "y": ("[out]", "receives the y coordinate"),
    "xy": ("[out]", "receives the x and y coordinates of each point, in turn"),
    "data": ("[out]", "receives the data block"),
    "size": ("[in,out]", "the buffer's size in bytes; receives the block's length"),
}
SET_PARAMETER_DOCS = {
    "value": ("[in]", "the value to set"),
    "x": ("[in]", "the x coordinate"),
    "y": ("[in]", "the y coordinate"),
    "xy": ("[in]", "the x and y coordinates of each point, in turn"),
    "data": ("[in]", "the data block to write"),
    "size": ("[in]", "the block's length in bytes"),
}


def parameter_docs(row):
    lines = [" * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it",
             " * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it"]
    for type_, name in row.kind.parameters:
        direction, text = PARAMETER_DOCS[name]
        if "*" not in type_ or type_.startswith("const"):
            direction, text = SET_PARAMETER_DOCS.get(name, ("[in]", text))
        lines.append(f" * @param{direction} {name} {text}")
    return lines


def result_docs(row):
    role, kind = row.kind.role, row.kind.name
    if row.kind.result == "int":
        if role == "supported":
            return [" * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed"]
        return [" * @return the count; 0 when it is unknown or the call failed"]
    lines = [" * @retval DvOk done"]
    if any("*" in t and not t.startswith("const") for t, _ in row.kind.parameters):
        lines.append(" * @retval DvErrInvalidParameter a pointer for a result is null")
    if kind == "RangeOld" or kind.startswith("ChannelRange") or kind == "ChromaticityRange":
        lines.append(" * @retval DvErrNotSupported the monitor lacks the feature")
        lines.append(" * @retval DvErrFailed any other failure")
        return lines
    if kind == "BlockRawGet":
        lines.append(" * @retval DvErrSizeMismatch the buffer is smaller than the block; *size holds its length")
    if role in ("set", "run"):
        lines.append(" * @retval DvErrRefused the monitor refused the request")
    lines.append(" * @retval DvErrNotSupported no path of the monitor has the feature")
    lines.append(" * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed")
    return lines


def declaration(row):
    parameters = ", ".join([PAIR] + [c_parameter(t, n) for t, n in row.kind.parameters])
    doc = "\n".join([f"/** @brief {row.doc}", *parameter_docs(row), *result_docs(row), " */"])
    return f"{doc}\nDVC_API {row.kind.result} DvCtrl{row.name}({parameters});"


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
    kinds, codes = read_kinds(), read_codes()
    seen, problems = {}, []
    for area in AREAS:
        declarations = []
        for row in read_rows(area, kinds, codes):
            name = "DvCtrl" + row.name
            if name not in listed:
                problems.append(f"{row.where}: {name} is not in the export list")
            if name in seen:
                problems.append(f"{row.where}: {name} is also at {seen[name]}")
            seen[name] = row.where
            declarations.append(declaration(row))
        file_name = f"dvc_{area}.h"
        header = HEADERS / file_name
        current = header.read_text() if header.exists() else new_header(file_name, TITLES[area])
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
    try:
        sys.exit(main())
    except TableError as error:
        sys.exit(str(error))
