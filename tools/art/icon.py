"""The game's icon (256 x 256): an apple in a basket with a letter block, on a rounded tile."""

import artlib as a

SIZE = 256


def letter_block(x, y, size, letter, fill, shade):
    """A toy letter block seen from the front, its letter in the heading face."""
    sw = size / 16
    return (a.rect(x, y + size * 0.1, size, size * 0.9, shade, size * 0.18, a.OUTLINE, sw)
            + a.rect(x, y, size, size * 0.86, fill, size * 0.18, a.OUTLINE, sw)
            + a.text(x + size / 2, y + size * 0.7, letter, round(size * 0.68), a.HEADING_FONT,
                     a.INK, "middle"))


def icon():
    ground = (a.rect(8, 8, 240, 240, a.TEAL, 52, a.OUTLINE, 8)
              + a.path("M28,60 Q28,28 60,28 L196,28 Q228,28 228,60", "none", "#5cc9be", 10))
    # The basket with an apple hints at the box-pushing game, the block at the letter games.
    basket = a.place(a.in_basket(a.apple()), 26, 50, 4.6)
    block = letter_block(158, 20, 78, "A", a.YELLOW, a.YELLOW_DARK)
    return a.svg(SIZE, SIZE, ground + basket + block)


if __name__ == "__main__":
    import sys

    with open(sys.argv[1], "w", encoding="utf-8") as f:
        f.write(icon())
