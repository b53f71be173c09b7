"""Space pictures: the nebula and the title card."""
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFont

from noise import F, Fbm, coords, fbm, warp
from paint import blur, mix, ramp, rgb, smoothstep, stars, star_tint, streak, stretch

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_LIGHT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


def _spiky_stars(rng, h, w, count):
    """A few bright stars with four-point diffraction spikes."""
    pts = np.zeros((h, w), dtype=F)
    ys = rng.integers(0, h, count)
    xs = rng.integers(0, w, count)
    pts[ys, xs] = rng.uniform(0.5, 1.0, count).astype(F)
    core = blur(pts, 1.5) * F(30) + blur(pts, 6) * F(12)
    spikes = np.zeros_like(pts)
    for r in (12, 30):
        spikes = spikes + (streak(pts, r, 1) + streak(pts, r, 0)) * F(r * 1.5)
    return core + spikes


def nebula(rng, w, h):
    """Emission nebula: warped glowing gas, dark dust lanes, bright young stars."""
    u, v = coords(w, h)
    wu, wv = warp(rng, u, v, (2, 2), 0.25)
    wu, wv = warp(rng, wu, wv, (4, 3), 0.08)
    shape = np.exp(-(((u - 0.55) * 1.6) ** 2 + ((v - 0.5) * 1.9) ** 2) * 3.5)
    gas1 = stretch(Fbm(rng, (3, 2), 7, gain=0.55)(wu, wv) + shape * 0.6)
    gas2 = stretch(Fbm(rng, (4, 3), 7)(wv, wu) + shape * 0.4)
    dust = Fbm(rng, (5, 3), 7)(wu, wv, mode="ridged")
    lanes = smoothstep(0.55, 0.9, dust) * shape
    img = rgb("#ff2a6a") * (gas1 ** 2.2 * 0.9)[..., None]
    img = img + rgb("#2a7aff") * (gas2 ** 2.5 * 0.8)[..., None]
    img = img + rgb("#ffd0a0") * ((gas1 * gas2) ** 4 * 1.2)[..., None]
    img = img + rgb("#40ffd0") * (smoothstep(0.75, 1.0, gas2) * gas1 * 0.3)[..., None]
    img = img * (1 - lanes * 0.85)[..., None] + rgb("#0a0418") * 0.6
    field = stars(rng, h, w, 5000, bright=2.5)
    img = img + field[..., None] * star_tint(rng, h, w) * F(0.7)
    img = img + _spiky_stars(rng, h, w, 9)[..., None] * rgb("#dfe8ff")
    return img


def _text_mask(w, h, text, font_path, target_width, centre, tracking=0.06):
    """Render text into a float mask, scaled so it spans about target_width px."""
    if not os.path.exists(font_path):
        raise FileNotFoundError("font not found: %s (install fonts-dejavu-core)" % font_path)
    size = 100
    font = ImageFont.truetype(font_path, size)
    probe = ImageDraw.Draw(Image.new("L", (1, 1)))
    widths = [probe.textlength(ch, font=font) for ch in text]
    total = sum(widths) + tracking * size * (len(text) - 1)
    size = int(size * target_width / total)
    font = ImageFont.truetype(font_path, size)
    widths = [probe.textlength(ch, font=font) for ch in text]
    total = sum(widths) + tracking * size * (len(text) - 1)
    mask = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(mask)
    x = centre[0] - total / 2
    for ch, cw in zip(text, widths):
        d.text((x, centre[1]), ch, fill=255, font=font, anchor="lm")
        x += cw + tracking * size
    m = np.asarray(mask, dtype=F) / 255
    rows = np.nonzero(m.max(axis=1) > 0)[0]
    return m, rows.min(), rows.max()


def title(rng, w, h):
    """Title card: FRAGLUME in glowing chrome over a horizon, grid floor and stars."""
    u, v = coords(w, h)
    hz = 0.64
    sky = ramp(np.clip(v / hz, 0, 1), [(0, "#04020c"), (0.55, "#160a34"), (0.85, "#4a145a"),
                                        (1, "#c0306a")])
    wu, wv = warp(rng, u, v, (3, 2), 0.15)
    wisps = stretch(Fbm(rng, (4, 2), 6)(wu, wv)) ** 3
    sky = sky + (rgb("#6a2aa0") * wisps[..., None] * F(0.35) + rgb("#1a6aa0") *
                 (stretch(fbm(rng, wv, wu, (3, 2), 6)) ** 4)[..., None] * F(0.3))
    sky = sky + stars(rng, h, w, 4500, bright=2.0)[..., None] * star_tint(rng, h, w) * F(0.6)
    # A huge low sun behind the title, cut by horizontal bands near the bottom.
    x = (u - 0.5) * F(w / h)
    d = np.sqrt(x * x + ((v - hz + 0.02) * 1.0) ** 2)
    sun_r = 0.36
    bands = ((v - (hz - 0.2)) * 60) % 1
    cut = (v > hz - 0.2) & (bands < (v - (hz - 0.2)) * 4.2)
    disk = smoothstep(sun_r + 0.003, sun_r - 0.003, d) * (~cut)
    sun = ramp(np.clip((v - (hz - sun_r)) / sun_r, 0, 1), [(0, "#ffe27a"), (0.6, "#ff7a4a"), (1, "#ff2a8a")])
    img = mix(sky, sun, disk * 0.95)
    img = img + rgb("#ff4a9a") * (np.exp(-np.maximum(d - sun_r, 0) * 9) * 0.35 * (v < hz))[..., None]
    # Perspective grid on the floor below the horizon.
    below = v > hz
    depth = F(0.08) / np.maximum(v - hz, F(1e-3))
    gx = (u - 0.5) * depth * F(18)
    gz = depth * F(6)
    fx = np.abs(gx - np.round(gx))
    fz = np.abs(gz - np.round(gz))
    px = depth * F(18) / F(w)
    pz = F(0.08 * 6) / np.maximum(v - hz, F(1e-3)) ** 2 / F(h)
    line = np.maximum(smoothstep(px * 1.5, 0, fx), smoothstep(pz * 1.5, 0, fz))
    line = line * np.clip(1.5 / (1 + depth * 1.2), 0, 1) * below
    floor = ramp(np.clip((v - hz) / (1 - hz), 0, 1), [(0, "#2a0a3a"), (1, "#07020e")])
    img = np.where(below[..., None], floor, img)
    grid_col = ramp(np.clip((v - hz) / (1 - hz) * 2, 0, 1), [(0, "#ff4ad0"), (1, "#3ad8ff")])
    img = img + grid_col * (line + blur(line, 3) * 1.5)[..., None]
    img = img + rgb("#ff6ab0") * (np.exp(-np.abs(v - hz) * 40) * 0.8)[..., None]
    # The title.
    mask, top, bottom = _text_mask(w, h, "FRAGLUME", FONT, w * 0.8, (w / 2, h * 0.42))
    t = np.clip((v * F(h) - top) / max(bottom - top, 1), 0, 1)
    chrome = ramp(t, [(0, "#ffffff"), (0.3, "#bfe9ff"), (0.48, "#4a6ad0"), (0.5, "#ffe6a0"),
                      (0.7, "#ff9a3a"), (1, "#ff2a7a")])
    chrome = chrome * (F(0.9) + F(0.15) * fbm(rng, u, v, (40, 20), 3))[..., None]
    outline = np.clip(blur(mask, 2.5) * 3, 0, 1)
    glow = blur(mask, 14)
    halo = blur(mask, 60)
    img = img + rgb("#ff3ab0") * (halo * 1.4)[..., None] + rgb("#3ad0ff") * (glow * 0.8)[..., None]
    img = mix(img, rgb("#12041e"), outline * 0.9)
    img = mix(img, chrome, mask)
    sub, _, _ = _text_mask(w, h, "REAL-TIME AUDIOVISUAL DEMO", FONT_LIGHT, w * 0.36,
                           (w / 2, bottom + h * 0.075), tracking=0.35)
    img = mix(img, rgb("#d8f4ff"), sub * 0.95) + rgb("#3ad0ff") * (blur(sub, 6) * 0.8)[..., None]
    return img
