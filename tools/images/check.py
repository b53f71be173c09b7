#!/usr/bin/python3
"""Verify the generated images against slots.txt.

Reads the container headers directly (not just what PIL reports) so that a
progressive or CMYK JPEG, an interlaced or 16-bit PNG, or a wrong size is
caught before the player's own importer ever sees it.  Also checks that the
textures meant to tile have no visible seam.

Usage: /usr/bin/python3 tools/images/check.py [IMAGE_DIR]
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_DIR = os.path.normpath(os.path.join(HERE, "..", "..", "resources", "images"))

# Images that must wrap seamlessly: "xy" both ways, "x" around the horizon only.
WRAPS = {138: "xy", 147: "xy", 145: "xy", 141: "x", 142: "x", 146: "x"}


class Slot:
    def __init__(self, ident, fmt, width, height):
        self.id, self.format, self.width, self.height = ident, fmt, width, height

    @property
    def filename(self):
        return "image%03d.%s" % (self.id, "png" if self.format == "PNG" else "jpg")


def read_slots(path=os.path.join(HERE, "slots.txt")):
    slots = []
    with open(path) as f:
        for n, line in enumerate(f, 1):
            parts = line.split()
            if not parts:
                continue
            if len(parts) != 4 or parts[1] not in ("PNG", "JPEG"):
                raise ValueError("%s:%d: expected 'id PNG|JPEG width height', got %r" % (path, n, line))
            slots.append(Slot(int(parts[0]), parts[1], int(parts[2]), int(parts[3])))
    ids = [s.id for s in slots]
    if len(set(ids)) != len(ids):
        raise ValueError("%s: duplicate image id" % path)
    return slots


def jpeg_header(data):
    """Return (sof_marker, precision, width, height, component ids) of a JPEG."""
    if data[:2] != b"\xff\xd8":
        raise ValueError("no JPEG start-of-image marker")
    if data[-2:] != b"\xff\xd9":
        raise ValueError("no JPEG end-of-image marker (truncated?)")
    pos = 2
    while pos + 4 <= len(data):
        if data[pos] != 0xFF:
            raise ValueError("bad marker at byte %d" % pos)
        marker = data[pos + 1]
        if marker == 0xFF:
            pos += 1
            continue
        length = struct.unpack(">H", data[pos + 2:pos + 4])[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            p, hgt, wid, n = struct.unpack(">BHHB", data[pos + 4:pos + 10])
            ids = [data[pos + 10 + 3 * i] for i in range(n)]
            return marker, p, wid, hgt, ids
        if marker == 0xDA:
            break
        pos += 2 + length
    raise ValueError("no start-of-frame marker before the scan")


def png_header(data):
    """Return (width, height, bit depth, colour type, interlace) of a PNG."""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG with a leading IHDR chunk")
    w, h, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", data[16:29])
    return w, h, depth, ctype, interlace


def seam_ratio(pixels, axis):
    """Jump across the wrap edge relative to the jumps right beside it.

    Compared locally rather than with the image-wide average, so a ridge or a
    crest that happens to sit on the edge is not mistaken for a seam, while a
    field that simply does not wrap (smooth on both sides, a step in between)
    stands out."""
    import numpy as np
    a = np.moveaxis(np.asarray(pixels, dtype=np.float64), axis, 0)
    seam = np.abs(a[0] - a[-1]).mean()
    beside = (np.abs(a[1] - a[0]).mean() + np.abs(a[-1] - a[-2]).mean()) / 2
    return seam / max(beside, 1e-6)


def check_file(slot, path):
    """Return a list of problems with one image (empty when it is fine)."""
    problems = []
    with open(path, "rb") as f:
        data = f.read()
    try:
        if slot.format == "JPEG":
            marker, precision, w, h, ids = jpeg_header(data)
            if marker != 0xC0:
                problems.append("not baseline (SOF marker 0x%02X)" % marker)
            if precision != 8:
                problems.append("%d-bit samples" % precision)
            if len(ids) != 3 or ids != [1, 2, 3]:
                problems.append("components %r, want YCbCr ids [1, 2, 3]" % ids)
            if b"Adobe" in data[:2048]:
                problems.append("Adobe marker present (colour transform ambiguity)")
        else:
            w, h, depth, ctype, interlace = png_header(data)
            if depth != 8 or ctype not in (2, 6):
                problems.append("bit depth %d colour type %d, want 8-bit RGB/RGBA" % (depth, ctype))
            if interlace:
                problems.append("interlaced")
    except (ValueError, struct.error, IndexError) as e:
        return ["unreadable header: %s" % e]
    if (w, h) != (slot.width, slot.height):
        problems.append("size %dx%d, want %dx%d" % (w, h, slot.width, slot.height))
    try:
        from PIL import Image
        with Image.open(path) as im:
            im.load()
            pixels = im.convert("RGB")
    except Exception as e:  # any decoder complaint means a broken file
        return problems + ["does not decode: %s" % e]
    for axis_name in WRAPS.get(slot.id, ""):
        ratio = seam_ratio(pixels, 1 if axis_name == "x" else 0)
        if ratio > 3.0:
            problems.append("visible seam along %s when tiled (%.1fx the step beside it)"
                            % (axis_name, ratio))
    return problems


def check_dir(directory, only=None):
    """Check every slot (or the ids in `only`); print a line per image, return ok."""
    ok = True
    total = 0
    for slot in read_slots():
        if only and slot.id not in only:
            continue
        path = os.path.join(directory, slot.filename)
        if not os.path.exists(path):
            print("FAIL %s: missing" % slot.filename)
            ok = False
            continue
        size = os.path.getsize(path)
        total += size
        problems = check_file(slot, path)
        ok = ok and not problems
        print("%s %-14s %4dx%-4d %7.1f KiB %s" % ("ok  " if not problems else "FAIL", slot.filename,
                                                 slot.width, slot.height, size / 1024.0,
                                                 "; ".join(problems)))
    print("total %.2f MiB" % (total / 1048576.0))
    return ok


def main(argv):
    directory = argv[1] if len(argv) > 1 else DEFAULT_DIR
    return 0 if check_dir(directory) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
