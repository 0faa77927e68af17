"""Writes every SVG source of the game's artwork into assets/art/ (run by tools/render_art.sh)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import backgrounds  # noqa: E402
import pictures  # noqa: E402
import tiles  # noqa: E402


def main():
    out_dir = sys.argv[1]
    sets = {"tiles": tiles.tiles(), "pictures": pictures.pictures(),
            "backgrounds": backgrounds.backgrounds()}
    for group, files in sets.items():
        group_dir = os.path.join(out_dir, group)
        os.makedirs(group_dir, exist_ok=True)
        # Drop sources of pictures that no longer exist, so the renderer sees exactly this set.
        for old in os.listdir(group_dir):
            if old.endswith(".svg") and old[:-4] not in files:
                os.remove(os.path.join(group_dir, old))
        for name, text in sorted(files.items()):
            with open(os.path.join(out_dir, group, name + ".svg"), "w", encoding="utf-8") as f:
                f.write(text)


if __name__ == "__main__":
    main()
