"""The composition: chords, themes, patterns and the section-by-section arrangement.

120 BPM, so one beat is 0.5 s and every scene switch (whole seconds) falls on
a beat.  Each section restarts its bar count at its own scene switch; a
section with an odd number of seconds ends in a half bar.  The last second
before every switch is the visual wipe, and the drums play a fill there.
"""

import itertools
from dataclasses import dataclass, field

import numpy as np

BPM = 120.0
BEAT = 60.0 / BPM
BAR = 4 * BEAT
STEP = BEAT / 4
SWING = 0.012  # seconds late for off-beat sixteenths
TAIL = 5.0  # ring-out after the last scene ends

# Scene holds in playlist order; each scene is followed by a 1 s wipe.
HOLDS = [41, 10, 18, 18, 18, 18, 19, 19, 19, 19, 34, 38, 65, 20]


def scene_starts():
    starts, t = [], 0
    for h in HOLDS:
        starts.append(t)
        t += h + 1
    return starts, t


# name -> (root pitch class, pad intervals).  Pads get a colour tone (7th or
# 9th) on top of the triad; the first three intervals are the triad.
CHORDS = {
    "Am": (9, [0, 3, 7, 14]),
    "F": (5, [0, 4, 7, 11]),
    "C": (0, [0, 4, 7, 14]),
    "G": (7, [0, 4, 7, 14]),
    "Em": (4, [0, 3, 7, 10]),
    "Dm": (2, [0, 3, 7, 10]),
    "Bb": (10, [0, 4, 7, 11]),
    "E": (4, [0, 4, 7, 10]),
    "A": (9, [0, 4, 7, 14]),
}

P1 = ["Am", "F", "C", "G"]
P2 = ["F", "G", "Em", "Am"]
P3 = ["Dm", "Bb", "F", "E"]

# Themes: one list per bar of (beat, length in beats, midi note).
THEME_A = [
    [(0, 1.5, 76), (1.5, 0.5, 74), (2, 1, 72), (3, 1, 76)],
    [(0, 1.5, 81), (1.5, 0.5, 79), (2, 1, 77), (3, 1, 72)],
    [(0, 1.5, 79), (1.5, 0.5, 76), (2, 1, 72), (3, 0.5, 74), (3.5, 0.5, 76)],
    [(0, 2, 74), (2, 1, 71), (3, 1, 67)],
    [(0, 1.5, 76), (1.5, 0.5, 74), (2, 1, 72), (3, 1, 76)],
    [(0, 1.5, 81), (1.5, 0.5, 79), (2, 1, 77), (3, 0.5, 81), (3.5, 0.5, 84)],
    [(0, 1.5, 79), (1.5, 0.5, 84), (2, 1, 79), (3, 1, 76)],
    [(0, 1, 74), (1, 1, 76), (2, 2, 71)],
]
THEME_B = [
    [(0, 0.5, 72), (0.5, 0.5, 77), (1, 1, 81), (2, 0.5, 79), (2.5, 0.5, 77), (3, 1, 76)],
    [(0, 0.5, 74), (0.5, 0.5, 79), (1, 1, 83), (2, 0.5, 81), (2.5, 0.5, 79), (3, 1, 74)],
    [(0, 1.5, 76), (1.5, 0.5, 79), (2, 1, 83), (3, 0.5, 81), (3.5, 0.5, 79)],
    [(0, 3, 81), (3, 1, 76)],
]
THEME_C = [
    [(0, 1, 77), (1, 0.5, 76), (1.5, 0.5, 74), (2, 2, 81)],
    [(0, 1, 74), (1, 1, 77), (2, 1.5, 82), (3.5, 0.5, 81)],
    [(0, 1, 81), (1, 0.5, 79), (1.5, 0.5, 77), (2, 2, 84)],
    [(0, 1.5, 83), (1.5, 0.5, 80), (2, 2, 76)],
]
# The finale's closing statement, landing on A major.
THEME_END = [
    [(0, 2, 81), (2, 1, 79), (3, 1, 77)],
    [(0, 2, 79), (2, 1, 83), (3, 1, 86)],
    [(0, 3, 83), (3, 1, 79)],
    [(0, 2, 81), (2, 2, 76)],
    [(0, 1, 77), (1, 1, 81), (2, 2, 84)],
    [(0, 2, 83), (2, 1, 86), (3, 1, 88)],
    [(0, 8, 85)],
    [],
]
# Slow bell melody of the intro (bar, beat, beats, note), over 2-bar chords.
INTRO_BELLS = [
    (8, 0, 3, 76), (8, 3, 1, 74), (9, 0, 4, 72),
    (10, 0, 3, 81), (10, 3, 1, 79), (11, 0, 4, 77),
    (12, 0, 3, 79), (12, 3, 1, 76), (13, 0, 4, 72),
    (14, 0, 3, 74), (14, 3, 1, 71), (15, 0, 4, 67),
    (16, 0, 2, 69), (16, 2, 2, 72), (17, 0, 4, 77),
    (18, 0, 2, 74), (18, 2, 2, 79), (19, 0, 4, 83),
    (20, 0, 2, 80),
]

DRUMS = {
    "four_lite": {"kick": "x...x...x...x...", "chh": "-.o.-.o.-.o.-.o.", "ohh": "..-...-...-...-."},
    "four": {"kick": "x...x...x...x...", "clap": "....x.......x...",
             "chh": "-.o.-.o.-.o.-.o.", "ohh": "..o...o...o...o."},
    "drive": {"kick": "x...x...x...x...", "clap": "....x.......x...", "snare": "....o.......o...",
              "chh": "-ox--ox--ox--ox-", "ohh": "..o...o...o...x.", "shaker": "-.-.-.-.-.-.-.-."},
    "break": {"kick": "x.....x...x..o..", "snare": "....x.......x...", "clap": "....o.......o..-",
              "chh": "o-x-o-x-o-x-o-xo", "shaker": "..-...-...-...-."},
    "half": {"kick": "x.........x.....", "snare": "........x.......",
             "chh": "o.x.o.x.o.x.o.x.", "shaker": "-.-.-.-.-.-.-.-."},
    "hats": {"chh": "-.o.-.o.-.o.-.o.", "shaker": "..-...-...-...-."},
    "shaker": {"shaker": "-.o.-.o.-.o.-.o."},
    "pulse": {"kick": "x...x...x...x...", "chh": "..-...-...-...-."},
}
VEL = {"x": 1.0, "o": 0.65, "-": 0.35, ".": 0.0}

# Bass patterns: (step, length in steps, semitones above the root, velocity).
BASS = {
    "offbeat": [(s, 1.6, 0, 1.0) for s in (2, 6, 10, 14)],
    "rolling": [(s, 0.9, 12 if s % 4 == 3 else 0, 1.0 if s % 4 == 2 else 0.8)
                for s in range(16) if s % 4 != 0],
    "drive": [(s, 1.7, 12 if s % 4 == 2 else 0, 0.9) for s in range(0, 16, 2)],
    "syncop": [(0, 3, 0, 1.0), (3, 1, 0, 0.7), (6, 2, 12, 0.9), (10, 2, 7, 0.85),
               (12, 2, 0, 0.9), (14, 1, 12, 0.7)],
    "sustain8": [(0, 7.5, 0, 1.0), (8, 5.5, 0, 0.8), (14, 1.8, 12, 0.7)],
    "pedal": [(s, 1.5, 0, 0.9 if s % 4 == 0 else 0.7) for s in range(0, 16, 2)],
}


@dataclass
class Score:
    """Flat event lists that the renderer turns into sound."""

    drums: list = field(default_factory=list)  # (t, name, vel, pan)
    notes: list = field(default_factory=list)  # (t, instr, dur, midi, vel, kwargs)
    fx: list = field(default_factory=list)  # (t, kind, dur, vel)
    sections: list = field(default_factory=list)  # (start, end, label)
    chords: list = field(default_factory=list)  # (t0, t1, name)

    def drum(self, t, name, vel=1.0, pan=0.0):
        self.drums.append((t, name, vel, pan))

    def note(self, t, instr, dur, midi, vel, **kw):
        self.notes.append((t, instr, dur, midi, vel, kw))


def harmony_below(m, chord):
    """Second voice: the highest chord tone at least a minor third below."""
    root, ivs = CHORDS[chord]
    triad = {(root + iv) % 12 for iv in ivs[:3]}
    h = m - 3
    while h % 12 not in triad:
        h -= 1
    return h


class Section:
    def __init__(self, score, start, end, label, chords):
        self.s = score
        self.start = float(start)
        self.end = float(end)
        self.label = label
        beats = round((self.end - self.start) / BEAT)
        total = sum(b for _, b in chords)
        if total != beats:
            raise ValueError(f"{label}: chords cover {total} beats, section has {beats}")
        self.chords = []
        t = self.start
        for name, b in chords:
            self.chords.append((t, t + b * BEAT, name))
            t += b * BEAT
        self.nbars = int((self.end - self.start + 1e-9) // BAR)
        self.fill_from = self.end - 2 * BEAT
        score.sections.append((self.start, self.end, label))
        score.chords.extend(self.chords)

    def t(self, bar, beat=0.0):
        return self.start + bar * BAR + beat * BEAT

    def chord_at(self, t):
        for c in self.chords:
            if c[0] <= t + 1e-6 < c[1]:
                return c
        return self.chords[-1]

    def steps(self, bar0=0, bar1=None):
        """(time, bar, step-in-bar) for every 16th in [bar0, bar1), clipped to the section."""
        b1 = self.end if bar1 is None else min(self.end, self.t(bar1))
        t0 = self.t(bar0)
        n = int(round((b1 - t0) / STEP))
        for i in range(n):
            t = t0 + i * STEP
            yield t, bar0 + i // 16, i % 16

    # ---- layers ---------------------------------------------------------

    def pads(self, vel, bright, attack=0.35, release=1.2, bar0=0, bar1=None, ramp=None):
        b1t = self.end if bar1 is None else self.t(bar1)
        chords = [c for c in self.chords if c[0] >= self.t(bar0) - 1e-6 and c[0] < b1t - 1e-6]
        for i, (t0, t1, name) in enumerate(chords):
            v, b = vel, bright
            if ramp is not None:
                x = i / max(1, len(chords) - 1)
                v = vel + (ramp[0] - vel) * x
                b = bright + (ramp[1] - bright) * x
            for m in voicing(name):
                self.s.note(t0, "pad", min(t1, b1t) - t0, m, v, bright=b, attack=attack, release=release)

    def bass(self, pattern, vel, bright=0.4, bar0=0, bar1=None, octave=0, through_fill=True):
        pat = {p[0]: p for p in BASS[pattern]}
        for t, bar, step in self.steps(bar0, bar1):
            if step not in pat or (not through_fill and t >= self.fill_from - 1e-6):
                continue
            _, length, semis, v = pat[step]
            c0, c1, name = self.chord_at(t)
            tt = t + (SWING if step % 2 else 0.0)
            dur = min(length * STEP, c1 - tt - 0.02)
            if dur > 0.03:
                self.s.note(tt, "bass", dur, bass_root(name) + semis + 12 * octave, vel * v, bright=bright)

    def drums(self, pattern, vel=1.0, bar0=0, bar1=None, skip=(), fill=True):
        pat = DRUMS[pattern]
        for t, bar, step in self.steps(bar0, bar1):
            if fill and t >= self.fill_from - 1e-6:
                continue
            for name, row in pat.items():
                v = VEL[row[step]]
                if v == 0.0 or name in skip:
                    continue
                tt = t + (SWING if step % 2 and name in ("chh", "shaker") else 0.0)
                pan = {"chh": 0.25, "ohh": -0.2, "shaker": -0.35, "clap": 0.05}.get(name, 0.0)
                self.s.drum(tt, name, vel * v, pan)

    def fill(self, kind, vel=1.0):
        t0 = self.fill_from
        s = self.s
        if kind == "roll":
            for i in range(8):
                s.drum(t0 + i * STEP, "snare", vel * (0.35 + 0.65 * i / 7), 0.1 * ((-1) ** i))
            s.drum(t0, "kick", vel * 0.9)
        elif kind == "roll32":
            for i in range(16):
                s.drum(t0 + i * STEP / 2, "snare", vel * (0.3 + 0.7 * i / 15), 0.0)
        elif kind == "toms":
            seq = ["snare", "tomh", "tomh", "tomm", "tomm", "toml", "toml", "snare"]
            pans = [0.0, 0.4, 0.4, 0.0, 0.0, -0.4, -0.4, 0.0]
            for i, (name, pan) in enumerate(zip(seq, pans)):
                s.drum(t0 + i * STEP, name, vel * (0.7 + 0.3 * i / 7), pan)
            s.drum(t0, "kick", vel * 0.9)
        elif kind == "stop":
            pass
        else:
            raise ValueError(kind)
        if kind in ("roll", "roll32", "stop", "toms"):
            s.fx.append((self.end, "revcrash", 1.0 if kind == "stop" else 0.9, vel * 0.7))

    def arp(self, vel, bright=0.5, style="updown", rate=1, base=64, bar0=0, bar1=None, until_fill=False):
        pattern = {
            "up": [0, 1, 2, 3, 4, 5, 6, 7],
            "updown": [0, 1, 2, 3, 4, 3, 2, 1],
            "pingpong": [0, 2, 1, 3, 2, 4, 3, 5],
            "wide": [0, 3, 1, 4, 2, 5, 3, 6],
        }[style]
        for i, (t, bar, step) in enumerate(self.steps(bar0, bar1)):
            if step % rate or (until_fill and t >= self.fill_from - 1e-6):
                continue
            name = self.chord_at(t)[2]
            tones = arp_tones(name, base)
            k = (step // rate) % len(pattern)
            m = tones[pattern[k] % len(tones)]
            accent = 1.0 if step % 4 == 0 else 0.75
            tt = t + (SWING if step % 2 else 0.0)
            pan = 0.35 * np.sin(2 * np.pi * (t - self.start) / 8.0)
            self.s.note(tt, "pluck", STEP * rate * 0.9, m, vel * accent, bright=bright, pan=float(pan))

    def lead(self, theme, vel, bar0=0, bar1=None, octave=0, big=False, bright=0.6,
             harmony=False, instr="lead", theme_start=0, stop_at_fill=True):
        bar1 = self.nbars + 1 if bar1 is None else bar1
        limit = self.fill_from if stop_at_fill else self.end
        for bar in range(bar0, bar1):
            phrase = theme[(bar - bar0 + theme_start) % len(theme)]
            for beat, length, m in phrase:
                t = self.t(bar, beat)
                if t >= limit - 1e-6:
                    continue
                dur = min(length * BEAT * 0.95, limit - t)
                kw = {"bright": bright, "big": big} if instr == "lead" else {}
                self.s.note(t, instr, dur, m + 12 * octave, vel, **kw)
                if harmony:
                    h = harmony_below(m, self.chord_at(t)[2])
                    self.s.note(t, instr, dur, h + 12 * octave, vel * 0.6, **kw)

    def bells(self, notes, vel, octave=0, ratio=3.5, decay=1.8):
        for bar, beat, length, m in notes:
            t = self.t(bar, beat)
            if t < self.end:
                self.s.note(t, "bell", min(length * BEAT, self.end - t), m + 12 * octave, vel,
                            ratio=ratio, decay=decay)

    def crash(self, vel=0.8, impact=0.0):
        self.s.drum(self.start, "crash", vel, -0.2)
        if impact > 0:
            self.s.drum(self.start, "impact", impact, 0.0)

    def riser(self, t0, vel=0.6):
        self.s.fx.append((self.end, "riser", self.end - t0, vel))


def bass_root(name):
    pc = CHORDS[name][0]
    return 33 + ((pc - 9) % 12)  # A1 .. G#2


_last_voicing = [57, 60, 64, 71]


def voicing(name):
    """Pad chord voiced close to the previous one, avoiding seconds between neighbours."""
    global _last_voicing
    root, ivs = CHORDS[name]
    options = [[m for m in range(55, 80) if m % 12 == (root + iv) % 12] for iv in ivs]
    best, best_cost = None, None
    for combo in itertools.product(*options):
        notes = sorted(combo)
        gaps = np.diff(notes)
        cost = sum(abs(a - b) for a, b in zip(notes, _last_voicing))
        cost += 12.0 * np.sum(gaps <= 1) + 3.0 * np.sum(gaps == 2) + 0.7 * max(0, notes[-1] - notes[0] - 14)
        cost += 0.5 * abs(np.mean(notes) - 65.0)
        if best_cost is None or cost < best_cost:
            best, best_cost = notes, cost
    _last_voicing = [int(m) for m in best]
    return _last_voicing


def arp_tones(name, base):
    root, ivs = CHORDS[name]
    triad = [(root + iv) % 12 for iv in ivs[:3]]
    tones, m = [], base
    while len(tones) < 7:
        if m % 12 in triad:
            tones.append(m)
        m += 1
    return tones


def compose():
    """Build the whole arrangement.  Returns (score, total length in seconds)."""
    global _last_voicing
    _last_voicing = [57, 60, 64, 71]
    starts, show_end = scene_starts()
    bounds = starts + [show_end]
    sc = Score()

    def sec(i, label, chords):
        return Section(sc, bounds[i], bounds[i + 1], label, chords)

    def cyc(prog, times, beats=4):
        return [(c, beats) for _ in range(times) for c in prog]

    # 1. Intro: pads alone, a bell melody, riser into the drums.
    s = sec(0, "intro", cyc(P1, 2, 8) + [("F", 8), ("G", 8), ("E", 4)])
    s.pads(0.55, 0.12, attack=3.0, release=2.0, ramp=(0.8, 0.45))
    for t0, t1, name in s.chords[2:]:
        sc.note(t0, "sub", t1 - t0, bass_root(name), 0.22, attack=1.5, release=1.5)
    s.arp(0.25, bright=0.25, style="updown", rate=2, base=64, bar0=8)
    s.bells(INTRO_BELLS, 0.22)
    s.riser(36.0, 0.5)
    sc.fx.append((s.end, "revcrash", 2.0, 0.6))

    # 2. Drums enter.
    s = sec(1, "drums in", cyc(P1, 1) + [("Am", 4), ("E", 2)])
    s.crash(0.9, impact=0.8)
    s.drums("four_lite", 0.9)
    s.fill("roll", 0.8)
    s.bass("offbeat", 0.8, bright=0.35)
    s.pads(0.5, 0.45)
    s.arp(0.3, bright=0.35, style="updown", rate=1, base=64)

    # 3. Groove.
    s = sec(2, "groove", cyc(P1, 2) + [("Am", 4), ("E", 2)])
    s.crash(0.8)
    s.drums("four", 1.0)
    s.fill("toms", 0.9)
    s.bass("rolling", 0.85, bright=0.4)
    s.pads(0.5, 0.5)
    s.arp(0.32, bright=0.45, style="pingpong", base=64)

    # 4. Lead theme enters.
    s = sec(3, "theme A", cyc(P1, 2) + [("Am", 4), ("E", 2)])
    s.crash(0.8)
    s.drums("four", 1.0)
    s.fill("roll", 0.9)
    s.bass("rolling", 0.85, bright=0.45)
    s.pads(0.45, 0.5)
    s.arp(0.25, bright=0.45, style="pingpong", base=64)
    s.lead(THEME_A, 0.55, bar1=9, bright=0.55)

    # 5. Breakdown: no kick, theme B on the soft lead, snare build.
    s = sec(4, "breakdown", cyc(P2, 2) + [("F", 4), ("G", 2)])
    s.crash(0.6)
    s.pads(0.7, 0.65, attack=0.8, release=1.5)
    for t0, t1, name in s.chords:
        sc.note(t0, "sub", t1 - t0, bass_root(name), 0.32, attack=0.3, release=0.8)
    s.drums("shaker", 0.8, bar1=6)
    s.lead(THEME_B, 0.5, bar1=8, bright=0.35)
    s.arp(0.3, bright=0.3, style="wide", rate=2, base=60)
    for t, bar, step in s.steps(6):
        if t >= s.fill_from - 1e-6:
            break
        if (bar < 8 and step % 4 == 0) or (bar >= 8 and step % 2 == 0):
            x = (t - s.t(6)) / (s.fill_from - s.t(6))
            sc.drum(t, "snare", 0.3 + 0.5 * x, 0.0)
    s.fill("roll32", 0.9)
    s.riser(s.t(6), 0.55)

    # 6. First drop: everything, theme A up an octave in harmony.
    s = sec(5, "drop", cyc(P1, 2) + [("Am", 4), ("E", 2)])
    s.crash(1.0, impact=1.0)
    s.drums("drive", 1.0)
    s.fill("roll", 1.0)
    s.bass("rolling", 0.9, bright=0.55)
    s.pads(0.55, 0.6)
    s.arp(0.28, bright=0.55, style="up", base=69)
    s.lead(THEME_A, 0.5, bar1=9, big=True, bright=0.7, harmony=True)

    # 7. Breakbeat and theme B.
    s = sec(6, "breakbeat", cyc(P2, 2) + [("F", 4), ("G", 4)])
    s.crash(0.8)
    s.drums("break", 1.0)
    s.fill("toms", 0.9)
    s.bass("syncop", 0.9, bright=0.5)
    s.pads(0.5, 0.5)
    s.arp(0.3, bright=0.5, style="pingpong", base=69)
    s.lead(THEME_B, 0.55, bar1=8, bright=0.6)
    s.lead([[(0, 2, 81), (2, 2, 79)], [(0, 3, 83), (3, 1, 86)]], 0.5, bar0=8, bright=0.6)

    # 8. Darker half-time with the phrygian turn.
    s = sec(7, "half-time", cyc(P3, 2) + [("Dm", 4), ("E", 4)])
    s.crash(0.7)
    s.drums("half", 1.0)
    s.fill("roll", 0.9)
    s.bass("sustain8", 0.9, bright=0.3)
    s.pads(0.55, 0.35)
    s.lead(THEME_C, 0.5, bar1=9, bright=0.45)
    s.lead([THEME_C[3]], 0.5, bar0=9, bar1=10, bright=0.45)
    s.bells([(b, bt, 0.5, m) for b in range(10) for bt, m in ((0.5, 69), (2.5, 76))], 0.12, ratio=1.0, decay=0.6)

    # 9. Build: four-on-the-floor returns, theme C up an octave in harmony.
    s = sec(8, "build", cyc(P3, 2) + [("F", 4), ("G", 4)])
    s.crash(0.8)
    s.drums("four", 1.0)
    s.fill("stop")
    s.bass("offbeat", 0.9, bright=0.5, through_fill=False)
    s.pads(0.5, 0.5)
    s.arp(0.3, bright=0.55, style="up", base=64, until_fill=True)
    s.lead(THEME_C, 0.5, bar1=8, octave=0, big=True, bright=0.65, harmony=True)
    s.lead([[(0, 1, 81), (1, 1, 84), (2, 2, 81)], [(0, 1, 86), (1, 1, 83), (2, 1.9, 79)]], 0.5,
           bar0=8, big=True, bright=0.65)

    # 10. Second breakdown: pads, bells, a slow rebuild.
    s = sec(9, "breakdown 2", cyc(P1, 1, 8) + [("F", 4), ("E", 4)])
    s.crash(0.45)
    s.pads(0.65, 0.3, attack=1.0, release=1.8, ramp=(0.75, 0.6))
    for t0, t1, name in s.chords:
        sc.note(t0, "sub", t1 - t0, bass_root(name), 0.3, attack=0.8, release=1.0)
    s.bells([(b - 8, bt, ln, m) for b, bt, ln, m in INTRO_BELLS if b < 16], 0.25)
    s.arp(0.25, bright=0.25, style="updown", rate=2, base=64, bar0=2)
    s.drums("shaker", 0.6, bar0=2, bar1=6)
    s.drums("pulse", 0.55, bar0=6)
    for t, bar, step in s.steps(8):
        if t < s.fill_from - 1e-6 and step % 2 == 0:
            x = (t - s.t(8)) / (s.fill_from - s.t(8))
            sc.drum(t, "snare", 0.3 + 0.5 * x, 0.0)
    s.fill("roll32", 0.9)
    s.riser(s.t(6), 0.6)

    # 11. Main statement: theme A then theme B.
    s = sec(10, "main", cyc(P1, 2) + cyc(P2, 2) + [("Am", 4), ("E", 2)])
    s.crash(1.0, impact=1.0)
    s.drums("drive", 1.0)
    s.fill("roll", 1.0)
    s.bass("rolling", 0.9, bright=0.55)
    s.pads(0.55, 0.6)
    s.arp(0.27, bright=0.55, style="up", base=69)
    s.lead(THEME_A, 0.5, bar1=8, big=True, bright=0.7, harmony=True)
    s.lead(THEME_B, 0.5, bar0=8, bar1=16, big=True, bright=0.7, harmony=True)
    s.lead([[(0, 2, 81), (2, 1.5, 83)]], 0.5, bar0=16, big=True, bright=0.7)
    sc.drum(s.t(8), "crash", 0.8, 0.2)

    # 12. Tension: phrygian progression, then a long build into the finale.
    s = sec(11, "tension", cyc(P3, 4) + [("Dm", 4), ("Bb", 4), ("E", 6)])
    s.crash(0.9)
    s.drums("break", 1.0, bar1=8)
    s.drums("four", 1.0, bar0=8, bar1=16)
    s.drums("pulse", 0.9, bar0=16)
    s.bass("syncop", 0.9, bright=0.5, bar1=8)
    s.bass("drive", 0.9, bright=0.55, bar0=8, bar1=16)
    s.bass("pedal", 0.9, bright=0.45, bar0=16)
    s.pads(0.5, 0.45)
    s.arp(0.3, bright=0.5, style="wide", base=62, bar1=8)
    s.arp(0.3, bright=0.6, style="up", base=69, bar0=8)
    s.lead(THEME_C, 0.5, bar0=4, bar1=8, bright=0.55)
    s.lead(THEME_C, 0.5, bar0=8, bar1=16, octave=0, big=True, bright=0.7, harmony=True)
    for t, bar, step in s.steps(16):
        if t >= s.fill_from - 1e-6:
            break
        div = 4 if bar < 17 else (2 if bar < 18 else 1)
        if step % div == 0:
            x = (t - s.t(16)) / (s.fill_from - s.t(16))
            sc.drum(t, "snare", 0.3 + 0.6 * x, 0.0)
    sc.drum(s.t(8), "crash", 0.8, 0.2)
    s.fill("roll32", 1.0)
    s.riser(s.t(15), 0.7)

    # 13. Finale: rebuild, full statement, peak, resolution to A major.
    s = sec(12, "finale", cyc(P1, 4) + cyc(P2, 2) + [("F", 4), ("G", 4), ("Em", 4), ("Am", 4),
                                                      ("F", 4), ("G", 4), ("A", 8), ("A", 4)])
    s.crash(1.0, impact=1.0)
    s.drums("four_lite", 1.0, bar1=8)
    s.drums("drive", 1.0, bar0=8, bar1=22)
    s.drums("pulse", 1.0, bar0=22, bar1=24)
    s.drums("drive", 1.0, bar0=24, bar1=30)
    s.drums("half", 0.9, bar0=30, bar1=32)
    s.fill("stop")
    s.bass("offbeat", 0.9, bright=0.45, bar1=8)
    s.bass("rolling", 0.9, bright=0.6, bar0=8, bar1=22)
    s.bass("pedal", 0.9, bright=0.5, bar0=22, bar1=24)
    s.bass("rolling", 0.95, bright=0.65, bar0=24, bar1=30)
    s.bass("sustain8", 0.9, bright=0.4, bar0=30, bar1=32)
    s.pads(0.5, 0.5, bar1=8, ramp=(0.55, 0.6))
    s.pads(0.6, 0.65, bar0=8, bar1=24)
    s.pads(0.65, 0.7, bar0=24)
    s.arp(0.25, bright=0.45, style="pingpong", base=64, bar1=8)
    s.arp(0.28, bright=0.6, style="up", base=69, bar0=8, bar1=30)
    s.arp(0.22, bright=0.5, style="updown", rate=2, base=69, bar0=30, until_fill=True)
    s.lead(THEME_A, 0.5, bar1=8, bright=0.55)
    s.lead(THEME_A, 0.5, bar0=8, bar1=16, big=True, bright=0.7, harmony=True)
    s.lead(THEME_B, 0.52, bar0=16, bar1=22, big=True, bright=0.75, harmony=True, octave=0)
    s.lead([[(0, 1, 81), (1, 1, 83), (2, 1, 84), (3, 1, 86)], [(0, 3.8, 88)]], 0.5,
           bar0=22, bar1=24, big=True, bright=0.75)
    for t, bar, step in s.steps(22, 24):
        div = 4 if bar < 23 else 2
        if step % div == 0:
            sc.drum(t, "snare", 0.35 + 0.55 * (t - s.t(22)) / (2 * BAR), 0.0)
    sc.fx.append((s.t(24), "riser", 2 * BAR, 0.7))
    sc.fx.append((s.t(24), "revcrash", 1.5, 0.7))
    sc.drum(s.t(8), "crash", 0.8, 0.2)
    sc.drum(s.t(16), "crash", 0.9, 0.2)
    sc.drum(s.t(24), "crash", 1.0, -0.2)
    sc.drum(s.t(24), "impact", 1.0)
    sc.drum(s.t(30), "crash", 1.0, 0.2)
    s.lead(THEME_END, 0.55, bar0=24, bar1=32, big=True, bright=0.75, harmony=True)
    s.lead(THEME_END, 0.3, bar0=24, bar1=32, octave=-1, big=True, bright=0.6)
    s.bells([(30, 0, 8, 81), (30, 0, 8, 85), (30, 0, 8, 88)], 0.18, decay=3.0)
    sc.note(s.t(32), "sub", 2 * BEAT * 2, 33, 0.3, attack=0.3, release=1.5)

    # 14. Outro: A major and F major seventh, thinning out to the last chord.
    s = sec(13, "outro", [("A", 8), ("F", 8), ("A", 8), ("F", 8), ("A", 10)])
    s.crash(0.5)
    s.pads(0.55, 0.5, attack=0.6, release=2.5, ramp=(0.45, 0.25))
    for t0, t1, name in s.chords:
        sc.note(t0, "sub", t1 - t0, bass_root(name), 0.3, attack=0.4, release=2.0)
    s.drums("pulse", 0.7, bar1=4)
    s.drums("hats", 0.5, bar0=4, bar1=6)
    s.arp(0.22, bright=0.4, style="updown", rate=2, base=64, bar1=8)
    s.bells([(0, 0, 3, 76), (0, 3, 1, 73), (1, 0, 4, 69), (2, 0, 3, 77), (2, 3, 1, 76), (3, 0, 4, 72),
             (4, 0, 3, 76), (4, 3, 1, 78), (5, 0, 4, 81), (6, 0, 3, 79), (6, 3, 1, 77), (7, 0, 4, 76)],
            0.22)
    # Last hit as the show fades: low A, a bell chord and a soft cymbal.
    last = show_end - 1.0
    sc.drum(last, "crash", 0.35, 0.0)
    sc.drum(last, "impact", 0.35, 0.0)
    for m in (57, 64, 69, 73, 76):
        sc.note(last, "bell", 1.0, m, 0.15, ratio=1.0, decay=3.0)
    sc.note(last, "sub", 1.0, 33, 0.3, attack=0.01, release=4.0)

    return sc, show_end + TAIL
