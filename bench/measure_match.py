"""Resident memory and CPU of builds of the game over one whole match, played as a pupil would.

Run through bench/measure_match.sh. Each build (LABEL=EXECUTABLE) runs at each display size on a
private Xvfb display, all at the same time, so that every build sees the same machine load. From
START to the final screen (five minutes) it plays: arrow keys on the box-pushing board, a letter
every two seconds on the word-guessing screen (the next question as soon as one ends), a wrong
answer and then typing on the typing screen. Every second it samples the resident memory
(/proc/PID/status: VmRSS); it prints, per build and size, the largest sample on each screen, the
peak (VmHWM) and the CPU time of the whole match (/proc/PID/task/*/schedstat) as a share of a
core.
"""

import argparse
import os
import string
import sys
import threading
import time

from Xlib import X, XK
from Xlib.ext import xtest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measure_process as mp  # noqa: E402

SCREENS = [("menu", 0), ("box pushing", 60), ("word guessing", 120), ("typing", 180),
           ("box pushing 2", 240), ("word guessing 2", 300)]


def key(dpy, name):
    code = dpy.x.keysym_to_keycode(XK.string_to_keysym(name))
    xtest.fake_input(dpy.x, X.KeyPress, code)
    xtest.fake_input(dpy.x, X.KeyRelease, code)
    dpy.x.sync()


def rss_kb(pid):
    return mp.memory_kb(pid)


def play(label, exe, number, size, results):
    width, height = size
    dpy = mp.Display(number, width, height)
    samples = {}
    try:
        process = mp.launch(exe, dpy)
        mp.wait_for_window(dpy, process)
        for _ in range(100):  # a 4K menu can take a few seconds on a busy machine
            time.sleep(0.2)
            try:
                left, top, scale = dpy.stage()
                break
            except IndexError:  # nothing drawn yet on the centre row
                continue
        else:
            raise RuntimeError("the menu did not appear")
        time.sleep(2)
        samples["menu"] = [rss_kb(process.pid)["VmRSS"]]
        cpu0 = mp.cpu_ns(process.pid)
        dpy.click(left + mp.START_BUTTON[0] * scale, top + mp.START_BUTTON[1] * scale)
        started = time.monotonic()
        letters = iter("ntaeiourkbslmgpjdhcfvwyqxz" * 40)
        arrows = iter(["Left", "Down", "Right", "Up"] * 200)
        typed = iter("Masih salah " * 100)
        while True:
            elapsed = time.monotonic() - started
            if elapsed > 303:
                break
            screen = ("box pushing", "word guessing", "typing")[int(elapsed // 60) % 3]
            if elapsed >= 300:
                screen = "final"
            into = elapsed % 60
            if 2 < into < 58:
                if screen == "box pushing":
                    key(dpy, next(arrows))
                elif screen == "word guessing":
                    key(dpy, next(letters))
                    key(dpy, "space")  # the next question once one has ended
                elif screen == "typing":
                    ch = next(typed)
                    key(dpy, "space" if ch == " " else ch)
                    if int(into) % 15 == 0:
                        key(dpy, "Return")  # a wrong answer shows the hint
            samples.setdefault(screen, []).append(rss_kb(process.pid)["VmRSS"])
            time.sleep(1.0)
        cpu = (mp.cpu_ns(process.pid) - cpu0) / 1e9
        seconds = time.monotonic() - started
        peak = rss_kb(process.pid)["VmHWM"]
        mp.quit_ms(dpy, process)
        results[(label, size)] = {"samples": samples, "cpu": 100.0 * cpu / seconds,
                                  "peak": peak, "scale": scale}
    except Exception as failure:
        results[(label, size)] = {"error": str(failure)}
    finally:
        dpy.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("builds", nargs="+", help="LABEL=EXECUTABLE")
    parser.add_argument("--sizes", default="1920x1080,3840x2160")
    parser.add_argument("--display", type=int, default=80, help="first display number to use")
    args = parser.parse_args()
    builds = [b.split("=", 1) for b in args.builds]
    sizes = [tuple(int(v) for v in s.split("x")) for s in args.sizes.split(",")]
    results, threads, number = {}, [], args.display
    for size in sizes:
        for label, exe in builds:
            thread = threading.Thread(target=play, args=(label, exe, number, size, results))
            thread.start()
            threads.append(thread)
            number += 1
    for thread in threads:
        thread.join()
    order = ["menu", "box pushing", "word guessing", "typing", "final"]
    print("| display | build | scale | " + " | ".join(f"RSS max, {s}" for s in order)
          + " | peak (VmHWM) | CPU of the match |")
    print("|---|---|---|" + "---|" * len(order) + "---|---|")
    for size in sizes:
        for label, _ in builds:
            out = results[(label, size)]
            if "error" in out:
                print(f"| {size[0]}x{size[1]} | {label} | failed: {out['error']} |")
                continue
            cells = [f"{max(out['samples'].get(s, [0])) / 1024:.1f} MB" for s in order]
            print(f"| {size[0]}x{size[1]} | {label} | {out['scale']:.2f} | " + " | ".join(cells)
                  + f" | {out['peak'] / 1024:.1f} MB | {out['cpu']:.2f} % |")


if __name__ == "__main__":
    main()
