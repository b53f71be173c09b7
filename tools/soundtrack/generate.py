#!/usr/bin/python3
# Fraglume soundtrack generator: composes and synthesises the show's music
# offline (drums from noise and sine sweeps, bass, pads, plucked arpeggio,
# lead, FM bells), 44.1 kHz stereo, ~375 s, cut to the scene switches.
# Deterministic: the same code gives the same WAV on every run.
#   Run from anywhere:  /usr/bin/python3 tools/soundtrack/generate.py
#   Options: --out PATH (default resources/vell-short.mp3), --keep-wav PATH,
#            --wav-only (skip LAME).  Needs numpy and the `lame` encoder.
# It renders to a temporary WAV, encodes 128 kbit/s CBR MP3 with LAME, then
# decodes the MP3 again and prints its duration and peak level as a check.

import argparse
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import numpy as np

sys.path.insert(0, str(Path(__file__).resolve().parent))

from dsp import (SR, fft_convolve, fft_filter, highpass_gain, limiter, lowpass_gain,  # noqa: E402
                 read_wav16, soft_clip, write_wav16)
from instruments import (DrumKit, bass_note, bell_note, lead_note, pad_note, pluck_note,  # noqa: E402
                         reverse_crash, riser, sub_note)
from score import compose  # noqa: E402

SEED = 0x5EED_F1A6
REPO = Path(__file__).resolve().parents[2]

BUS_OF_NOTE = {"pad": "pad", "lead": "lead", "pluck": "keys", "bell": "keys", "bass": "bass", "sub": "bass"}
# Loudness of each bus (dB RMS) in the reference section where everything plays.
BUS_TARGET_DB = {"kick": -14.0, "drums": -20.5, "bass": -17.0, "pad": -18.5, "keys": -23.0, "lead": -17.0}
# Balance inside the drum bus: cymbals sit behind snare and clap.
DRUM_GAIN = {"chh": 0.4, "ohh": 0.38, "shaker": 0.45, "crash": 0.6}
REFERENCE = (209.0, 244.0)
REVERB_SEND = {"pad": 0.35, "keys": 0.5, "lead": 0.3, "drums": 0.12, "fx": 0.35}
SIDECHAIN = {"pad": 0.55, "keys": 0.35, "bass": 0.45, "lead": 0.15}


def add_into(bus, sig, t):
    start = int(round(t * SR))
    if sig.ndim == 1:
        sig = np.vstack([sig, sig])
    end = min(bus.shape[1], start + sig.shape[1])
    if end > start >= 0:
        bus[:, start:end] += sig[:, :end - start]


def render_note(rng, instr, dur, midi, vel, kw):
    if instr == "pad":
        return pad_note(rng, midi, dur, vel, **kw)
    if instr == "lead":
        return lead_note(rng, midi, dur, vel, **kw)
    if instr == "pluck":
        return pluck_note(rng, midi, dur, vel, **kw)
    if instr == "bass":
        return bass_note(rng, midi, dur, vel, **kw)
    if instr == "sub":
        return sub_note(rng, midi, dur, vel, **kw)
    if instr == "bell":
        return bell_note(rng, midi, dur, vel, **kw)
    raise ValueError(f"unknown instrument {instr!r}")


def pan_mono(sig, pan):
    a = (np.clip(pan, -1, 1) + 1) * np.pi / 4
    return np.vstack([sig * np.cos(a), sig * np.sin(a)])


def sidechain_curve(n, kicks):
    """Gain dip after every kick; pads and bass breathe with the beat."""
    curve = np.zeros(n)
    m = int(0.35 * SR)
    t = np.arange(m) / SR
    shape = np.where(t < 0.008, np.sin(0.5 * np.pi * t / 0.008), np.exp(-(t - 0.008) / 0.085))
    for tk, vel in kicks:
        s = int(round(tk * SR))
        e = min(n, s + m)
        if e > s:
            curve[s:e] = np.maximum(curve[s:e], vel * shape[:e - s])
    return curve


def pingpong(x, delay, feedback, taps):
    """Stereo echoes alternating sides, each repeat a little darker."""
    n = x.shape[1]
    d = int(round(delay * SR))
    out = np.zeros_like(x)
    sig = x.mean(axis=0)
    kern = np.array([0.2, 0.3, 0.3, 0.2])
    for k in range(1, taps + 1):
        sig = np.convolve(sig, kern, mode="same")
        if k * d >= n:
            break
        out[k % 2, k * d:] += (feedback ** k) * sig[:n - k * d]
    return out


def reverb_ir(rng, length=3.4):
    """Decaying stereo noise, highs dying faster than lows, a few early echoes."""
    n = int(length * SR)
    t = np.arange(n) / SR
    ir = np.zeros((2, n))
    bands = [(lambda f: lowpass_gain(f, 600, 2), 2.8),
             (lambda f: highpass_gain(f, 600, 2) * lowpass_gain(f, 4000, 2), 2.2),
             (lambda f: highpass_gain(f, 4000, 2), 1.1)]
    for ch in range(2):
        noise = rng.standard_normal(n)
        for gain_fn, rt60 in bands:
            ir[ch] += fft_filter(noise, gain_fn) * np.exp(-6.9 * t / rt60)
        for _ in range(8):
            d = int(rng.uniform(0.007, 0.06) * SR)
            ir[ch, d] += rng.uniform(0.5, 1.5) * (-1) ** ch
    pre = int(0.018 * SR)
    ir = np.concatenate([np.zeros((2, pre)), ir[:, :n - pre]], axis=1)
    ir[:, pre:pre + 441] *= np.linspace(0, 1, 441)
    ir[:, -int(0.3 * SR):] *= np.linspace(1, 0, int(0.3 * SR))
    ir = np.vstack([fft_filter(ir[c], lambda f: highpass_gain(f, 180, 2)) for c in range(2)])
    return ir / np.sqrt(np.sum(ir ** 2) / 2)


def rms_db(x):
    return 10 * np.log10(np.mean(x.astype(np.float64) ** 2) + 1e-20)


def render_buses(log):
    """Synthesise every event into its bus and level the buses; returns (buses, kicks, score, total)."""
    score, total = compose()
    n = int(round(total * SR))
    rng = np.random.default_rng(SEED)
    kit = DrumKit(np.random.default_rng(SEED + 1))
    buses = {name: np.zeros((2, n)) for name in ("kick", "drums", "bass", "pad", "keys", "lead", "fx")}

    t0 = time.time()
    kicks = []
    for t, name, vel, pan in sorted(score.drums, key=lambda e: e[0]):
        if name == "kick":
            kicks.append((t, vel))
            add_into(buses["kick"], pan_mono(kit.hit("kick") * vel, pan), t)
        elif name == "impact":
            add_into(buses["fx"], pan_mono(kit.hit("impact") * vel, pan), t)
        else:
            add_into(buses["drums"], pan_mono(kit.hit(name) * vel * DRUM_GAIN.get(name, 1.0), pan), t)
    log(f"drums: {len(score.drums)} hits, {time.time() - t0:.1f}s")

    t0 = time.time()
    for t, instr, dur, midi, vel, kw in sorted(score.notes, key=lambda e: (e[0], e[1], e[3])):
        add_into(buses[BUS_OF_NOTE[instr]], render_note(rng, instr, dur, midi, vel, kw), t)
    log(f"notes: {len(score.notes)}, {time.time() - t0:.1f}s")

    fx_rng = np.random.default_rng(SEED + 2)
    for end, kind, dur, vel in sorted(score.fx, key=lambda e: e[0]):
        if kind == "riser":
            sig = riser(fx_rng, dur) * vel
        elif kind == "revcrash":
            sig = reverse_crash(kit, dur) * vel
        else:
            raise ValueError(kind)
        add_into(buses["fx"], pan_mono(sig, 0.0), end - sig.shape[-1] / SR)

    # Level the buses against each other where the whole band plays.
    r0, r1 = (int(REFERENCE[0] * SR), int(REFERENCE[1] * SR))
    for name, target in BUS_TARGET_DB.items():
        buses[name] *= 10 ** ((target - rms_db(buses[name][:, r0:r1])) / 20)
    buses["fx"] *= 10 ** (-18.0 / 20) / max(np.max(np.abs(buses["fx"])), 1e-9) * 2.0

    return buses, kicks, score, total


def mixdown(buses, kicks, total, log):
    """Sidechain, echoes, reverb and the master chain; returns the final (2, n) mix."""
    n = buses["pad"].shape[1]
    r0, r1 = (int(REFERENCE[0] * SR), int(REFERENCE[1] * SR))
    duck = sidechain_curve(n, kicks)
    for name, depth in SIDECHAIN.items():
        buses[name] *= 1.0 - depth * duck

    t0 = time.time()
    echo = pingpong(buses["keys"], 0.375, 0.45, 6) * 0.5 + pingpong(buses["lead"], 0.75, 0.35, 4) * 0.35
    send = sum(buses[k].mean(axis=0) * g for k, g in REVERB_SEND.items()) + echo.mean(axis=0) * 0.3
    ir = reverb_ir(np.random.default_rng(SEED + 3))
    wet = np.vstack([fft_convolve(send, ir[c])[:n] for c in range(2)])
    log(f"echo + reverb: {time.time() - t0:.1f}s")

    mix = sum(buses.values()) + echo + 0.28 * wet
    mix -= mix.mean(axis=1, keepdims=True)

    # Loudness, then peak control: limiter first, soft clip only as a safety net.
    # The ceiling leaves ~1.4 dB for MP3 encoding, which overshoots sample peaks.
    mix *= 10 ** ((-14.0 - rms_db(mix[:, r0:r1])) / 20)
    mix, min_gain = limiter(mix, 0.82)
    mix = soft_clip(mix, 0.85)
    peak = np.max(np.abs(mix))
    if peak > 0.85:
        mix *= 0.85 / peak
    log(f"limiter: deepest gain reduction {20 * np.log10(min_gain):.1f} dB")

    # Show ends at total - TAIL; let the reverb ring, then fade to silence.
    t = np.arange(n) / SR
    fade_start, fade_end = total - 5.0, total - 0.05
    fade = np.clip((t - fade_start) / (fade_end - fade_start), 0.0, 1.0)
    mix *= 0.5 + 0.5 * np.cos(np.pi * fade)
    mix[:, t >= fade_end] = 0.0
    return mix


def main():
    ap = argparse.ArgumentParser(description="Render the Fraglume soundtrack.")
    ap.add_argument("--out", default=str(REPO / "resources" / "vell-short.mp3"))
    ap.add_argument("--keep-wav", help="also keep the rendered WAV at this path")
    ap.add_argument("--wav-only", action="store_true", help="render the WAV but do not encode")
    args = ap.parse_args()

    lame = shutil.which("lame")
    if not args.wav_only and lame is None:
        sys.exit("error: the 'lame' encoder is not installed (Debian package: lame)")
    if args.wav_only and not args.keep_wav:
        sys.exit("error: --wav-only needs --keep-wav PATH")

    start = time.time()
    log = lambda m: print("  " + m, flush=True)  # noqa: E731
    buses, kicks, score, total = render_buses(log)
    mix = mixdown(buses, kicks, total, log)
    print(f"rendered {mix.shape[1] / SR:.2f} s in {time.time() - start:.1f} s; sections:")
    for s0, s1, label in score.sections:
        print(f"  {s0:6.1f} - {s1:6.1f}  {label}")

    with tempfile.TemporaryDirectory(prefix="fraglume-soundtrack-") as tmp:
        wav = Path(tmp) / "soundtrack.wav"
        write_wav16(wav, mix, SEED)
        if args.keep_wav:
            shutil.copyfile(wav, args.keep_wav)
        if args.wav_only:
            return
        out = Path(args.out)
        out.parent.mkdir(parents=True, exist_ok=True)
        tmp_mp3 = Path(tmp) / "soundtrack.mp3"
        subprocess.run([lame, "--quiet", "-b", "128", "-q", "2", "--noreplaygain",
                        "--tt", "Fraglume", "--ta", "Fraglume", str(wav), str(tmp_mp3)], check=True)
        # Only replace the committed file once encoding has succeeded.
        shutil.move(str(tmp_mp3), out)
        back = Path(tmp) / "decoded.wav"
        subprocess.run([lame, "--quiet", "--decode", str(out), str(back)], check=True)
        rate, dec = read_wav16(back)
        peak = np.max(np.abs(dec))
        print(f"wrote {out} ({out.stat().st_size / 1e6:.2f} MB); decoded: {dec.shape[1] / rate:.2f} s, "
              f"{dec.shape[0]} ch, {rate} Hz, peak {20 * np.log10(max(peak, 1e-9)):.2f} dBFS")


if __name__ == "__main__":
    main()
