"""Periodic noise fields used by every picture.

Coordinates are in tile units: a field gives the same value at u and u + 1 (and
at v and v + 1) as long as its frequencies are whole numbers.  That is what
makes the detail textures tile seamlessly and the panoramas wrap around, and it
lets domain warping push coordinates past the edge without a visible seam.
"""
import numpy as np

F = np.float32


def coords(w, h):
    """Pixel-centre coordinates in [0, 1): u as a row (1, w), v as a column (h, 1)."""
    u = ((np.arange(w, dtype=F) + F(0.5)) / F(w))[None, :]
    v = ((np.arange(h, dtype=F) + F(0.5)) / F(h))[:, None]
    return u, v


def _fade(t):
    return t * t * t * (t * (t * F(6) - F(15)) + F(10))


class Gradient:
    """One octave of periodic gradient noise on an nx-by-ny lattice, roughly in [-1, 1]."""

    def __init__(self, rng, nx, ny):
        angle = rng.uniform(0.0, 2.0 * np.pi, (ny, nx))
        self.gx = np.cos(angle).astype(F)
        self.gy = np.sin(angle).astype(F)
        self.nx, self.ny = nx, ny

    def __call__(self, u, v):
        x = np.asarray(u, dtype=F) * F(self.nx)
        y = np.asarray(v, dtype=F) * F(self.ny)
        x0 = np.floor(x)
        y0 = np.floor(y)
        fx = x - x0
        fy = y - y0
        ix = x0.astype(np.int64) % self.nx
        iy = y0.astype(np.int64) % self.ny
        ix1 = (ix + 1) % self.nx
        iy1 = (iy + 1) % self.ny
        gx, gy = self.gx, self.gy
        n00 = gx[iy, ix] * fx + gy[iy, ix] * fy
        n10 = gx[iy, ix1] * (fx - 1) + gy[iy, ix1] * fy
        n01 = gx[iy1, ix] * fx + gy[iy1, ix] * (fy - 1)
        n11 = gx[iy1, ix1] * (fx - 1) + gy[iy1, ix1] * (fy - 1)
        sx = _fade(fx)
        sy = _fade(fy)
        a = n00 + sx * (n10 - n00)
        b = n01 + sx * (n11 - n01)
        return (a + sy * (b - a)) * F(1.41)


def _pair(freq):
    return (freq, freq) if np.isscalar(freq) else tuple(freq)


class Fbm:
    """Sum of gradient-noise octaves.  Keeps its lattices so the same field can be
    sampled several times (finite-difference normals, reflections)."""

    def __init__(self, rng, freq, octaves=5, gain=0.5):
        fx, fy = _pair(freq)
        self.layers = [Gradient(rng, int(fx) << o, int(fy) << o) for o in range(octaves)]
        self.amps = [gain ** o for o in range(octaves)]

    def __call__(self, u, v, mode="plain", octave_weight=None):
        """mode: 'plain' (about [-1, 1]), 'turb' (|n|, [0, 1]) or 'ridged' ((1-|n|)^2, [0, 1]).
        octave_weight(o) may return a per-pixel weight to fade octaves out (anti-aliasing)."""
        total = None
        norm = 0.0
        for o, (layer, amp) in enumerate(zip(self.layers, self.amps)):
            n = layer(u, v)
            if mode == "turb":
                n = np.abs(n)
            elif mode == "ridged":
                n = 1 - np.abs(n)
                n = n * n
            w = F(amp)
            if octave_weight is not None:
                w = w * octave_weight(o)
            total = n * w if total is None else total + n * w
            norm += amp
        return total / F(norm)


def fbm(rng, u, v, freq, octaves=5, gain=0.5, mode="plain"):
    """One-shot fractal noise; see Fbm."""
    return Fbm(rng, freq, octaves, gain)(u, v, mode)


def warp(rng, u, v, freq, amount, octaves=4):
    """Domain-warp the coordinates by two independent fractal fields."""
    du = fbm(rng, u, v, freq, octaves)
    dv = fbm(rng, u, v, freq, octaves)
    return u + F(amount) * du, v + F(amount) * dv


class Cells:
    """Result of a Voronoi evaluation: distances in cell units, nearest-seed id,
    and the offset from the nearest seed (x, y) for facet shading."""

    def __init__(self, f1, f2, ident, ox, oy):
        self.f1, self.f2, self.id, self.ox, self.oy = f1, f2, ident, ox, oy

    @property
    def edge(self):
        """Approximate distance to the nearest cell border (0 on the border)."""
        return (self.f2 - self.f1) * F(0.5)


def voronoi(rng, u, v, nx, ny, jitter=0.9):
    """Periodic Voronoi on an nx-by-ny jittered grid (one seed per grid cell)."""
    seeds = (rng.random((ny, nx, 2)) * jitter + (1 - jitter) / 2).astype(F)
    x = np.broadcast_to(np.asarray(u, dtype=F) * F(nx), np.broadcast(u, v).shape)
    y = np.broadcast_to(np.asarray(v, dtype=F) * F(ny), x.shape)
    cx = np.floor(x).astype(np.int64)
    cy = np.floor(y).astype(np.int64)
    f1 = np.full(x.shape, np.inf, dtype=F)
    f2 = np.full(x.shape, np.inf, dtype=F)
    ident = np.zeros(x.shape, dtype=np.int64)
    ox = np.zeros(x.shape, dtype=F)
    oy = np.zeros(x.shape, dtype=F)
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            gx = cx + dx
            gy = cy + dy
            jx = gx % nx
            jy = gy % ny
            px = gx + seeds[jy, jx, 0] - x
            py = gy + seeds[jy, jx, 1] - y
            d = np.sqrt(px * px + py * py)
            nearer = d < f1
            f2 = np.where(nearer, f1, np.minimum(f2, d))
            f1 = np.where(nearer, d, f1)
            ident = np.where(nearer, jy * nx + jx, ident)
            ox = np.where(nearer, -px, ox)
            oy = np.where(nearer, -py, oy)
    return Cells(f1, f2, ident, ox, oy)
