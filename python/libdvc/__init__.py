"""libdvc for Python: the monitors attached over DDC/CI and USB HID, and
their settings, through the library's C API.

    import libdvc
    for m in libdvc.monitors():
        print(m.model, m.serial, m.brightness)
        m.brightness = 0.5
        m.set("audio-volume", 30)
        with m.lock():
            m.set("osd-language", 3)

Set DVC_SIM=default to reach the built-in virtual monitors."""
import contextlib
import ctypes
import re

from . import _library
from .errors import DvcError, check, error_name

__all__ = ["DvcError", "Monitor", "error_name", "monitors", "release", "version"]

_lib = _library.load()

try:
    import numpy as _np
except ImportError:  # LUTs come as lists without numpy
    _np = None

_SERIAL_BYTES, _MODEL_BYTES = 9, 17
_LUT_ENTRIES = 256
_ID = ("const char *", "const char *")


def version():
    """The library's version as (major, minor, patch)."""
    v = _lib.DvCtrlVersion()
    return (v >> 24, (v >> 16) & 0xFF, (v >> 8) & 0xFF)


def _has(name):
    return getattr(_lib, name, None) is not None and name in _library.PROTOTYPES


def _args(name):
    return _library.PROTOTYPES[name][1]


def _stems():
    """Feature names as the exports spell them, by their letters and digits in lower case."""
    stems = {}
    for name in _library.PROTOTYPES:
        m = re.match(r"DvCtrl(?:Get|Set)(\w+)$", name)
        if m and not m.group(1).startswith("Range"):
            stems.setdefault(m.group(1).lower(), m.group(1))
    return stems


_STEMS = _stems()


def _stem(feature):
    """The stem of a feature named in kebab case ("audio-volume") or as the exports do ("AudioVolume")."""
    stem = _STEMS.get(re.sub(r"[^0-9a-z]", "", feature.lower()))
    if stem is None:
        raise KeyError(f"no feature is called {feature!r}")
    return stem


def release():
    """Forgets the monitors found (DvCtrlRelease)."""
    check(_lib.DvCtrlRelease(), "DvCtrlRelease")


def monitors(kinds=None):
    """Finds the monitors (over `kinds`, the DvPath numbers; by default HID,
    then DDC/CI) and returns them, in the library's order."""
    if kinds:
        array = (ctypes.c_int * len(kinds))(*kinds)
        count = _lib.DvCtrlFind(array, len(kinds))
    else:
        count = _lib.DvCtrlFind(None, 0)
    found = []
    for index in range(max(count, 0)):
        serial = ctypes.create_string_buffer(_SERIAL_BYTES)
        model = ctypes.create_string_buffer(_MODEL_BYTES)
        if _lib.DvCtrlGetSerialProduct(index, serial, model) == 0:
            found.append(Monitor(index, serial.value, model.value))
    return found


class Monitor:
    """One logical monitor, named by its serial number and model name."""

    def __init__(self, index, serial, model):
        self.index = index
        self._ids = (serial, model)
        self.serial = serial.decode("ascii", "backslashreplace")
        self.model = model.decode("ascii", "backslashreplace")

    def __repr__(self):
        return f"Monitor({self.index}, {self.serial!r}, {self.model!r})"

    def _call(self, name, *args):
        fn = getattr(_lib, name, None)
        if fn is None:
            raise NotImplementedError(f"{name} is not in this build of libdvc")
        return fn(*self._ids, *args)

    @property
    def path_kind(self):
        """The DvPath kind that found the monitor first."""
        kind = ctypes.c_int(-1)
        check(self._call("DvCtrlGetCommunicationPath", ctypes.byref(kind)), "DvCtrlGetCommunicationPath")
        return kind.value

    def supported(self, feature):
        """True when the monitor has the feature (its Supported export says so)."""
        return bool(self._call("DvCtrlSupported" + _stem(feature)))

    def get(self, feature, channel=None):
        """A whole-number feature's value; `channel` for a colour channel's."""
        name = "DvCtrlGet" + _stem(feature)
        value = ctypes.c_int()
        args = _args(name) if name in _library.PROTOTYPES else ()
        if args == _ID + ("int *",):
            check(self._call(name, ctypes.byref(value)), name)
        elif args == _ID + ("int *", "int"):
            check(self._call(name, ctypes.byref(value), 0 if channel is None else channel), name)
        else:
            raise TypeError(f"{feature} is not read as a whole number")
        return value.value

    def set(self, feature, value, channel=None):
        """Sets a whole-number feature (of a colour channel)."""
        name = "DvCtrlSet" + _stem(feature)
        args = _args(name) if name in _library.PROTOTYPES else ()
        if args == _ID + ("int",):
            check(self._call(name, int(value)), name)
        elif args == _ID + ("int", "int"):
            check(self._call(name, int(value), 0 if channel is None else channel), name)
        else:
            raise TypeError(f"{feature} is not set as a whole number")

    def range(self, feature):
        """(minimum, maximum) of a whole-number feature."""
        name = "DvCtrlGetRange" + _stem(feature)
        high, low = ctypes.c_int(), ctypes.c_int()
        check(self._call(name, ctypes.byref(high), ctypes.byref(low)), name)
        return low.value, high.value

    def _ratio(self, what):
        ratio = ctypes.c_double()
        check(self._call(f"DvCtrlGet{what}ForPercentage", ctypes.byref(ratio)), f"DvCtrlGet{what}ForPercentage")
        return ratio.value

    def _set_ratio(self, what, ratio):
        check(self._call(f"DvCtrlSet{what}ForPercentage", float(ratio)), f"DvCtrlSet{what}ForPercentage")

    brightness = property(lambda self: self._ratio("Brightness"), lambda self, v: self._set_ratio("Brightness", v),
                          doc="Brightness as a fraction of its maximum (0.0 to 1.0).")
    contrast = property(lambda self: self._ratio("Contrast"), lambda self, v: self._set_ratio("Contrast", v),
                        doc="Contrast as a fraction of its maximum (0.0 to 1.0).")

    @contextlib.contextmanager
    def lock(self):
        """Holds the monitor for this thread across calls (DvCtrlLockMonitor)."""
        check(self._call("DvCtrlLockMonitor"), "DvCtrlLockMonitor")
        try:
            yield self
        finally:
            check(self._call("DvCtrlUnlockMonitor"), "DvCtrlUnlockMonitor")

    def get_lut(self, channel, bank=0):
        """The tone LUT of a channel (1 red, 2 green, 3 blue) in a bank: 256
        levels from 0.0 to 1.0, as a numpy array when numpy is there, a list
        otherwise."""
        if not _has("DvCtrlGetLUT"):
            raise NotImplementedError("DvCtrlGetLUT is not in this build of libdvc")
        levels = (ctypes.c_double * _LUT_ENTRIES)()
        check(self._call("DvCtrlGetLUT", channel, levels, ctypes.byref(ctypes.c_int(bank))), "DvCtrlGetLUT")
        return _np.array(levels[:], dtype=float) if _np is not None else list(levels)

    def set_lut(self, channel, levels, bank=0):
        """Sets the tone LUT of a channel (1 red, 2 green, 3 blue) in a bank
        from 256 levels (0.0 to 1.0)."""
        if not _has("DvCtrlSetLUT"):
            raise NotImplementedError("DvCtrlSetLUT is not in this build of libdvc")
        values = [float(v) for v in levels]
        if len(values) != _LUT_ENTRIES:
            raise ValueError(f"a tone LUT has {_LUT_ENTRIES} levels, not {len(values)}")
        levels_in = (ctypes.c_double * _LUT_ENTRIES)(*values)
        check(self._call("DvCtrlSetLUT", channel, levels_in, ctypes.byref(ctypes.c_int(bank))), "DvCtrlSetLUT")
