#!/usr/bin/python3
"""Generate the show's images, deterministically from a seed.

Usage: /usr/bin/python3 tools/images/generate.py [--seed N] [--out DIR] [--only ID,ID...]

Sizes and formats come from slots.txt; every picture gets its own random
stream derived from (seed, id), so regenerating one image never changes the
others.  The result is verified with check.py before the script reports
success.
"""
import argparse
import os
import sys
import time

import numpy as np
from PIL import Image

# Keep the source tree free of __pycache__ folders.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import check  # noqa: E402
import scenes_material as mat  # noqa: E402
import scenes_outdoor as out  # noqa: E402
import scenes_panorama as pano  # noqa: E402
import scenes_space as space  # noqa: E402
import textures  # noqa: E402
from paint import to_uint8  # noqa: E402

SEED = 1983

SCENES = {
    138: textures.noise_channels,
    129: out.landscape,
    130: mat.marble,
    131: mat.metal,
    149: out.clouds,
    132: out.city,
    133: mat.circuitry,
    134: mat.cells,
    135: space.nebula,
    136: mat.lava,
    139: mat.ice,
    148: out.aurora,
    82: out.ocean,
    128: space.title,
    147: textures.fbm_tile,
    137: mat.mosaic,
    140: mat.wood_rings,
    143: mat.stained_glass,
    141: pano.dunes,
    142: pano.alien,
    146: pano.canyon,
    144: out.sunset,
    145: mat.bricks,
}

# Small pictures whose fine detail (wave glints) aliases are rendered larger
# and box-filtered down.
SUPERSAMPLE = {144: 2}

JPEG_QUALITY = 88


def render(slot, seed):
    rng = np.random.default_rng([seed, slot.id])
    k = SUPERSAMPLE.get(slot.id, 1)
    img = SCENES[slot.id](rng, slot.width * k, slot.height * k).astype(np.float32)
    if img.shape[:2] != (slot.height * k, slot.width * k) or img.shape[2] != 3:
        raise RuntimeError("image %d: scene returned shape %r" % (slot.id, img.shape))
    if not np.isfinite(img).all():
        raise RuntimeError("image %d: scene produced NaN or infinity" % slot.id)
    if k > 1:
        img = img.reshape(slot.height, k, slot.width, k, 3).mean(axis=(1, 3))
    return to_uint8(img, rng)


def save(slot, pixels, directory):
    path = os.path.join(directory, slot.filename)
    im = Image.fromarray(pixels, "RGB")
    tmp = path + ".tmp"
    if slot.format == "PNG":
        im.save(tmp, "PNG", compress_level=9)
    else:
        # Baseline, 4:2:0, standard Huffman tables, no EXIF: the plainest JPEG.
        im.save(tmp, "JPEG", quality=JPEG_QUALITY, subsampling=2, progressive=False,
                optimize=False)
    os.replace(tmp, path)
    return path


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--seed", type=int, default=SEED)
    ap.add_argument("--out", default=check.DEFAULT_DIR)
    ap.add_argument("--only", default="", help="comma-separated image ids")
    args = ap.parse_args(argv)
    slots = check.read_slots()
    missing = [s.id for s in slots if s.id not in SCENES]
    if missing:
        sys.exit("no picture defined for image id(s) %s" % missing)
    only = set()
    if args.only:
        try:
            only = {int(x) for x in args.only.split(",") if x.strip()}
        except ValueError:
            sys.exit("--only wants comma-separated numbers, got %r" % args.only)
        unknown = only - {s.id for s in slots}
        if unknown:
            sys.exit("unknown image id(s) %s" % sorted(unknown))
    os.makedirs(args.out, exist_ok=True)
    start = time.time()
    for slot in slots:
        if only and slot.id not in only:
            continue
        t = time.time()
        path = save(slot, render(slot, args.seed), args.out)
        print("%-14s %-20s %5.1fs" % (os.path.basename(path), SCENES[slot.id].__name__,
                                      time.time() - t), flush=True)
    print("generated in %.1fs" % (time.time() - start))
    return 0 if check.check_dir(args.out, only) else 1


if __name__ == "__main__":
    sys.exit(main())
