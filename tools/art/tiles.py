"""The 19 board tiles (40 x 40): floor, wall, player, basket and the eight items loose and in it."""

import artlib as a


def tiles():
    """Returns {name: svg text} for every tile."""
    floor = a.floor_tile()
    out = {
        "F0": floor,
        "F1": a.wall_tile(),
        "F2": floor + a.figure(),
        "F4": floor + a.basket(),
        "F100": floor + a.figure_in_basket(),
    }
    for k, item in enumerate(a.ITEMS):
        out[f"F{5 + k}"] = floor + item()
        out[f"G{1 + k}"] = floor + a.in_basket(item())
    return {name: a.svg(40, 40, body) for name, body in out.items()}
