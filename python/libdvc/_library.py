"""Loads libdvc.so.1 and gives each export its C signature.

Where the library is looked for, first found wins: the file that
LIBDVC_LIBRARY names; the folder that LIBDVC_LIBDIR names (a build tree's
lib/); the install prefix this package was installed under (by
`cmake --install`); the system's library path."""
import ctypes
import os
import pathlib

from ._prototypes import PROTOTYPES

SONAME = "libdvc.so.1"

_SCALARS = {
    "DvError": ctypes.c_int32,
    "int": ctypes.c_int,
    "double": ctypes.c_double,
    "uint32_t": ctypes.c_uint32,
    "int32_t": ctypes.c_int32,
    "uint16_t": ctypes.c_uint16,
    "int16_t": ctypes.c_int16,
    "uint8_t": ctypes.c_uint8,
    "void": None,
}


class Colour(ctypes.Structure):
    """The colour value type, passed by value: X, Y, Z and x, y are used."""
    _fields_ = [("reserved_a", ctypes.c_double * 7), ("X", ctypes.c_double), ("Y", ctypes.c_double),
                ("Z", ctypes.c_double), ("x", ctypes.c_double), ("y", ctypes.c_double),
                ("reserved_b", ctypes.c_double * 6)]


_SCALARS["colour"] = Colour


def _ctype(spelling):
    """The ctypes type of a C type as the headers spell it."""
    if spelling == "const char *":
        return ctypes.c_char_p
    if spelling.endswith("*") or spelling.endswith("Func"):  # buffers, structs, callbacks
        return ctypes.c_void_p
    return _SCALARS[spelling]


def _candidates():
    if os.environ.get("LIBDVC_LIBRARY"):
        yield os.environ["LIBDVC_LIBRARY"]
    if os.environ.get("LIBDVC_LIBDIR"):
        yield os.path.join(os.environ["LIBDVC_LIBDIR"], SONAME)
    # PREFIX/lib/pythonX/site-packages/libdvc/_library.py -> PREFIX/lib
    here = pathlib.Path(__file__).resolve().parent
    for up in list(here.parents)[:5]:
        for candidate in [up / "lib" / SONAME, up / "lib64" / SONAME, *sorted(up.glob("lib/*-linux-gnu/" + SONAME))]:
            if candidate.exists():
                yield str(candidate)
    yield SONAME


def load():
    errors = []
    for path in _candidates():
        try:
            lib = ctypes.CDLL(path)
            break
        except OSError as e:
            errors.append(str(e))
    else:
        raise OSError(f"{SONAME} was not found (set LIBDVC_LIBRARY or LIBDVC_LIBDIR): " + "; ".join(errors))
    for name, (result, args) in PROTOTYPES.items():
        fn = getattr(lib, name, None)
        if fn is None:  # declared but not built: left out, as the library leaves it out
            continue
        fn.restype = _ctype(result)
        fn.argtypes = [_ctype(a) for a in args]
    return lib
