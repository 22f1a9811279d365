#!/usr/bin/env python3
"""Writes dvctl's catalogue of plain features, tools/dvctl/feature_catalog.inc,
from the rows of the library's feature table (src/features/<area>_table.def).
Each row kind says its role (supported, get, set, range, run) and the form in
which dvctl calls its export (its kDvctl in src/features/row_kinds.hpp).

Rows are grouped by stem: the export name without its verb (Get, Set,
Supported; GetRange for range rows). Command rows keep their whole name.
Each stem becomes one entry: a readable kebab-case name, a few words taken
from the rows' descriptions, and the addresses of its public exports by
family. A stem without a Supported export of its own is asked through the
Supported export whose main code is a main code of the stem (among several,
the one whose stem starts the stem's name; else none, rather than a guess);
a Supported export that no other stem uses is an entry of its own.

  gen_dvctl_catalog.py           rewrite the catalogue
  gen_dvctl_catalog.py --check   exit 1 when the committed catalogue differs
                                 from what the table gives
"""
import re
import sys

import feature_table
from feature_table import ROOT, TableError

OUTPUT = ROOT / "tools" / "dvctl" / "feature_catalog.inc"

# One word of a stem: an ordinal, an acronym before a capitalised word, a
# capitalised word (digits stay with the word before them), an acronym.
WORD = re.compile(r"\d+(?:nd|st|rd|th)|[A-Z]+\d*(?=[A-Z][a-z]|$)|[A-Z]?[a-z]+\d*|[A-Z]+\d*|\d+[A-Z]*")
# Words that run into their neighbours without a change of case, longest first.
GLUED = ("DDCCI", "EDID", "PbyP", "PinP", "DDC", "PUC", "2Pt", "3D", "5V", "DC")

VERBS = {"supported": ("Supported",), "get": ("Get",), "set": ("Set",), "range": ("GetRange", "Get")}

# Words for stems whose descriptions do not shorten well.
WORDS = {
    "2ndPowerOffTime": "time from power saving to fully off",
    "AllKeyLock": "all front keys locked",
    "AutoThriftluxAmbientLightRange": "ambient light range of automatic Thriftlux",
    "Chromaticity": "white point chromaticity (x, y)",
    "EnableVarnLogo": "maker's logo at power-on",
    "Gain": "gain of the red, green and blue channels",
    "PowerEmergencyEnable": "power emergency mode on (nonzero) or off (0)",
    "Power": "power on (1) or off (0)",
    "PowerSaveState": "in power saving (1) or not (0)",
    "SaveAtIndex": "save the current settings into a memory",
    "SystemChromaticity": "system primaries and white (x, y of red, green, blue, white)",
    "ThriftluxSense": "Thriftlux sense on (1) or off (0)",
    "TimeoutKeyLock": "minutes after which the front keys lock themselves",
    "VirtualKey": "press a virtual front key",
}

LEADS = ("Reads ", "Sets ", "Writes ", "Switches ", "Shows ", "Selects ", "Assigns ", "Enables ")
ARTICLES = ("the ", "a ", "an ")


class Row:
    """A table row as the catalogue sees it."""

    def __init__(self, row):
        self.where = row.where
        self.name = row.name
        self.doc = row.doc
        self.role = row.kind.role
        self.wrapper = row.kind.form
        self.codes = row.codes
        self.copies = row.kind.name == "ValueCopy"  # reads one code and writes another: both are main
        self.range_of = row.options.get("RangeOf")
        option = row.kind.form_option
        self.extra = row.options.get(option) if option else None
        if option and self.extra is None:
            raise SystemExit(f"{row.where}: dvctl calls {row.name} with its {option} option, which the row lacks")
        self.stem = self.name
        if self.role in VERBS:
            for verb in VERBS[self.role]:
                if self.name.startswith(verb) and len(self.name) > len(verb):
                    self.stem = self.name[len(verb):]
                    break


def table_rows():
    """The table's rows in table order."""
    try:
        return [Row(row) for row in feature_table.read_table()]
    except TableError as error:
        raise SystemExit(str(error))


def kebab(stem):
    """OSDLanguage -> osd-language, AutoThriftluxSettingsV2 -> auto-thriftlux-settings-v2,
    EDIDDDCWrite -> edid-ddc-write."""
    words, at = [], 0
    while at < len(stem):
        word = next((w for w in GLUED if stem.startswith(w, at) and not stem[at + len(w):at + len(w) + 1].islower()),
                    None)
        if word is None:
            match = WORD.match(stem, at)
            if not match:
                raise SystemExit(f"cannot split the stem {stem} into words")
            word = match.group(0)
        words.append(word.lower())
        at += len(word)
    return "-".join(words)


def shorten(doc):
    """A description sentence as a few words: 'Reads the X.' -> 'X'."""
    text = doc.split(";")[0].rstrip(".").replace("`", "")
    if text.startswith("The number of "):
        return "number of " + text[len("The number of "):]
    if text.startswith("Nonzero when "):
        text = text[len("Nonzero when "):]
        if text.startswith("the monitor has "):
            text = text[len("the monitor has "):]
        elif text.startswith("the monitor "):
            return text
    for lead in LEADS:
        if text.startswith(lead):
            text = text[len(lead):]
            break
    for article in ARTICLES:
        if text.startswith(article):
            text = text[len(article):]
            break
    return text


def words_for(stem, members):
    if stem in WORDS:
        return WORDS[stem]
    for role in ("get", "range", "set", "run", "supported"):
        if role in members:
            row = members[role]
            if role == "run":
                return row.doc[0].lower() + row.doc[1:].split(";")[0].rstrip(".")
            return shorten(row.doc)
    raise SystemExit(f"{stem}: no row to describe it")


def catalogue(rows):
    """(stem, members) by readable name; members maps a role to its row, and
    "asked" to the Supported row of another stem when the stem has none."""
    stems = {}
    for row in rows:
        members = stems.setdefault(row.stem, {})
        if row.role in members:
            raise SystemExit(f"{row.where}: {row.name} is a second {row.role} of {row.stem} "
                             f"(after {members[row.role].name}); dvctl takes one per stem")
        members[row.role] = row
    by_name = {row.name: row for row in rows}
    supported = [row for row in rows if row.role == "supported"]
    for row in supported:
        if row.range_of:
            row.codes = by_name[row.range_of].codes
    for stem, members in stems.items():
        if "supported" not in members:
            chosen = asked_for(stem, members, supported)
            if chosen is not None:
                members["asked"] = chosen
    shared = {id(m["asked"]) for m in stems.values() if "asked" in m}
    entries = [(stem, members) for stem, members in stems.items()
               if set(members) != {"supported"} or id(members["supported"]) not in shared]
    names = {}
    for stem, _ in entries:
        name = kebab(stem)
        if name in names:
            raise SystemExit(f"{stem} and {names[name]} would both be called {name}")
        names[name] = stem
    return sorted(entries, key=lambda e: kebab(e[0]))


def asked_for(stem, members, supported):
    """The Supported row whose main code is a main code of the stem's rows
    (a copy row has two); among several, the one whose stem starts this stem's
    name, else none: that would be a guess."""
    main = set()
    for row in members.values():
        main.update(row.codes if row.copies else row.codes[:1])
    candidates = [s for s in supported if s.codes and s.codes[0] in main]
    if len(candidates) == 1:
        return candidates[0]
    named = [s for s in candidates if stem.startswith(s.stem)]
    return max(named, key=lambda s: len(s.stem)) if named else None


def operation(members, role):
    row = members.get(role)
    if row is None:
        return "{}"
    extra = f", {row.extra}" if row.extra is not None else ""
    return f"{row.wrapper}{{DvCtrl{row.name}{extra}}}"


def entry(stem, members):
    supported = members.get("supported") or members.get("asked")
    asked = f'Ask{{DvCtrl{supported.name}, "DvCtrl{supported.name}"}}' if supported else "{}"
    words = words_for(stem, members).replace("\\", "\\\\").replace('"', '\\"')
    return (f'{{"{kebab(stem)}", "{stem}", "{words}", {asked},\n'
            f'  {operation(members, "get")}, {operation(members, "set")}, {operation(members, "range")}, '
            f'{operation(members, "run")}}},')


HEADER = """// dvctl's plain features: written by scripts/gen_dvctl_catalog.py from
// src/features/*_table.def; change the table (or the generator's word
// list), not these lines. One entry per stem: name, stem, words, the
// Supported export asked for it (none: {}), then its get, set, range and run
// exports.
"""


def main():
    check = "--check" in sys.argv[1:]
    rows = table_rows()
    entries = catalogue(rows)
    text = HEADER + "".join(entry(stem, members) + "\n" for stem, members in entries)
    current = OUTPUT.read_text() if OUTPUT.exists() else ""
    print(f"dvctl catalogue: {len(entries)} features from {len(rows)} table rows")
    if text == current:
        return 0
    if check:
        print(f"{OUTPUT}: differs from the feature table (run scripts/gen_dvctl_catalog.py)", file=sys.stderr)
        return 1
    OUTPUT.write_text(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
