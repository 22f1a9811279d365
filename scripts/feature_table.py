"""Reads the library's feature table: the rows of the area tables
(src/features/<area>_table.def), the kinds of row (src/features/row_kinds.hpp)
and the feature codes by name (src/paths/feature_codes.def).

Shared by the generators of the public declarations, of the exports and of
dvctl's catalogue, so that all of them read the table the same way.
"""
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent
FEATURES = ROOT / "src" / "features"
KINDS_FILE = FEATURES / "row_kinds.hpp"
CODES_FILE = ROOT / "src" / "paths" / "feature_codes.def"

# Area tables in the order the library includes them (table_rows.hpp).
AREAS = ("power", "keys_osd", "sensors", "info", "picture", "modes_inputs", "luts", "storage", "selfcal_control")

ROW = re.compile(r"^DVC_ROW\((.*)\)\s*$")
CODE = re.compile(r"^DVC_FEATURE_CODE\((\w+), (0x[0-9A-Fa-f]+)\)")
OPTION = re.compile(r"^(\w+)(?:<(.*)>)?$")


class TableError(Exception):
    pass


def split_arguments(text):
    """Top-level comma split that respects brackets and string literals."""
    parts, depth, quoted, current = [], 0, False, ""
    for i, ch in enumerate(text):
        if quoted:
            current += ch
            if ch == '"' and text[i - 1] != "\\":
                quoted = False
            continue
        if ch == '"':
            quoted = True
        elif ch in "(<":
            depth += 1
        elif ch in ")>":
            depth -= 1
        elif ch == "," and depth == 0:
            parts.append(current.strip())
            current = ""
            continue
        current += ch
    parts.append(current.strip())
    return parts


def read_codes():
    """{name: number} of the feature-code list."""
    codes = {}
    for number, line in enumerate(CODES_FILE.read_text().splitlines(), 1):
        match = CODE.match(line)
        if match:
            codes[match.group(1)] = int(match.group(2), 16)
    return codes


class Kind:
    def __init__(self, name, result, parameters, dvctl):
        self.name = name
        self.result = result                # "DvError" or "int"
        self.parameters = parameters        # [(type, name)] after the monitor's pair
        dvctl = dvctl.split()
        self.role = dvctl[0]                # supported, get, set, range, run
        self.form = dvctl[1]                # dvctl's wrapper of the export
        self.form_option = dvctl[2] if len(dvctl) > 2 else None


def _parameters(text):
    parameters = []
    for parameter in filter(None, (p.strip() for p in text.split(","))):
        match = re.match(r"^(.*[\s*])(\w+)$", parameter)
        if not match:
            raise TableError(f"{KINDS_FILE}: cannot read the parameter '{parameter}'")
        parameters.append((match.group(1).strip(), match.group(2)))
    return parameters


def read_kinds():
    """{name: Kind} of every struct in row_kinds.hpp that has a Signature."""
    text = KINDS_FILE.read_text()
    kinds = {}
    for match in re.finditer(r"^(template <[^>]*>\n)?struct (\w+)[^{;]*\{(.*?)^\};", text, re.M | re.S):
        if match.group(1):
            continue  # a building block of kinds, not a kind
        name, body = match.group(2), match.group(3)
        signature = re.search(r"using Signature = (\w+)\((.*?)\);", body)
        dvctl = re.search(r'kDvctl = "([^"]+)";', body)
        if signature and dvctl:
            kinds[name] = Kind(name, signature.group(1), _parameters(signature.group(2)), dvctl.group(1))
        else:
            raise TableError(f"{KINDS_FILE}: kind {name} needs a Signature and a kDvctl of its own")
    return kinds


class Row:
    def __init__(self, area, path, line, arguments, kinds, codes):
        if len(arguments) < 5:
            raise TableError(f"{path}:{line}: a row has kind, name, rule, codes and description")
        kind, self.name, self.rule, code_list, doc = arguments[:5]
        self.where = f"{path.relative_to(ROOT)}:{line}"
        self.area = area
        if kind not in kinds:
            raise TableError(f"{self.where}: unknown row kind {kind}")
        self.kind = kinds[kind]
        match = re.match(r"^DVC_CODES\((.*)\)$", code_list)
        if not match:
            raise TableError(f"{self.where}: the codes column is DVC_CODES(names...)")
        self.code_names = [c.strip() for c in match.group(1).split(",") if c.strip()]
        for name in self.code_names:
            if name not in codes:
                raise TableError(f"{self.where}: {name} is not in {CODES_FILE.name}")
        self.codes = [codes[name] for name in self.code_names]
        if not (doc.startswith('"') and doc.endswith('"')):
            raise TableError(f"{self.where}: the fifth column is the description, in quotes")
        self.doc = doc[1:-1]
        self.options = {}
        for option in arguments[5:]:
            match = OPTION.match(option)
            if not match:
                raise TableError(f"{self.where}: cannot read the option '{option}'")
            self.options[match.group(1)] = match.group(2)


def read_rows(area, kinds=None, codes=None):
    """The rows of one area table, in order."""
    kinds = kinds if kinds is not None else read_kinds()
    codes = codes if codes is not None else read_codes()
    path = FEATURES / f"{area}_table.def"
    rows = []
    for number, line in enumerate(path.read_text().splitlines(), 1):
        match = ROW.match(line)
        if match:
            rows.append(Row(area, path, number, split_arguments(match.group(1)), kinds, codes))
        elif line.startswith("DVC_"):
            raise TableError(f"{path}:{number}: a row is DVC_ROW(...) on one line")
    return rows


def read_table():
    """Every row of every area, in table order."""
    kinds, codes = read_kinds(), read_codes()
    return [row for area in AREAS for row in read_rows(area, kinds, codes)]
