#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build assets/indis1.ttf, the cursive school font, from Ecolier court.

Ecolier court (Jean-Marie Douteau, SIL OFL 1.1, Debian package
fonts-ecolier-court) lacks letters and signs that Italian text needs.
This script adds them as composite glyphs of the font's own outlines,
repairs three punctuation glyphs that are drawn as other signs, redraws
every outline as clean contours (the source mixes contour directions, so
a synthetic bold eats the loops of a, d, g), gives the font the line
metrics of a text font, renames the family to "Indis1" (the OFL asks
modified versions to change the name) and writes assets/indis1-OFL.txt
beside the font.

The output is byte-for-byte reproducible; the generated font is committed
so that building Ordiparo does not need fontTools.

Usage: /usr/bin/python3 scripts/genera-font-corsivo.py [SOURCE.ttf]
Needs python3-fonttools, python3-booleanoperations and fonts-ecolier-court.
"""

import logging
import math
import os
import sys
import unicodedata

import pyclipper
from booleanOperations.booleanOperationManager import BooleanOperationManager
from booleanOperations.flatten import InputContour
from fontTools.misc.timeTools import timestampFromString
from fontTools.pens.basePen import BasePen
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.pointPen import (
    PointToSegmentPen,
    ReverseContourPointPen,
    SegmentToPointPen,
)
from fontTools.pens.recordingPen import RecordingPointPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables import ttProgram
from fontTools.ttLib.tables._g_l_y_f import (
    Glyph,
    GlyphComponent,
    GlyphCoordinates,
    ROUND_XY_TO_GRID,
    UNSCALED_COMPONENT_OFFSET,
    USE_MY_METRICS,
)

SOURCE = "/usr/share/fonts/truetype/ecolier-court/Ecolier-court.ttf"
LICENSE_SOURCE = "/usr/share/doc/fonts-ecolier-court/copyright"
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUTPUT = os.path.join(ROOT, "assets", "indis1.ttf")
OFL_OUTPUT = os.path.join(ROOT, "assets", "indis1-OFL.txt")

# Every character Italian school texts use beyond ASCII.
ITALIAN = "àèéìíòóùúÀÈÉÌÒÙ«»“”‘’…–—€"

# The source carries no usable dates (both are zero); a fixed one keeps the
# output reproducible.
TIMESTAMP = timestampFromString("Sun Dec  6 00:00:00 2026")

FAMILY = "Indis1"
NOTE = ("Indis1 is a modified version of Ecolier court by Jean-Marie "
        "Douteau, renamed and extended with Italian letters for Ordiparo.")
LICENSE = ("This Font Software is licensed under the SIL Open Font License, "
           "Version 1.1.")
LICENSE_URL = "https://openfontlicense.org"

OFL_HEADER = """\
indis1.ttf is a modified version of the font "Ecolier court" by
Jean-Marie Douteau, renamed "Indis1" and extended with Italian letters
(ì í ò ó ú Ì Ò ” ‘ — €) for Ordiparo by scripts/genera-font-corsivo.py,
which also redraws the outlines as clean contours that survive a synthetic
bold, removes a stray bar under W and sets the line metrics of a text font.
It is distributed under the same licence as the original, copied below.

"""


class Builder:
    def __init__(self, font):
        self.font = font
        self.glyf = font["glyf"]
        self.hmtx = font["hmtx"]
        self.added = []

    # --- reading the source outlines -------------------------------------

    def contours(self, name):
        """Return [(points, on-curve flags, bbox)] of a simple glyph."""
        coords, ends, flags = self.glyf[name].getCoordinates(self.glyf)
        out, start = [], 0
        for end in ends:
            pts = [tuple(p) for p in coords[start:end + 1]]
            xs = [p[0] for p in pts]
            ys = [p[1] for p in pts]
            out.append((pts, [f & 1 for f in flags[start:end + 1]],
                        (min(xs), min(ys), max(xs), max(ys))))
            start = end + 1
        return out

    def bbox(self, name):
        g = self.glyf[name]
        g.recalcBounds(self.glyf)
        return g.xMin, g.yMin, g.xMax, g.yMax

    def marks(self, name, base):
        """Contours of `name` that lie wholly above the base letter."""
        top = self.bbox(base)[3]
        return [c for c in self.contours(name) if c[2][1] > top]

    def mark_centre(self, name, base):
        boxes = [c[2] for c in self.marks(name, base)]
        return (min(b[0] for b in boxes) + max(b[2] for b in boxes)) / 2

    # --- writing glyphs ---------------------------------------------------

    def put(self, name, glyph, advance, what):
        replaced = name in self.glyf.glyphs
        self.glyf[name] = glyph
        glyph.recalcBounds(self.glyf)
        lsb = glyph.xMin if glyph.numberOfContours else 0
        self.hmtx.metrics[name] = (advance, lsb)
        self.added.append((name, "replaced" if replaced else "added", what))

    def simple(self, name, contours, advance, what):
        g = Glyph()
        g.numberOfContours = len(contours)
        g.coordinates = GlyphCoordinates(
            [p for pts, _, _ in contours for p in pts])
        g.flags = bytearray(f for _, fl, _ in contours for f in fl)
        g.endPtsOfContours = []
        n = 0
        for pts, _, _ in contours:
            n += len(pts)
            g.endPtsOfContours.append(n - 1)
        # The source hints address the whole glyph; a part gets none.
        g.program = ttProgram.Program()
        g.program.fromBytecode(b"")
        self.put(name, g, advance, what)

    def composite(self, name, parts, advance, what):
        """parts: (glyph, dx, dy[, 2x2 transform]); the first one sets
        the metrics."""
        g = Glyph()
        g.numberOfContours = -1
        g.components = []
        for i, part in enumerate(parts):
            c = GlyphComponent()
            c.glyphName, c.x, c.y = part[0], round(part[1]), round(part[2])
            c.flags = ROUND_XY_TO_GRID
            if len(part) > 3:
                c.transform = part[3]
                # Offsets in font units whatever the scale, as Windows does.
                c.flags |= UNSCALED_COMPONENT_OFFSET
            elif i == 0 and advance == self.hmtx[part[0]][0]:
                c.flags |= USE_MY_METRICS
            g.components.append(c)
        self.put(name, g, advance, what)


def build(font):
    b = Builder(font)
    cmap = font.getBestCmap()
    missing = [ch for ch in ITALIAN if ord(ch) not in cmap]

    # W carries a stray bar an em below the baseline, under nothing; it
    # would also make every line of text as deep as it.
    descender = min(b.bbox(c)[1] for c in "gjpqyz")
    b.simple("W", [c for c in b.contours("W") if c[2][3] > descender],
             b.hmtx["W"][0], "stray bar below it removed")

    # Bare accents, lifted out of the existing accented letters: the font's
    # own "grave" and "acute" glyphs are empty.
    b.simple("gravecomb", b.marks("egrave", "e"), 0, "grave from è")
    b.simple("acutecomb", b.marks("eacute", "e"), 0, "acute from é")
    b.simple("gravecomb.case", b.marks("Egrave", "E"), 0, "grave from È")
    b.simple("acutecomb.case", b.marks("Eacute", "E"), 0, "acute from É")
    # i without its dot, to carry an accent instead.
    i_top = max(c[2][3] for c in b.contours("i") if c[2][1] < 100)
    b.simple("dotlessi", [c for c in b.contours("i") if c[2][1] <= i_top],
             b.hmtx["i"][0], "body of i")

    # Where an accent goes: on the existing letters a grave sits a little
    # off the centre of the circumflex on the same letter (more so on
    # capitals). Take the average offset, and that of acute from è/é.
    def shift(pairs):
        return sum(b.mark_centre(g, base) - b.mark_centre(c, base)
                   for g, c, base in pairs) / len(pairs)

    lc_grave = shift([("agrave", "acircumflex", "a"),
                      ("egrave", "ecircumflex", "e"),
                      ("ugrave", "ucircumflex", "u")])
    lc_acute = lc_grave + (b.mark_centre("eacute", "e")
                           - b.mark_centre("egrave", "e"))
    uc_grave = shift([("Agrave", "Acircumflex", "A"),
                      ("Egrave", "Ecircumflex", "E"),
                      ("Ugrave", "Ucircumflex", "U")])
    # The dot of i marks its axis just as a circumflex would.
    i_axis = b.mark_centre("i", "dotlessi")

    def centre_x(name):
        x0, _, x1, _ = b.bbox(name)
        return (x0 + x1) / 2

    def accented(name, base, accent, axis, what):
        dx = axis - centre_x(accent)
        b.composite(name, [(base, 0, 0), (accent, dx, 0)],
                    b.hmtx[base][0], what)

    recipes = {}

    def recipe(ch, fn):
        recipes[ch] = fn

    o_axis = b.mark_centre("ocircumflex", "o")
    u_axis = b.mark_centre("ucircumflex", "u")
    recipe("ì", lambda: accented("igrave", "dotlessi", "gravecomb",
                                 i_axis + lc_grave, "dotless i + grave"))
    recipe("í", lambda: accented("iacute", "dotlessi", "acutecomb",
                                 i_axis + lc_acute, "dotless i + acute"))
    recipe("ò", lambda: accented("ograve", "o", "gravecomb",
                                 o_axis + lc_grave, "o + grave"))
    recipe("ó", lambda: accented("oacute", "o", "acutecomb",
                                 o_axis + lc_acute, "o + acute"))
    recipe("ú", lambda: accented("uacute", "u", "acutecomb",
                                 u_axis + lc_acute, "u + acute"))
    recipe("Ì", lambda: accented(
        "Igrave", "I", "gravecomb.case",
        b.mark_centre("Icircumflex", "I") + uc_grave, "I + capital grave"))
    recipe("Ò", lambda: accented(
        "Ograve", "O", "gravecomb.case",
        b.mark_centre("Ocircumflex", "O") + uc_grave, "O + capital grave"))

    # Quotes, all from the font's ’ so that opening and closing ones match.
    q0, qy0, q1, qy1 = b.bbox("quoteright")
    q_adv = b.hmtx["quoteright"][0]
    q_gap = 62  # about as far apart as the two marks of the font's "
    turn = [[-1, 0], [0, -1]]  # 180° about the origin, then moved back
    rx, ry = q0 + q1, qy0 + qy1
    recipe("‘", lambda: b.composite(
        "quoteleft", [("quoteright", rx, ry, turn)], q_adv,
        "’ turned by 180°"))
    recipe("”", lambda: b.composite(
        "quotedblright", [("quoteright", 0, 0), ("quoteright", q_gap, 0)],
        q_adv + q_gap, "two ’"))

    # Dashes: the hyphen stretched, in pieces because a component cannot
    # be scaled by 2 or more.
    h0, _, h1, _ = b.bbox("hyphen")
    h_adv = b.hmtx["hyphen"][0]
    h_rsb = h_adv - h1

    def dash(name, ink, what):
        overlap = 10
        n = math.ceil(ink / ((h1 - h0) * 1.9))
        scale = (ink + (n - 1) * overlap) / (n * (h1 - h0))
        piece = (h1 - h0) * scale
        parts = [("hyphen", h0 + k * (piece - overlap) - h0 * scale, 0,
                  [[scale, 0], [0, 1]]) for k in range(n)]
        b.composite(name, parts, round(h0 + ink + h_rsb), what)

    em = font["head"].unitsPerEm
    recipe("—", lambda: dash("emdash", em - h0 - h_rsb,
                             "hyphen stretched to 1 em"))

    # Euro: the script capital C has a looped swash that bars would turn
    # into a scribble, so the plain lowercase c is raised to the height of
    # the figures (narrowed, or it gets too wide) and crossed by two bars.
    def euro():
        fig_top = b.bbox("five")[3]
        c0, cy0, c1, cy1 = b.bbox("c")
        sy = min(1.99, fig_top / (cy1 - cy0))
        sx = sy * 0.7
        _, hy0, _, hy1 = b.bbox("hyphen")
        bar_left = 20
        c_dx = bar_left + 40 - c0 * sx
        parts = [("c", c_dx, 0, [[sx, 0], [0, sy]])]
        for y in (fig_top * 0.38, fig_top * 0.58):
            parts.append(("hyphen", bar_left - h0, y - (hy0 + hy1) / 2))
        b.composite("Euro", parts, round(c_dx + c1 * sx + bar_left),
                    "c raised to figure height + two hyphens as bars")

    recipe("€", euro)

    new = {}
    for ch in missing:
        if ch not in recipes:
            sys.exit("no recipe for missing character %r" % ch)
        before = len(b.added)
        recipes[ch]()
        new[ord(ch)] = b.added[before][0]
    new[0x0131] = "dotlessi"

    # These code points exist but show other signs: – draws ±, … draws ¼,
    # and “ is a heavy straight mark unlike the curly ’.
    dash("endash", 2 * (h1 - h0), "hyphen stretched twice")
    p0, _, p1, _ = b.bbox("period")
    p_adv = b.hmtx["period"][0]
    b.composite("ellipsis", [("period", k * p_adv, 0) for k in range(3)],
                3 * p_adv, "three periods")
    b.composite("quotedblleft", [("quoteright", rx, ry, turn),
                                 ("quoteright", rx + q_gap, ry, turn)],
                q_adv + q_gap, "two ’ turned by 180°")

    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap.update(new)
    font.setGlyphOrder(list(b.glyf.glyphOrder))
    return b.added


class CubicPen(BasePen):
    """Passes an outline on with its quadratic curves raised, exactly, to
    cubics (what BasePen does when _qCurveToOne is left alone): the
    boolean operations re-fit the result only to cubic segments."""

    def __init__(self, other):
        super().__init__(None)
        self.other = other

    def _moveTo(self, pt):
        self.other.moveTo(pt)

    def _lineTo(self, pt):
        self.other.lineTo(pt)

    def _curveToOne(self, pt1, pt2, pt3):
        self.other.curveTo(pt1, pt2, pt3)

    def _closePath(self):
        self.other.closePath()


class Contour(RecordingPointPen):
    drawPoints = RecordingPointPen.replay

    def __len__(self):
        return sum(1 for op, _, _ in self.value if op == "addPoint")


def painted_contours(glyph, glyf):
    """The glyph's contours, each turned the way the area it stands for
    must be wound: a contour wholly inside another and turned against it
    is a counter, any other one is ink."""
    recording = RecordingPointPen()
    glyph.draw(CubicPen(SegmentToPointPen(recording)), glyf)
    contours = []
    for op, args, kwargs in recording.value:
        if op == "beginPath":
            contours.append(Contour())
        getattr(contours[-1], op)(*args, **kwargs)
    flat = [InputContour(c).originalFlat for c in contours]
    area = [pyclipper.Area(f) for f in flat]
    def inside(i, j):
        return all(pyclipper.PointInPolygon(p, flat[j]) for p in flat[i])

    ink = {}
    # Larger first, so that whatever surrounds a contour is already known.
    for i in sorted(range(len(contours)), key=lambda i: -abs(area[i])):
        around = [j for j in ink if inside(i, j)]
        if around:
            j = min(around, key=lambda j: abs(area[j]))
            ink[i] = ink[j] == ((area[i] > 0) == (area[j] > 0))
        else:
            ink[i] = True
    out = []
    for i, contour in enumerate(contours):
        if ink[i] != (area[i] > 0):
            turned = Contour()
            contour.replay(ReverseContourPointPen(turned))
            contour = turned
        out.append(contour)
    return out


def clean_outlines(font):
    """Redraw every simple glyph as the union of its ink: no overlaps, ink
    clockwise and counters counter-clockwise as TrueType wants.

    The source turns many ink contours the way of counters, which the
    non-zero fill forgives but FreeType's synthetic bold does not: it
    thickens the contours turned like the glyph as a whole and thins the
    others, so the loops of a, d, g... vanish in bold."""
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    for name in font.getGlyphOrder():
        if glyf[name].numberOfContours > 0:
            pen = TTGlyphPen(None)
            # The union comes out anticlockwise; TrueType ink is clockwise.
            # Its curves are raised quadratics, so they come back exactly.
            BooleanOperationManager.union(
                painted_contours(glyf[name], glyf),
                PointToSegmentPen(Cu2QuPen(pen, 0.5, reverse_direction=True)))
            glyf[name] = pen.glyph()
    # Composites after all their parts.
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        glyph.recalcBounds(glyf)
        # Hints address points by number, and the points have changed.
        if hasattr(glyph, "program"):
            glyph.program.fromBytecode(b"")
        lsb = glyph.xMin if glyph.numberOfContours else 0
        hmtx.metrics[name] = (hmtx[name][0], lsb)
    for tag in ("fpgm", "prep", "cvt "):
        del font[tag]
    maxp = font["maxp"]
    maxp.maxZones = 1
    for field in ("maxTwilightPoints", "maxStorage", "maxFunctionDefs",
                  "maxStackElements", "maxSizeOfInstructions"):
        setattr(maxp, field, 0)


def set_line_metrics(font):
    """Give the font the line of a text font: tall enough for every letter,
    accented capitals included, regular or bold, and no taller.

    Qt sizes lines from the Windows metrics unless USE_TYPO_METRICS is set,
    and the source's reached down to the stray bar under W: lines came out
    nearly two em tall."""
    glyf = font["glyf"]
    cmap = font.getBestCmap()
    letters = [g for u, g in cmap.items()
               if unicodedata.category(chr(u)) in ("Lu", "Ll")]
    # FreeType's synthetic bold, which the exercise screen's texts get,
    # grows a glyph upwards by 1/24 em: keep the accents of bold capitals.
    top = (max(glyf[g].yMax for g in letters)
           + round(font["head"].unitsPerEm / 24))
    bottom = min(glyf[g].yMin for g in letters)
    hhea = font["hhea"]
    hhea.ascent, hhea.descent, hhea.lineGap = top, bottom, 0
    os2 = font["OS/2"]
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = top, bottom, 0
    # Windows clips to these: they cover every glyph.
    drawn = [glyf[g] for g in font.getGlyphOrder() if glyf[g].numberOfContours]
    os2.usWinAscent = max(g.yMax for g in drawn)
    os2.usWinDescent = -min(g.yMin for g in drawn)
    # USE_TYPO_METRICS (bit 7) is defined from version 4 of the table on.
    os2.version = 4
    os2.fsSelection |= 1 << 7
    os2.ulCodePageRange1, os2.ulCodePageRange2 = 1, 0  # Latin 1
    os2.sxHeight = glyf["x"].yMax
    os2.sCapHeight = glyf["H"].yMax
    os2.usDefaultChar, os2.usBreakChar, os2.usMaxContext = 0, 0x20, 0


def rename(font):
    name = font["name"]
    for platform in ((1, 0, 0), (3, 1, 0x409)):
        for nid, text in ((1, FAMILY), (2, "Regular"),
                          (3, FAMILY + ":Regular:Ordiparo"), (4, FAMILY),
                          (6, FAMILY), (10, NOTE), (13, LICENSE),
                          (14, LICENSE_URL)):
            name.setName(text, nid, *platform)
    for nid in (16, 17):
        name.removeNames(nameID=nid)
    return sorted({(n.nameID, n.toUnicode()) for n in name.names})


def write_license(path):
    with open(LICENSE_SOURCE, encoding="utf-8") as f:
        text = f.read()
    start = text.index("Copyright (c) 2007, Jean-Marie Douteau")
    end_mark = "OTHER DEALINGS IN THE FONT SOFTWARE."
    end = text.index(end_mark, start) + len(end_mark)
    with open(path, "w", encoding="utf-8") as f:
        f.write(OFL_HEADER + text[start:end] + "\n")


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else SOURCE
    # The source has zero dates and a stray byte in its glyph names; both
    # are replaced on output, so fontTools' warnings about them are noise.
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    font = TTFont(source, recalcTimestamp=False)
    for tag in font.keys():
        font[tag]
    logging.getLogger("fontTools").setLevel(logging.WARNING)
    added = build(font)
    clean_outlines(font)
    set_line_metrics(font)
    names = rename(font)
    font["head"].created = font["head"].modified = TIMESTAMP
    os2 = font["OS/2"]
    if hasattr(os2, "updateFirstAndLastCharIndex"):
        os2.updateFirstAndLastCharIndex(font)
    font.save(OUTPUT)

    # Read it back: a broken table shows up here rather than in the program.
    check = TTFont(OUTPUT)
    cmap = check.getBestCmap()
    lacking = [ch for ch in ITALIAN if ord(ch) not in cmap]
    if lacking:
        sys.exit("still missing: " + " ".join(lacking))
    for glyph in check.getGlyphOrder():
        check["glyf"][glyph].getCoordinates(check["glyf"])

    write_license(OFL_OUTPUT)
    for glyph, how, what in added:
        chars = "".join(chr(u) for u, g in sorted(cmap.items()) if g == glyph)
        print("%-9s %-15s %-3s %s" % (how, glyph, chars, what))
    for nid, text in names:
        print("name %2d: %s" % (nid, text))
    print("wrote", os.path.relpath(OUTPUT, ROOT), "and",
          os.path.relpath(OFL_OUTPUT, ROOT))


if __name__ == "__main__":
    main()
