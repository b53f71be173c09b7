"""Synthesised instruments: drum one-shots, wavetable voices and FM keys.

Each note function returns a stereo array (2, n) that starts at the note
onset and already contains its release tail; the renderer only adds it into
a bus.  Oscillators read band-limited wavetables built per pitch, so there
is no aliasing even on bright saws.
"""

from functools import lru_cache

import numpy as np

from dsp import SR, envelope, fade_edges, fft_filter, highpass_gain, lowpass_gain, pan_gains, stft_filter

TABLE = 4096


def midi_hz(m):
    return 440.0 * 2.0 ** ((np.asarray(m, dtype=np.float64) - 69.0) / 12.0)


@lru_cache(maxsize=4096)
def _table(shape, f0_key, fc_key):
    """Band-limited single-cycle wave with a 2-pole low-pass roll-off."""
    f0 = 2.0 ** (f0_key / 24.0)
    fc = 2.0 ** (fc_key / 6.0)
    kmax = int(min(TABLE // 2 - 1, 19000.0 / f0))
    k = np.arange(1, kmax + 1)
    if shape == "saw":
        amp = 1.0 / k
    elif shape == "square":
        amp = np.where(k % 2 == 1, 1.0 / k, 0.0)
    else:
        raise ValueError(shape)
    amp = amp * lowpass_gain(k * f0, fc, 2)
    spec = np.zeros(TABLE // 2 + 1, dtype=np.complex128)
    spec[1:kmax + 1] = -0.5j * amp * TABLE
    tab = np.fft.irfft(spec, TABLE)
    return np.append(tab, tab[0])


def table(shape, f0, fc):
    # Quantise pitch to quarter-tones and cutoff to 1/6 octave so the cache
    # stays small; the difference is inaudible.
    f0_key = int(round(24.0 * np.log2(max(f0, 1.0))))
    fc_key = int(round(6.0 * np.log2(max(fc, 20.0))))
    return _table(shape, f0_key, fc_key)


def read_table(tab, phase):
    p = (phase % 1.0) * TABLE
    i = p.astype(np.int64)
    fr = p - i
    return tab[i] + fr * (tab[i + 1] - tab[i])


def _stereo(mono, pan):
    gl, gr = pan_gains(pan)
    return np.vstack([mono * gl, mono * gr])


# --------------------------------------------------------------------------
# Drums
# --------------------------------------------------------------------------

def _metal(t, rng, scale=1.0):
    """Six detuned square waves: the classic metallic base for hats and cymbals."""
    freqs = np.array([205.3, 304.4, 369.6, 522.7, 540.0, 800.0]) * scale
    freqs *= 1.0 + 0.01 * rng.standard_normal(6)
    ph = rng.random(6)
    return np.sign(np.sin(2 * np.pi * (freqs[:, None] * t[None, :] + ph[:, None]))).sum(axis=0) / 6.0


def make_kick(rng, length=0.55):
    n = int(length * SR)
    t = np.arange(n) / SR
    f = 46.0 + 120.0 * np.exp(-t / 0.032) + 350.0 * np.exp(-t / 0.0025)
    body = np.sin(2 * np.pi * np.cumsum(f) / SR) * np.exp(-t / 0.30)
    click = fft_filter(rng.standard_normal(n), lambda fr: highpass_gain(fr, 2500) * lowpass_gain(fr, 9000))
    click *= np.exp(-t / 0.003) * 0.25
    y = np.tanh(1.8 * (body + click)) / np.tanh(1.8)
    return fade_edges(y, 0.0005, 0.03)


def make_snare(rng, length=0.45):
    n = int(length * SR)
    t = np.arange(n) / SR
    fdrop = 1.0 + 0.3 * np.exp(-t / 0.01)
    tone = (np.sin(2 * np.pi * np.cumsum(185.0 * fdrop) / SR) * np.exp(-t / 0.07)
            + 0.5 * np.sin(2 * np.pi * np.cumsum(330.0 * fdrop) / SR) * np.exp(-t / 0.045))
    noise = fft_filter(rng.standard_normal(n), lambda fr: highpass_gain(fr, 1200) * lowpass_gain(fr, 7000))
    noise *= np.exp(-t / 0.13) / max(np.std(noise[: n // 8]), 1e-9) * 0.35
    y = 0.55 * tone + noise
    return fade_edges(y / np.max(np.abs(y)), 0.0005, 0.02)


def make_clap(rng, length=0.5):
    n = int(length * SR)
    t = np.arange(n) / SR
    env = np.zeros(n)
    for i, d in enumerate([0.0, 0.010, 0.021, 0.030]):
        tt = np.maximum(t - d, 0.0)
        env += np.where(t >= d, np.exp(-tt / 0.0055), 0.0) * (0.8 if i < 3 else 1.0)
    env += np.where(t >= 0.030, 0.6 * np.exp(-np.maximum(t - 0.030, 0.0) / 0.11), 0.0)
    noise = fft_filter(rng.standard_normal(n), lambda fr: highpass_gain(fr, 900, 2) * lowpass_gain(fr, 4200, 2))
    y = noise * env
    return fade_edges(y / np.max(np.abs(y)), 0.0005, 0.02)


def make_hat(rng, decay, length, hp=7000.0):
    n = int(length * SR)
    t = np.arange(n) / SR
    src = 0.6 * _metal(t, rng, 1.6) + 0.7 * rng.standard_normal(n)
    y = fft_filter(src, lambda fr: highpass_gain(fr, hp, 3) * lowpass_gain(fr, 11000, 2))
    y *= np.exp(-t / decay)
    return fade_edges(y / np.max(np.abs(y)), 0.001, 0.01)


def make_crash(rng, length=3.2):
    n = int(length * SR)
    t = np.arange(n) / SR
    src = 0.5 * _metal(t, rng, 2.3) + rng.standard_normal(n)
    y = fft_filter(src, lambda fr: highpass_gain(fr, 3500, 2) * lowpass_gain(fr, 10000, 2))
    y *= np.exp(-t / 0.85) * (0.7 + 0.3 * np.exp(-t / 0.05))
    return fade_edges(y / np.max(np.abs(y)), 0.001, 0.2)


def make_tom(rng, freq, length=0.5):
    n = int(length * SR)
    t = np.arange(n) / SR
    f = freq * (1.0 + 0.6 * np.exp(-t / 0.04))
    y = np.sin(2 * np.pi * np.cumsum(f) / SR) * np.exp(-t / 0.22)
    hit = fft_filter(rng.standard_normal(n), lambda fr: highpass_gain(fr, 800) * lowpass_gain(fr, 5000))
    y += 0.15 * hit * np.exp(-t / 0.01)
    return fade_edges(y / np.max(np.abs(y)), 0.0005, 0.03)


def make_shaker(rng, length=0.15):
    n = int(length * SR)
    t = np.arange(n) / SR
    y = fft_filter(rng.standard_normal(n), lambda fr: highpass_gain(fr, 5000, 2) * lowpass_gain(fr, 11000, 2))
    y *= (1.0 - np.exp(-t / 0.012)) * np.exp(-t / 0.045)
    return fade_edges(y / np.max(np.abs(y)), 0.001, 0.01)


def make_impact(rng, length=2.5):
    """Low boom for the big section entries."""
    n = int(length * SR)
    t = np.arange(n) / SR
    f = 32.0 + 40.0 * np.exp(-t / 0.25)
    boom = np.sin(2 * np.pi * np.cumsum(f) / SR) * np.exp(-t / 0.9)
    rumble = fft_filter(rng.standard_normal(n), lambda fr: lowpass_gain(fr, 400, 2)) * np.exp(-t / 0.5)
    y = boom + 0.3 * rumble / np.std(rumble)
    return fade_edges(y / np.max(np.abs(y)), 0.001, 0.3)


class DrumKit:
    """Pre-rendered one-shots with a few round-robin variants per drum."""

    def __init__(self, rng, variants=4):
        self.sounds = {
            "kick": [make_kick(rng) for _ in range(2)],
            "snare": [make_snare(rng) for _ in range(variants)],
            "clap": [make_clap(rng) for _ in range(variants)],
            "chh": [make_hat(rng, 0.035, 0.2) for _ in range(variants)],
            "ohh": [make_hat(rng, 0.22, 0.8, hp=6000.0) for _ in range(variants)],
            "crash": [make_crash(rng) for _ in range(2)],
            "tomh": [make_tom(rng, 190.0)],
            "tomm": [make_tom(rng, 140.0)],
            "toml": [make_tom(rng, 100.0)],
            "shaker": [make_shaker(rng) for _ in range(variants)],
            "impact": [make_impact(rng)],
        }
        self._count = {}

    def hit(self, name):
        vs = self.sounds[name]
        c = self._count.get(name, 0)
        self._count[name] = c + 1
        return vs[c % len(vs)]


def riser(rng, dur, f0=250.0, f1=9000.0):
    """Noise swept through a narrowing band-pass, swelling up to its end."""
    n = int(dur * SR)
    noise = rng.standard_normal(n)

    def gain(times, freqs):
        x = np.clip(times / dur, 0.0, 1.0)
        fc = f0 * (f1 / f0) ** (x ** 1.3)
        oct_dist = np.log2(np.maximum(freqs, 1.0) / fc)
        return np.exp(-0.5 * (oct_dist / 0.9) ** 2)

    y = stft_filter(noise, gain)
    t = np.arange(n) / SR
    y *= (t / dur) ** 2.2
    y /= max(np.max(np.abs(y)), 1e-9)
    return fade_edges(y, 0.01, 0.02)


def reverse_crash(kit, dur):
    src = kit.sounds["crash"][0]
    n = min(int(dur * SR), len(src))
    y = src[:n][::-1].copy()
    k = min(n, int(0.25 * SR))
    y[:k] *= np.linspace(0.0, 1.0, k) ** 2
    return fade_edges(y, 0.005, 0.004)


# --------------------------------------------------------------------------
# Melodic voices
# --------------------------------------------------------------------------

def _voice_stack(rng, freq, n, detunes, pans, shape, fc_dark, fc_bright, bright, vib=None):
    """Detuned wavetable voices, cross-fading a dark and a bright table."""
    t = np.arange(n) / SR
    out = np.zeros((2, n))
    for cents, pan in zip(detunes, pans):
        f = freq * 2.0 ** (cents / 1200.0)
        if vib is not None:
            phase = np.cumsum(f * vib) / SR + rng.random()
        else:
            phase = f * t + rng.random()
        dark = table(shape, f, fc_dark)
        brt = table(shape, f, fc_bright)
        p = (phase % 1.0) * TABLE
        i = p.astype(np.int64)
        fr = p - i
        a = dark[i] + fr * (dark[i + 1] - dark[i])
        b = brt[i] + fr * (brt[i + 1] - brt[i])
        mono = a + bright * (b - a)
        gl, gr = pan_gains(pan)
        out[0] += gl * mono
        out[1] += gr * mono
    return out / np.sqrt(len(detunes))


def pad_note(rng, midi, dur, vel, bright, attack=0.4, release=1.2, pan=0.0):
    f = float(midi_hz(midi))
    n = int((dur + release) * SR)
    fc = 250.0 * 2.0 ** (bright * 5.5)
    t = np.arange(n) / SR
    swell = 1.0 - np.exp(-t / max(attack * 1.5, 0.05))
    sig = _voice_stack(rng, f, n, [-9.0, 0.0, 8.0], [pan - 0.6, pan, pan + 0.6],
                       "saw", fc * 0.35, fc, swell)
    env = envelope(n, dur, attack, 0.5, 0.85, release)
    return sig * env * vel


def lead_note(rng, midi, dur, vel, bright=0.6, big=False, pan=0.0, release=0.25):
    f = float(midi_hz(midi))
    n = int((dur + release) * SR)
    t = np.arange(n) / SR
    # Pitch scoops up into the note and a delayed vibrato: it sings instead of beeping.
    scoop = -0.35 * np.exp(-t / 0.025)
    vib_depth = 0.18 * np.clip((t - 0.25) / 0.4, 0.0, 1.0)
    semis = scoop + vib_depth * np.sin(2 * np.pi * 5.3 * t)
    vib = 2.0 ** (semis / 12.0)
    fc = 600.0 * 2.0 ** (bright * 4.5)
    bright_env = 0.45 + 0.55 * np.exp(-t / 0.18)
    if big:
        det = [-18.0, -7.0, 0.0, 7.0, 18.0]
        pans = [pan - 0.7, pan - 0.3, pan, pan + 0.3, pan + 0.7]
    else:
        det = [-6.0, 6.0]
        pans = [pan - 0.15, pan + 0.15]
    sig = _voice_stack(rng, f, n, det, pans, "saw", fc * 0.3, fc, bright_env, vib)
    sq = read_table(table("square", f / 2, fc * 0.5), np.cumsum(f / 2 * vib) / SR)
    sig += 0.25 * _stereo(sq, pan)
    env = envelope(n, dur, 0.012, 0.35, 0.75, release)
    return sig * env * vel


def pluck_note(rng, midi, dur, vel, bright=0.5, pan=0.0, decay=0.22):
    f = float(midi_hz(midi))
    release = 0.12
    n = int((dur + release) * SR)
    t = np.arange(n) / SR
    fc = 500.0 * 2.0 ** (bright * 4.5)
    bright_env = np.exp(-t / 0.06)
    sig = _voice_stack(rng, f, n, [-4.0, 4.0], [pan - 0.2, pan + 0.2], "saw", fc * 0.2, fc, bright_env)
    env = envelope(n, dur, 0.003, decay, 0.0, release)
    return sig * env * vel


def bass_note(rng, midi, dur, vel, bright=0.4, pluck=0.6):
    f = float(midi_hz(midi))
    release = 0.04
    n = int((dur + release) * SR)
    t = np.arange(n) / SR
    fc = 150.0 * 2.0 ** (bright * 4.0)
    bright_env = pluck * np.exp(-t / 0.09) + (1.0 - pluck) * 0.6
    saw = _voice_stack(rng, f, n, [0.0], [0.0], "saw", fc * 0.4, fc * 2.0, bright_env)
    sub = np.sin(2 * np.pi * f * t)
    sig = 0.55 * saw + _stereo(0.75 * sub, 0.0)
    env = envelope(n, dur, 0.004, 0.3, 0.8, release)
    return sig * env * vel


def sub_note(rng, midi, dur, vel, attack=1.0, release=1.5):
    f = float(midi_hz(midi))
    n = int((dur + release) * SR)
    t = np.arange(n) / SR
    ph = 2 * np.pi * f * t
    mono = np.sin(ph) + 0.15 * np.sin(2 * ph)
    env = envelope(n, dur, attack, 0.5, 1.0, release)
    return _stereo(mono * env * vel, 0.0)


def bell_note(rng, midi, dur, vel, pan=0.0, ratio=3.5, index=2.2, decay=1.6):
    """Two-operator FM: inharmonic ratio gives a glassy bell, ratio 1 an e-piano."""
    f = float(midi_hz(midi))
    release = min(decay, 1.2)
    n = int((dur + release) * SR)
    t = np.arange(n) / SR
    idx = index * np.exp(-t / (decay * 0.35))
    mod = np.sin(2 * np.pi * ratio * f * t + rng.random() * 6.28)
    mono = np.sin(2 * np.pi * f * t + idx * mod)
    mono += 0.3 * np.sin(2 * np.pi * 2.0 * f * t) * np.exp(-t / (decay * 0.3))
    env = envelope(n, dur, 0.004, decay, 0.0, release) * 0.9 + envelope(n, dur, 0.004, 0.05, 0.0, release) * 0.1
    return _stereo(mono * env * vel, pan)
