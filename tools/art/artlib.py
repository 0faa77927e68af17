"""Shared palette, SVG helpers and the drawings that several pictures reuse."""

import math
from xml.sax.saxutils import escape

# One palette for the whole game: change a colour here and re-run tools/render_art.sh.
OUTLINE = "#3a2a22"
INK = "#2a2230"          # printed headings and instructions
WHITE = "#ffffff"
RED = "#e23b3b"
RED_DARK = "#b82c2c"
ORANGE = "#f5921e"
ORANGE_DARK = "#d9760c"
YELLOW = "#f7d23e"
YELLOW_DARK = "#d9ae1c"
GREEN = "#5bb84a"
GREEN_DARK = "#3f8f33"
LEAF = "#4caf3f"
TEAL = "#2bb3a6"
BLUE = "#3a7bd5"
BLUE_DARK = "#2a5ea8"
NAVY = "#2f4a8a"
PURPLE = "#8a4fb3"
PURPLE_LIGHT = "#a874cc"
PINK = "#f07aa8"
PINK_LIGHT = "#f9b3cd"
MAGENTA = "#d81b9a"
BROWN = "#8a5530"
BROWN_DARK = "#5e3a1f"
TAN = "#d8a052"
TAN_LIGHT = "#ecc27e"
TAN_DARK = "#a8702f"
CREAM = "#fbe9c4"
SKIN = "#d9a06b"
SKIN_DARK = "#b97f4c"
HAIR = "#2d1f1a"
CHEEK = "#ef8a7a"
GREY = "#9aa0a8"
GREY_LIGHT = "#c4c8ce"
GREY_DARK = "#6f757d"
GOLD = "#f4b72a"
GOLD_DARK = "#c98d12"

# Tile colours.
FLOOR = "#f4ead2"
FLOOR_LINE = "#e9dcbd"
BRICK = "#c8623f"
BRICK_LIGHT = "#de8560"
BRICK_SHADE = "#a94d30"
MORTAR = "#6e4a3a"

# Ground colour of each screen.
GROUND_MENU = "#fff0d2"
GROUND_MENU_RAY = "#ffe7bd"
GROUND_BOXPUSH = "#d3edc6"
GROUND_WORDGUESS = "#fff4b0"
GROUND_TYPING = "#cde7f8"
GROUND_FINAL = "#eee0f6"

HEADING_FONT = 'font-family="Lato" font-weight="900"'
PLAIN_FONT = 'font-family="DejaVu Sans"'
NARROW_FONT = 'font-family="DejaVu Sans Condensed" font-stretch="condensed"'

SW = 2  # outline width at tile scale (40 x 40)


def svg(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n{body}\n</svg>\n')


def g(body, transform=None, extra=""):
    t = f' transform="{transform}"' if transform else ""
    return f"<g{t}{extra}>{body}</g>"


def rect(x, y, w, h, fill, rx=0, stroke=None, sw=SW, extra=""):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    r = f' rx="{rx}"' if rx else ""
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}"{r} fill="{fill}"{s}{extra}/>'


def circle(cx, cy, r, fill, stroke=OUTLINE, sw=SW, extra=""):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}"{s}{extra}/>'


def ellipse(cx, cy, rx, ry, fill, stroke=OUTLINE, sw=SW, extra=""):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    return f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{fill}"{s}{extra}/>'


def path(d, fill, stroke=OUTLINE, sw=SW, extra=""):
    s = (f' stroke="{stroke}" stroke-width="{sw}" stroke-linejoin="round" stroke-linecap="round"'
         if stroke else "")
    return f'<path d="{d}" fill="{fill}"{s}{extra}/>'


def line(x1, y1, x2, y2, stroke=OUTLINE, sw=SW):
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{stroke}" '
            f'stroke-width="{sw}" stroke-linecap="round"/>')


def text(x, y, s, size, font=HEADING_FONT, fill=INK, anchor="start", extra=""):
    return (f'<text x="{x}" y="{y}" {font} font-size="{size}" fill="{fill}" '
            f'text-anchor="{anchor}"{extra}>{escape(s)}</text>')


def white_box(x0, y0, x1, y1, rx=12, border=None, bw=3):
    """A rounded white box given by its corners; the live control sits on it."""
    return rect(x0, y0, x1 - x0, y1 - y0, WHITE, rx=rx, stroke=border, sw=bw)


def star(cx, cy, r_out, r_in, fill, stroke=OUTLINE, sw=SW, points=5, turn=0.0):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.pi * i / points - math.pi / 2 + turn
        pts.append(f"{cx + r * math.cos(a):.2f},{cy + r * math.sin(a):.2f}")
    d = "M" + " L".join(pts) + " Z"
    return path(d, fill, stroke, sw)


def place(body, x, y, scale=1.0):
    """Puts a 40 x 40 drawing with its top-left corner at x, y, scaled."""
    return g(body, f"translate({x},{y}) scale({scale})")


# ---------------------------------------------------------------------------------------------
# Tile-scale drawings (a 40 x 40 box, 3-4 px margin). Items, basket and figure are reused by the
# tiles and, scaled up, by the screen backgrounds.

def floor_tile():
    # A faint line on the top and left edge only, so neighbouring tiles form a quiet grid.
    return (rect(0, 0, 40, 40, FLOOR) + rect(0, 0, 40, 1, FLOOR_LINE) + rect(0, 1, 1, 39, FLOOR_LINE))


def wall_tile():
    # Four brick rows of 10 px; joints at 0/20 and 10/30 alternate, so walls line up across cells.
    parts = [rect(0, 0, 40, 40, MORTAR)]
    for row in range(4):
        y = row * 10 + 1
        offset = 0 if row % 2 == 0 else 10
        for start in (-40, -20, 0, 20, 40):
            x0 = start + offset + 1
            x1 = x0 + 18
            cx0, cx1 = max(x0, 0), min(x1, 40)
            if cx1 <= cx0:
                continue
            parts.append(rect(cx0, y, cx1 - cx0, 8, BRICK))
            parts.append(rect(cx0, y, cx1 - cx0, 2, BRICK_LIGHT))
            parts.append(rect(cx0, y + 6, cx1 - cx0, 2, BRICK_SHADE))
    return g("".join(parts), extra=' shape-rendering="crispEdges"')


def basket_back(top=18):
    return ellipse(20, top, 16, 5, BROWN_DARK)


def basket_front(top=18):
    """The basket's body and front rim; `top` is the height of the rim's centre line."""
    h = 37 - top
    y1, y2 = top + h * 0.32, top + h * 0.64
    body = (f"M4,{top} L8.5,34 Q9,37 12,37 L28,37 Q31,37 31.5,34 L36,{top} "
            f"A16,5 0 0 1 4,{top} Z")
    weave = "".join([
        path(f"M5.4,{y1:.1f} Q20,{y1 + 6:.1f} 34.6,{y1:.1f}", "none", TAN_DARK, 1.5),
        path(f"M6.6,{y2:.1f} Q20,{y2 + 5:.1f} 33.4,{y2:.1f}", "none", TAN_DARK, 1.5),
        line(14, top + 5.5, 15, 36, TAN_DARK, 1.5),
        line(26, top + 5.5, 25, 36, TAN_DARK, 1.5),
        line(20, top + 6, 20, 36.5, TAN_DARK, 1.5),
    ])
    rim = path(f"M4,{top} A16,5 0 0 0 36,{top}", "none", TAN_LIGHT, 3.2)
    return (path(body, TAN, None) + weave + path(body, "none") + rim
            + path(f"M3,{top} A17,6.2 0 0 0 37,{top}", "none", OUTLINE, 1.4)
            + ellipse(20, top, 16, 5, "none", OUTLINE, 1.4))


def basket():
    return basket_back() + basket_front()


# In a filled basket the rim sits lower, so most of what it holds stays in view.
FILLED_TOP = 23


def in_basket(drawing, scale=0.8, centre_y=15.5):
    """The same drawing sitting in the basket: back rim, the drawing, then the basket's front."""
    inner = g(drawing, f"translate(20,{centre_y}) scale({scale}) translate(-20,-20)")
    return basket_back(FILLED_TOP) + inner + basket_front(FILLED_TOP)


def figure():
    """The player: a child facing the viewer."""
    parts = [
        # legs and shoes
        rect(15, 28, 4, 6, SKIN, stroke=OUTLINE, sw=1.5),
        rect(21, 28, 4, 6, SKIN, stroke=OUTLINE, sw=1.5),
        ellipse(16.5, 35.3, 3.6, 2, RED, sw=1.5),
        ellipse(23.5, 35.3, 3.6, 2, RED, sw=1.5),
        # shorts
        path("M13.5,25 L26.5,25 L27,30 L21,30 L20,28 L19,30 L13,30 Z", BLUE, sw=1.5),
        # arms
        path("M13,18 Q9,21 9.5,27", "none", OUTLINE, 4.6),
        path("M27,18 Q31,21 30.5,27", "none", OUTLINE, 4.6),
        path("M13,18 Q9,21 9.5,27", "none", SKIN, 2.2),
        path("M27,18 Q31,21 30.5,27", "none", SKIN, 2.2),
        # T-shirt with short sleeves
        path("M14,16.5 L26,16.5 Q29,17 31,21 L28,23 L27,21.5 L27,26 L13,26 L13,21.5 L12,23 "
             "L9,21 Q11,17 14,16.5 Z", TEAL, sw=1.5),
        # head, hair, face
        circle(20, 10, 7, SKIN, sw=1.6),
        path("M13,10 Q12.5,3 20,2.8 Q27.5,3 27,10 Q25,6.5 21,6.8 Q18,5.5 16.5,8 Q15,7 13,10 Z", HAIR,
             sw=1.2),
        circle(17.4, 10.6, 1.05, OUTLINE, None),
        circle(22.6, 10.6, 1.05, OUTLINE, None),
        circle(15.8, 13, 1.2, CHEEK, None),
        circle(24.2, 13, 1.2, CHEEK, None),
        path("M17.8,13.4 Q20,15.6 22.2,13.4", "none", OUTLINE, 1.2),
    ]
    return "".join(parts)


def figure_in_basket():
    inner = g(figure(), "translate(20,2) scale(0.82) translate(-20,0)")
    return basket_back(FILLED_TOP) + inner + basket_front(FILLED_TOP)


def apple():
    body = ("M20,12 C14,7.5 5,10 5,20 C5,29 11,36 16,36 C18,36 19,35 20,35 C21,35 22,36 24,36 "
            "C29,36 35,29 35,20 C35,10 26,7.5 20,12 Z")
    return (line(20, 12, 21.5, 5, BROWN_DARK, 2.6)
            + path("M21.5,8 C24,3.5 30,3.5 32,5.5 C29,9 24.5,10 21.5,8 Z", LEAF, sw=1.5)
            + path(body, RED)
            + ellipse(12.5, 18, 2.2, 4, "#f7a0a0", None, extra=' transform="rotate(20 12.5 18)"'))


def orange():
    dots = "".join(circle(x, y, 0.8, ORANGE_DARK, None) for x, y in
                   ((13, 18), (19, 15), (26, 19), (14, 27), (21, 23), (27, 28), (20, 31), (9, 23),
                    (31, 23)))
    return (circle(20, 21.5, 14, ORANGE) + dots
            + ellipse(14, 16, 2.4, 3.4, "#fbc27a", None, extra=' transform="rotate(35 14 16)"')
            + path("M20,8 C21,4 26,3 29,4.5 C27,8 23,9 20,8 Z", LEAF, sw=1.5)
            + circle(20, 8, 1.3, GREEN_DARK, None))


def banana():
    body = "M9,9 C6,24 16,34 33,30 L35,27.5 C22,29 13,21 13,8.5 Z"
    return (path(body, YELLOW)
            + path("M11,13 C11,22 18,28.5 31,28.5", "none", YELLOW_DARK, 1.3)
            + rect(8.3, 5, 5, 4.5, BROWN, 1, stroke=OUTLINE, sw=1.5)
            + circle(34.2, 28.8, 1.4, BROWN_DARK, None))


def grapes():
    keep = [(12, 15), (20, 15), (28, 15), (16, 22.2), (24, 22.2), (20, 29.4)]
    out = [line(20, 11, 21, 4, BROWN_DARK, 2.2),
           path("M21,7 C24,2.5 30,3 32,5 C29,8.5 24,9.5 21,7 Z", LEAF, sw=1.5)]
    for x, y in keep:
        out.append(circle(x, y, 4.8, PURPLE))
        out.append(circle(x - 1.6, y - 1.6, 1.1, PURPLE_LIGHT, None))
    return "".join(out)


def watermelon():
    # A half-round slice: green rind, pale band, red flesh and black seeds.
    rind = "M4,12 L36,12 A16,20 0 0 1 4,12 Z"
    pale = "M6.8,12 L33.2,12 A13.2,17 0 0 1 6.8,12 Z"
    flesh = "M8.6,12 L31.4,12 A11.4,15 0 0 1 8.6,12 Z"
    seeds = "".join(ellipse(x, y, 1.0, 1.6, OUTLINE, None) for x, y in
                    ((14, 16), (20, 17), (26, 16), (17, 21.5), (23, 21.5), (20, 25.5)))
    return (path(rind, GREEN) + path(pale, "#e9f5c8", None) + path(flesh, "#f0505a", None)
            + path(pale, "none", GREEN_DARK, 0.8) + seeds + path(rind, "none"))


def ball():
    return (circle(20, 20, 15, BLUE)
            + path("M6.5,15 Q20,23 33.5,15 L34.8,21.5 Q20,30.5 5.2,21.5 Z", WHITE, OUTLINE, 1.4)
            + path("M6,18.2 Q20,27 34,18.2", "none", RED, 1.6)
            + ellipse(14, 11.5, 3.5, 2, "#8fb6ee", None, extra=' transform="rotate(-25 14 11.5)"')
            + circle(20, 20, 15, "none"))


def cake():
    return (
        # cake body, cream layer, pink icing with drips
        path("M7,19 L7,32 Q7,35 10,35 L30,35 Q33,35 33,32 L33,19 Z", CREAM)
        + path("M7.8,27 L32.2,27", "none", PINK, 2.2)
        + path("M7,19 Q7,15.5 20,15.5 Q33,15.5 33,19 L33,22 Q31.5,25 30,22 Q28,20.5 26,23.5 "
               "Q24,26 22,22.5 Q20,20.8 18,23.8 Q16,26 14,22.5 Q12,20.5 10,23.5 Q8,25.5 7,22 Z", PINK)
        + ellipse(12.5, 18.2, 2.5, 0.9, PINK_LIGHT, None)
        # candle and flame
        + rect(18.5, 8, 3, 8, "#7cc6f2", stroke=OUTLINE, sw=1.2)
        + path("M20,2.5 Q23,6 20,8 Q17,6 20,2.5 Z", GOLD, OUTLINE, 1.1)
        + circle(27, 15, 2.4, RED, OUTLINE, 1.2))


def burger():
    return (
        path("M6,29 L34,29 L34,31 Q34,35 30,35 L10,35 Q6,35 6,31 Z", TAN)            # bottom bun
        + rect(5.5, 24, 29, 5.5, BROWN_DARK, 2.5, stroke=OUTLINE, sw=1.6)            # patty
        + path("M6,23.8 L34,23.8 L29,28 L25,23.8 Z", YELLOW, OUTLINE, 1.3)           # cheese
        + path("M4.5,22.5 Q7,19.5 10,22 Q13,19.5 16,22 Q19,19.5 22,22 Q25,19.5 28,22 Q31,19.5 "
               "35.5,22.5 Q33,25.5 30,24 Q27,26 24,24 Q21,26 18,24 Q15,26 12,24 Q9,26 6,24.5 Z",
               LEAF, OUTLINE, 1.3)                                                   # lettuce
        + path("M5,20 Q5,8 20,8 Q35,8 35,20 Q35,21.5 33,21.5 L7,21.5 Q5,21.5 5,20 Z", TAN)  # top bun
        + "".join(ellipse(x, y, 1.2, 0.7, "#fff3d6", None) for x, y in
                  ((13, 13), (19, 11.5), (25, 13), (16, 17), (23, 16.5), (29, 17), (10, 17.5))))


# The eight items in box-style order: style k is tile F(5+k) loose and G(1+k) in the basket.
ITEMS = [apple, orange, banana, grapes, watermelon, ball, cake, burger]
