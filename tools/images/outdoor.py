"""Camera, sky, water and terrain building blocks for the outdoor pictures.

The camera looks along +z with the horizon at a chosen screen height.  Water is
a real reflective plane: each water pixel bounces its view ray off a wave
normal and looks the reflected ray up either in the already painted upper
picture (mountains, skyline, aurora) or in the sky model, so reflections of
everything above the horizon come for free.
"""
import numpy as np

from noise import F, Fbm, coords
from paint import blur, wrap_diff, mix, ramp, rgb, sample, smoothstep, stretch


class View:
    def __init__(self, w, h, horizon=0.5, fov=0.8):
        self.w, self.h = w, h
        self.horizon, self.fov = horizon, fov
        self.aspect = w / h
        self.u, self.v = coords(w, h)
        self.sx = (self.u - F(0.5)) * F(fov * self.aspect)
        self.sy = (F(horizon) - self.v) * F(fov)
        n = np.sqrt(self.sx * self.sx + self.sy * self.sy + 1)
        self.dx = self.sx / n
        self.dy = self.sy / n
        self.dz = 1 / n

    def pixel_of(self, dx, dy, dz):
        """Fractional (row, col) where a direction (dz > 0) appears on screen."""
        sx = dx / dz
        sy = dy / dz
        col = (sx / F(self.fov * self.aspect) + F(0.5)) * F(self.w) - F(0.5)
        row = (F(self.horizon) - sy / F(self.fov)) * F(self.h) - F(0.5)
        return row, col

    @property
    def above(self):
        """(h, 1) mask of rows above the horizon."""
        return self.sy > 0


def direction(azimuth_deg, elevation_deg):
    a = np.radians(azimuth_deg)
    e = np.radians(elevation_deg)
    return np.array([np.sin(a) * np.cos(e), np.sin(e), np.cos(a) * np.cos(e)], dtype=F)


class Sky:
    """Gradient sky with sun, glow and perspective cloud deck."""

    def __init__(self, rng, zenith, horizon, sun, sun_color="#fff4e0", glow="#ffd9a0",
                 sun_size=0.9, glow_power=1.0, clouds=0.0, cloud_lit="#ffffff",
                 cloud_dark="#8090a8", cloud_scale=1.0, cloud_height=1.0, pixel=0.0013):
        self.zenith, self.horizon = rgb(zenith), rgb(horizon)
        self.sun = np.asarray(sun, F) / np.linalg.norm(sun)
        self.sun_color, self.glow = rgb(sun_color), rgb(glow)
        self.sun_cos = np.cos(np.radians(sun_size / 2))
        self.glow_power = glow_power
        self.cover = clouds
        self.cloud_lit, self.cloud_dark = rgb(cloud_lit), rgb(cloud_dark)
        self.cloud_scale = cloud_scale
        self.cloud_height = cloud_height
        self.pixel = pixel
        self.field = Fbm(rng, 2, 7) if clouds > 0 else None

    def background(self, dx, dy, dz):
        e = np.clip(dy, 0, 1)
        col = mix(self.horizon, self.zenith, np.sqrt(e) * (2 - np.sqrt(e)))
        mu = np.clip(dx * self.sun[0] + dy * self.sun[1] + dz * self.sun[2], -1, 1)
        m = np.clip(mu, 0, 1)
        haze = np.exp(-np.maximum(dy, 0) * 6)
        g = (m ** 8 * 0.15 + m ** 64 * 0.35 + m ** 900 * 1.5) * F(self.glow_power)
        g = g * (0.5 + 0.5 * haze)
        col = col + self.glow * g[..., None]
        disk = smoothstep(self.sun_cos - 0.00004, self.sun_cos + 0.00002, mu)
        return col + self.sun_color * (disk * 4)[..., None], mu

    def clouds(self, dx, dy, dz, mu):
        """Cloud density and colour on a flat deck, fading towards the horizon."""
        t = F(self.cloud_height) / np.maximum(dy, F(0.015))
        s = F(self.cloud_scale * 0.5)
        cu = dx * t * s + F(0.31)
        cv = dz * t * s + F(0.17)
        # Noise cells per pixel grow with the square of distance along the deck;
        # octaves finer than about a pixel are faded out instead of aliasing.
        cells = t * t * F(self.pixel / self.cloud_height) * s * F(4)

        def fade(o):
            return np.clip(F(2.0) - cells * F(2 ** o) * F(4), 0, 1)

        d = self.field(cu, cv, octave_weight=fade)
        lu = cu + F(self.sun[0] * 0.02)
        lv = cv + F(self.sun[2] * 0.02)
        d2 = self.field(lu, lv, octave_weight=fade)
        start = F(0.3 - self.cover * 0.6)
        density = smoothstep(start, start + 0.28, d)
        density = density * smoothstep(0.0, 0.12, dy)
        light = np.clip(0.55 + (d - d2) * 5, 0, 1)
        col = mix(self.cloud_dark, self.cloud_lit, light)
        rim = np.clip(mu, 0, 1) ** 16 * (1 - density) * 0.8
        col = col + self.glow * rim[..., None]
        return density, col

    def __call__(self, dx, dy, dz):
        col, mu = self.background(dx, dy, dz)
        if self.field is not None:
            density, ccol = self.clouds(dx, dy, dz, mu)
            col = mix(col, ccol, density * 0.95)
        return col


def water(view, rng, above, sky, deep="#06202c", amp=0.6, scale=1.0, stretch=0.35,
          height=1.0, octaves=6, mirror=0.02, glitter=1.0):
    """Composite a reflecting wavy water plane below the horizon onto `above`."""
    h, w = view.h, view.w
    rows = np.nonzero(view.sy[:, 0] < 0)[0]
    if rows.size == 0:
        return above
    sy = view.sy[rows]
    sx = view.sx
    t = F(height) / -sy
    x = sx * t
    z = np.broadcast_to(t, (rows.size, w))
    waves = Fbm(rng, 8, octaves, gain=0.5)
    ku = F(0.05 * scale * stretch)
    kv = F(0.05 * scale)
    foot = (t * t) * F(view.fov / h) * F(0.05 * scale) * F(8)

    def fade(o):
        return np.clip(F(1.5) - foot * F(2 ** o), 0, 1)

    def hgt(xx, zz):
        return waves(xx * ku, zz * kv, octave_weight=fade)

    e = F(0.05)
    h0 = hgt(x, z)
    hx = (hgt(x + e, z) - h0) / e
    hz = (hgt(x, z + e) - h0) / e
    nx = -hx * F(amp)
    nz = -hz * F(amp)
    nl = np.sqrt(nx * nx + 1 + nz * nz)
    nx, ny, nz = nx / nl, 1 / nl, nz / nl
    dx, dy, dz = view.dx[rows], view.dy[rows], view.dz[rows]
    dn = dx * nx + dy * ny + dz * nz
    rx = dx - 2 * dn * nx
    ry = np.maximum(dy - 2 * dn * ny, F(0.004))
    rz = dz - 2 * dn * nz
    rl = np.sqrt(rx * rx + ry * ry + rz * rz)
    rx, ry, rz = rx / rl, ry / rl, rz / rl
    row, col = view.pixel_of(rx, ry, rz)
    from_sky = sky(rx, ry, rz)
    on_screen = (row >= 0) & (col >= 0) & (col <= w - 1)
    from_pic = sample(above, row, col)
    refl = np.where(on_screen[..., None], from_pic, from_sky)
    fres = F(mirror) + F(1 - mirror) * (1 - np.clip(-dn, 0, 1)) ** 5
    body = rgb(deep) * (F(0.8) + F(0.4) * h0)[..., None]
    # The sun disk is smaller than the spread of wave slopes a pixel covers, so
    # a broader highlight stands in for the many sub-pixel glints.
    mu = np.clip(rx * sky.sun[0] + ry * sky.sun[1] + rz * sky.sun[2], 0, 1)
    spark = (mu ** 300 * F(2.5) + mu ** 40 * F(0.25)) * F(glitter)
    out = above.copy()
    out[rows] = mix(body, refl, fres) + sky.sun_color * spark[..., None]
    return out


def ridge_line(rng, u, base, amp, freq, octaves=7, roughness=0.5, peaks=0.55):
    """Top edge (v coordinate) of a mountain range for every column: broad
    massifs from low-frequency noise carrying sharp ridged detail."""
    uu = np.asarray(u, dtype=F)
    mid = np.full_like(uu, 0.5)
    broad = Fbm(rng, (max(1, freq // 2), 1), 3)(uu, mid)
    sharp = Fbm(rng, (freq, 1), octaves, gain=roughness)(uu, mid, mode="ridged")
    n = stretch(broad * F(1 - peaks) * 3 + sharp * F(peaks) * 2, 0.5, 99.8)
    return F(base) - F(amp) * n


def mountains(u, v, h, rng, top, base_v, rock, snow, haze_col, haze, snowline=None,
              light=1.0, freq=8, sun_left=True):
    """Shade a mountain range whose silhouette is `top`; returns (colour, coverage).

    Surface relief is noise stretched vertically so it reads as gullies running
    down the slopes; faces turned towards the sun are lit, snow sits above the
    snowline on the sunny side, and valleys fill with haze."""
    w = u.shape[1]
    cover = np.clip((v - top) * F(h) + F(0.5), 0, 1) * (v < base_v)
    relief = Fbm(rng, (freq * 3, freq), 7, gain=0.52)
    r0 = relief(u, v, mode="ridged")
    e = F(0.5 / w)
    slope = (relief(u + e, v, mode="ridged") - r0) / e
    depth = np.maximum(v - top, 0)
    # Only the broad lean of the silhouette says which way a face points; its
    # pixel-scale jitter would paint vertical streaks down the whole range.
    tslope = blur(wrap_diff(top, 1) * F(w), 6, wrap=True)[0]
    sign = F(1 if sun_left else -1)
    face = sign * (-tslope[None, :] * F(0.8) * np.exp(-depth * F(20)) + slope * F(0.004 * light))
    shade = np.clip(0.62 + face, 0.12, 1.35)
    col = rgb(rock) * shade[..., None] * ramp(r0, [(0, "#8a8078"), (1, "#ffffff")])
    if snowline is not None:
        edge = snowline + (r0 - 0.55) * F(0.08) + depth * F(0.0)
        snowy = smoothstep(edge + 0.015, edge - 0.015, v) * smoothstep(-0.5, 0.1, face)
        col = mix(col, rgb(snow) * np.clip(shade * 1.05, 0.5, 1.15)[..., None], snowy)
    mist = F(haze) + F(1 - haze) * F(0.55) * smoothstep(0.25, 1.0, (v - top) / np.maximum(base_v - top, 1e-3))
    col = mix(col, rgb(haze_col), mist)
    return col, cover


def treeline(rng, u, base, height, count):
    """Forest edge: a solid band of woods with two overlapping rows of conifer
    tips; returns the top v for every column."""
    top = np.full_like(np.asarray(u, dtype=F), F(base - height * 0.35))
    for n, scale in ((count, 1.0), (int(count * 1.37), 0.8)):
        x = u * F(n)
        cell = np.floor(x).astype(np.int64) % n
        tall = (0.4 + 0.6 * rng.random(n)).astype(F) * F(scale)
        shift = (rng.random(n) * 0.5 - 0.25).astype(F)
        f = x - np.floor(x) - F(0.5) - shift[cell]
        spike = np.clip(1 - np.abs(f) * F(2.2), 0, 1)
        top = np.minimum(top, F(base) - F(height) * tall[cell] * spike)
    return top
