"""DvError values as Python exceptions."""
from ._prototypes import ERRORS

_BY_CODE = {code: (name, sentence) for name, code, sentence in ERRORS}


def error_name(code):
    """The DvError's name ("DvErrRefused"), as DvErrorName gives it."""
    if code in _BY_CODE:
        return _BY_CODE[code][0]
    return "DvOk" if code >= 0 else "DvErrUnknown"


class DvcError(Exception):
    """A call of libdvc failed: `code` is the DvError value, `name` its name,
    `sentence` what it means, `call` what was asked."""

    def __init__(self, code, call=""):
        self.code = code
        self.name = error_name(code)
        self.sentence = _BY_CODE.get(code, ("", "Unknown error."))[1]
        self.call = call
        super().__init__(f"{call}: {self.sentence} ({self.name})" if call else f"{self.sentence} ({self.name})")


def check(code, call=""):
    """Raises DvcError for a negative result; returns it otherwise."""
    if code < 0:
        raise DvcError(code, call)
    return code
