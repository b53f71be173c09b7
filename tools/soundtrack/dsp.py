"""Signal-processing building blocks for the soundtrack generator.

Everything here works on whole numpy arrays: the renderer never loops per
sample in Python, which is what keeps a 6-minute render within minutes.
"""

import wave

import numpy as np

SR = 44100


def lowpass_gain(f, fc, order=2):
    return 1.0 / np.sqrt(1.0 + (np.asarray(f) / fc) ** (2 * order))


def highpass_gain(f, fc, order=2):
    f = np.maximum(np.asarray(f, dtype=np.float64), 1e-6)
    return 1.0 / np.sqrt(1.0 + (fc / f) ** (2 * order))


def fft_filter(x, gain_fn):
    """Zero-phase filter of a short one-off signal by a magnitude response."""
    n = len(x)
    size = 1 << int(np.ceil(np.log2(max(2 * n, 2))))
    spec = np.fft.rfft(x, size)
    freqs = np.fft.rfftfreq(size, 1.0 / SR)
    return np.fft.irfft(spec * gain_fn(freqs), size)[:n]


def stft_filter(x, gain_fn, frame=2048):
    """Time-varying filter: gain_fn(times[:,None], freqs[None,:]) per frame.

    sqrt-Hann analysis and synthesis windows at 50% overlap sum to one, so a
    unit gain gives back the input exactly.
    """
    hop = frame // 2
    n = len(x)
    nfr = int(np.ceil(n / hop)) + 1
    padded = np.zeros((nfr + 1) * hop)
    padded[hop:hop + n] = x
    k = np.arange(frame)
    win = np.sqrt(0.5 - 0.5 * np.cos(2 * np.pi * k / frame))
    freqs = np.fft.rfftfreq(frame, 1.0 / SR)
    out = np.zeros_like(padded)
    chunk = 1024
    for c0 in range(0, nfr, chunk):
        c1 = min(nfr, c0 + chunk)
        idx = (np.arange(c0, c1) * hop)[:, None] + k[None, :]
        spec = np.fft.rfft(padded[idx] * win, axis=1)
        times = ((np.arange(c0, c1) * hop + frame / 2 - hop) / SR)[:, None]
        spec *= gain_fn(times, freqs[None, :])
        frames = np.fft.irfft(spec, frame, axis=1) * win
        out[c0 * hop:c1 * hop] += frames[:, :hop].ravel()
        out[(c0 + 1) * hop:(c1 + 1) * hop] += frames[:, hop:].ravel()
    return out[hop:hop + n]


def fft_convolve(x, h):
    """Linear convolution of a long signal with an impulse response (overlap-add)."""
    m = len(h)
    size = 1 << int(np.ceil(np.log2(4 * m)))
    step = size - m + 1
    hspec = np.fft.rfft(h, size)
    y = np.zeros(len(x) + m - 1)
    for i in range(0, len(x), step):
        seg = x[i:i + step]
        block = np.fft.irfft(np.fft.rfft(seg, size) * hspec, size)
        end = min(len(y), i + size)
        y[i:end] += block[:end - i]
    return y


def pan_gains(pan):
    """Equal-power pan, -1 = left, +1 = right."""
    a = (np.clip(pan, -1.0, 1.0) + 1.0) * np.pi / 4
    return np.cos(a), np.sin(a)


def envelope(n, gate, attack, decay, sustain, release):
    """ADSR with a raised-cosine attack and a release that reaches exactly zero.

    Every note starts and ends at zero amplitude, which is what keeps the
    mix free of clicks however notes overlap.
    """
    t = np.arange(n) / SR
    attack = max(attack, 0.002)
    release = max(release, 0.01)
    dtau = max(decay, 1e-3) / 3.0
    env = np.where(
        t < attack,
        0.5 - 0.5 * np.cos(np.pi * np.minimum(t / attack, 1.0)),
        sustain + (1.0 - sustain) * np.exp(-np.maximum(t - attack, 0.0) / dtau),
    )
    if gate < attack:
        level = 0.5 - 0.5 * np.cos(np.pi * gate / attack)
    else:
        level = sustain + (1.0 - sustain) * np.exp(-(gate - attack) / dtau)
    x = np.clip((t - gate) / release, 0.0, 1.0)
    rel = level * np.exp(-4.0 * x) * (0.5 + 0.5 * np.cos(np.pi * x))
    return np.where(t < gate, env, rel)


def fade_edges(x, fade_in=0.002, fade_out=0.005):
    """Cosine-taper both ends of a one-shot in place (works for mono or stereo)."""
    n = x.shape[-1]
    a = min(n, max(1, int(fade_in * SR)))
    b = min(n, max(1, int(fade_out * SR)))
    x[..., :a] *= 0.5 - 0.5 * np.cos(np.pi * np.arange(a) / a)
    x[..., n - b:] *= 0.5 + 0.5 * np.cos(np.pi * np.arange(b) / b)
    return x


def limiter(x, ceiling, window=0.004, lookahead_blocks=3):
    """Look-ahead peak limiter working on short blocks.

    The gain per block is derived from the peak over a neighbourhood of
    blocks and then smoothed with a Hann kernel, so gain changes ramp over
    tens of milliseconds instead of hard-switching (which would distort).
    """
    n = x.shape[-1]
    blk = int(window * SR)
    nb = int(np.ceil(n / blk))
    peak = np.zeros(nb * blk)
    peak[:n] = np.max(np.abs(x), axis=0)
    bpk = peak.reshape(nb, blk).max(axis=1)
    span = 2 * lookahead_blocks + 1
    padded = np.pad(bpk, lookahead_blocks, mode="edge")
    neigh = np.lib.stride_tricks.sliding_window_view(padded, span).max(axis=1)
    gain = np.minimum(1.0, ceiling / np.maximum(neigh, 1e-9))
    kern = np.hanning(span + 2)[1:-1]
    kern /= kern.sum()
    gain = np.convolve(np.pad(gain, lookahead_blocks, mode="edge"), kern, mode="valid")
    centers = (np.arange(nb) + 0.5) * blk
    g = np.interp(np.arange(n), centers, gain)
    return x * g, float(gain.min())


def soft_clip(x, knee=0.8):
    """Identity below the knee, tanh-shaped approach to 1.0 above it."""
    ax = np.abs(x)
    over = np.maximum(ax - knee, 0.0)
    shaped = knee + (1.0 - knee) * np.tanh(over / (1.0 - knee))
    return np.where(ax > knee, np.sign(x) * shaped, x)


def write_wav16(path, stereo, seed):
    """Write a (2, n) float array as 16-bit PCM with TPDF dither."""
    rng = np.random.default_rng(seed)
    n = stereo.shape[1]
    dither = (rng.random((2, n)) - rng.random((2, n)))
    pcm = np.clip(np.round(stereo * 32767.0 + dither), -32768, 32767).astype("<i2")
    with wave.open(str(path), "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(pcm.T.tobytes())


def read_wav16(path):
    """Read a 16-bit PCM WAV; returns (rate, float array (channels, n))."""
    with wave.open(str(path), "rb") as w:
        if w.getsampwidth() != 2:
            raise ValueError(f"{path}: expected 16-bit PCM, got {8 * w.getsampwidth()}-bit")
        ch = w.getnchannels()
        rate = w.getframerate()
        data = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2")
    return rate, data.reshape(-1, ch).T.astype(np.float64) / 32768.0
