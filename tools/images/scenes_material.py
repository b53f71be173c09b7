"""Surface pictures: stone, metal, electronics, biology, fire, ice, craft."""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

from noise import F, Fbm, coords, fbm, voronoi, warp
from paint import blur, wrap_diff, mix, ramp, rgb, smoothstep, stretch

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"


def _light(height, k, wrap=False):
    """Lambert-ish shading of a height field lit from the upper left."""
    if wrap:
        gx, gy = wrap_diff(height, 1), wrap_diff(height, 0)
    else:
        gy, gx = np.gradient(height)
    return np.clip(0.75 + (-gx - gy) * F(k), 0.2, 1.6)


def marble(rng, w, h):
    """Polished white marble: veins follow the zero contours of a doubly warped
    noise field, so they form long connected networks; a few golden seams."""
    u, v = coords(w, h)
    wu, wv = warp(rng, u, v, (2, 2), 0.22)
    wu, wv = warp(rng, wu, wv, (4, 3), 0.06)
    n1 = Fbm(rng, (3, 2), 6, gain=0.55)(wu, wv)
    n2 = Fbm(rng, (6, 4), 5)(wu * F(1.0), wv)
    width = F(30) * (F(1.2) + fbm(rng, u, v, (3, 2), 3) * F(2))
    veins = np.exp(-np.abs(n1) * np.maximum(width, 8))
    halo = np.exp(-np.abs(n1) * F(5))
    fine = np.exp(-np.abs(n2) * F(90))
    cloud = fbm(rng, wu, wv, (5, 4), 6) * 0.5 + 0.5
    base = ramp(cloud, [(0, "#d2cec8"), (0.5, "#ece9e3"), (1, "#faf8f4")])
    img = mix(base, rgb("#b9bcc0"), halo * 0.35)
    img = mix(img, rgb("#4f5862"), veins * 0.9)
    img = mix(img, rgb("#7d838b"), fine * 0.55)
    gold = np.exp(-np.abs(Fbm(rng, (2, 2), 6)(wu, wv)) * F(160))
    img = mix(img, rgb("#c9a24a"), gold * 0.7)
    sheen = smoothstep(0.9, 0.0, np.abs((u - v * 0.6) - 0.35)) * 0.06
    return img + sheen[..., None]


def metal(rng, w, h):
    """Brushed steel plates with bevelled seams, rivets and scratches."""
    u, v = coords(w, h)
    brush = fbm(rng, u, v, (2, 180), 4) * 0.6 + fbm(rng, u, v, (8, 720), 2) * 0.4
    mottling = fbm(rng, u, v, (4, 3), 5)
    band = np.exp(-((v - 0.35 - u * 0.15) / F(0.22)) ** 2)
    lum = F(0.52) + brush * F(0.35) + mottling * F(0.12) + band * F(0.3)
    # Panels: 3 x 2 plates separated by grooves.
    px = (u * 3) % 1
    py = (v * 2) % 1
    ex = np.minimum(px, 1 - px) * (w / 3)
    ey = np.minimum(py, 1 - py) * (h / 2)
    edge = np.minimum(ex, ey)
    groove = smoothstep(1.5, 5, edge)
    bevel = np.where(ex < ey, np.sign(0.5 - px), np.sign(0.5 - py)) * smoothstep(10, 4, edge)
    lum = lum * (F(0.25) + F(0.75) * groove) + bevel * F(0.12)
    # Rivets near plate corners.
    riv = np.zeros((h, w), dtype=F)
    rx = (u * 3 % 1) * (w / 3)
    ry = (v * 2 % 1) * (h / 2)
    for cx in (22, w / 3 - 22):
        for cy in (22, h / 2 - 22):
            d = np.sqrt((rx - cx) ** 2 + (ry - cy) ** 2)
            dome = np.clip(1 - (d / 9) ** 2, 0, 1)
            riv = np.maximum(riv, np.sqrt(dome))
            shadow = smoothstep(13, 8, np.sqrt((rx - cx - 3) ** 2 + (ry - cy - 3) ** 2)) * (dome == 0)
            lum = lum - shadow * F(0.25)
    hl = _light(riv * 12, 0.9)
    lum = np.where(riv > 0, riv * F(0.35) + hl * F(0.45), lum)
    # Scratches: thin random strokes drawn at double resolution.
    scratch = Image.new("L", (w * 2, h * 2), 0)
    d = ImageDraw.Draw(scratch)
    for _ in range(70):
        x0, y0 = rng.random(2) * (w * 2, h * 2)
        ang = rng.normal(0.1, 0.5)
        ln = rng.uniform(30, 260)
        d.line([(x0, y0), (x0 + np.cos(ang) * ln, y0 + np.sin(ang) * ln)],
               fill=int(rng.uniform(60, 200)), width=1)
    s = np.asarray(scratch.resize((w, h), Image.BILINEAR), dtype=F) / 255
    lum = lum + s * F(0.3)
    tint = mix(rgb("#9aa3ad"), rgb("#e4e8ee"), np.clip(lum, 0, 1))
    return tint * np.clip(lum, 0, 1.3)[..., None]


def circuitry(rng, w, h):
    """Circuit board: gold traces routed at 45 degrees, vias, chips with labels."""
    ss = 2
    W, H = w * ss, h * ss
    pitch = 16 * ss
    gw, gh = W // pitch, H // pitch
    used = np.zeros((gh + 1, gw + 1), dtype=bool)
    traces = Image.new("L", (W, H), 0)
    pads = Image.new("L", (W, H), 0)
    chips = Image.new("L", (W, H), 0)
    dt, dp, dc = ImageDraw.Draw(traces), ImageDraw.Draw(pads), ImageDraw.Draw(chips)
    font = ImageFont.truetype(FONT_DIR + "DejaVuSansMono-Bold.ttf", 13 * ss)
    labels = []
    for _ in range(7):
        cw, ch = rng.integers(4, 9), rng.integers(3, 6)
        gx, gy = rng.integers(1, gw - cw - 1), rng.integers(1, gh - ch - 1)
        if used[gy - 1:gy + ch + 2, gx - 1:gx + cw + 2].any():
            continue
        used[gy - 1:gy + ch + 2, gx - 1:gx + cw + 2] = True
        x0, y0, x1, y1 = gx * pitch, gy * pitch, (gx + cw) * pitch, (gy + ch) * pitch
        dc.rectangle([x0, y0, x1, y1], fill=255)
        for px in range(gx, gx + cw + 1):
            dp.rectangle([px * pitch - 3 * ss, y0 - 10 * ss, px * pitch + 3 * ss, y0], fill=255)
            dp.rectangle([px * pitch - 3 * ss, y1, px * pitch + 3 * ss, y1 + 10 * ss], fill=255)
        labels.append(((x0 + x1) // 2, (y0 + y1) // 2, "FL%02d-%d" % (rng.integers(0, 99), cw)))
    dirs = [(1, 0), (1, 1), (0, 1), (-1, 1), (-1, 0), (-1, -1), (0, -1), (1, -1)]
    for _ in range(420):
        x, y = int(rng.integers(0, gw + 1)), int(rng.integers(0, gh + 1))
        if used[y, x]:
            continue
        di = int(rng.integers(0, 8))
        path = [(x, y)]
        used[y, x] = True
        for _ in range(int(rng.integers(4, 40))):
            if rng.random() < 0.25:
                di = (di + (1 if rng.random() < 0.5 else -1)) % 8
            nx, ny = x + dirs[di][0], y + dirs[di][1]
            if not (0 <= nx <= gw and 0 <= ny <= gh) or used[ny, nx]:
                break
            x, y = nx, ny
            used[y, x] = True
            path.append((x, y))
        if len(path) < 3:
            continue
        pts = [(px * pitch, py * pitch) for px, py in path]
        width = int(rng.choice([3, 4, 6])) * ss
        dt.line(pts, fill=255, width=width, joint="curve")
        for (px, py) in (pts[0], pts[-1]):
            r = width + 4 * ss
            dp.ellipse([px - r, py - r, px + r, py + r], fill=255)
    tr = np.asarray(traces.resize((w, h), Image.LANCZOS), dtype=F) / 255
    pd = np.asarray(pads.resize((w, h), Image.LANCZOS), dtype=F) / 255
    ch = np.asarray(chips.resize((w, h), Image.LANCZOS), dtype=F) / 255
    u, v = coords(w, h)
    weave = (np.sin(u * F(w * 0.9)) * np.sin(v * F(h * 0.9))) * F(0.03)
    board = ramp(fbm(rng, u, v, (8, 5), 5) * 0.5 + 0.5 + weave, [(0, "#062a1c"), (1, "#0f4a30")])
    img = board * (F(1) - blur(ch, 4) * F(0.5))[..., None]
    copper = ramp(tr, [(0, "#0f4a30"), (1, "#3fae6a")])
    img = mix(img, copper, tr * 0.85)
    hot = tr * smoothstep(0.2, 0.7, fbm(rng, u, v, (6, 4), 3))
    img = img + rgb("#7dffc8") * (blur(hot, 6) * F(0.5))[..., None]
    gold = ramp(_light(pd * 6, 0.6), [(0.4, "#8a6420"), (1, "#ffe08a")])
    img = mix(img, gold, pd)
    img = mix(img, ramp(fbm(rng, u, v, (30, 20), 3), [(-0.5, "#121214"), (0.5, "#2a2a30")]), ch)
    text = Image.new("L", (w, h), 0)
    dtx = ImageDraw.Draw(text)
    small = ImageFont.truetype(FONT_DIR + "DejaVuSansMono-Bold.ttf", 13)
    for cx, cy, label in labels:
        dtx.text((cx // ss, cy // ss), label, fill=200, font=small, anchor="mm")
    img = mix(img, rgb("#d8d8d0"), np.asarray(text, dtype=F) / 255)
    return img


def cells(rng, w, h):
    """Stained tissue under a microscope: warped cells, membranes, nuclei."""
    u, v = coords(w, h)
    wu, wv = warp(rng, u, v, (4, 3), 0.03)
    c = voronoi(rng, wu, wv, 22, 13, jitter=0.85)
    hue = (c.id * 0.61803) % 1
    cyto = ramp(hue, [(0, "#f3b6c8"), (0.5, "#e69ac0"), (1, "#f6c8d2")])
    grain = fbm(rng, u, v, (80, 45), 3)
    cyto = cyto * (F(0.9) + grain * F(0.3))[..., None]
    membrane = smoothstep(0.09, 0.0, c.edge)
    img = mix(cyto, rgb("#7a2a6a"), membrane * 0.85)
    nuc_r = F(0.18) + F(0.08) * ((c.id * 0.377) % 1)
    nd = np.sqrt((c.ox * 1.2) ** 2 + c.oy ** 2) + fbm(rng, u, v, (40, 24), 3) * F(0.05)
    nucleus = smoothstep(nuc_r + 0.02, nuc_r - 0.02, nd)
    chromatin = stretch(fbm(rng, u, v, (160, 90), 3))
    ncol = ramp(chromatin, [(0, "#3a1a6a"), (1, "#8a5ab8")])
    img = mix(img, ncol, nucleus)
    img = mix(img, rgb("#2a0e3a"), smoothstep(0.02, 0.0, np.abs(nd - nuc_r)) * 0.6)
    vignette = 1 - 0.35 * ((u - 0.5) ** 2 + (v - 0.5) ** 2) * 2
    return img * vignette[..., None]


def lava(rng, w, h):
    """Cooling lava field: cracked black crust over rivers of molten rock."""
    u, v = coords(w, h)
    wu, wv = warp(rng, u, v, (3, 2), 0.18)
    flow = fbm(rng, wu * F(1.0), wv, (4, 3), 6)
    heat = smoothstep(-0.05, 0.25, flow)
    c = voronoi(rng, wu + flow * 0.02, wv, 28, 16)
    crack = smoothstep(0.07, 0.0, c.edge) * (1 - heat)
    crust_h = fbm(rng, u, v, (60, 34), 4)
    crust = ramp(crust_h * 0.5 + 0.5, [(0, "#0b0908"), (0.6, "#1e1816"), (1, "#3a302b")])
    crust = crust * _light(crust_h * 8 + c.f1 * 3, 2.5)[..., None]
    molten = ramp(heat * (0.7 + 0.3 * stretch(fbm(rng, wu, wv, (12, 8), 4))),
                  [(0, "#300300"), (0.35, "#b01800"), (0.7, "#ff6a00"), (1, "#ffe070")])
    img = mix(crust, molten, heat)
    glow_lines = crack * smoothstep(-0.4, 0.0, flow)
    img = img + ramp(glow_lines, [(0, "#000000"), (0.5, "#c02000"), (1, "#ffa040")]) * glow_lines[..., None]
    emit = heat[..., None] * molten
    return img + blur(emit, 10) * F(0.35)


def ice(rng, w, h):
    """Fractured ice: faceted crystal cells, frost, white cracks and sparkles."""
    u, v = coords(w, h)
    c = voronoi(rng, u, v, 16, 9, jitter=0.95)
    nx = (((c.id * 0.7548) % 1) - 0.5) * 2
    ny = (((c.id * 0.5698) % 1) - 0.5) * 2
    facet = F(0.5) + (c.ox * nx + c.oy * ny) * F(0.6)
    c2 = voronoi(rng, u, v, 48, 27)
    depth = fbm(rng, u, v, (5, 3), 6) * 0.5 + 0.5
    base = ramp(np.clip(facet * 0.6 + depth * 0.6 - 0.1, 0, 1),
                [(0, "#06314f"), (0.35, "#1f7fb0"), (0.7, "#8fd6ef"), (1, "#eefcff")])
    img = base + F(0.12) * (c2.f1 - 0.4)[..., None]
    crack = smoothstep(0.035, 0.0, c.edge)
    fine = smoothstep(0.02, 0.0, c2.edge) * smoothstep(0.1, 0.5, fbm(rng, u, v, (6, 4), 4) + 0.3)
    img = mix(img, rgb("#f4fdff"), np.maximum(crack * 0.9, fine * 0.45))
    frost = smoothstep(0.25, 0.65, fbm(rng, u, v, (8, 5), 7, mode="turb") +
                       (np.abs(u - 0.5) + np.abs(v - 0.5)) * 0.3)
    img = mix(img, rgb("#e6f6ff"), frost * 0.6)
    spark = (rng.random((h, w)) > 0.9993).astype(F) * 3
    img = img + (blur(spark, 1.2) * 6)[..., None] * rgb("#e8fbff")
    return img


def mosaic(rng, w, h):
    """Roman floor mosaic: tesserae forming a checker of diamonds and rosettes."""
    t = 10
    cols, rows = w // t + 1, h // t + 1
    gx, gy = np.meshgrid(np.arange(cols), np.arange(rows))
    cell = 8
    lx = (gx % (2 * cell)) - cell + 0.5
    ly = (gy % (2 * cell)) - cell + 0.5
    block = ((gx // (2 * cell)) + (gy // (2 * cell))) % 2
    diamond = (np.abs(lx) + np.abs(ly)) < cell - 1
    ring = np.abs(np.sqrt(lx ** 2 + ly ** 2) - cell * 0.55) < 1.2
    centre = (lx ** 2 + ly ** 2) < 4
    border = (np.abs(lx) > cell - 1.5) | (np.abs(ly) > cell - 1.5)
    palette = np.stack([rgb(c) for c in ("#e8dcc0", "#b5452c", "#2a2a2e", "#3c6e8f", "#d9a441")])
    idx = np.zeros_like(gx)
    idx = np.where(block == 1, 0, 1)
    idx = np.where(diamond, np.where(block == 1, 3, 0), idx)
    idx = np.where(ring, 4, idx)
    idx = np.where(centre, 2, idx)
    idx = np.where(border, 2, idx)
    tile_col = palette[idx] * (0.85 + 0.3 * rng.random((rows, cols, 1))).astype(F)
    jx = rng.uniform(-1.2, 1.2, (rows, cols)).astype(F)
    jy = rng.uniform(-1.2, 1.2, (rows, cols)).astype(F)
    ys, xs = np.mgrid[0:h, 0:w].astype(F)
    ci = (xs // t).astype(int)
    cj = (ys // t).astype(int)
    fx = xs - ci * t - t / 2 + 0.5 - jx[cj, ci]
    fy = ys - cj * t - t / 2 + 0.5 - jy[cj, ci]
    e = np.maximum(np.abs(fx), np.abs(fy))
    inside = smoothstep(t / 2 - 0.4, t / 2 - 1.6, e)
    bevel = np.clip(1 - (-fx - fy) / (t * 1.4) * smoothstep(t / 2 - 3.5, t / 2 - 1, e) * 2, 0.6, 1.4)
    img = tile_col[cj, ci] * bevel[..., None]
    u, v = coords(w, h)
    grout = ramp(fbm(rng, u, v, (16, 12), 4) * 0.5 + 0.5, [(0, "#4a443c"), (1, "#7a7264")])
    img = mix(grout, img, inside)
    wear = fbm(rng, u, v, (6, 4), 5) * 0.5 + 0.5
    return img * (F(0.8) + F(0.3) * wear)[..., None]


def wood_rings(rng, w, h):
    """End grain of a sawn log: growth rings, rays and drying cracks."""
    u, v = coords(w, h)
    x = (u - 0.43) * F(w / h)
    y = v - 0.55
    wx, wy = warp(rng, u, v, (3, 2), 0.04)
    r = np.sqrt(x * x + y * y) + (wx - u) * F(0.8) + (wy - v) * F(0.4)
    ang = np.arctan2(y, x)
    ring = r * 34 + fbm(rng, u, v, (8, 6), 5) * 1.2
    fr = ring % 1
    late = smoothstep(0.65, 0.92, fr) * smoothstep(1.0, 0.93, fr)
    base = ramp(stretch(fbm(rng, u, v, (4, 3), 4)), [(0, "#b07a48"), (1, "#d6a56c")])
    img = mix(base, rgb("#6e3f1e"), late * 0.8)
    rays = smoothstep(0.85, 1.0, np.abs(np.sin(ang * 90 + ring * 0.05))) * 0.1
    img = img * (1 - rays)[..., None]
    grain = fbm(rng, u, v, (200, 150), 2) * 0.06
    img = img * (1 + grain)[..., None]
    cracks = np.zeros((h, w), dtype=F)
    for a0 in rng.uniform(-np.pi, np.pi, 5):
        da = np.angle(np.exp(1j * (ang - a0)))
        width = F(0.004) + r * F(0.02)
        reach = F(0.25) + F(0.25) * F(rng.random())
        cracks = np.maximum(cracks, smoothstep(width, 0, np.abs(da) * r) * smoothstep(0.05, 0.2, r)
                            * smoothstep(reach, reach - 0.05, r))
    img = mix(img, rgb("#241208"), cracks * 0.9)
    bark_r = F(0.52) + fbm(rng, ang[..., None][..., 0] * F(0.16) + 0.5, np.full_like(ang, 0.5), (24, 1), 5) * F(0.03)
    bark = smoothstep(bark_r - 0.005, bark_r + 0.005, r)
    bark_col = ramp(fbm(rng, u, v, (60, 40), 4) * 0.5 + 0.5, [(0, "#1d130c"), (1, "#4a3423")])
    cambium = smoothstep(bark_r - 0.03, bark_r - 0.005, r) * (1 - bark)
    img = mix(img, rgb("#e2c08c"), cambium * 0.5)
    return mix(img, bark_col, bark)


def stained_glass(rng, w, h):
    """Back-lit leaded glass: jewel-coloured panes, lead cames, a rose at the centre."""
    u, v = coords(w, h)
    x = (u - 0.5) * F(w / h)
    y = v - 0.5
    r = np.sqrt(x * x + y * y)
    c = voronoi(rng, u, v, 9, 7, jitter=0.9)
    ang = np.arctan2(y, x)
    petals = np.floor((ang + np.pi) / (2 * np.pi) * 12).astype(np.int64)
    rose = r < 0.3
    ident = np.where(rose, 1000 + petals + 12 * (r > 0.14), c.id)
    petal_edge = np.abs(((ang + np.pi) / (2 * np.pi) * 12) % 1 - 0.5)
    edge = np.where(rose, np.minimum((0.5 - petal_edge) * r * 0.5 * 12 * 0.5,
                                     np.minimum(np.abs(r - 0.14), np.abs(r - 0.3)) * 6) * F(1.5),
                    np.minimum(c.edge, np.abs(r - 0.3) * 6))
    edge = np.where(r < 0.045, 1.0, edge)
    palette = [rgb(s) for s in ("#b0122a", "#1432a0", "#0f7a3a", "#e0a810", "#6a1a8a", "#0a7ca8",
                                "#d0541a", "#2a52d0")]
    pal = np.stack(palette)
    pick = pal[(ident * 7 + (ident // 3)) % len(palette)]
    pick = np.where(((ident >= 1000) & (ident < 1012))[..., None], rgb("#e0a810"), pick)
    pick = np.where((ident >= 1012)[..., None], pal[(ident % 2) * 3 + 1], pick)
    pick = np.where((r < 0.045)[..., None], rgb("#f0f0e0"), pick)
    texture = fbm(rng, u, v, (20, 15), 4) * 0.5 + fbm(rng, u, v, (5, 4), 3) * 0.5
    back = F(0.55) + F(0.6) * np.exp(-r * r * 4) + texture * F(0.35)
    glass = pick * back[..., None]
    glass = glass + blur(glass, 6) * F(0.25)
    lead = smoothstep(0.045, 0.02, edge)
    border = smoothstep(0.015, 0.0, np.minimum(np.minimum(u, 1 - u), np.minimum(v, 1 - v)) - 0.01)
    lead = np.maximum(lead, border)
    lead_col = ramp(fbm(rng, u, v, (40, 30), 3) * 0.5 + 0.5, [(0, "#0b0b0d"), (1, "#2c2c30")])
    return mix(glass, lead_col, lead)


def bricks(rng, w, h):
    """Weathered brick wall in running bond; the layout and noise tile seamlessly."""
    u, v = coords(w, h)
    rows, per_row = 16, 8
    rowi = np.floor(v * rows).astype(np.int64)
    shift = (rowi % 2) * F(0.5)
    bx = u * per_row + shift
    coli = np.floor(bx).astype(np.int64) % per_row
    fx = bx - np.floor(bx)
    fy = v * rows - rowi
    ident = rowi * per_row + coli
    ex = np.minimum(fx, 1 - fx) * (w / per_row)
    ey = np.minimum(fy, 1 - fy) * (h / rows)
    n_edge = fbm(rng, u, v, (32, 32), 4) * 3
    e = np.minimum(ex, ey) + n_edge
    face = smoothstep(3.0, 6.0, e)
    tone = ((ident * 0.618034) % 1).astype(F)
    burnt = ((ident * 0.41421) % 1) > 0.85
    col = ramp(tone, [(0, "#8a3b24"), (0.4, "#a54a2c"), (0.8, "#b86a42"), (1, "#7a4a3a")])
    col = np.where(burnt[..., None], col * F(0.55), col)
    speck = fbm(rng, u, v, (128, 128), 3)
    grime = smoothstep(-0.1, 0.5, fbm(rng, u, v, (4, 4), 6)) * 0.35
    brick = col * (F(0.85) + speck * F(0.35))[..., None]
    height = face + speck * F(0.15)
    shade = _light(height, 6, wrap=True)
    brick = brick * shade[..., None]
    mortar = ramp(fbm(rng, u, v, (64, 64), 4) * 0.5 + 0.5, [(0, "#6e6a62"), (1, "#a6a096")])
    mortar = mortar * (F(0.7) + F(0.3) * smoothstep(0, 3, e))[..., None]
    img = mix(mortar, brick, face)
    moss = smoothstep(0.25, 0.55, fbm(rng, u, v, (8, 8), 6) + (v - 0.5) * 0.4) * (1 - face * 0.7)
    img = mix(img, rgb("#3f5a22"), moss * 0.7)
    return img * (1 - grime)[..., None]
