#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build the frames of Merlin, the friendly wizard, as SVG files.

Every frame is assembled from the same shared parts (robe, beard, face,
hat), so the body never moves when the program swaps frames; only the
eyes, the mouth, the free arm and the sparkles change.

The output is deterministic and uses only SVG Tiny features that Qt's
QSvgRenderer draws: paths, circles, ellipses, polygons and lines with
presentation attributes, no filters, masks, clip paths, text or styles.

Usage: /usr/bin/python3 scripts/genera-merlino.py
Writes assets/personaggi/merlin/*.svg and assets/personaggi/Merlin.acs.
"""

import math
import os

W, H = 160, 200

# Palette: one dark ink for every outline so he reads on any light background.
INK = "#2b2140"
ROBE = "#5b54d6"
ROBE_DARK = "#4239b0"
ROBE_LIGHT = "#7b74ec"
GOLD = "#ffd23f"
GOLD_DARK = "#d99a00"
SKIN = "#ffdcc0"
SKIN_DARK = "#f4b894"
CHEEK = "#ff8f9a"
BEARD = "#ffffff"
BEARD_SHADE = "#dfe3f2"
WOOD = "#b0713f"
WOOD_DARK = "#7d4a22"
SHOE = "#8a4b2a"
MOUTH = "#8c1f35"
TONGUE = "#ff7a8a"
SPARK_PINK = "#ff8fd0"
SPARK_CYAN = "#5fd3ff"

OUT = 2.4  # main outline width, still clear at the real 160x200 size


def n(v):
    """Format a number compactly and always the same way."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def pts(points):
    return " ".join("%s,%s" % (n(x), n(y)) for x, y in points)


def star_points(cx, cy, r_out, r_in, tips=5, start=-90.0):
    points = []
    for i in range(tips * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(start + i * 180.0 / tips)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def star(cx, cy, r, fill=GOLD, stroke=GOLD_DARK, width=1.0, inner=0.45):
    return '<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (
        pts(star_points(cx, cy, r, r * inner)), fill, stroke, n(width))


def sparkle(cx, cy, r, fill):
    # Four-pointed twinkle, outlined in ink so it shows on pale screens.
    return '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % (
        pts(star_points(cx, cy, r, r * 0.32, tips=4)), fill, INK)


def rotate(point, centre, degrees):
    a = math.radians(degrees)
    x, y = point[0] - centre[0], point[1] - centre[1]
    return (centre[0] + x * math.cos(a) - y * math.sin(a),
            centre[1] + x * math.sin(a) + y * math.cos(a))


def thick_line(points, width, colour, ink_width=None):
    """A rounded limb: an ink stroke under a coloured one gives an outlined tube."""
    ink_width = ink_width if ink_width is not None else width + 2 * OUT
    d = pts(points)
    return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" '
            'stroke-linecap="round" stroke-linejoin="round"/>\n'
            '<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" '
            'stroke-linecap="round" stroke-linejoin="round"/>') % (
                d, INK, n(ink_width), d, colour, n(width))


# ---------------------------------------------------------------- shared parts

def shoes():
    return "\n".join([
        '<path d="M50 186 C44 186 40 190 41 194 C42 197 52 197 62 196 C68 195 68 188 62 186 Z" '
        'fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (SHOE, INK, n(OUT)),
        '<path d="M110 186 C116 186 120 190 119 194 C118 197 108 197 98 196 C92 195 92 188 98 186 Z" '
        'fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (SHOE, INK, n(OUT)),
    ])


def robe():
    parts = [
        # Body of the robe, a wide bell so he stands firmly.
        '<path d="M60 102 C48 105 42 114 40 128 L31 184 Q80 195 129 184 L120 128 '
        'C118 114 112 105 100 102 Z" fill="%s" stroke="%s" stroke-width="%s" '
        'stroke-linejoin="round"/>' % (ROBE, INK, n(OUT)),
        # Soft fold shading, flat like the other pictures.
        '<path d="M46 130 L38 180 Q44 183 50 184 L52 134 Z" fill="%s"/>' % ROBE_DARK,
        '<path d="M112 132 L118 182 Q113 184 107 185 L106 136 Z" fill="%s"/>' % ROBE_LIGHT,
        # Golden hem.
        '<path d="M32.5 176 Q80 187 127.5 176 L128.6 183.6 Q80 194.5 31.4 183.6 Z" '
        'fill="%s" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % (GOLD, INK),
        star(58, 168, 4.4), star(110, 168, 3.6), star(90, 174, 2.6), star(68, 176, 2.4),
        # A small crescent on the robe to match the hat.
        '<path d="M97 148 A6 6 0 1 0 105 156 A4.6 4.6 0 1 1 97 148 Z" fill="%s" stroke="%s" '
        'stroke-width="1" stroke-linejoin="round"/>' % (GOLD, GOLD_DARK),
    ]
    return "\n".join(parts)


def beard():
    return "\n".join([
        # Long wavy beard falling over the chest, ending in a soft point.
        '<path d="M55 88 C52 100 50 112 53 124 C50 130 54 136 58 138 C57 145 63 150 68 150 '
        'C69 157 75 162 80 166 C85 162 91 157 92 150 C97 150 103 145 102 138 '
        'C106 136 110 130 107 124 C110 112 108 100 105 88 C100 98 92 103 80 103 '
        'C68 103 60 98 55 88 Z" fill="%s" stroke="%s" stroke-width="%s" '
        'stroke-linejoin="round"/>' % (BEARD, INK, n(OUT)),
        # Curls inside the beard.
        '<path d="M64 118 Q67 128 63 134 M96 118 Q93 128 97 134 M80 128 Q83 140 80 152 '
        'M72 136 Q74 144 71 148 M88 136 Q86 144 89 148" fill="none" stroke="%s" '
        'stroke-width="1.6" stroke-linecap="round"/>' % BEARD_SHADE,
    ])


def face():
    return "\n".join([
        # Ears peeking out beside the hair.
        '<ellipse cx="55" cy="86" rx="5" ry="6.5" fill="%s" stroke="%s" stroke-width="%s"/>' % (SKIN, INK, n(OUT)),
        '<ellipse cx="105" cy="86" rx="5" ry="6.5" fill="%s" stroke="%s" stroke-width="%s"/>' % (SKIN, INK, n(OUT)),
        '<ellipse cx="80" cy="84" rx="24" ry="23" fill="%s" stroke="%s" stroke-width="%s"/>' % (SKIN, INK, n(OUT)),
        # Rosy cheeks.
        '<ellipse cx="64" cy="93" rx="6" ry="4" fill="%s" opacity="0.75"/>' % CHEEK,
        '<ellipse cx="96" cy="93" rx="6" ry="4" fill="%s" opacity="0.75"/>' % CHEEK,
    ])


def hair():
    # White tufts under the brim, at the temples.
    return "\n".join([
        '<path d="M58 68 C50 70 46 78 49 86 C46 90 50 96 55 95 C56 88 57 80 62 72 Z" '
        'fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (BEARD, INK, n(OUT)),
        '<path d="M102 68 C110 70 114 78 111 86 C114 90 110 96 105 95 C104 88 103 80 98 72 Z" '
        'fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (BEARD, INK, n(OUT)),
    ])


def nose_and_moustache():
    return "\n".join([
        # Bushy moustache, drawn over the top of the mouth like a real one.
        '<path d="M80 97 C74 94 66 95 62 100 C59 104 62 108 66 106 C70 104 74 104 80 102 '
        'C86 104 90 104 94 106 C98 108 101 104 98 100 C94 95 86 94 80 97 Z" fill="%s" '
        'stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (BEARD, INK),
        # Round button nose.
        '<ellipse cx="80" cy="92" rx="5" ry="4.4" fill="%s" stroke="%s" stroke-width="2"/>' % (SKIN_DARK, INK),
        '<circle cx="78.3" cy="90.6" r="1.3" fill="#ffffff" opacity="0.8"/>',
    ])


def brows():
    # Fluffy white brows, drawn over the brim edge so they stay visible.
    left = [(61.5, 75.5), (60, 71.5), (63.5, 69), (66.5, 70.2), (68, 67.6), (72.5, 67.6), (74, 70),
            (77, 69.8), (79, 72.8), (77.8, 75.2), (73, 72.6), (66.5, 72.6), (61.5, 75.5)]
    out = []
    for side in (left, [(160 - x, y) for x, y in left]):
        d = "M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s C%s %s %s %s %s %s C%s %s %s %s %s %s Z" % tuple(
            n(v) for xy in side for v in xy)
        out.append('<path d="%s" fill="%s" stroke="%s" stroke-width="1.7" stroke-linejoin="round"/>' % (
            d, BEARD, INK))
    return "\n".join(out)


def hat():
    return "\n".join([
        # Tall cone whose tip flops kindly to one side.
        '<path d="M52 64 C60 50 68 32 78 18 C84 9 94 4 106 6 C113 7 118 12 117 18 '
        'C110 14 102 15 98 22 C98 36 102 52 108 64 Z" fill="%s" stroke="%s" '
        'stroke-width="%s" stroke-linejoin="round"/>' % (ROBE, INK, n(OUT)),
        # Shade on the right side of the cone.
        '<path d="M98 24 C98 38 101 52 106 62 L98 62 C95 50 95 36 98 24 Z" fill="%s"/>' % ROBE_DARK,
        # Golden band above the brim.
        '<path d="M56 57 Q80 62 104 57 L106.5 63 Q80 68 53.5 63 Z" fill="%s" stroke="%s" '
        'stroke-width="1.6" stroke-linejoin="round"/>' % (GOLD, INK),
        # Brim.
        '<path d="M38 66 C38 60 56 58 80 58 C104 58 122 60 122 66 C122 72 104 74 80 74 '
        'C56 74 38 72 38 66 Z" fill="%s" stroke="%s" stroke-width="%s" '
        'stroke-linejoin="round"/>' % (ROBE, INK, n(OUT)),
        '<path d="M44 65.5 C50 62.5 64 61.5 80 61.5 C96 61.5 110 62.5 116 65.5 '
        'C108 64 96 63.5 80 63.5 C64 63.5 52 64 44 65.5 Z" fill="%s"/>' % ROBE_LIGHT,
        # Moon and stars.
        '<path d="M78 30 A9 9 0 1 0 89 42 A7 7 0 1 1 78 30 Z" fill="%s" stroke="%s" '
        'stroke-width="1.2" stroke-linejoin="round"/>' % (GOLD, GOLD_DARK),
        star(68, 50, 5.2), star(93, 50, 3.6), star(91, 21, 3.2), star(110, 13, 2.4, width=0.8),
    ])


# ---------------------------------------------------------------- eyes

def eyes_open():
    out = []
    for cx in (70, 90):
        out.append('<ellipse cx="%s" cy="82" rx="6.2" ry="7.4" fill="#ffffff" stroke="%s" '
                   'stroke-width="1.8"/>' % (n(cx), INK))
        out.append('<circle cx="%s" cy="83" r="4.9" fill="%s"/>' % (n(cx + 0.5), INK))
        out.append('<circle cx="%s" cy="80.8" r="1.8" fill="#ffffff"/>' % n(cx + 2.1))
        out.append('<circle cx="%s" cy="85.4" r="0.8" fill="#ffffff"/>' % n(cx - 1.0))
    return "\n".join(out)


def eyes_closed():
    # Gentle closed lids with tiny lashes: a blink, not a frown.
    out = []
    for cx in (70, 90):
        out.append('<path d="M%s 83 Q%s 88.5 %s 83" fill="none" stroke="%s" stroke-width="2.2" '
                   'stroke-linecap="round"/>' % (n(cx - 6), n(cx), n(cx + 6), INK))
    out.append('<path d="M63.5 84.5 L62 86.5 M96.5 84.5 L98 86.5" fill="none" stroke="%s" '
               'stroke-width="1.6" stroke-linecap="round"/>' % INK)
    return "\n".join(out)


# ---------------------------------------------------------------- mouths
# The mouth sits in the beard just under the moustache (y 102-120).

def mouth_smile():
    return ('<path d="M72.5 108 Q80 114.5 87.5 108" fill="none" stroke="%s" stroke-width="2.2" '
            'stroke-linecap="round"/>' % INK)


def open_mouth(outline, tongue):
    return "\n".join([
        '<path d="%s" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (outline, MOUTH, INK),
        tongue,
    ])


def mouth_a():
    return open_mouth(
        "M71 104 Q80 102 89 104 Q89 119 80 121 Q71 119 71 104 Z",
        '<path d="M74 117 Q80 111 86 117 Q84 120 80 120.2 Q76 120 74 117 Z" fill="%s"/>' % TONGUE)


def mouth_o():
    return open_mouth(
        "M80 103.5 C85 103.5 86.5 108 86.5 111.5 C86.5 115.5 84 118.5 80 118.5 "
        "C76 118.5 73.5 115.5 73.5 111.5 C73.5 108 75 103.5 80 103.5 Z",
        '<ellipse cx="80" cy="115.6" rx="3.4" ry="1.8" fill="%s"/>' % TONGUE)


def mouth_e():
    return "\n".join([
        open_mouth("M67 104 Q80 106 93 104 Q91 113 80 113.5 Q69 113 67 104 Z",
                   '<path d="M73 111.5 Q80 108.5 87 111.5 Q80 113.4 73 111.5 Z" fill="%s"/>' % TONGUE),
        # Upper teeth make the flat "e"/"i" shape unmistakable.
        '<path d="M69.5 105.6 Q80 107.2 90.5 105.6 L89.8 107.8 Q80 109.4 70.2 107.8 Z" '
        'fill="#ffffff"/>',
    ])


def mouth_happy():
    return open_mouth(
        "M69 104 Q80 107 91 104 Q89 117 80 117.5 Q71 117 69 104 Z",
        '<path d="M74 114 Q80 109.5 86 114 Q83 117 80 117 Q77 117 74 114 Z" fill="%s"/>' % TONGUE)


# ---------------------------------------------------------------- arms

def unit(p, q):
    dx, dy = q[0] - p[0], q[1] - p[1]
    length = math.hypot(dx, dy)
    return dx / length, dy / length


def along(p, u, d):
    return p[0] + u[0] * d, p[1] + u[1] * d


def sleeve(shoulder, elbow, wrist):
    """Sleeve tube ending in a golden bell cuff; returns the svg and the cuff's open end.

    The tube stops short of the wrist so its round cap hides inside the cuff.
    """
    u = unit(elbow, wrist)
    px, py = -u[1], u[0]
    back = along(wrist, u, -5.0)
    front = along(wrist, u, 3.5)
    cuff = [(back[0] + px * 9.2, back[1] + py * 9.2), (front[0] + px * 11.2, front[1] + py * 11.2),
            (front[0] - px * 11.2, front[1] - py * 11.2), (back[0] - px * 9.2, back[1] - py * 9.2)]
    svg = "\n".join([
        thick_line([shoulder, elbow, back], 15, ROBE),
        '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1.8" '
        'stroke-linejoin="round"/>' % (pts(cuff), GOLD, INK),
    ])
    return svg, front, u


def fist(cx, cy):
    return "\n".join([
        '<circle cx="%s" cy="%s" r="6.4" fill="%s" stroke="%s" stroke-width="%s"/>' % (
            n(cx), n(cy), SKIN, INK, n(OUT)),
        '<path d="M%s %s Q%s %s %s %s" fill="none" stroke="%s" stroke-width="1.3" '
        'stroke-linecap="round"/>' % (n(cx - 3.5), n(cy - 1), n(cx), n(cy + 1.5),
                                      n(cx + 3.5), n(cy - 1), INK),
    ])


def wand_arm():
    # Arm hanging at his side (viewer's left), the hand gripping a little wand.
    svg, end, u = sleeve((50, 110), (40, 130), (36, 148))
    hand = along(end, u, 4.5)
    wand_bottom, wand_top = (44, 172), (23, 116)
    return "\n".join([
        svg,
        '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="6.6" stroke-linecap="round"/>' % (
            n(wand_bottom[0]), n(wand_bottom[1]), n(wand_top[0]), n(wand_top[1]), INK),
        '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="3.2" stroke-linecap="round"/>' % (
            n(wand_bottom[0]), n(wand_bottom[1]), n(wand_top[0]), n(wand_top[1]), WOOD),
        fist(*hand),
        star(22, 110, 8.2, stroke=INK, width=1.8, inner=0.48),
        '<circle cx="20" cy="108" r="1.4" fill="#ffffff" opacity="0.9"/>',
    ])


def free_arm_down():
    # The other arm relaxed at his side (viewer's right).
    svg, end, u = sleeve((110, 110), (120, 130), (124, 148))
    return "\n".join([svg, fist(*along(end, u, 4.5))])


def open_hand(pivot, up, tilt):
    """Open palm facing us, fingers along up (degrees), tilted around the pivot."""
    angle = up + 90 + tilt
    fingers = [((-5.0, -11.5), (-6.8, -19.5)), ((-1.8, -13.0), (-2.2, -22.0)),
               ((1.8, -13.0), (2.2, -21.6)), ((5.0, -11.5), (6.6, -18.5))]
    thumb = ((-5.5, -6.5), (-11.5, -11.0))

    def place(offset):
        return rotate((pivot[0] + offset[0], pivot[1] + offset[1]), pivot, angle)

    segs = [(place(a), place(b)) for a, b in fingers + [thumb]]
    palm = place((0, -8))
    out = []
    # Ink pass first for every part, then skin, so the outline surrounds the whole hand.
    for pa, pb in segs:
        out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="8.2" '
                   'stroke-linecap="round"/>' % (n(pa[0]), n(pa[1]), n(pb[0]), n(pb[1]), INK))
    out.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(palm[0]), n(palm[1]), n(7.8 + OUT / 2), INK))
    for pa, pb in segs:
        out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="4" '
                   'stroke-linecap="round"/>' % (n(pa[0]), n(pa[1]), n(pb[0]), n(pb[1]), SKIN))
    out.append('<circle cx="%s" cy="%s" r="7" fill="%s"/>' % (n(palm[0]), n(palm[1]), SKIN))
    # A pink palm line makes the open hand read as a hand at small sizes.
    c, d = place((-2.5, -6.5)), place((3.0, -8.5))
    out.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="1.2" '
               'stroke-linecap="round"/>' % (n(c[0]), n(c[1]), n(d[0]), n(d[1]), SKIN_DARK))
    return "\n".join(out)


def free_arm_raised(tilt):
    # Elbow out, forearm up: the hand waves at shoulder height beside his face.
    svg, end, u = sleeve((108, 110), (131, 126), (136, 106))
    up = math.degrees(math.atan2(u[1], u[0]))
    # The cuff goes over the wrist, so the hand comes out of the sleeve.
    return "\n".join([open_hand(along(end, u, -1.5), up, tilt), svg])


# ---------------------------------------------------------------- magic

def sparkles():
    items = [
        sparkle(16, 40, 9, GOLD), sparkle(142, 34, 8, SPARK_CYAN),
        sparkle(146, 150, 7, SPARK_PINK), sparkle(14, 176, 7.5, SPARK_CYAN),
        sparkle(30, 76, 5.5, SPARK_PINK), sparkle(138, 78, 5, GOLD),
        sparkle(148, 112, 4.5, GOLD), sparkle(10, 132, 5, GOLD),
        star(40, 16, 5, width=1.3, stroke=INK), star(130, 186, 5, width=1.3, stroke=INK),
    ]
    for cx, cy, r, c in ((56, 8, 2, SPARK_CYAN), (124, 10, 2.2, SPARK_PINK),
                         (150, 62, 1.8, GOLD), (8, 100, 2, SPARK_CYAN),
                         (26, 194, 1.8, GOLD), (152, 172, 2, SPARK_CYAN),
                         (26, 148, 1.6, SPARK_PINK), (136, 132, 1.6, SPARK_CYAN)):
        items.append('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="0.9"/>' % (
            n(cx), n(cy), n(r), c, INK))
    return "\n".join(items)


# ---------------------------------------------------------------- frames

def frame(title, eyes, mouth, arm, extra=""):
    layers = [
        ("shoes", shoes()),
        ("robe", robe()),
        ("wand arm", wand_arm()),
        ("free arm", arm),
        ("hair", hair()),
        ("face", face()),
        ("beard", beard()),
        ("mouth", mouth),
        ("nose and moustache", nose_and_moustache()),
        ("eyes", eyes),
        ("hat", hat()),
        ("eyebrows", brows()),
    ]
    if extra:
        layers.append(("sparkles", extra))
    body = "\n".join("<!-- %s -->\n%s" % (name, svg) for name, svg in layers)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<!-- Ordiparo character: Merlin the friendly wizard, frame "%s". '
            'Generated by scripts/genera-merlino.py. -->\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="%d" height="%d" viewBox="0 0 %d %d">\n%s\n</svg>\n') % (title, W, H, W, H, body)


FRAMES = [
    ("riposo", lambda: frame("riposo", eyes_open(), mouth_smile(), free_arm_down())),
    ("ammicca", lambda: frame("ammicca", eyes_closed(), mouth_smile(), free_arm_down())),
    ("bocca-a", lambda: frame("bocca-a", eyes_open(), mouth_a(), free_arm_down())),
    ("bocca-o", lambda: frame("bocca-o", eyes_open(), mouth_o(), free_arm_down())),
    ("bocca-e", lambda: frame("bocca-e", eyes_open(), mouth_e(), free_arm_down())),
    ("saluto-1", lambda: frame("saluto-1", eyes_open(), mouth_happy(), free_arm_raised(-20))),
    ("saluto-2", lambda: frame("saluto-2", eyes_open(), mouth_happy(), free_arm_raised(18))),
    ("magia", lambda: frame("magia", eyes_open(), mouth_smile(), free_arm_down(), sparkles())),
]

ACS = """; Ordiparo character: Merlin, the friendly wizard
[personaggio]
nome=Merlin
larghezza=160
altezza=200
[fotogrammi]
riposo=merlin/riposo.svg
ammicca=merlin/ammicca.svg
bocca-a=merlin/bocca-a.svg
bocca-o=merlin/bocca-o.svg
bocca-e=merlin/bocca-e.svg
saluto-1=merlin/saluto-1.svg
saluto-2=merlin/saluto-2.svg
magia=merlin/magia.svg
[animazioni]
Riposo=riposo:2800, ammicca:160
Parla=bocca-a:110, bocca-o:110, riposo:80, bocca-e:110, bocca-o:100, riposo:90
Saluta=saluto-1:220, saluto-2:220, saluto-1:220, saluto-2:220, riposo:0
Appare=magia:90:0.2, magia:90:0.5, magia:90:0.8, riposo:0:1
Scompare=riposo:90:0.8, magia:90:0.5, magia:90:0.2
"""


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "personaggi")
    folder = os.path.join(root, "merlin")
    os.makedirs(folder, exist_ok=True)
    for name, build in FRAMES:
        path = os.path.join(folder, name + ".svg")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(build())
        print(os.path.relpath(path))
    path = os.path.join(root, "Merlin.acs")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(ACS)
    print(os.path.relpath(path))


if __name__ == "__main__":
    main()
