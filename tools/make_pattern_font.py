#!/usr/bin/python3
"""Builds int/Model.TTF, the word-guessing pattern font "abjad", and its licence file.

The face is DejaVu Sans Mono Bold renamed to "abjad", with the "-" glyph redrawn as a letter
slot: a thick bar on the baseline, almost as wide as a letter, so that every hidden letter of
the pattern reads as a blank to fill and neighbouring blanks stay apart. The DejaVu licence
allows modified versions under a new name; its text goes beside the font.

Usage: tools/make_pattern_font.py [output folder, default: <repository>/int]
It runs on the system Python, which has the fontforge module (Debian: python3-fontforge).
"""

import os
import re
import sys
from pathlib import Path

try:
    import fontforge
except ImportError:
    sys.exit("make_pattern_font: the fontforge module is missing; install it with\n"
             "  apt-get install python3-fontforge\n"
             "and run this script with /usr/bin/python3.")

SOURCE_FONT = Path("/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf")
SOURCE_COPYRIGHT = Path("/usr/share/doc/fonts-dejavu-core/copyright")
FACE = "abjad"
STYLE = "Regular"

# The slot bar, in font units of the 2048-unit em: the bar leaves a gap on either side so that
# two hidden letters in a row show as two blanks, and it sits on the baseline like an underline.
SLOT_SIDE_GAP = 110
SLOT_THICKNESS = 190

# Name table entries that carry the family, style or full name; every language gets the new name.
RENAMED_ENTRIES = {
    "Family": FACE,
    "SubFamily": STYLE,
    "UniqueID": f"{FACE} {STYLE}",
    "Fullname": FACE,
    "PostScriptName": FACE,
    "Preferred Family": FACE,
    "Preferred Styles": STYLE,
    "Compatible Full": FACE,
    "WWS Family": FACE,
    "WWS Subfamily": STYLE,
}


def rename(font):
    font.fontname = FACE
    font.familyname = FACE
    font.fullname = FACE
    # One plain face: the glyphs stay bold, but a request for "abjad" must not look for a
    # regular face beside this one.
    font.weight = STYLE
    font.os2_weight = 400
    font.macstyle = 0
    font.os2_stylemap = 0x40  # fsSelection: REGULAR

    kept = [entry for entry in font.sfnt_names if entry[1] not in RENAMED_ENTRIES]
    languages = {entry[0] for entry in font.sfnt_names} or {"English (US)"}
    renamed = [(language, key, value)
               for language in sorted(languages)
               for key, value in RENAMED_ENTRIES.items()]
    font.sfnt_names = tuple(kept + renamed)
    font.appendSFNTName("English (US)", "Descriptor",
                        "Letter-slot pattern face derived from DejaVu Sans Mono Bold: "
                        "the hyphen is drawn as a blank on the baseline.")


def redraw_hyphen_as_slot(font):
    glyph = font["hyphen"]
    width = glyph.width
    glyph.clear()
    pen = glyph.glyphPen()
    # Clockwise, as TrueType outlines want their filled contours.
    left, right = SLOT_SIDE_GAP, width - SLOT_SIDE_GAP
    pen.moveTo((left, 0))
    pen.lineTo((left, SLOT_THICKNESS))
    pen.lineTo((right, SLOT_THICKNESS))
    pen.lineTo((right, 0))
    pen.closePath()
    pen = None
    glyph.width = width
    glyph.ttinstrs = b""  # the old hinting was written for the old outline
    glyph.correctDirection()


def licence_text():
    """The DejaVu copyright and licence paragraphs of the Debian copyright file, unindented."""
    text = SOURCE_COPYRIGHT.read_text(encoding="utf-8")
    section = re.search(r"^Files: \*\n(.*?)(?=^Files: |\Z)", text, re.S | re.M)
    if section is None:
        sys.exit(f"make_pattern_font: no DejaVu licence found in {SOURCE_COPYRIGHT}")
    lines = []
    for line in section.group(1).splitlines():
        if line.startswith("Copyright: "):
            line = line[len("Copyright: "):]
        elif line.startswith("License: "):
            lines.append("")
            continue
        line = line[1:] if line.startswith(" ") else line
        lines.append("" if line == "." else line.rstrip())
    header = [
        "Model.TTF (face \"abjad\") is a modified version of DejaVu Sans Mono Bold:",
        "renamed, and with the hyphen glyph redrawn as a letter slot.",
        "DejaVu fonts: https://dejavu-fonts.github.io/",
        "",
    ]
    return "\n".join(header + lines).rstrip() + "\n"


def main():
    repository = Path(__file__).resolve().parent.parent
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else repository / "int"
    for needed in (SOURCE_FONT, SOURCE_COPYRIGHT):
        if not needed.exists():
            sys.exit(f"make_pattern_font: {needed} is missing; install it with\n"
                     "  apt-get install fonts-dejavu-core")
    output.mkdir(parents=True, exist_ok=True)
    # Stamp the font with the source's date, not today's, so that a rebuild gives the same bytes.
    os.environ.setdefault("SOURCE_DATE_EPOCH", str(int(SOURCE_FONT.stat().st_mtime)))

    font = fontforge.open(str(SOURCE_FONT))
    rename(font)
    redraw_hyphen_as_slot(font)
    font.generate(str(output / "Model.TTF"))
    font.close()

    (output / "LICENSE-DejaVu.txt").write_text(licence_text(), encoding="utf-8")
    print(f"make_pattern_font: wrote {output / 'Model.TTF'} and {output / 'LICENSE-DejaVu.txt'}")


if __name__ == "__main__":
    main()
