"""Seamlessly tileable detail textures for the shaders."""
import numpy as np

from noise import F, Fbm, coords, fbm, voronoi, warp
from paint import mix, ramp, stretch


def noise_channels(rng, w, h):
    """Three independent tileable noises: R broad fbm, G finer fbm, B cellular.

    A shader gets three uncorrelated values from one lookup."""
    u, v = coords(w, h)
    r = stretch(Fbm(rng, 4, 6)(u, v), 0.5, 99.5)
    g = stretch(Fbm(rng, 8, 5)(u, v), 0.5, 99.5)
    c = voronoi(rng, u, v, 12, 12)
    b = stretch(c.f1 + Fbm(rng, 16, 3)(u, v) * F(0.15), 0.5, 99.5)
    return np.stack([r, g, b], axis=-1).astype(F)


def fbm_tile(rng, w, h):
    """Tileable warped fbm in cool stone greys with a faint warm tint."""
    u, v = coords(w, h)
    wu, wv = warp(rng, u, v, 3, 0.12)
    n = stretch(Fbm(rng, 4, 7, gain=0.55)(wu, wv), 0.5, 99.5)
    tint = stretch(fbm(rng, u, v, 2, 3))
    grey = ramp(n, [(0, "#1e2024"), (0.45, "#6a6e74"), (0.8, "#b4b6b8"), (1, "#f0eeea")])
    warm = ramp(n, [(0, "#2a2018"), (0.45, "#7a6a58"), (0.8, "#c4b49c"), (1, "#f6eee0")])
    return mix(grey, warm, tint * 0.6)
