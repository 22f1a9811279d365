#!/usr/bin/env python3
"""Writes the exports of the feature table, one C function per row that hands
its arguments to dvc::api::ExportRow<row>, from the rows of
src/features/<area>_table.def and the signatures of their kinds. The build
runs it; the output is not kept in the source tree.

  gen_table_exports.py OUTPUT.cpp
"""
import pathlib
import sys

from feature_table import TableError, read_table

HEAD = """// Written by scripts/gen_table_exports.py from the feature table; do not edit.
#include "api/table_export.hpp"
#include "libdvc/libdvc.h"

extern "C" {
"""


def export(row):
    parameters = ", ".join(["const char* id1", "const char* id2"] + [f"{t} {n}" for t, n in row.kind.parameters])
    arguments = ", ".join(["id1", "id2"] + [n for _, n in row.kind.parameters])
    return (f"{row.kind.result} DvCtrl{row.name}({parameters}) {{\n"
            f"    return ::dvc::api::ExportRow<::dvc::rows::{row.name}>({arguments});\n}}\n")


def main():
    output = pathlib.Path(sys.argv[1])
    text = HEAD + "\n".join(export(row) for row in read_table()) + "\n}  // extern \"C\"\n"
    # Rewritten only when it changes, so that a rerun does not rebuild.
    if not output.exists() or output.read_text() != text:
        output.parent.mkdir(parents=True, exist_ok=True)
        output.write_text(text)


if __name__ == "__main__":
    try:
        main()
    except TableError as error:
        sys.exit(str(error))
