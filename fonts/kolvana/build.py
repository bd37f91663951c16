#!/usr/bin/python3
# SPDX-License-Identifier: OFL-1.1
"""Build Kolvana+ (kolvan+.ttf) from the outlines in glyphs.py.

    build.py                 write kolvan+.ttf next to this script
    build.py -o FILE         write FILE instead
    build.py --check         rebuild into a temporary file and fail unless it
                             is byte for byte the committed kolvan+.ttf

The output depends on nothing but this source: timestamps are fixed and
every table is filled in a fixed order.
"""

import argparse
import os
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True       # keep the source folder clean

from fontTools.fontBuilder import FontBuilder           # noqa: E402
from fontTools.misc.fixedTools import otRound            # noqa: E402
from fontTools.pens.ttGlyphPen import TTGlyphPointPen    # noqa: E402
from fontTools.ttLib import newTable                     # noqa: E402
from fontTools.ttLib.tables._g_l_y_f import flagOverlapSimple  # noqa: E402

import glyphs as G                                       # noqa: E402

FONT_FILE = os.path.join(HERE, "kolvan+.ttf")
FAMILY = "Kolvana+"
PS_NAME = "KolvanaPlus-Regular"
# Raise it with every change of a glyph or a metric: the program replaces a copy
# of a lower version that it installed for the user (head.fontRevision).
VERSION = "1.001"
COPYRIGHT = "Copyright 2026 The Зарно developers"
LICENSE = ("This Font Software is licensed under the SIL Open Font License, "
           "Version 1.1. This license is available with a FAQ at: "
           "https://openfontlicense.org")
LICENSE_URL = "https://openfontlicense.org"
# 2026-01-01 00:00:00 UTC in seconds since 1904-01-01, the epoch of 'head'
TIMESTAMP = 3850070400

# glyphs.py draws in DejaVu Sans' units (2048 to the em), so that its numbers
# read against DejaVu's letters; the font itself has half as many.  The widest
# titlo reaches three ems left of its origin: 6263 units at 2048 to the em,
# 3132 at 1024.  Qt (QFontEngine::minRightBearing) takes the minimum bearings
# of 'hhea' as broken when either is 4 ems or more, counting the em of the
# first font it ever measured in the process, often a font of 1000 units: so
# it must stay under 4000 units.  With a broken 'hhea' Qt looks for ASCII
# glyphs to measure, finds none in a font of private-use signs, and says
# "Failed to compute left/right minimum bearings" for every size it sets.
UNITS_PER_EM = 1024
SCALE = UNITS_PER_EM / G.UPM


def units(v):
    """A length of glyphs.py in the units of the font."""
    return otRound(v * SCALE)


def units_within(v):
    """A line metric of glyphs.py in the units of the font, never beyond the
    original: a line that mixes our signs with DejaVu's letters stays exactly
    as tall as DejaVu makes it."""
    return int(v * SCALE) if v >= 0 else -int(-v * SCALE)


def make_glyph(outline):
    pen = TTGlyphPointPen(None)
    outline.draw_points(pen)
    glyph = pen.glyph()
    if len(outline.contours) > 1:
        # contours of one glyph may overlap (filled by the non-zero rule);
        # say so for rasterisers that care
        glyph.flags[0] |= flagOverlapSimple
    return glyph


def scaled(x, y):
    return x * SCALE, y * SCALE


def build_font():
    order = [".notdef"] + [G.glyph_name(cp) for cp in sorted(G.GLYPHS)]
    cmap = {cp: G.glyph_name(cp) for cp in sorted(G.GLYPHS)}
    outlines = {".notdef": G.NOTDEF[1]().transformed(scaled)}
    advances = {".notdef": units(G.NOTDEF[0])}
    for cp in sorted(G.GLYPHS):
        adv, draw = G.GLYPHS[cp]
        outlines[G.glyph_name(cp)] = draw().transformed(scaled)
        advances[G.glyph_name(cp)] = units(adv)

    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf({name: make_glyph(outlines[name]) for name in order})
    glyf = fb.font["glyf"]
    metrics = {}
    for name in order:
        g = glyf[name]
        g.recalcBounds(glyf)
        metrics[name] = (advances[name], getattr(g, "xMin", 0))
    fb.setupHorizontalMetrics(metrics)
    ascent, descent = units_within(G.ASCENT), units_within(G.DESCENT)
    fb.setupHorizontalHeader(ascent=ascent, descent=descent, lineGap=0)
    fb.setupNameTable({
        "copyright": COPYRIGHT,
        "familyName": FAMILY,
        "styleName": "Regular",
        "uniqueFontIdentifier": "%s;ZRNO;%s" % (VERSION, PS_NAME),
        "fullName": FAMILY,
        "version": "Version " + VERSION,
        "psName": PS_NAME,
        "licenseDescription": LICENSE,
        "licenseInfoURL": LICENSE_URL,
    }, mac=False)
    fb.setupOS2(
        version=4,
        achVendID="ZRNO",
        usWeightClass=400,
        usWidthClass=5,
        fsType=0,
        fsSelection=0x40,                      # regular
        sTypoAscender=units(1556), sTypoDescender=units(-492), sTypoLineGap=units(410),
        usWinAscent=ascent, usWinDescent=-descent,
        sxHeight=units(G.X_HEIGHT), sCapHeight=units(G.CAP_HEIGHT),
        ySubscriptXSize=units(1331), ySubscriptYSize=units(1433), ySubscriptYOffset=units(286),
        ySuperscriptXSize=units(1331), ySuperscriptYSize=units(1433),
        ySuperscriptYOffset=units(983),
        yStrikeoutSize=units(102), yStrikeoutPosition=units(530),
        ulCodePageRange1=1, ulCodePageRange2=0,
        usDefaultChar=0, usBreakChar=0x20, usMaxContext=0,
    )
    os2 = fb.font["OS/2"]
    os2.recalcUnicodeRanges(fb.font)
    fb.setupPost(underlinePosition=units(-130), underlineThickness=units(90))
    gasp = newTable("gasp")
    gasp.gaspRange = {0xFFFF: 0x000F}     # unhinted: smooth at every size
    fb.font["gasp"] = gasp
    fb.updateHead(fontRevision=float(VERSION), created=TIMESTAMP, modified=TIMESTAMP,
                  flags=0x000B, lowestRecPPEM=8)
    fb.font.recalcTimestamp = False
    return fb.font


def write(path):
    font = build_font()
    font.save(path)


def check():
    with tempfile.TemporaryDirectory() as tmp:
        fresh = os.path.join(tmp, "kolvan+.ttf")
        write(fresh)
        with open(fresh, "rb") as f:
            built = f.read()
    try:
        with open(FONT_FILE, "rb") as f:
            committed = f.read()
    except FileNotFoundError:
        print("kolvan+.ttf is missing: run fonts/kolvana/build.py and commit the result",
              file=sys.stderr)
        return 1
    if built != committed:
        first = next((i for i, (a, b) in enumerate(zip(built, committed)) if a != b),
                     min(len(built), len(committed)))
        print("kolvan+.ttf is out of date or was not built from this source "
              "(%d bytes committed, %d built, first difference at byte %d); "
              "run fonts/kolvana/build.py and commit the result"
              % (len(committed), len(built), first), file=sys.stderr)
        return 1
    print("kolvan+.ttf matches its source (%d bytes)" % len(built))
    return 0


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("-o", "--output", default=FONT_FILE)
    ap.add_argument("--check", action="store_true",
                    help="fail if the committed font differs from a fresh build")
    args = ap.parse_args(argv)
    if args.check:
        return check()
    write(args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
