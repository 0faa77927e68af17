"""The five 800 x 600 screen backgrounds: menu, box pushing, word guessing, typing, final score."""

import math

import artlib as a

W, H = 800, 600
BORDER = "#e3c98a"  # soft border of the white control boxes
TROUGH = "#6b5a4e"  # the slot of a visit bar


def heading(x, y, s, size=26, anchor="end"):
    return a.text(x, y, s, size, a.HEADING_FONT, a.INK, anchor)


def box(x0, y0, x1, y1, rx=12):
    """A white box whose frame line covers x0..x1 and y0..y1 from its outer edge: the stroke is
    centred on the rectangle, so the rectangle is drawn half a line inside."""
    return a.white_box(x0 + 1.5, y0 + 1.5, x1 - 1.5, y1 - 1.5, rx, BORDER, 3)


def trough(x0, y0, x1, y1):
    """The sunken slot a visit bar sits in, given by its outer edge."""
    return a.rect(x0, y0, x1 - x0, y1 - y0, TROUGH, 3)


def keyboard(x, y, w):
    """A keyboard seen from the front: three letter rows and a space bar."""
    rows = ["QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"]
    pitch = (w - 16) / 10
    key = pitch - 4
    h = 8 + 4 * pitch + 4
    out = [a.rect(x, y, w, h, "#4a5260", 10, a.OUTLINE, 3)]
    colours = [a.RED, a.ORANGE, a.YELLOW, a.GREEN, a.BLUE, a.PURPLE, a.PINK]
    for r, letters in enumerate(rows):
        x0 = x + 8 + r * pitch * 0.35
        ky = y + 8 + r * pitch
        for i, ch in enumerate(letters):
            kx = x0 + i * pitch
            out.append(a.rect(round(kx, 1), round(ky, 1), round(key, 1), round(key, 1), "#f4f1ea", 4,
                              a.OUTLINE, 1.5))
            if (r * 3 + i) % 4 == 0:
                out.append(a.rect(round(kx, 1), round(ky + key - 4, 1), round(key, 1), 4,
                                  colours[(r + i) % len(colours)], 2))
            size = max(14, round(key * 0.55))
            out.append(a.text(round(kx + key / 2, 1), round(ky + key / 2 + size * 0.36, 1), ch, size,
                              a.HEADING_FONT, a.INK, "middle"))
    sy = y + 8 + 3 * pitch
    out.append(a.rect(round(x + 8 + pitch * 2.2, 1), round(sy, 1), round(pitch * 5.6, 1),
                      round(key, 1), "#f4f1ea", 4, a.OUTLINE, 1.5))
    return "".join(out)


def letter_block(x, y, size, ch, colour):
    """A toy letter cube, front face with the letter and a lighter top."""
    d = size * 0.22
    top = f"M{x},{y} L{x + d},{y - d} L{x + size + d},{y - d} L{x + size},{y} Z"
    side = f"M{x + size},{y} L{x + size + d},{y - d} L{x + size + d},{y + size - d} L{x + size},{y + size} Z"
    return (a.path(top, "#ffffff", a.OUTLINE, 3) + a.path(side, colour, a.OUTLINE, 3)
            + a.rect(x, y, size, size, colour, 4, a.OUTLINE, 3)
            + a.rect(x + 6, y + 6, size - 12, size - 12, "#ffffff", 6, None)
            + a.text(x + size / 2, y + size * 0.73, ch, round(size * 0.6), a.HEADING_FONT, colour,
                     "middle"))


def sunburst(cx, cy, colour, rays=18, length=1400, turn=0.0):
    """Rays from a centre; `turn` (radians) keeps a ray's edge off the horizontal, where it would
    cut the picture in two with one straight line."""
    out = []
    for i in range(rays):
        a0 = 2 * math.pi * i / rays + turn
        a1 = a0 + math.pi / rays
        out.append(f"M{cx},{cy} L{cx + length * math.cos(a0):.1f},{cy + length * math.sin(a0):.1f} "
                   f"L{cx + length * math.cos(a1):.1f},{cy + length * math.sin(a1):.1f} Z")
    return a.path(" ".join(out), colour, None)


def dots(colour, step=40, r=3, skip=()):
    """A quiet dot pattern on the ground."""
    out = []
    for j, y in enumerate(range(step // 2, H, step)):
        for x in range(step // 2 + (step // 2 if j % 2 else 0), W, step):
            if not any(x0 - 6 <= x <= x1 + 6 and y0 - 6 <= y <= y1 + 6 for x0, y0, x1, y1 in skip):
                out.append(f"M{x - r},{y} a{r},{r} 0 1 0 {2 * r},0 a{r},{r} 0 1 0 {-2 * r},0 Z")
    return a.path(" ".join(out), colour, None)


def confetti(spots):
    colours = [a.RED, a.ORANGE, a.YELLOW, a.GREEN, a.BLUE, a.PURPLE, a.PINK, a.TEAL]
    out = []
    for i, (x, y) in enumerate(spots):
        c = colours[i % len(colours)]
        kind = i % 3
        if kind == 0:
            out.append(a.rect(x - 7, y - 3.5, 14, 7, c, 2, extra=f' transform="rotate({(i * 37) % 180} {x} {y})"'))
        elif kind == 1:
            out.append(a.circle(x, y, 5, c, None))
        else:
            out.append(a.path(f"M{x - 9},{y} q4.5,-7 9,0 t9,0", "none", c, 4))
    return "".join(out)


def title(x, y1, y2, size):
    """The painted game name on two lines, each letter in its own colour."""
    colours = [a.RED, a.ORANGE, a.GOLD, a.GREEN, a.BLUE, a.PURPLE, a.PINK, a.TEAL]

    def spans(s, start, plain):
        # Every layer uses the same one-span-per-letter markup, so all layers get the same layout.
        out, k = [], start
        for ch in s:
            if ch == " ":
                out.append(" ")
                continue
            fill = "" if plain else f' fill="{colours[k % len(colours)]}"'
            out.append(f"<tspan{fill}>{ch}</tspan>")
            k += 1
        return "".join(out)

    def line_(yy, s, start):
        common = f'x="{x}" y="{yy}" font-family="Lato" font-weight="900" font-size="{size}"'
        plain = spans(s, start, True)
        shadow = (f'<text {common} fill="{a.OUTLINE}" opacity="0.22" '
                  f'transform="translate(5,6)">{plain}</text>')
        outline = (f'<text {common} fill="{a.OUTLINE}" stroke="{a.OUTLINE}" stroke-width="12" '
                   f'stroke-linejoin="round">{plain}</text>')
        face = (f'<text {common} stroke="#ffffff" stroke-width="4" stroke-linejoin="round" '
                f'paint-order="stroke">{spans(s, start, False)}</text>')
        return shadow + outline + face

    return line_(y1, "Tevra", 0) + line_(y2, "Kelas 4", 5)


# ---------------------------------------------------------------------------------------------

def form1():
    """Menu: painted title top-left, toys for the three games, calm areas for the controls."""
    ground = (a.rect(0, 0, W, H, a.GROUND_MENU)
              + sunburst(210, 120, a.GROUND_MENU_RAY, turn=math.pi / 36))
    grass = (a.path("M0,520 Q200,496 400,514 Q600,532 800,506 L800,600 L0,600 Z", "#b9e0a0", None)
             + a.path("M0,520 Q200,496 400,514 Q600,532 800,506", "none", "#8cc46e", 4))
    # START (480, 150) and KELUAR (480, 390) are 250 x 50; the name's line (Label1) draws from
    # (40, 405) to (260, 433).
    calm = (a.rect(466, 136, 278, 78, "#fffaf0", 18) + a.rect(466, 376, 278, 78, "#fffaf0", 18)
            + box(14, 382, 286, 456, 16))
    title_art = title(40, 118, 222, 104)
    # middle row: letter blocks (word guessing) and a full basket (box pushing)
    blocks = (letter_block(52, 292, 58, "A", a.RED) + letter_block(124, 292, 58, "B", a.BLUE)
              + letter_block(196, 292, 58, "C", a.GREEN) + letter_block(88, 238, 54, "K", a.ORANGE))
    full_basket = a.place(a.in_basket(a.apple()), 282, 258, 2.4)
    stars = (a.star(446, 46, 18, 8, a.GOLD, a.OUTLINE, 3) + a.star(420, 250, 12, 5, a.PINK, a.OUTLINE, 2.5)
             + a.star(770, 40, 14, 6, a.TEAL, a.OUTLINE, 2.5) + a.star(760, 286, 11, 5, a.GOLD, a.OUTLINE, 2.5))
    keys = keyboard(476, 234, 260)
    # bottom: the player pushing an item towards a basket, beside a bit of brick wall
    wall = "".join(a.place(a.wall_tile(), 30 + 48 * i, 484, 1.2) for i in range(3))
    scene = (wall
             + a.place(a.figure(), 296, 446, 2.3)
             + a.place(a.watermelon(), 388, 470, 1.8)
             + a.place(a.basket(), 476, 462, 2.1)
             + a.place(a.in_basket(a.grapes()), 580, 462, 2.1)
             + a.place(a.in_basket(a.ball()), 680, 462, 2.1))
    return a.svg(W, H, ground + grass + calm + title_art + blocks + full_basket + stars + keys + scene)


def form2():
    """Box pushing: a framed board, a panel for RESET/UNDO and the bar, clock and score boxes."""
    ground = a.rect(0, 0, W, H, a.GROUND_BOXPUSH) + dots("#c4e4b4", 40, 4, skip=[(92, 92, 708, 588)])
    # The board (100, 100, 600 x 480) in its wooden frame; on top of the frame a tab of the same
    # wood holds RESET (309, 25) and UNDO (421, 25), 100 x 40 each, and the bar's slot: the bar
    # is 205 x 17 at (307, 72), so its slot cuts into the frame's top.
    tab = a.rect(299.5, 15.5, 231, 90, a.BROWN, 12, a.OUTLINE, 3)
    frame = (tab + a.rect(90, 90, 620, 500, a.BROWN, 10, a.OUTLINE, 3)
             + a.rect(301, 86, 228, 6, a.BROWN)  # the tab and the frame are one piece of wood
             + a.rect(96, 96, 608, 488, a.TAN_DARK, 4)
             + a.rect(100, 100, 600, 480, a.FLOOR)
             + a.rect(303, 19, 224, 51, a.TAN, 8)
             + trough(304, 69, 515, 92))
    # The clock's digits (waktu) draw from (144, 21) to (240, 56); the score (skor, 616 to 769)
    # is centred on 692.
    top = (heading(122, 46, "WAKTU", 22) + box(128, 10, 256, 67)
           + heading(600, 46, "NILAI", 22) + box(606, 10, 779, 67))
    sides = (a.place(a.apple(), 14, 130, 1.6) + a.place(a.banana(), 16, 230, 1.5)
             + a.place(a.in_basket(a.orange()), 10, 330, 1.8) + a.place(a.cake(), 16, 450, 1.5)
             + a.place(a.grapes(), 726, 130, 1.6) + a.place(a.ball(), 728, 230, 1.5)
             + a.place(a.basket(), 720, 330, 1.8) + a.place(a.burger(), 728, 450, 1.5)
             + a.star(46, 560, 12, 5, a.GOLD, a.OUTLINE, 2.5) + a.star(754, 560, 12, 5, a.PINK, a.OUTLINE, 2.5))
    return a.svg(W, H, ground + frame + top + sides)


INSTRUCTION_3 = ("Ketik salah satu huruf di bawah ini untuk menebak kata di atas. "
                 "Harus diketik TIDAK BISA DIKLIK DENGAN MOUSE")


def form3():
    """Word guessing: pale yellow with the boxes for every control."""
    ground = a.rect(0, 0, W, H, a.GROUND_WORDGUESS)
    # The clock's digits draw from (400, 13) to (496, 48), two pixels above the bar (350, 50,
    # 205 x 17): one box holds both, the bar in a slot open towards the digits. The score is centred on 712 (its label
    # 640 to 785), the category on 484 (280 to 689, its text 236 to 255 high), the description
    # (264, 64, 521 x 97) is one line centred in its label, the wrong marks draw from (400, 163)
    # to (744, 210), the pattern (16 to 785) from 295 to 395 high, the letters from (50, 493) to
    # (753, 576); the reward picture is 200 x 200 at (48, 64).
    body = (heading(334, 39, "WAKTU", 16) + box(340, 1, 565, 74, 10) + trough(347, 50, 558, 70)
            + heading(626, 39, "NILAI", 16) + box(632, 1, 793, 60, 10)
            + box(42, 58, 252, 270, 8)
            + box(256, 82, 793, 150, 10)
            + heading(274, 212, "Kategori", 18, "start") + box(270, 220, 699, 266, 10)
            + box(10, 276, 790, 460, 14)
            + a.text(400, 477, INSTRUCTION_3, 15, a.NARROW_FONT, a.INK, "middle")
            + box(32, 486, 772, 586, 14))
    return a.svg(W, H, ground + body)


INSTRUCTION_4 = [
    "Ketik seperti kata di atas. Kata yang berwarna merah adalah kata yang diacak,",
    "jadi harus ditulis yang benar sehingga dapat dibaca. Jika sudah selesai tekan ENTER.",
    "Jika tidak pindah ke soal berikutnya berarti ada kesalahan pengetikan.",
    "Periksalah kembali ejaannya, huruf besar, huruf kecil, atau tanda bacanya.",
]


def form4():
    """Typing: light blue, clock and score boxes, puzzle and answer boxes, the instruction."""
    ground = a.rect(0, 0, W, H, a.GROUND_TYPING)
    # The clock's digits draw from (160, 21) to (256, 56), the score is centred on 660 (584 to
    # 737); the bar (350, 50, 205 x 17) has the hint's line (from 68 down to 85) right under it,
    # so its slot has no floor of its own. The sentence (44, 95, 700 x 105) and the answer (44,
    # 320, 710 x 113) each have a box centred on them, its corners barely rounded: the boxes draw
    # their own white right up to the frame.
    body = (heading(140, 43, "WAKTU", 20) + box(146, 10, 270, 64, 10)
            + heading(566, 43, "NILAI", 20) + box(572, 10, 749, 64, 10)
            + trough(346, 47, 559, 68)
            + box(38, 90, 750, 206, 5) + box(38, 314, 760, 439, 5))
    lines = "".join(a.text(400, 232 + 24 * i, s, 16, a.PLAIN_FONT, a.INK, "middle")
                    for i, s in enumerate(INSTRUCTION_4))
    art = (a.rect(0, 470, W, 130, "#b6d8f0")
           + keyboard(250, 462, 300)
           + a.g(a.rect(0, 0, 150, 16, a.YELLOW, 3, a.OUTLINE, 3)
                 + a.path("M150,0 L174,8 L150,16 Z", a.TAN_LIGHT, a.OUTLINE, 3)
                 + a.path("M166,5 L174,8 L166,11 Z", a.OUTLINE, None)
                 + a.rect(-14, 0, 16, 16, a.PINK, 3, a.OUTLINE, 3), "translate(52,540) rotate(-18)")
           + letter_block(600, 500, 50, "A", a.RED) + letter_block(666, 500, 50, "b", a.GREEN)
           + letter_block(633, 452, 46, "c", a.BLUE)
           + a.star(90, 480, 13, 5.5, a.GOLD, a.OUTLINE, 2.5) + a.star(760, 470, 10, 4.5, a.PINK, a.OUTLINE, 2))
    return a.svg(W, H, ground + body + lines + art)


def trophy(x, y, s):
    t = (a.path("M40,20 L120,20 L116,70 C112,100 96,112 80,114 C64,112 48,100 44,70 Z", a.GOLD, a.OUTLINE, 4)
         + a.path("M42,34 C14,32 14,74 48,80", "none", a.OUTLINE, 9)
         + a.path("M118,34 C146,32 146,74 112,80", "none", a.OUTLINE, 9)
         + a.path("M42,34 C14,32 14,74 48,80", "none", a.GOLD, 4)
         + a.path("M118,34 C146,32 146,74 112,80", "none", a.GOLD, 4)
         + a.path("M58,30 L56,66 C58,84 66,94 74,98", "none", "#fbd97a", 6)
         + a.rect(70, 112, 20, 22, a.GOLD_DARK, 2, a.OUTLINE, 4)
         + a.rect(50, 132, 60, 14, a.GOLD, 4, a.OUTLINE, 4)
         + a.rect(40, 146, 80, 22, a.BROWN, 5, a.OUTLINE, 4)
         + a.star(80, 58, 20, 9, "#fff2b0", a.OUTLINE, 3))
    return a.g(t, f"translate({x},{y}) scale({s})")


def form5():
    """Final score: the heading NILAI over the score box, a trophy, stars and confetti."""
    ground = a.rect(0, 0, W, H, a.GROUND_FINAL) + sunburst(602, 318, "#e7d5f2", 20, turn=math.pi / 40)
    # The score's label is 356 x 187 at (424, 224), its digits centred on 602; Keluar is 185 x 65
    # at (143, 400).
    score = (a.text(602, 206, "NILAI", 72, a.HEADING_FONT, a.INK, "middle",
                    extra=' stroke="#ffffff" stroke-width="8" stroke-linejoin="round" paint-order="stroke"')
             + a.rect(416, 218, 372, 202, a.GOLD, 26, a.OUTLINE, 4)
             + a.rect(423, 225, 358, 188, a.WHITE, 18, a.OUTLINE, 2))
    calm = a.rect(128, 386, 215, 95, "#f8f1fb", 18)
    spots = [(40, 40), (120, 24), (210, 60), (330, 30), (380, 90), (520, 40), (690, 36), (770, 90),
             (30, 150), (370, 200), (30, 300), (370, 330), (40, 470), (390, 470), (90, 560),
             (230, 540), (360, 560), (470, 470), (560, 520), (650, 470), (740, 530), (790, 440),
             (250, 20), (460, 110), (745, 180)]
    stars = (a.star(70, 90, 26, 11, a.GOLD, a.OUTLINE, 3) + a.star(420, 150, 16, 7, a.PINK, a.OUTLINE, 3)
             + a.star(760, 150, 20, 8.5, a.TEAL, a.OUTLINE, 3) + a.star(470, 540, 22, 9, a.GOLD, a.OUTLINE, 3)
             + a.star(700, 560, 14, 6, a.ORANGE, a.OUTLINE, 3) + a.star(60, 400, 15, 6.5, a.BLUE, a.OUTLINE, 3)
             + a.star(300, 170, 12, 5, a.RED, a.OUTLINE, 2.5))
    return a.svg(W, H, ground + confetti(spots) + stars + trophy(158, 96, 1.6) + calm + score)


def backgrounds():
    return {"Form1": form1(), "Form2": form2(), "Form3": form3(), "Form4": form4(), "Form5": form5()}
