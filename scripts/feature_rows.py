"""Reads the rows of the library's feature table (src/paths/feature_table_*.def).

Shared by the generators of the public headers and of dvctl's catalogue, so
that both read the table the same way.
"""
import re

ROW = re.compile(r"^DVC_([A-Z_]+)\((.*)\)\s*$")


def split_arguments(text):
    """Top-level comma split that respects parentheses and string literals."""
    parts, depth, quoted, current = [], 0, False, ""
    for i, ch in enumerate(text):
        if quoted:
            current += ch
            if ch == '"' and text[i - 1] != "\\":
                quoted = False
            continue
        if ch == '"':
            quoted = True
        elif ch == "(":
            depth += 1
        elif ch == ")":
            depth -= 1
        elif ch == "," and depth == 0:
            parts.append(current.strip())
            current = ""
            continue
        current += ch
    parts.append(current.strip())
    return parts


def read_rows(path):
    """Yields (line number, row kind, arguments) for each row of one file."""
    for number, line in enumerate(path.read_text().splitlines(), 1):
        match = ROW.match(line)
        if match:
            yield number, match.group(1), split_arguments(match.group(2))
