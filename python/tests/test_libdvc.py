"""The Python binding on the built-in virtual monitors (DVC_SIM=default)."""
import os

import pytest

os.environ.setdefault("DVC_SIM", "default")
import libdvc  # noqa: E402


def _monitor(model, tmp_path, monkeypatch):
    monkeypatch.setenv("DVC_SIM_STATE", str(tmp_path / "state.json"))
    libdvc.release()
    return next(m for m in libdvc.monitors() if m.model == model)


@pytest.fixture()
def cx2740(tmp_path, monkeypatch):
    yield _monitor("CX2740", tmp_path, monkeypatch)
    libdvc.release()


@pytest.fixture()
def cg3180(tmp_path, monkeypatch):
    yield _monitor("CG3180", tmp_path, monkeypatch)
    libdvc.release()


def test_monitors_are_named_by_their_identifier_pair():
    found = {(m.serial, m.model) for m in libdvc.monitors()}
    assert ("21409001", "CX2740") in found and ("23100077", "CG3180") in found
    assert libdvc.version()[0] == 1


def test_values_read_and_set_by_feature_name_and_as_properties(cx2740):
    cx2740.brightness = 0.4
    assert cx2740.brightness == pytest.approx(0.4)
    assert cx2740.range("audio-volume") == (0, 100)
    for name in ("audio-volume", "AudioVolume"):
        cx2740.set(name, 44)
        assert cx2740.get(name) == 44
    cx2740.set("gain", 200, channel=1)
    assert cx2740.get("gain", channel=1) == 200
    with cx2740.lock():
        cx2740.set("osd-language", 3)
    assert cx2740.get("osd-language") == 3


def test_failures_raise_with_the_dverror(cx2740):
    with pytest.raises(libdvc.DvcError) as refused:
        cx2740.set("audio-volume", 500)
    assert (refused.value.name, refused.value.code) == ("DvErrRefused", -2147483642)
    assert cx2740.get("audio-volume") != 500
    with pytest.raises(KeyError):
        cx2740.get("no-such-feature")
    with pytest.raises(TypeError):
        cx2740.set("chromaticity", 1)


def test_tone_lut_round_trip(cg3180):
    levels = [(i / 255) ** 1.1 for i in range(256)]
    cg3180.set_lut(2, levels)
    assert list(cg3180.get_lut(2)) == pytest.approx(levels, abs=1e-3)
    with pytest.raises(ValueError):
        cg3180.set_lut(2, levels[:10])
