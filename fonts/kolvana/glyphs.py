# SPDX-License-Identifier: OFL-1.1
"""The Kolvana+ glyphs, drawn as code.

Each glyph is a function returning an Outline.  Coordinates are DejaVu Sans'
units (2048 to the em; build.py scales them to the font's own units) measured
from the glyph origin on the baseline.  The
metrics follow DejaVu Sans, the face these signs are set beside, so that
marks land over letters that come from DejaVu through font fallback:

    ascender 1901 / descender -483 (line height), x-height 1120,
    capital height 1493, stem of 'l' 184 units, U+0483 titlo band 1246..1658.

Combining signs (the titlos and the ten-/hundred-thousands rings) are written
after the letter they belong to and are drawn to the left of their origin,
over or around that letter.
"""

import math

from geometry import (Outline, arc, arc_path, bezier_path, curve, dot, ellipse,
                      join_paths, line, polygon, polyline, rect, ring)

UPM = 2048          # the units of these drawings: DejaVu Sans' em
ASCENT = 1901
DESCENT = -483
X_HEIGHT = 1120
CAP_HEIGHT = 1493
LC_ASCENDER = 1556
LC_DESCENDER = -426
STEM = 184          # vertical stems, as DejaVu Sans 'l'
BAR = 160           # horizontal strokes of the lower-case signs
CAP_STEM = 200      # stems of the Roman and Attic capitals (DejaVu 'I': 202)

# ---------------------------------------------------------------------------
# titlo marks


def titlo(x0, x1, yc, width, hook, bulb):
    """A Church Slavonic titlo from x0 to x1: a horizontal stroke whose left
    end turns down and right end turns up, each ending in a round bulb like
    the titlo of DejaVu Sans (U+0483)."""
    lx, ly = x0 + bulb, yc - hook
    rx, ry = x1 - bulb, yc + hook
    bend = hook * 1.3
    o = Outline()
    o.add(polyline([(lx, ly), (lx + bend, yc), (rx - bend, yc), (rx, ry)], width))
    o.add(dot(lx, ly, bulb))
    o.add(dot(rx, ry, bulb))
    return o


# U+0483 in DejaVu Sans: bar 1383..1521, whole sign 1246..1658
LOW_TITLO = dict(yc=1452, width=138, hook=85, bulb=120)
# above the tall letters (ѱ reaches 1566, ф 1493, ѿ 1504)
HIGH_TITLO = dict(yc=1690, width=120, hook=45, bulb=95)
# above the dot of і (1323..1556)
I_TITLO = dict(yc=1720, width=116, hook=40, bulb=88)

# one lower-case letter of DejaVu Sans is about 1240 units wide on average
LETTER = 1240


def titlo_narrow():           # U+E075, over і
    return titlo(-600, -20, **I_TITLO)


def titlo_letter():           # U+E076, over д м ѧ ѳ ѻ ѡ
    return titlo(-1250, -160, **LOW_TITLO)


def titlo_wide_letter():      # U+E065, over ѱ ф ѿ
    return titlo(-1580, -170, **HIGH_TITLO)


def titlo_over(letters):      # U+E077 .. U+E079, U+E060: one mark over a number
    return lambda: titlo(-150 - letters * LETTER + 90, -150, **HIGH_TITLO)


# ---------------------------------------------------------------------------
# ten-thousands and hundred-thousands signs


RING_CX, RING_CY = -630, 560        # centre of a lower-case letter set before
RING_RX, RING_RY = 760, 915         # middle of the ring
RING_WIDTH = 110
RING_ADVANCE = 210                  # keeps what follows clear of the ring


def ten_thousands():
    """U+E070: a circle drawn round the letter before it."""
    return Outline().add(ring(RING_CX, RING_CY, RING_RX, RING_RY, RING_WIDTH, segments=32))


def _ellipse_by_length(rx, ry, count):
    """count points spread evenly by arc length along an ellipse, starting
    at the top."""
    fine = 720
    pts = [(rx * math.cos(math.pi / 2 - 2 * math.pi * i / fine),
            ry * math.sin(math.pi / 2 - 2 * math.pi * i / fine)) for i in range(fine + 1)]
    lengths = [0.0]
    for a, b in zip(pts, pts[1:]):
        lengths.append(lengths[-1] + math.hypot(b[0] - a[0], b[1] - a[1]))
    total = lengths[-1]
    out, j = [], 0
    for k in range(count):
        target = total * k / count
        while lengths[j + 1] < target:
            j += 1
        t = (target - lengths[j]) / (lengths[j + 1] - lengths[j])
        out.append((pts[j][0] + t * (pts[j + 1][0] - pts[j][0]),
                    pts[j][1] + t * (pts[j + 1][1] - pts[j][1])))
    return out


def hundred_thousands():
    """U+E085: a ring of dots round the letter before it."""
    o = Outline()
    for x, y in _ellipse_by_length(RING_RX + 5, RING_RY, 16):
        o.add(dot(RING_CX + x, RING_CY + y, 66))
    return o


# ---------------------------------------------------------------------------
# older Cyrillic numeral letters (lower-case proportions)


def old_dzelo():
    """U+E03E, 6: the Z-shaped dzelo with a swash tail under the line."""
    o = Outline()
    o.add(rect(260, X_HEIGHT - BAR, 900, X_HEIGHT))
    # the top stroke starts with a small downward curl
    o.add(curve(bezier_path((330, X_HEIGHT - BAR / 2), (200, X_HEIGHT - BAR / 2), (150, 990), (150, 860), 10),
                BAR, end="round"))
    o.add(polygon([(680, X_HEIGHT - BAR + 15), (900, X_HEIGHT - BAR + 15), (390, BAR - 15), (170, BAR - 15)]))
    o.add(rect(170, 0, 880, BAR))
    o.add(curve(join_paths(bezier_path((780, 80), (960, 80), (1010, -40), (990, -170), 10),
                           bezier_path((990, -170), (975, -270), (900, -330), (800, -360), 8)),
                150, end="round"))
    return o


def old_zemlya():
    """U+E038, 7: the old zemlya, a з whose lower bowl runs down below the
    line into a tail (the Ꙁ-like form)."""
    o = Outline()
    o.add(rect(170, X_HEIGHT - BAR, 930, X_HEIGHT))
    o.add(polygon([(690, X_HEIGHT - BAR + 10), (930, X_HEIGHT - BAR + 10), (630, 600), (400, 600)]))
    bowl = join_paths(bezier_path((380, 640), (800, 640), (970, 470), (970, 200), 14),
                      bezier_path((970, 200), (970, -190), (690, -385), (420, -385), 14),
                      bezier_path((420, -385), (290, -385), (190, -355), (120, -295), 6))
    o.add(curve(bowl, 170, end="round"))
    return o


def older_ksi():
    """U+E066, 60: the older ksi, a crowned з with a tail under the line."""
    o = Outline()
    o.add(arc(560, 1480, 230, 120, 200, 340, 120, start="round", end="round"))
    body = join_paths(arc_path(560, 890, 330, 185, 160, -90),
                      arc_path(560, 420, 370, 285, 90, -130),
                      bezier_path((322, 202), (150, 60), (170, -170), (430, -220), 10),
                      bezier_path((430, -220), (640, -260), (710, -310), (680, -385), 8))
    o.add(curve(body, 160, start="round", end="round"))
    return o


def older_cherv():
    """U+E067, 90: the older cherv, a cup standing on a short stem."""
    o = Outline()
    cup = join_paths([(190, X_HEIGHT), (190, 760)],
                     arc_path(600, 760, 410, 400, 180, 360),
                     [(1010, 760), (1010, X_HEIGHT)])
    # keep the straight arms finely sampled so the offset stays straight
    o.add(curve(_resample(cup, 40), 170))
    o.add(rect(600 - STEM / 2, 0, 600 + STEM / 2, 400))
    return o


def older_tsy():
    """U+E068, 900: the older tsy, a ѧ-like sign (two legs and a middle stem)
    whose right foot turns into the tail of ц."""
    o = Outline()
    o.add(polygon([(60, 0), (250, 0), (700, 930), (1150, 0), (1340, 0), (790, X_HEIGHT), (610, X_HEIGHT)]))
    o.add(rect(700 - STEM / 2, 0, 700 + STEM / 2, 1000))
    # a foot under the right leg and the tail hanging from its end
    o.add(rect(1100, 0, 1440, BAR))
    o.add(rect(1440 - 150, -300, 1440, BAR))
    return o


def glagolitic_500_cyrillic():
    """U+E069: the Cyrillic-shaped form of Glagolitic 500, a tall stem with a
    loop on either side."""
    o = Outline()
    o.add(rect(875 - STEM / 2, LC_DESCENDER, 875 + STEM / 2, CAP_HEIGHT))
    o.add(ring(505, 560, 300, 330, 150))
    o.add(ring(1245, 560, 300, 330, 150))
    return o


def thousands_dot():
    """U+E130: the dot after a thousands sign, set low under the line."""
    return Outline().add(rect(115, -300, 326, -46))


def _resample(path, step):
    """Insert points on long straight pieces of a centre line."""
    out = [path[0]]
    for a, b in zip(path, path[1:]):
        d = math.hypot(b[0] - a[0], b[1] - a[1])
        n = max(1, int(d // step))
        for i in range(1, n + 1):
            out.append((a[0] + (b[0] - a[0]) * i / n, a[1] + (b[1] - a[1]) * i / n))
    return out


# ---------------------------------------------------------------------------
# older Roman numerals (capital proportions)

R_ARC = CAP_HEIGHT / 2 - CAP_STEM / 2   # radius to the middle of a full-height curve


def older_five():
    """U+E101: the older five, an open Λ."""
    return Outline().add(polygon([(16, 0), (215, 0), (700, 1307), (1186, 0), (1384, 0),
                                  (804, CAP_HEIGHT), (597, CAP_HEIGHT)]))


def older_hundred():
    """U+E104: the older hundred, a square C with serifs at its open ends."""
    o = Outline()
    o.add(rect(160, 0, 160 + CAP_STEM, CAP_HEIGHT))
    o.add(rect(160, CAP_HEIGHT - 180, 1150, CAP_HEIGHT))
    o.add(rect(160, 0, 1150, 180))
    o.add(rect(990, CAP_HEIGHT - 420, 1150, CAP_HEIGHT))
    o.add(rect(990, 0, 1150, 420))
    return o


def _c(cx, rx, ry=R_ARC, width=CAP_STEM, spread=125):
    """A C open to the right; its ends stand spread degrees either side of
    the opening."""
    return arc(cx, CAP_HEIGHT / 2, rx, ry, spread, 360 - spread, width)


def _reversed_c(cx, rx, ry=R_ARC, width=CAP_STEM, spread=125):
    """A reversed C (Ↄ) open to the left, ends spread degrees from the opening."""
    return arc(cx, CAP_HEIGHT / 2, rx, ry, 180 - spread, -(180 - spread), width)


def five_hundred_i_c():
    """U+E103: five hundred as IↃ, an upright with a reversed C after it."""
    o = Outline()
    o.add(rect(150, 0, 150 + CAP_STEM, CAP_HEIGHT))
    o.add(_reversed_c(880, 560, spread=52))
    return o


def five_hundred_d():
    """U+E106: five hundred as the joined IↃ, an upright with slab serifs and
    a half circle hung on it."""
    o = Outline()
    o.add(rect(250, 0, 250 + CAP_STEM, CAP_HEIGHT))
    o.add(rect(110, CAP_HEIGHT - 120, 590, CAP_HEIGHT))
    o.add(rect(110, 0, 590, 120))
    o.add(arc(350, CAP_HEIGHT / 2, 900, 600, 90, -90, 190))
    return o


def older_thousand():
    """U+E105: the older thousand CIↃ: C, upright, reversed C."""
    o = Outline()
    o.add(_c(620, 480, spread=55))
    o.add(rect(1200 - CAP_STEM / 2, 0, 1200 + CAP_STEM / 2, CAP_HEIGHT))
    o.add(_reversed_c(1780, 480, spread=55))
    return o


def older_ten_thousand():
    """U+E107: the older ten thousand CCIↃↃ: an upright inside two nested
    pairs of C and reversed C."""
    o = Outline()
    w = 160
    cx = 1450
    o.add(rect(cx - w / 2, 0, cx + w / 2, CAP_HEIGHT))
    o.add(arc(cx, CAP_HEIGHT / 2, 480, 470, 125, 235, w))
    o.add(arc(cx, CAP_HEIGHT / 2, 480, 470, 55, -55, w))
    o.add(arc(cx, CAP_HEIGHT / 2, 1000, CAP_HEIGHT / 2 - w / 2, 110, 250, w))
    o.add(arc(cx, CAP_HEIGHT / 2, 1000, CAP_HEIGHT / 2 - w / 2, 70, -70, w))
    return o


# ---------------------------------------------------------------------------
# Attic (acrophonic) compounds of pente: the small letter stands inside


ATTIC_W = 150          # stroke of the small letter


def pente():
    o = Outline()
    o.add(rect(150, 0, 150 + 190, CAP_HEIGHT))
    o.add(rect(150, CAP_HEIGHT - 180, 1750, CAP_HEIGHT))
    o.add(rect(1560, 700, 1750, CAP_HEIGHT))
    return o


SMALL = (500, 0, 1400, 1000)   # box of the small letter


def _triangle(p, q, r, width):
    """A triangle outline with its stroke inside the points p, q, r."""
    ax, ay = p
    bx, by = q
    cx, cy = r
    la = math.hypot(bx - cx, by - cy)
    lb = math.hypot(ax - cx, ay - cy)
    lc = math.hypot(ax - bx, ay - by)
    s = la + lb + lc
    ix, iy = (la * ax + lb * bx + lc * cx) / s, (la * ay + lb * by + lc * cy) / s
    area = abs((bx - ax) * (cy - ay) - (cx - ax) * (by - ay)) / 2
    r_in = 2 * area / s
    k = (r_in - width) / r_in
    inner = [(ix + (x - ix) * k, iy + (y - iy) * k) for x, y in (p, q, r)]
    return polygon([p, q, r]) + polygon(inner, hole=True)


def attic_50():
    """U+E111: pente with deka (Δ) inside, 50."""
    x0, y0, x1, y1 = SMALL
    return pente().add(_triangle((x0, y0), ((x0 + x1) / 2, y1), (x1, y0), ATTIC_W))


def attic_500():
    """U+E112: pente with hekaton (Η) inside, 500."""
    x0, y0, x1, y1 = SMALL
    o = pente()
    o.add(rect(x0 + 40, y0, x0 + 40 + 170, y1))
    o.add(rect(x1 - 40 - 170, y0, x1 - 40, y1))
    o.add(rect(x0 + 40, 430, x1 - 40, 430 + ATTIC_W))
    return o


def attic_5000():
    """U+E113: pente with chilioi (Χ) inside, 5000."""
    x0, y0, x1, y1 = SMALL
    o = pente()
    t = 200   # horizontal thickness of the diagonals
    o.add(polygon([(x0, y0), (x0 + t, y0), (x1, y1), (x1 - t, y1)]))
    o.add(polygon([(x1 - t, y0), (x1, y0), (x0 + t, y1), (x0, y1)]))
    return o


def attic_50000():
    """U+E114: pente with myrioi (Μ) inside, 50000."""
    x0, y0, x1, y1 = SMALL
    o = pente()
    s = 165
    mid = (x0 + x1) / 2
    o.add(rect(x0, y0, x0 + s, y1))
    o.add(rect(x1 - s, y0, x1, y1))
    o.add(polygon([(x0, y1), (x0 + s + 20, y1), (mid + 90, 230), (mid - 90, 230)]))
    o.add(polygon([(x1 - s - 20, y1), (x1, y1), (mid + 90, 230), (mid - 90, 230)]))
    o.add(polygon([(mid - 90, 230), (mid + 90, 230), (mid + 50, 180), (mid - 50, 180)]))
    return o


# ---------------------------------------------------------------------------
# Maya bar-and-dot digits: one cell of a vertical column each

MAYA_ADVANCE = 2048
MAYA_MID = (ASCENT + DESCENT) / 2        # middle of the line, 709
MAYA_BAR_H = 300
MAYA_GAP = 150
MAYA_DOT_R = 170
MAYA_DOT_STEP = 420
MAYA_LEFT, MAYA_RIGHT = 174, 1874        # the tallest digit (19) is 1690 high,
                                         # leaving 694 between neighbours


def maya_shell():
    """The shell that writes zero."""
    o = Outline()
    cx, cy = MAYA_ADVANCE / 2, MAYA_MID
    o.add(ring(cx, cy, 760, 420, 150, segments=24))
    # the shell's lip and ribs
    o.add(arc(cx, cy + 360, 580, 420, 212, 328, 130, start="round", end="round"))
    for dx in (-240, 0, 240):
        o.add(line((cx + dx, cy + 80), (cx + dx * 1.15, cy + 310), 120, "round", "round"))
    return o


def maya_digit(d):
    if d == 0:
        return maya_shell
    bars, dots = divmod(d, 5)

    def draw():
        o = Outline()
        height = bars * MAYA_BAR_H + max(bars - 1, 0) * MAYA_GAP
        if dots:
            height += 2 * MAYA_DOT_R + (MAYA_GAP if bars else 0)
        y = MAYA_MID - height / 2
        for _ in range(bars):
            o.add(rect(MAYA_LEFT, y, MAYA_RIGHT, y + MAYA_BAR_H))
            y += MAYA_BAR_H + MAYA_GAP
        if dots:
            cy = y + MAYA_DOT_R
            x = MAYA_ADVANCE / 2 - (dots - 1) * MAYA_DOT_STEP / 2
            for i in range(dots):
                o.add(dot(x + i * MAYA_DOT_STEP, cy, MAYA_DOT_R))
        return o
    return draw


# ---------------------------------------------------------------------------
# the rest


def notdef():
    o = Outline()
    o.add(rect(100, 0, 1129, CAP_HEIGHT))
    o.add([(c, True) for c, _ in rect(220, 120, 1009, CAP_HEIGHT - 120)])
    return o


def empty():
    return Outline()


# code point -> (advance, drawing); the glyph name is uniXXXX
GLYPHS = {
    0x0020: (651, empty),
    0xE038: (1090, old_zemlya),
    0xE03E: (1100, old_dzelo),
    0xE060: (0, titlo_over(5)),
    0xE065: (0, titlo_wide_letter),
    0xE066: (1100, older_ksi),
    0xE067: (1200, older_cherv),
    0xE068: (1520, older_tsy),
    0xE069: (1750, glagolitic_500_cyrillic),
    0xE070: (RING_ADVANCE, ten_thousands),
    0xE075: (0, titlo_narrow),
    0xE076: (0, titlo_letter),
    0xE077: (0, titlo_over(2)),
    0xE078: (0, titlo_over(3)),
    0xE079: (0, titlo_over(4)),
    0xE085: (RING_ADVANCE, hundred_thousands),
    0xE101: (1401, older_five),
    0xE103: (1660, five_hundred_i_c),
    0xE104: (1300, older_hundred),
    0xE105: (2420, older_thousand),
    0xE106: (1500, five_hundred_d),
    0xE107: (2900, older_ten_thousand),
    0xE111: (1900, attic_50),
    0xE112: (1900, attic_500),
    0xE113: (1900, attic_5000),
    0xE114: (1900, attic_50000),
    0xE130: (440, thousands_dot),
}
for _d in range(20):
    GLYPHS[0xE140 + _d] = (MAYA_ADVANCE, maya_digit(_d))

NOTDEF = (1229, notdef)

# signs written after a letter and drawn over or round it
MARKS = (0xE075, 0xE076, 0xE065, 0xE077, 0xE078, 0xE079, 0xE060)
RINGS = (0xE070, 0xE085)


def glyph_name(cp):
    return "space" if cp == 0x20 else "uni%04X" % cp
