"""Colour and filtering helpers shared by the pictures (all float32 RGB in [0, 1])."""
import numpy as np

F = np.float32


def rgb(hexcode):
    """'#rrggbb' -> float triple."""
    h = hexcode.lstrip("#")
    return np.array([int(h[i:i + 2], 16) / 255.0 for i in (0, 2, 4)], dtype=F)


def ramp(t, stops):
    """Map scalar field t through colour stops [(position, '#rrggbb'), ...]."""
    pos = np.array([p for p, _ in stops], dtype=F)
    cols = np.stack([rgb(c) if isinstance(c, str) else np.asarray(c, F) for _, c in stops])
    t = np.asarray(t, dtype=F)
    out = np.empty(t.shape + (3,), dtype=F)
    for c in range(3):
        out[..., c] = np.interp(t, pos, cols[:, c])
    return out


def mix(a, b, t):
    """Linear blend; a scalar field t is broadcast over colour channels."""
    t = np.asarray(t, dtype=F)
    if t.ndim and (np.ndim(a) in (1, t.ndim + 1) or np.ndim(b) in (1, t.ndim + 1)):
        t = t[..., None]
    return a + (b - a) * t


def smoothstep(e0, e1, x):
    t = np.clip((np.asarray(x, dtype=F) - F(e0)) / F(e1 - e0), 0, 1)
    return t * t * (3 - 2 * t)


def stretch(x, lo=1.0, hi=99.0):
    """Rescale a field so its lo..hi percentiles span 0..1."""
    a, b = np.percentile(x, [lo, hi])
    return np.clip((x - a) / max(b - a, 1e-6), 0, 1).astype(F)


def _box(a, r, axis, wrap):
    if r < 1:
        return a
    pad = [(0, 0)] * a.ndim
    pad[axis] = (r + 1, r)
    p = np.pad(a, pad, mode="wrap" if wrap else "edge")
    c = np.cumsum(p, axis=axis, dtype=np.float64)
    n = a.shape[axis]
    hi = np.take(c, np.arange(2 * r + 1, 2 * r + 1 + n), axis=axis)
    lo = np.take(c, np.arange(0, n), axis=axis)
    return ((hi - lo) / (2 * r + 1)).astype(F)


def streak(a, radius, axis, passes=2):
    """Smear along one axis only (star spikes, light trails)."""
    out = np.asarray(a, dtype=F)
    for _ in range(passes):
        out = _box(out, radius, axis, False)
    return out


def blur(a, sigma, wrap=False):
    """Approximate Gaussian blur (three box passes per axis) over the first two axes."""
    if sigma <= 0:
        return a
    r = max(1, int(round((np.sqrt(4 * sigma * sigma + 1) - 1) / 2)))
    out = np.asarray(a, dtype=F)
    for axis in (0, 1):
        for _ in range(3):
            out = _box(out, r, axis, wrap)
    return out


def wrap_diff(a, axis):
    """Central difference that treats the array as periodic along axis."""
    return (np.roll(a, -1, axis=axis) - np.roll(a, 1, axis=axis)) * F(0.5)


def sample(img, row, col):
    """Bilinear lookup of img (h, w[, c]) at fractional pixel positions (clamped)."""
    h, w = img.shape[:2]
    row = np.clip(row, 0, h - 1.001)
    col = np.clip(col, 0, w - 1.001)
    r0 = np.floor(row).astype(np.int64)
    c0 = np.floor(col).astype(np.int64)
    fr = (row - r0).astype(F)
    fc = (col - c0).astype(F)
    if img.ndim == 3:
        fr = fr[..., None]
        fc = fc[..., None]
    a = img[r0, c0] + (img[r0, c0 + 1] - img[r0, c0]) * fc
    b = img[r0 + 1, c0] + (img[r0 + 1, c0 + 1] - img[r0 + 1, c0]) * fc
    return a + (b - a) * fr


def stars(rng, h, w, count, bright=1.0, wrap_x=False):
    """A star field: mostly faint points, a few bright ones with soft halos."""
    img = np.zeros((h, w), dtype=F)
    ys = rng.integers(0, h, count)
    xs = rng.integers(0, w, count)
    mag = (rng.random(count) ** 6).astype(F) * F(bright)
    np.add.at(img, (ys, xs), mag)
    halo = blur(img, 1.2, wrap_x) * F(4) + blur(img, 5, wrap_x) * F(3)
    return np.clip(img + halo, 0, 4)


def star_tint(rng, h, w):
    """Per-pixel colour temperature for star fields (bluish to warm)."""
    t = rng.random((h, w)).astype(F)
    return ramp(t, [(0, "#9bb8ff"), (0.5, "#ffffff"), (1, "#ffd2a1")])


def to_uint8(img, rng):
    """Quantise with a little dither so smooth skies do not band."""
    d = rng.random(img.shape, dtype=np.float32) - F(0.5)
    return np.clip(img * 255 + d, 0, 255).astype(np.uint8)
