"""Outdoor pictures rendered with the camera/sky/water model: landscape, clouds,
ocean, sunset, aurora and the night city."""
import numpy as np

from noise import F, Fbm, fbm, coords
from outdoor import Sky, View, direction, mountains, ridge_line, treeline, water
from paint import blur, mix, ramp, rgb, smoothstep, stars, star_tint, stretch


def _layer(img, col, cover):
    return mix(img, col, cover)


def landscape(rng, w, h):
    """Alpine lake: snowy ranges in layered haze, forest shore, mirror reflections."""
    view = View(w, h, horizon=0.62, fov=0.9)
    sky = Sky(rng, "#2557a8", "#d6e6f2", direction(-30, 14), glow="#ffe7b8",
              clouds=0.42, cloud_dark="#8796b0", cloud_scale=0.8)
    img = sky(view.dx, view.dy, view.dz)
    u, v = view.u, view.v
    hz = view.horizon
    layers = [
        # base top, amplitude, freq, rock, haze colour, haze, snowline
        (hz - 0.12, 0.34, 4, "#5d6478", "#b4c8dc", 0.45, hz - 0.30),
        (hz - 0.04, 0.24, 5, "#4f4a4c", "#a6bcd2", 0.12, hz - 0.17),
        (hz - 0.015, 0.10, 7, "#3c4630", "#9cb0c2", 0.10, None),
    ]
    for base, amp, freq, rock, haze_col, haze, snowline in layers:
        top = ridge_line(rng, u, base, amp, freq)
        col, cover = mountains(u, v, h, rng, top, hz, rock, "#f4f7fb", haze_col, haze,
                               snowline=snowline, freq=freq * 2)
        img = _layer(img, col, cover)
    trees = treeline(rng, u, hz, 0.04, 110)
    tcov = np.clip((v - trees) * F(h) + F(0.5), 0, 1) * (v < hz)
    tcol = ramp(fbm(rng, u, v, (64, 24), 4) * 1.5 + 0.5, [(0, "#08160f"), (1, "#24401f")])
    img = _layer(img, tcol, tcov)
    img = water(view, rng, img, sky, deep="#10302e", amp=0.08, scale=2.0, stretch=0.25, mirror=0.15)
    return img


def ocean(rng, w, h):
    """Open sea under a high afternoon sun: glitter path, clouds and their reflection."""
    view = View(w, h, horizon=0.45, fov=0.8)
    sky = Sky(rng, "#1d4f9a", "#b8d4ea", direction(5, 11), glow="#fff1cc",
              clouds=0.35, cloud_scale=0.6, glow_power=0.8, sun_size=0.7)
    img = sky(view.dx, view.dy, view.dz)
    return water(view, rng, img, sky, deep="#03233a", amp=0.55, scale=1.2, stretch=0.45)


def sunset(rng, w, h):
    """Sun touching the sea between islands, banded glowing clouds."""
    view = View(w, h, horizon=0.58, fov=0.7)
    sky = Sky(rng, "#28305e", "#ff9b4a", direction(0, 2.0), sun_color="#fff0c0",
              glow="#ff7a2c", sun_size=2.2, glow_power=2.0, clouds=0.38,
              cloud_lit="#ffb070", cloud_dark="#5a3050", cloud_scale=0.5, cloud_height=0.6)
    img = sky(view.dx, view.dy, view.dz)
    u, v = view.u, view.v
    hz = view.horizon
    # Islands on both sides leave open sea below the sun.
    gap = smoothstep(0.12, 0.2, np.abs(u - F(0.5)))
    isl = F(hz + 0.004) - (F(hz + 0.004) - ridge_line(rng, u, hz, 0.09, 3, roughness=0.45)) * gap
    icov = np.clip((v - isl) * F(h) + F(0.5), 0, 1) * (v < hz)
    img = mix(img, rgb("#2a1626"), icov)
    return water(view, rng, img, sky, deep="#1a0c20", amp=0.5, scale=1.6, stretch=0.5)


def clouds(rng, w, h):
    """Towering cumulus in a deep blue sky, seen from a hill top, sun behind them."""
    view = View(w, h, horizon=0.97, fov=1.1)
    sky = Sky(rng, "#1a4fa0", "#cfe0ee", direction(48, 30), glow="#fff0d0", glow_power=0.7,
              clouds=0.62, cloud_lit="#ffffff", cloud_dark="#6a7c9c", cloud_scale=0.7,
              cloud_height=0.8)
    img = sky(view.dx, view.dy, view.dz)
    # A second, thin and high layer of cirrus streaks adds depth above the deck.
    u, v = view.u, view.v
    t = 1 / np.maximum(view.dy, F(0.05))
    cu = view.dx * t * F(0.15)
    cv = view.dz * t * F(0.3)
    cirrus = smoothstep(0.05, 0.45, fbm(rng, cu, cv, (2, 4), 5)) * smoothstep(0.15, 0.6, view.dy)
    img = mix(img, rgb("#f4f8ff"), cirrus * 0.25)
    hill = ridge_line(rng, u, 0.985, 0.05, 2, roughness=0.4)
    cover = np.clip((v - hill) * F(h) + F(0.5), 0, 1)
    grass = ramp(fbm(rng, u, v, (40, 8), 5) * 1.5 + 0.5, [(0, "#1f3514"), (1, "#4f7a2a")])
    return mix(img, grass, cover)


def aurora(rng, w, h):
    """Northern lights over a moonlit snowy range, mirrored in a still lake."""
    view = View(w, h, horizon=0.68, fov=0.9)
    sky = Sky(rng, "#01030a", "#0d2233", direction(0, -25), glow_power=0.0)
    img = sky(view.dx, view.dy, view.dz)
    u, v = view.u, view.v
    s = stars(rng, h, w, 2600, bright=2.0)
    img = img + (s[..., None] * star_tint(rng, h, w)) * F(0.8)
    light = np.zeros((h, w, 3), dtype=F)
    for base, tall, hue_hi, strength in ((0.44, 0.22, "#c04cff", 1.0), (0.24, 0.12, "#ff4a8a", 0.6)):
        fold = fbm(rng, v * F(0.3), u, (1, 3), 3)
        uu = u + fold * F(0.08)
        curve = F(base) + fbm(rng, uu, np.full_like(uu, 0.3), (2, 1), 4) * F(0.3)
        rays = stretch(fbm(rng, uu, v * F(0.1), (90, 1), 4), 2, 98)
        # Bright rays reach further down, so the lower hem is ragged, not a hill line.
        d = curve - v + rays * F(0.06)
        body = np.exp(-np.maximum(d, 0) / F(tall)) * smoothstep(-0.03, 0.02, d)
        rays = F(0.25) + F(0.75) * rays ** 2
        k = np.clip(d / F(tall), 0, 1)
        colour = ramp(k, [(0, "#7dffb0"), (0.25, "#2cf08a"), (0.6, "#1a8f9a"), (1, hue_hi)])
        light = light + colour * (body * rays * F(strength))[..., None]
    light = light + blur(light, 8) * F(0.6)
    img = img + light * F(0.9)
    hz = view.horizon
    top = ridge_line(rng, u, hz - 0.02, 0.15, 5)
    col, cover = mountains(u, v, h, rng, top, hz, "#151b26", "#b8c8e0", "#0a1420", 0.1,
                           snowline=hz - 0.07, freq=10)
    col = col * F(0.5) + light.mean(axis=(0, 1)) * F(0.4)
    img = mix(img, col, cover)
    return water(view, rng, img, sky, deep="#02070c", amp=0.05, scale=3.0, mirror=0.35,
                 glitter=0.0)


def _hash(a, b, c, salt):
    """Cheap integer hash -> [0, 1) for window lights without per-window loops."""
    x = (a * 73856093) ^ (b * 19349663) ^ (c * 83492791) ^ salt
    x = (x ^ (x >> 13)) * 1274126177
    x = x ^ (x >> 16)
    return ((x & 0xFFFF) / 65535.0).astype(F)


def city(rng, w, h):
    """Night skyline in three depths with lit windows, glowing haze, river reflection."""
    view = View(w, h, horizon=0.64, fov=0.9)
    sky = Sky(rng, "#040613", "#3a2a3c", direction(0, -30), glow_power=0.0)
    img = sky(view.dx, view.dy, view.dz)
    u, v = view.u, view.v
    img = img + (stars(rng, h, w, 700, bright=0.8)[..., None] * F(0.4))
    glow_band = np.exp(-np.maximum(F(view.horizon) - v, 0) / F(0.12))
    img = img + rgb("#ff8a3a") * (glow_band * F(0.35))[..., None]
    hz_row = int(view.horizon * h)
    xs = np.arange(w)
    ys = np.arange(h)[:, None]
    emit = np.zeros((h, w, 3), dtype=F)
    layers = [(0.36, 8, 5, "#1a1e2e", 0.5, 0.45), (0.26, 11, 6, "#10121c", 0.55, 0.6),
              (0.16, 15, 8, "#07080e", 0.45, 0.6)]
    for li, (tallest, pitch_x, pitch_y, body, on_rate, bright) in enumerate(layers):
        edges = np.cumsum(rng.integers(int(w * 0.02), int(w * 0.07), 64))
        edges = edges[edges < w + w * 0.07]
        left = np.concatenate([[0], edges[:-1]])
        bid = np.searchsorted(edges, xs, side="right")
        bid = np.minimum(bid, len(edges) - 1)
        height = (tallest * (0.25 + 0.75 * rng.random(len(edges)) ** 1.5) * h).astype(int)
        top_row = hz_row - height[bid]
        inside = ys >= top_row[None, :]
        inside &= ys < hz_row
        lx = xs - left[bid]
        wx = lx // pitch_x
        wy = (hz_row - ys) // pitch_y
        frame = ((lx % pitch_x) >= 2) & (((hz_row - ys) % pitch_y) >= 2)
        frame &= (lx >= 3) & ((edges[bid] - xs) >= 3) & (ys > top_row + 4)
        lit = _hash(bid + 101 * li, wx, wy, 977 + li) < on_rate * (0.3 + 0.7 * _hash(bid, li, 5, 3))
        tint = _hash(bid, wx, wy + 7, 31 + li)
        warm = ramp(tint, [(0, "#ffd38a"), (0.6, "#ffb760"), (0.85, "#cfe6ff"), (1, "#9fc8ff")])
        level = (0.5 + 0.5 * _hash(wx, wy, bid, 11)) * bright
        lamp = (inside & frame & lit).astype(F) * level
        shade = rgb(body) * (F(1) + F(0.3) * ((lx % 17) < 2))[..., None]
        img = np.where(inside[..., None], shade, img)
        emit = np.where(inside[..., None], warm * lamp[..., None], emit)
        # Aircraft warning lights on the tallest towers.
        for b in np.argsort(height)[-3:]:
            cx = int(min(w - 1, (left[b] + edges[b]) // 2))
            cy = max(0, hz_row - height[b] - 2)
            emit[cy:cy + 2, max(0, cx - 1):cx + 1] = rgb("#ff2a20") * 3
    img = img + emit + blur(emit, 3) * F(0.8) + blur(emit, 14) * F(0.6)
    return water(view, rng, img, sky, deep="#020308", amp=0.35, scale=2.5, stretch=0.2,
                 mirror=0.3, glitter=0.0)
