"""The 200 x 200 reward pictures H1 to H5 and the question-mark placeholder."""

import artlib as a

GROUND = "#fdf7e9"
SW = 3.5  # outline width at this size


def framed(body, ground=GROUND):
    return a.svg(200, 200, a.rect(0, 0, 200, 200, ground) + body)


def ear():
    outer = ("M100,24 C142,18 174,50 170,94 C167,124 148,134 140,154 C133,175 110,184 95,171 "
             "C86,163 88,149 95,142 C102,135 99,128 91,124 C76,116 61,99 63,74 C65,44 80,27 100,24 Z")
    helix = "M84,72 C85,51 106,43 124,51 C141,59 146,82 136,99 C128,112 117,113 113,126"
    inner = "M100,76 C104,66 118,66 122,76 C126,88 116,94 108,96"
    waves = "".join(a.path(f"M{x},{y0} Q{x - d},100 {x},{200 - y0}", "none", a.BLUE, 4)
                    for x, y0, d in ((40, 78, 14), (26, 62, 20)))
    return framed(
        waves
        + a.path(outer, a.SKIN, a.OUTLINE, SW)
        + a.path(helix, "none", a.SKIN_DARK, 6)
        + a.path(inner, "none", a.SKIN_DARK, 5)
        + a.ellipse(106, 110, 8, 10, a.BROWN, None)
        + a.path("M96,104 C90,112 92,124 100,128", "none", a.OUTLINE, 3)
        + a.ellipse(109, 160, 9, 6, a.CHEEK, None, extra=' opacity="0.6"'))


def portrait():
    """An invented woman in a formal kebaya with her hair in a bun."""
    kebaya = "#9c2a4a"
    kebaya_dark = "#7a1d38"
    return framed(
        a.circle(100, 92, 84, "#f3e3c4", None)
        # bun and hair behind the head
        + a.circle(100, 30, 20, a.HAIR, a.OUTLINE, SW)
        + a.path("M58,86 C54,44 76,36 100,36 C124,36 146,44 142,86 C146,104 140,118 132,122 "
                 "L68,122 C60,118 54,104 58,86 Z", a.HAIR, a.OUTLINE, SW)
        # shoulders and dress
        + a.path("M20,200 C22,160 50,146 78,140 L122,140 C150,146 178,160 180,200 Z", kebaya,
                 a.OUTLINE, SW)
        + a.path("M78,140 L100,186 L122,140", "none", a.GOLD, 5)
        + a.path("M78,140 L100,186 L122,140", "none", a.OUTLINE, 1.6)
        + a.path("M44,200 C50,176 64,160 82,150", "none", kebaya_dark, 3)
        + a.path("M156,200 C150,176 136,160 118,150", "none", kebaya_dark, 3)
        # neck, face
        + a.path("M88,118 L88,142 Q100,152 112,142 L112,118 Z", a.SKIN, a.OUTLINE, SW)
        + a.ellipse(100, 88, 32, 38, a.SKIN, a.OUTLINE, SW)
        + a.path("M68,80 C70,56 86,50 100,52 C114,50 130,56 132,80 C124,66 112,62 100,64 "
                 "C88,62 76,66 68,80 Z", a.HAIR, None)
        # face details
        + a.path("M80,82 Q86,78 92,82", "none", a.OUTLINE, 2.5)
        + a.path("M108,82 Q114,78 120,82", "none", a.OUTLINE, 2.5)
        + a.ellipse(86, 90, 3.4, 4, a.OUTLINE, None)
        + a.ellipse(114, 90, 3.4, 4, a.OUTLINE, None)
        + a.circle(87.2, 88.6, 1.2, a.WHITE, None)
        + a.circle(115.2, 88.6, 1.2, a.WHITE, None)
        + a.path("M100,94 Q97,104 101,106", "none", a.SKIN_DARK, 2.5)
        + a.path("M89,112 Q100,121 111,112", a.RED_DARK, a.OUTLINE, 2.2)
        + a.circle(78, 104, 5, a.CHEEK, None, extra=' opacity="0.55"')
        + a.circle(122, 104, 5, a.CHEEK, None, extra=' opacity="0.55"')
        # earrings, brooch
        + a.circle(67, 104, 4, a.GOLD, a.OUTLINE, 1.8)
        + a.circle(133, 104, 4, a.GOLD, a.OUTLINE, 1.8)
        + a.circle(100, 170, 7, a.GOLD, a.OUTLINE, 2.2)
        + a.circle(100, 170, 3, a.RED, None)
        + a.circle(100, 146, 4, a.WHITE, a.OUTLINE, 1.6))


def aeroplane():
    cloud = lambda x, y, s: a.g(  # noqa: E731
        a.path("M10,30 C0,30 0,16 12,16 C12,4 30,2 34,12 C40,4 56,8 54,20 C64,20 64,30 56,30 Z",
               a.WHITE, a.GREY_LIGHT, 3), f"translate({x},{y}) scale({s})")
    plane = (
        a.path("M60,96 L28,60 L44,58 L84,88 Z", a.BLUE, a.OUTLINE, SW)                 # far wing
        + a.path("M30,100 C30,88 44,84 60,84 L150,84 C172,84 186,92 186,100 C186,108 172,114 "
                 "150,114 L60,114 C44,114 30,110 30,100 Z", a.WHITE, a.OUTLINE, SW)    # body
        + a.path("M32,90 L18,56 L36,56 L62,86 Z", a.BLUE, a.OUTLINE, SW)               # tail fin
        + a.path("M34,104 L12,110 L20,118 L50,110 Z", a.BLUE, a.OUTLINE, SW)           # tail plane
        + a.path("M150,84 C165,84 178,90 183,96 L160,96 C156,96 154,92 150,88 Z", "#8fc4f0",
                 a.OUTLINE, 2.5)                                                       # cockpit
        + a.path("M40,106 L180,106", "none", a.RED, 4)
        + "".join(a.rect(x, 92, 7, 7, "#8fc4f0", 2, a.OUTLINE, 1.6) for x in range(62, 146, 14))
        + a.path("M86,104 L124,104 L78,160 L58,160 Z", a.BLUE, a.OUTLINE, SW)         # near wing
        + a.rect(90, 128, 22, 11, a.GREY_LIGHT, 5, a.OUTLINE, 2.5))                    # engine
    return framed(
        a.rect(0, 0, 200, 200, "#e6f3fc")
        + cloud(118, 20, 1.0) + cloud(6, 148, 0.9) + cloud(132, 146, 0.8)
        + a.g(plane, "rotate(-12 100 100)"),
        ground="#e6f3fc")


def hand():
    """An open right hand, palm towards the viewer, fingers spread."""
    fingers = [  # x, y, width, height, angle about the finger's base
        (48, 52, 24, 70, -14), (74, 26, 25, 88, -5), (101, 22, 25, 90, 4), (127, 38, 24, 76, 13),
    ]
    shapes = []
    for x, y, w, h, ang in fingers:
        cx, by = x + w / 2, y + h
        shapes.append(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{w / 2}" '
                      f'transform="rotate({ang} {cx} {by})"/>')
    shapes.append('<rect x="132" y="80" width="26" height="66" rx="13" '
                  'transform="rotate(38 145 146)"/>')  # thumb
    shapes.append('<path d="M50,110 C48,96 60,92 100,94 C140,92 152,100 150,118 C150,150 140,176 '
                  '100,180 C62,178 50,150 50,110 Z"/>')  # palm
    shapes.append('<rect x="70" y="160" width="62" height="40" rx="8"/>')  # wrist
    body = "".join(shapes)
    # Stroke every piece thick first, then fill them all on top: one outline around the union.
    outline = a.g(body, extra=f' fill="{a.OUTLINE}" stroke="{a.OUTLINE}" stroke-width="{SW * 2}"')
    fill = a.g(body, extra=f' fill="{a.SKIN}"')
    lines = (a.path("M70,126 C88,118 110,120 132,112", "none", a.SKIN_DARK, 3)
             + a.path("M76,146 C92,134 112,134 128,138", "none", a.SKIN_DARK, 3)
             + a.path("M112,150 C110,164 102,172 92,174", "none", a.SKIN_DARK, 3)
             + a.path("M68,198 L134,198", "none", a.OUTLINE, SW))
    sleeve = a.rect(62, 188, 78, 14, a.TEAL, 4, a.OUTLINE, SW)
    return framed(a.g(outline + fill + lines + sleeve, "translate(-10,0)"))


def heart():
    d = ("M100,172 C60,142 22,112 22,72 C22,44 42,26 64,26 C82,26 94,36 100,50 C106,36 118,26 136,26 "
         "C158,26 178,44 178,72 C178,112 140,142 100,172 Z")
    return framed(
        a.path(d, a.RED, a.OUTLINE, 4)
        + a.path("M46,74 C44,58 54,46 66,46", "none", "#f7a0a0", 9)
        + a.circle(46, 88, 4.5, "#f7a0a0", None)
        + a.star(160, 34, 13, 5.5, a.GOLD, a.OUTLINE, 2.5)
        + a.star(30, 156, 9, 4, a.PINK, a.OUTLINE, 2))


def _jigsaw_edge(p0, p1, tab):
    """Cubic segments of one piece edge from p0 to p1; tab is +1/-1 (bulge side) or 0 (straight)."""
    (x0, y0), (x1, y1) = p0, p1
    dx, dy = x1 - x0, y1 - y0
    nx, ny = -dy, dx

    def pt(u, v):
        return (x0 + u * dx + v * tab * nx, y0 + u * dy + v * tab * ny)

    if tab == 0:
        return [(pt(0, 0), pt(0, 0), pt(1, 0), pt(1, 0))]
    uv = [(0, 0), (0.36, 0), (0.36, 0), (0.36, 0),
          (0.40, 0), (0.42, 0.04), (0.40, 0.08),
          (0.34, 0.20), (0.42, 0.27), (0.50, 0.27),
          (0.58, 0.27), (0.66, 0.20), (0.60, 0.08),
          (0.58, 0.04), (0.60, 0), (0.64, 0),
          (0.64, 0), (1, 0), (1, 0)]
    pts = [pt(u, v) for u, v in uv]
    return [tuple(pts[i:i + 4]) for i in range(0, len(pts) - 1, 3)]


def _reverse(segments):
    return [(s[3], s[2], s[1], s[0]) for s in reversed(segments)]


def question():
    n, size = 4, 50
    # Deterministic tab directions, varied so the pattern looks like a real puzzle.
    h_tab = [[1 if (r * 3 + c) % 2 else -1 for c in range(n)] for r in range(n + 1)]
    v_tab = [[-1 if (r + c * 2) % 3 else 1 for c in range(n + 1)] for r in range(n)]
    pieces = []
    for r in range(n):
        for c in range(n):
            x0, y0, x1, y1 = c * size, r * size, (c + 1) * size, (r + 1) * size
            top = _jigsaw_edge((x0, y0), (x1, y0), 0 if r == 0 else h_tab[r][c])
            bottom = _reverse(_jigsaw_edge((x0, y1), (x1, y1), 0 if r == n - 1 else h_tab[r + 1][c]))
            right = _jigsaw_edge((x1, y0), (x1, y1), 0 if c == n - 1 else v_tab[r][c + 1])
            left = _reverse(_jigsaw_edge((x0, y0), (x0, y1), 0 if c == 0 else v_tab[r][c]))
            segs = top + right + bottom + left
            d = f"M{segs[0][0][0]:.1f},{segs[0][0][1]:.1f}" + "".join(
                f" C{s[1][0]:.1f},{s[1][1]:.1f} {s[2][0]:.1f},{s[2][1]:.1f} {s[3][0]:.1f},{s[3][1]:.1f}"
                for s in segs) + " Z"
            shade = "#b9bdc3" if (r + c) % 2 == 0 else "#a5aab1"
            pieces.append(a.path(d, shade, "#7d838b", 2))
    mark = a.text(100, 168, "?", 190, a.HEADING_FONT, a.MAGENTA, "middle",
                  extra=f' stroke="{a.WHITE}" stroke-width="10" stroke-linejoin="round" '
                        'paint-order="stroke"')
    return a.svg(200, 200, "".join(pieces) + mark)


def pictures():
    return {"H1": ear(), "H2": portrait(), "H3": aeroplane(), "H4": hand(), "H5": heart(),
            "Question": question()}
