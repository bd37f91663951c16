#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks of kolvan+.ttf: coverage of what the program writes, placement of
the marks, sound outlines, Maya cells, names and a reproducible build.

Run with Debian's python:  /usr/bin/python3 fonts/kolvana/test_font.py
"""

import math
import os
import re
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True

from fontTools.pens.basePen import BasePen     # noqa: E402
from fontTools.ttLib import TTFont             # noqa: E402
from fontTools.ttLib.scaleUpem import scale_upem  # noqa: E402

import build                                   # noqa: E402
import geometry                                # noqa: E402

FONT = os.environ.get("KOLVANA_FONT", os.path.join(HERE, "kolvan+.ttf"))
REQUIRED = os.path.join(HERE, "required.txt")
SOURCES = os.environ.get("KOLVANA_SOURCE_DIR",
                         os.path.join(os.path.dirname(os.path.dirname(HERE)), "src"))
DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
DEJAVU_UPM = 2048   # the units of glyphs.py and of the checks against DejaVu

TITLOS = [0xE075, 0xE076, 0xE065, 0xE077, 0xE078, 0xE079, 0xE060]   # narrow to wide
RINGS = [0xE070, 0xE085]
MAYA = [0xE140 + d for d in range(20)]

ESCAPE = re.compile(r"\\u([0-9A-Fa-f]{4})|\\U([0-9A-Fa-f]{8})")


def read_required(path=REQUIRED):
    out = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                out.add(int(line.split()[0], 16))
    return out


def scan_sources(root):
    """Private-use code points written as \\uXXXX escapes in *.h / *.cpp."""
    out = set()
    if not os.path.isdir(root):
        return out
    for folder, dirs, files in os.walk(root):
        dirs.sort()
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
                text = f.read()
            for m in ESCAPE.finditer(text):
                cp = int(m.group(1) or m.group(2), 16)
                if 0xE000 <= cp <= 0xF8FF:
                    out.add(cp)
    return out


class Flatten(BasePen):
    """Collects a glyph as closed polygons (quadratic curves subdivided)."""

    def __init__(self, glyph_set, steps=8):
        super().__init__(glyph_set)
        self.steps = steps
        self.polys = []

    def _moveTo(self, p):
        self.polys.append([p])

    def _lineTo(self, p):
        self.polys[-1].append(p)

    def _qCurveToOne(self, c, p):
        x0, y0 = self._getCurrentPoint()
        for i in range(1, self.steps + 1):
            t = i / self.steps
            u = 1 - t
            self.polys[-1].append((u * u * x0 + 2 * u * t * c[0] + t * t * p[0],
                                   u * u * y0 + 2 * u * t * c[1] + t * t * p[1]))

    def _curveToOne(self, c1, c2, p):
        raise AssertionError("TrueType glyphs have no cubic curves")


def polygons(font, cp):
    gs = font.getGlyphSet()
    pen = Flatten(gs)
    gs[font.getBestCmap()[cp]].draw(pen)
    return pen.polys


def winding(polys, x, y):
    """Non-zero winding number of point (x, y); counter-clockwise counts +1."""
    w = 0
    for poly in polys:
        n = len(poly)
        for i in range(n):
            x0, y0 = poly[i]
            x1, y1 = poly[(i + 1) % n]
            if y0 <= y < y1 and (x1 - x0) * (y - y0) - (x - x0) * (y1 - y0) > 0:
                w += 1
            elif y1 <= y < y0 and (x1 - x0) * (y - y0) - (x - x0) * (y1 - y0) < 0:
                w -= 1
    return w


def inked(polys, x, y):
    return winding(polys, x, y) != 0


def glyph_of(font, cp):
    return font["glyf"][font.getBestCmap()[cp]]


def advance(font, cp):
    return font["hmtx"][font.getBestCmap()[cp]][0]


def load_dejavu():
    return TTFont(DEJAVU) if os.path.exists(DEJAVU) else None


def in_dejavu_units(font):
    """The font scaled to DejaVu's em, so that its outlines compare with
    DejaVu's letters unit for unit."""
    scale_upem(font, DEJAVU_UPM)
    return font


class FontTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.shipped = TTFont(FONT)                    # as the file has it
        cls.font = in_dejavu_units(TTFont(FONT))
        cls.cmap = cls.font.getBestCmap()
        cls.dejavu = load_dejavu()
        if cls.dejavu is not None:
            assert cls.dejavu["head"].unitsPerEm == DEJAVU_UPM


class Coverage(FontTest):
    def test_required_list_is_complete(self):
        # the floor: every sign the program is known to write
        floor = {0xE03E, 0xE038, 0xE066, 0xE067, 0xE068, 0xE069, 0xE070, 0xE085, 0xE130,
                 0xE101, 0xE103, 0xE104, 0xE105, 0xE106, 0xE107,
                 0xE111, 0xE112, 0xE113, 0xE114} | set(TITLOS) | set(MAYA)
        self.assertEqual(floor - read_required(), set())

    def test_every_written_code_point_has_a_glyph(self):
        wanted = read_required() | scan_sources(SOURCES)
        missing = sorted("U+%04X" % cp for cp in wanted if cp not in self.cmap)
        self.assertEqual(missing, [], "code points without a glyph in Kolvana+")

    def test_nothing_but_our_signs(self):
        own = read_required() | scan_sources(SOURCES) | {0x20}
        extra = sorted("U+%04X" % cp for cp in self.cmap if cp not in own)
        self.assertEqual(extra, [], "the font must not carry letters other fonts provide")

    def test_scanner_finds_escapes(self):
        with tempfile.TemporaryDirectory() as tmp:
            os.makedirs(os.path.join(tmp, "numerals", "deep"))
            with open(os.path.join(tmp, "numerals", "deep", "t.cpp"), "w") as f:
                f.write('auto a = u\'\\uE0AB\'; auto b = u"x\\ue070y"; auto c = u"\\u0483";\n')
            with open(os.path.join(tmp, "numerals", "t.h"), "w") as f:
                f.write('constexpr char32_t k = U\'\\U0000F00D\';\n')
            with open(os.path.join(tmp, "numerals", "notes.txt"), "w") as f:
                f.write('\\uE999\n')
            self.assertEqual(scan_sources(tmp), {0xE0AB, 0xE070, 0xF00D})
        self.assertEqual(scan_sources(os.path.join(HERE, "no-such-folder")), set())


class Marks(FontTest):
    def test_titlos_take_no_room_and_stand_left_of_origin(self):
        for cp in TITLOS:
            g = glyph_of(self.font, cp)
            with self.subTest(mark="U+%04X" % cp):
                self.assertEqual(advance(self.font, cp), 0)
                self.assertLessEqual(g.xMax, 0)
                self.assertLess(g.xMin, -300)

    def test_titlos_grow_in_order(self):
        widths = [-glyph_of(self.font, cp).xMin for cp in TITLOS]
        self.assertEqual(widths, sorted(widths))
        self.assertEqual(len(set(widths)), len(widths))

    def test_wide_titlos_span_their_letters(self):
        letter = 1240   # mean advance of a DejaVu Sans lower-case letter
        for cp, letters in ((0xE077, 2), (0xE078, 3), (0xE079, 4), (0xE060, 5)):
            width = -glyph_of(self.font, cp).xMin
            with self.subTest(mark="U+%04X" % cp):
                self.assertGreater(width, (letters - 0.3) * letter)
                self.assertLess(width, (letters + 0.3) * letter)

    def _titlo_band(self):
        if self.dejavu is None:
            return 1246, 1658
        g = self.dejavu["glyf"][self.dejavu.getBestCmap()[0x483]]
        return g.yMin, g.yMax

    def test_letter_titlo_stands_where_dejavu_puts_its_titlo(self):
        lo, hi = self._titlo_band()
        g = glyph_of(self.font, 0xE076)
        self.assertLess(abs(g.yMin - lo), 60)
        self.assertLess(abs(g.yMax - hi), 60)

    def _touches(self, mark, letters, clearance=40):
        """Letters of `letters` (written before the mark, the last one
        directly) that the mark's ink comes within `clearance` units of."""
        polys = polygons(self.font, mark)
        pts = self._letter_points(letters)
        near = [(x + dx, y + dy) for x, y in pts
                for dx in (-clearance, 0, clearance) for dy in (-clearance, 0, clearance)]
        return [p for p in near if inked(polys, *p)]

    def test_marks_clear_the_letters_under_them(self):
        if self.dejavu is None:
            self.skipTest("DejaVu Sans is not installed")
        cases = [(0xE075, "і"), (0xE076, "д"), (0xE076, "м"), (0xE076, "ѧ"), (0xE076, "ѳ"),
                 (0xE076, "ѻ"), (0xE076, "ѡ"), (0xE065, "ѱ"), (0xE065, "ф"), (0xE065, "ѿ"),
                 (0xE077, "фд"), (0xE077, "дѱ"), (0xE078, "ѿѳі"), (0xE079, "ф҂ѱд"),
                 (0xE060, "ѱѿфѳд")]
        for mark, letters in cases:
            with self.subTest(mark="U+%04X" % mark, letters=letters):
                self.assertEqual(self._touches(mark, letters)[:3], [])

    def test_letter_marks_stand_over_their_letter(self):
        if self.dejavu is None:
            self.skipTest("DejaVu Sans is not installed")
        for mark, ch in ((0xE075, "і"), (0xE076, "д"), (0xE076, "м"), (0xE065, "ф")):
            g = glyph_of(self.font, mark)
            xs = [x for x, _ in self._letter_points(ch)]
            centre = (min(xs) + max(xs)) / 2
            room = self.dejavu["hmtx"][self.dejavu.getBestCmap()[ord(ch)]][0]
            with self.subTest(mark="U+%04X" % mark, letter=ch):
                self.assertLess(abs((g.xMin + g.xMax) / 2 - centre), 150)
                self.assertLess(g.xMax - g.xMin, room + 100)
                self.assertGreater(g.xMax - g.xMin, (max(xs) - min(xs)) * 0.6)

    def test_rings_take_little_room_and_lie_left(self):
        for cp in RINGS:
            g = glyph_of(self.font, cp)
            adv = advance(self.font, cp)
            with self.subTest(mark="U+%04X" % cp):
                self.assertLessEqual(adv, 256)           # near-zero
                self.assertLessEqual(g.xMax, adv)
                self.assertLess((g.xMin + g.xMax) / 2, -400)

    def _letter_points(self, letters):
        """Outline points of DejaVu letters set so that the last one ends at
        the origin, as when a mark of ours follows them."""
        gs = self.dejavu.getGlyphSet()
        cmap = self.dejavu.getBestCmap()
        out, x_end = [], 0
        for ch in reversed(letters):
            name = cmap[ord(ch)]
            x_end -= self.dejavu["hmtx"][name][0]
            pen = Flatten(gs, steps=4)
            gs[name].draw(pen)
            out.extend((x + x_end, y) for poly in pen.polys for x, y in poly)
        return out

    def test_circle_encloses_the_letter_before_it(self):
        if self.dejavu is None:
            self.skipTest("DejaVu Sans is not installed")
        polys = polygons(self.font, 0xE070)
        outer = max(polys, key=lambda p: abs(geometry.signed_area([q + (True,) for q in p])))
        for ch in "авеєѕзиѳ":
            if ord(ch) not in self.dejavu.getBestCmap():
                continue
            pts = self._letter_points(ch)
            with self.subTest(letter=ch):
                self.assertTrue(all(winding([outer], x, y) != 0 for x, y in pts), "letter pokes out")
                self.assertTrue(all(not inked(polys, x, y) for x, y in pts), "ring touches letter")

    def test_dots_ring_round_the_letter_before_it(self):
        if self.dejavu is None:
            self.skipTest("DejaVu Sans is not installed")
        polys = polygons(self.font, 0xE085)
        self.assertGreaterEqual(len(polys), 12)
        centres = [(sum(p[0] for p in poly) / len(poly), sum(p[1] for p in poly) / len(poly))
                   for poly in polys]
        mx = sum(c[0] for c in centres) / len(centres)
        my = sum(c[1] for c in centres) / len(centres)
        hull = sorted(centres, key=lambda c: math.atan2(c[1] - my, c[0] - mx))
        for ch in "авѕзиѳ":
            pts = self._letter_points(ch)
            with self.subTest(letter=ch):
                self.assertTrue(all(winding([hull], x, y) != 0 for x, y in pts), "letter pokes out")
                self.assertTrue(all(not inked(polys, x, y) for x, y in pts), "a dot touches the letter")


class Outlines(FontTest):
    def test_no_empty_glyph_but_space(self):
        glyf = self.font["glyf"]
        for name in self.font.getGlyphOrder():
            with self.subTest(glyph=name):
                if name == "space":
                    self.assertEqual(glyf[name].numberOfContours, 0)
                else:
                    self.assertGreater(glyf[name].numberOfContours, 0)

    def test_contours_are_closed_and_have_area(self):
        glyf = self.font["glyf"]
        for name in self.font.getGlyphOrder():
            g = glyf[name]
            if g.numberOfContours <= 0:
                continue
            coords, ends, flags = g.getCoordinates(glyf)
            self.assertEqual(ends[-1], len(coords) - 1, name)
            start = 0
            for end in ends:
                pts = [(x, y, True) for x, y in coords[start:end + 1]]
                with self.subTest(glyph=name, contour=start):
                    self.assertGreaterEqual(len(pts), 3)
                    self.assertNotEqual(geometry.signed_area(pts), 0)
                start = end + 1

    def test_within_the_line_and_head_bbox(self):
        font = self.shipped
        glyf, hhea, head = font["glyf"], font["hhea"], font["head"]
        boxes = []
        for name in font.getGlyphOrder():
            g = glyf[name]
            if g.numberOfContours == 0:
                continue
            with self.subTest(glyph=name):
                self.assertLessEqual(g.yMax, hhea.ascent)
                self.assertGreaterEqual(g.yMin, hhea.descent)
                self.assertEqual(font["hmtx"][name][1], g.xMin, "lsb must be xMin")
            boxes.append((g.xMin, g.yMin, g.xMax, g.yMax))
        self.assertEqual((head.xMin, head.yMin, head.xMax, head.yMax),
                         (min(b[0] for b in boxes), min(b[1] for b in boxes),
                          max(b[2] for b in boxes), max(b[3] for b in boxes)))

    def test_contour_directions_leave_no_holes(self):
        """Ink is clockwise, counters counter-clockwise inside ink: so the
        winding number is never positive.  A contour drawn the wrong way round
        would punch a hole where it overlaps other ink."""
        for name in self.font.getGlyphOrder():
            if name in ("space",):
                continue
            gs = self.font.getGlyphSet()
            pen = Flatten(gs, steps=4)
            gs[name].draw(pen)
            g = self.font["glyf"][name]
            step = 31
            bad = [(x, y) for x in range(g.xMin + 3, g.xMax, step)
                   for y in range(g.yMin + 3, g.yMax, step) if winding(pen.polys, x, y) > 0]
            with self.subTest(glyph=name):
                self.assertEqual(bad[:3], [])

    def test_stems_weigh_like_dejavu(self):
        """The upright of U+E069 and of U+E067 have the width of DejaVu's 'l'."""
        stem = 184
        if self.dejavu is not None:
            g = self.dejavu["glyf"][self.dejavu.getBestCmap()[ord("l")]]
            stem = g.xMax - g.xMin
        for cp, y in ((0xE069, 1300), (0xE069, -200), (0xE067, 150)):
            polys = polygons(self.font, cp)
            g = glyph_of(self.font, cp)
            run, best = 0, 0
            for x in range(g.xMin, g.xMax + 1, 2):
                run = run + 2 if inked(polys, x, y) else 0
                best = max(best, run)
            with self.subTest(glyph="U+%04X" % cp, y=y):
                self.assertLess(abs(best - stem), stem * 0.1)


class Maya(FontTest):
    def test_all_twenty_share_one_advance(self):
        for cp in MAYA:
            self.assertIn(cp, self.cmap, "U+%04X" % cp)
        self.assertEqual(len({advance(self.font, cp) for cp in MAYA}), 1)

    def test_each_cell_is_clear_of_its_neighbours(self):
        hhea = self.font["hhea"]
        line = hhea.ascent - hhea.descent
        for cp in MAYA:
            g = glyph_of(self.font, cp)
            with self.subTest(digit=cp - 0xE140):
                # the ink of the cell above and below is at least this far
                gap = line - (g.yMax - g.yMin)
                self.assertGreater(gap, line * 0.2)
                self.assertGreaterEqual(g.xMin, 0)
                self.assertLessEqual(g.xMax, advance(self.font, cp))

    def test_bars_and_dots_count_the_digit(self):
        glyf = self.font["glyf"]
        for d in range(1, 20):
            g = glyph_of(self.font, 0xE140 + d)
            coords, ends, flags = g.getCoordinates(glyf)
            bars, dots, start = [], [], 0
            for end in ends:
                pts = coords[start:end + 1]
                on = [flags[i] & 1 for i in range(start, end + 1)]
                ys = [p[1] for p in pts]
                if len(pts) == 4 and all(on):
                    bars.append((min(ys), max(ys)))
                elif not any(on):
                    dots.append((min(ys), max(ys)))
                start = end + 1
            with self.subTest(digit=d):
                self.assertEqual((len(bars), len(dots)), divmod(d, 5))
                if bars and dots:
                    self.assertGreater(min(lo for lo, hi in dots), max(hi for lo, hi in bars))

    def test_zero_is_not_a_bar_or_dot(self):
        g = glyph_of(self.font, 0xE140)
        self.assertGreater(g.numberOfContours, 2)
        self.assertGreater(g.xMax - g.xMin, 1000)


class NamesAndMetrics(FontTest):
    def name(self, nid):
        rec = self.font["name"].getName(nid, 3, 1, 0x409)
        return rec.toUnicode() if rec else None

    def test_names(self):
        self.assertEqual(self.name(1), "Kolvana+")
        self.assertEqual(self.name(2), "Regular")
        self.assertEqual(self.name(4), "Kolvana+")
        self.assertEqual(self.name(6), "KolvanaPlus-Regular")
        self.assertEqual(self.name(0), "Copyright 2026 The Зарно developers")
        self.assertIn("SIL Open Font License, Version 1.1", self.name(13))
        self.assertTrue(self.name(14).startswith("https://"))
        self.assertRegex(self.name(5), r"^Version \d+\.\d{3}$")

    def test_metrics_are_dejavus_at_half_the_units(self):
        ascent, descent, x_height = 1901, -483, 1120   # x-height: DejaVu's 'x'
        if self.dejavu is not None:
            ascent, descent = self.dejavu["hhea"].ascent, self.dejavu["hhea"].descent
        f = self.shipped
        self.assertEqual(f["head"].unitsPerEm, DEJAVU_UPM // 2)
        # the line never taller than DejaVu's: rounded towards the baseline
        self.assertEqual((f["hhea"].ascent, f["hhea"].descent, f["OS/2"].sxHeight),
                         (ascent // 2, -(-descent // 2), x_height // 2))
        self.assertEqual((f["OS/2"].usWinAscent, -f["OS/2"].usWinDescent),
                         (f["hhea"].ascent, f["hhea"].descent))

    def test_bearings_are_ones_qt_takes_for_sound(self):
        """Qt reads the smallest side bearings of a font from 'hhea' and takes
        them for broken when either is 4 ems or more, counting the em of the
        first font it measured in the process (1000 units for FreeSans and
        the Noto fonts).  It then looks for ASCII glyphs to measure instead,
        finds none here, and warns for every size it sets the font in."""
        f = self.shipped
        hhea, hmtx, glyf = f["hhea"], f["hmtx"], f["glyf"]
        limit = 4 * 1000
        self.assertLess(abs(hhea.minLeftSideBearing), limit)
        self.assertLess(abs(hhea.minRightSideBearing), limit)
        # and 'hhea' tells the truth about the glyphs
        inked = [n for n in f.getGlyphOrder() if glyf[n].numberOfContours > 0]
        self.assertEqual(hhea.minLeftSideBearing, min(hmtx[n][1] for n in inked))
        self.assertEqual(hhea.minRightSideBearing,
                         min(hmtx[n][0] - glyf[n].xMax for n in inked))

    def test_licence_file_names_our_copyright(self):
        with open(os.path.join(HERE, "OFL.txt"), encoding="utf-8") as f:
            text = f.read()
        self.assertIn("Copyright 2026 The Зарно developers", text)
        self.assertIn("SIL OPEN FONT LICENSE Version 1.1", text)
        self.assertIn("5) The Font Software, modified or unmodified", text)


class Build(unittest.TestCase):
    def test_version_is_one_number_in_head_and_name(self):
        font = TTFont(FONT)
        self.assertAlmostEqual(font["head"].fontRevision, float(build.VERSION), places=4)
        self.assertEqual(font["name"].getName(5, 3, 1, 0x409).toUnicode(),
                         "Version " + build.VERSION)

    def test_two_builds_are_identical_and_dated_fixed(self):
        with tempfile.TemporaryDirectory() as tmp:
            a, b = os.path.join(tmp, "a.ttf"), os.path.join(tmp, "b.ttf")
            build.write(a)
            build.write(b)
            with open(a, "rb") as fa, open(b, "rb") as fb:
                self.assertEqual(fa.read(), fb.read())
            head = TTFont(a)["head"]
            self.assertEqual((head.created, head.modified), (build.TIMESTAMP, build.TIMESTAMP))

    def test_check_notices_a_stale_font(self):
        with tempfile.TemporaryDirectory() as tmp:
            stale = os.path.join(tmp, "kolvan+.ttf")
            with open(build.FONT_FILE, "rb") as f:
                data = bytearray(f.read())
            data[-1] ^= 0xFF
            with open(stale, "wb") as f:
                f.write(data)
            saved = build.FONT_FILE
            try:
                build.FONT_FILE = stale
                self.assertEqual(build.check(), 1)
                build.FONT_FILE = os.path.join(tmp, "missing.ttf")
                self.assertEqual(build.check(), 1)
            finally:
                build.FONT_FILE = saved


class Geometry(unittest.TestCase):
    def test_fill_is_clockwise_and_hole_counter_clockwise(self):
        ccw = [(0, 0, True), (100, 0, True), (100, 100, True), (0, 100, True)]
        o = geometry.Outline().fill(ccw).hole(list(ccw))
        self.assertLess(geometry.signed_area(o.contours[0]), 0)
        self.assertGreater(geometry.signed_area(o.contours[1]), 0)

    def test_stroke_has_its_width(self):
        o = geometry.Outline().add(geometry.line((0, 0), (1000, 0), 184))
        self.assertEqual(o.bounds(), (0, -92, 1000, 92))
        o = geometry.Outline().add(geometry.line((0, 0), (0, 1000), 100, "round", "round"))
        x0, y0, x1, y1 = o.bounds()
        self.assertEqual((x0, x1), (-50, 50))
        self.assertLessEqual(y0, -50)     # the round cap's control points
        self.assertGreaterEqual(y1, 1050)

    def test_ellipse_passes_through_its_radius(self):
        pts = geometry.ellipse(0, 0, 500, 300)[0][0]
        # the implied on-curve points lie on the ellipse
        for (x0, y0, _), (x1, y1, _) in zip(pts, pts[1:] + pts[:1]):
            mx, my = (x0 + x1) / 2, (y0 + y1) / 2
            self.assertAlmostEqual((mx / 500) ** 2 + (my / 300) ** 2, 1.0, places=6)


if __name__ == "__main__":
    unittest.main(verbosity=1)
