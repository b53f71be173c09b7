"""Wide panoramas (1280x768) that wrap around horizontally: every field uses
whole-number frequencies along u, and the sun is placed by wrapped distance."""
import numpy as np

from noise import F, Fbm, coords, fbm, warp
from outdoor import mountains, ridge_line
from paint import blur, wrap_diff, mix, ramp, rgb, smoothstep, stars, star_tint, stretch


def _wrapped(du):
    return np.abs((du + F(0.5)) % 1 - F(0.5))


def _sky(u, v, hz, stops, sun_u, sun_v, glow, power=1.0, size=0.02):
    e = np.clip((hz - v) / hz, 0, 1)
    col = ramp(e, stops)
    dx = _wrapped(u - F(sun_u)) * F(u.shape[1] / v.shape[0])
    d = np.sqrt(dx * dx + (v - F(sun_v)) ** 2)
    col = col + rgb(glow) * (np.exp(-d * 6) * 0.5 + np.exp(-d * 25) * 0.6)[..., None] * F(power)
    col = col + rgb("#fff4dc") * smoothstep(size * 1.1, size * 0.9, d)[..., None] * F(2)
    return col


def _cover(v, top, h, base):
    return np.clip((v - top) * F(h) + F(0.5), 0, 1) * (v < base)


def dunes(rng, w, h):
    """Desert dunes at golden hour with wind ripples and long crest shadows."""
    u, v = coords(w, h)
    hz = 0.55
    img = _sky(u, v, hz, [(0, "#ffc98a"), (0.35, "#f0a070"), (1, "#3a5a9a")], 0.3, 0.43,
               "#ffb060", power=1.2)
    wisp = smoothstep(0.1, 0.5, fbm(rng, u, v * F(4), (6, 2), 5)) * smoothstep(0.05, 0.3, hz - v)
    img = mix(img, rgb("#ffd9b0"), wisp * 0.35)
    layers = [(hz - 0.01, 0.05, 6, 0.5), (hz + 0.07, 0.08, 4, 0.32), (hz + 0.19, 0.12, 3, 0.15),
              (hz + 0.36, 0.16, 2, 0.0)]
    for base, amp, freq, haze in layers:
        n = Fbm(rng, (freq, 1), 4, gain=0.35)(u, np.full_like(u, 0.5))
        # Dunes have knife-edge crests and soft troughs: invert |noise| so the
        # cusps point up.
        crest = (1 - np.minimum(np.abs(n) * F(2.2), 1)) ** 1.6
        top = F(base) - F(amp) * stretch(crest, 0.5, 99.5)
        cov = _cover(v, top, h, 2.0)
        slope = blur(wrap_diff(top, 1) * F(w), 2, wrap=True)
        # Sun on the left: faces rising to the right are lit, slip faces dark.
        sunlit = (F(0.85) - np.tanh(slope * F(6)) * F(0.3))[0]
        depth = np.maximum(v - top, 0)
        # A face's light/shadow boundary runs diagonally down from its crest,
        # so look the crest's lean up further right the deeper the pixel is.
        shift = (np.arange(w)[None, :] + depth * F(h * 1.2)).astype(np.int64) % w
        shade = F(0.85) + (sunlit[shift] - F(0.85)) * np.exp(-depth * F(0.8) / F(amp))
        ripple_t = v * F(300) + fbm(rng, u, v, (24, 8), 4) * F(10) + u * F(2 * np.pi * 7)
        ripples = F(0.95) + F(0.06) * np.sin(ripple_t)
        sand = ramp(stretch(fbm(rng, u, v, (10, 6), 4)), [(0, "#c8743a"), (1, "#eaa45c")])
        col = sand * (shade * ripples)[..., None]
        col = mix(col, rgb("#f0a888"), F(haze))
        img = mix(img, col, cov)
    return img


def alien(rng, w, h):
    """Alien world: ringed giant and two moons over violet crystal ranges."""
    u, v = coords(w, h)
    hz = 0.62
    img = _sky(u, v, hz, [(0, "#7ad8c8"), (0.4, "#3a6a9a"), (1, "#0a0a2a")], 0.8, 0.5,
               "#a0ffe0", power=0.8, size=0.012)
    img = img + stars(rng, h, w, 1800, bright=1.5, wrap_x=True)[..., None] * F(0.5) * \
        smoothstep(0.1, 0.6, hz - v)[..., None]
    # Ringed planet, drawn in an aspect-correct frame.
    a = w / h
    px, py = (u - F(0.35)) * F(a), v - F(0.28)
    r = np.sqrt(px * px + py * py)
    R = F(0.17)
    band = fbm(rng, u, v * F(1), (2, 24), 4)
    planet = ramp(np.clip(py / R * 0.5 + 0.5 + band * 0.3, 0, 1),
                  [(0, "#f0d0a0"), (0.4, "#d08a5a"), (0.6, "#e8c098"), (1, "#8a5a4a")])
    lit = np.clip(0.3 + ((-px + py * 0.2) / R) * 0.7, 0.08, 1.1)
    disc = smoothstep(R + 0.002, R - 0.002, r)
    # Ring: ellipse in a tilted frame, hidden behind the planet on its far half.
    c, s = np.cos(0.35), np.sin(0.35)
    rx, ry = px * c + py * s, (-px * s + py * c) * F(4.0)
    rr = np.sqrt(rx * rx + ry * ry)
    ring = smoothstep(0.2, 0.22, rr) * smoothstep(0.36, 0.34, rr)
    ring = ring * (F(0.6) + F(0.4) * np.sin(rr * F(260)) ** 2)
    behind = (ry < 0) & (disc > 0)
    ring = np.where(behind, 0, ring)
    img = mix(img, planet * lit[..., None], disc)
    img = mix(img, rgb("#e8dcc8"), ring * 0.85)
    img = img + rgb("#ffd0a0") * (np.exp(-np.maximum(r - R, 0) * 30) * 0.25 * (1 - disc))[..., None]
    for mu, mv, mr in ((0.62, 0.18, 0.03), (0.7, 0.3, 0.016)):
        mx = _wrapped(u - F(mu)) * F(a)
        md = np.sqrt(mx * mx + (v - F(mv)) ** 2)
        moon = smoothstep(mr + 0.002, mr - 0.002, md)
        img = mix(img, rgb("#d8e4f0") * (0.5 + 0.5 * np.clip((v - F(mv)) / mr + 0.6, 0, 1))[..., None], moon)
    layers = [(hz - 0.03, 0.24, 5, "#6a4a9a", "#6a9ab8", 0.5),
              (hz + 0.0, 0.16, 7, "#3a2a5a", "#4a6a90", 0.25),
              (hz + 0.02, 0.07, 11, "#1a2a3a", "#3a5a78", 0.1)]
    for base, amp, freq, rock, haze_col, haze in layers:
        top = ridge_line(rng, u, base, amp, freq, roughness=0.6, peaks=0.8)
        col, cov = mountains(u, v, h, rng, top, 2.0, rock, "#c0f0ff", haze_col, haze,
                             snowline=base - amp * 0.7, freq=freq * 2, sun_left=False)
        img = mix(img, col, cov)
    ground = ramp(stretch(fbm(rng, u, v, (12, 24), 6)), [(0, "#10202a"), (0.6, "#1f3f4a"), (1, "#3a6a6a")])
    ground = ground * (F(0.7) + F(0.5) * smoothstep(1.0, hz, v))[..., None]
    gcov = smoothstep(hz + 0.015, hz + 0.025, v)
    pools = smoothstep(0.22, 0.3, fbm(rng, u, v, (8, 20), 4)) * gcov
    ground = mix(ground, rgb("#5affd0"), pools * 0.7)
    return mix(img, ground, gcov)


def canyon(rng, w, h):
    """Red-rock mesas and buttes with banded strata under a high blue sky."""
    u, v = coords(w, h)
    hz = 0.6
    img = _sky(u, v, hz, [(0, "#e8eef0"), (0.3, "#9cc4e4"), (1, "#2a5aa8")], 0.6, 0.15,
               "#fff4d8", power=0.6, size=0.018)
    cl = smoothstep(0.1, 0.45, fbm(rng, u, v * F(3), (6, 2), 6)) * smoothstep(0.02, 0.25, hz - v)
    img = mix(img, rgb("#ffffff"), cl * 0.8)
    # Sedimentary layers are horizontal, so the banding depends on height
    # alone and lines up from one butte to the next.
    strata_t = v * F(55) + fbm(rng, u, v, (6, 3), 3) * F(0.6)
    bands = ramp(stretch(np.sin(strata_t) + np.sin(strata_t * F(2.7)) * F(0.5)),
                 [(0, "#7a3018"), (0.45, "#a44a26"), (0.8, "#c46a3a"), (1, "#dca070")])
    varnish = Fbm(rng, (90, 3), 4)(u, v, mode="ridged")
    layers = [(hz - 0.01, 0.09, 4, "#c8b8c8", 0.5), (hz + 0.05, 0.13, 3, "#c0a8b0", 0.25),
              (hz + 0.13, 0.2, 2, "#b89898", 0.05)]
    for base, amp, freq, haze_col, haze in layers:
        n = stretch(Fbm(rng, (freq, 1), 3, gain=0.4)(u, np.full_like(u, 0.5)), 1, 99)
        detail = Fbm(rng, (freq * 16, 1), 3)(u, np.full_like(u, 0.5)) * F(0.01)
        # Hard cap rock: the silhouette saturates into flat tops with steep cliffs
        # and a talus apron at the foot.
        plateau = smoothstep(0.55, 0.62, n)
        apron = smoothstep(0.3, 0.62, n) * F(0.25)
        top = F(base) - F(amp) * (plateau * F(0.75) + apron) + detail
        cov = _cover(v, top, h, 2.0)
        slope = blur(wrap_diff(top, 1) * F(w), 2, wrap=True)
        face = np.clip(-slope * F(0.5), -0.35, 0.35) * np.exp(-(v - top) * F(4))
        cap = smoothstep(0.012, 0.0, v - top) * F(0.2)
        talus = smoothstep(0.6, 0.9, (v - top) / F(amp))
        shade = F(0.85) + face - (varnish - F(0.5)) * F(0.25) * (1 - talus)
        col = mix(bands, ramp(stretch(fbm(rng, u, v, (30, 10), 3)), [(0, "#a0603a"), (1, "#c88a5a")]),
                  talus * 0.7) * shade[..., None] + rgb("#f0d0a8") * cap[..., None]
        col = mix(col, rgb(haze_col), F(haze))
        img = mix(img, col, cov)
    floor_v = hz + 0.2
    scrub = smoothstep(floor_v, floor_v + 0.02, v + fbm(rng, u, v, (30, 4), 4) * 0.02)
    ground = ramp(stretch(fbm(rng, u, v, (40, 12), 5)), [(0, "#6a3a22"), (0.5, "#a86a40"), (1, "#c8925a")])
    bush = smoothstep(0.25, 0.35, fbm(rng, u, v, (60, 20), 4)) * scrub
    ground = mix(ground, rgb("#4a5a2a"), bush * 0.8)
    return mix(img, ground, scrub)
