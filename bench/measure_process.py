"""Whole-process figures of one or more builds of the game, measured side by side in one run.

Run through bench/measure_process.sh, which installs what it needs. For each build (LABEL=EXECUTABLE)
it measures, under a private Xvfb display of the given size:

  start     exec to first pixels: from just before the process is started until a row and a column
            through the display's centre show the settled menu, polled with 1 x N screen reads
            (about 0.2 ms each); median of --runs, with no window manager and under openbox
  quit      from sending the window system's close command (WM_DELETE_WINDOW) to the process's end,
            over the same runs
  cpu       idle CPU on the menu and during a visit of each game, from the CPU time of all the
            process's threads (/proc/PID/task/*/schedstat, in nanoseconds) over --idle seconds
  rss       resident memory (/proc/PID/status: VmRSS, VmHWM and its anonymous, file and shared
            parts) on the menu and after a visit of each of the three games

Start-up runs alternate between the builds so that both see the same machine load; the long runs
(menu, then a whole box-pushing, word-guessing and typing visit: a little over three minutes) run
at the same time, each build on its own display. Every build is started from the repository's
folder, so each finds the same pattern font. The results are printed as Markdown tables.
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from Xlib import X, Xatom, display, protocol
from Xlib.ext import xtest

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STAGE_W, STAGE_H = 800, 600
START_BUTTON = (480 + 125, 150 + 25)  # the centre of START, in stage units
VISIT_S = 60


class Display:
    """A private Xvfb, optionally with openbox managing its windows."""

    def __init__(self, number, width, height, manager=False):
        self.width, self.height = width, height
        self.name = f":{number}"
        self.log = tempfile.TemporaryFile()
        self.xvfb = subprocess.Popen(
            ["Xvfb", self.name, "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp",
             "-noreset"], stdout=self.log, stderr=self.log)
        self.x = None
        for _ in range(200):
            try:
                self.x = display.Display(self.name)
                break
            except Exception:  # not accepting connections yet
                time.sleep(0.05)
        if self.x is None:
            self.close()
            sys.exit(f"measure: Xvfb {self.name} did not start")
        self.root = self.x.screen().root
        self.wm = None
        if manager:
            env = dict(os.environ, DISPLAY=self.name)
            self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=env, stdout=self.log,
                                       stderr=self.log)
            check = self.x.intern_atom("_NET_SUPPORTING_WM_CHECK")
            for _ in range(200):
                if self.root.get_full_property(check, X.AnyPropertyType):
                    break
                time.sleep(0.05)
            else:
                self.close()
                sys.exit("measure: openbox did not start")
            time.sleep(0.3)

    def close(self):
        for process in (self.wm, self.xvfb):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def cross(self):
        """The pixels of the centre row and the centre column, as raw bytes."""
        row = self.root.get_image(0, self.height // 2, self.width, 1, X.ZPixmap, 0xFFFFFFFF)
        column = self.root.get_image(self.width // 2, 0, 1, self.height, X.ZPixmap, 0xFFFFFFFF)
        return row.data + column.data

    def stage(self):
        """The stage's left, top and scale, from the non-black extent of the centre row and
        column of the settled menu."""
        row = self.root.get_image(0, self.height // 2, self.width, 1, X.ZPixmap, 0xFFFFFFFF).data
        column = self.root.get_image(self.width // 2, 0, 1, self.height, X.ZPixmap,
                                     0xFFFFFFFF).data
        def extent(data):
            lit = [i for i in range(len(data) // 4) if any(data[4 * i:4 * i + 3])]
            return lit[0], lit[-1] + 1
        left, right = extent(row)
        top, _ = extent(column)
        return left, top, (right - left) / STAGE_W

    def windows_of(self, pid):
        """The windows (managed or not) whose _NET_WM_PID is the process."""
        atom = self.x.intern_atom("_NET_WM_PID")
        found, pending = [], [self.root]
        while pending:
            window = pending.pop()
            for child in window.query_tree().children:
                pending.append(child)
                prop = child.get_full_property(atom, Xatom.CARDINAL)
                if prop and prop.value and prop.value[0] == pid:
                    found.append(child)
        return found

    def close_command(self, window):
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        self.x.sync()

    def click(self, x, y):
        xtest.fake_input(self.x, X.MotionNotify, x=int(x), y=int(y))
        self.x.sync()
        time.sleep(0.1)
        xtest.fake_input(self.x, X.ButtonPress, 1)
        xtest.fake_input(self.x, X.ButtonRelease, 1)
        self.x.sync()


def launch(exe, dpy):
    env = dict(os.environ, DISPLAY=dpy.name)
    return subprocess.Popen([exe], cwd=ROOT, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def wait_for_window(dpy, process, limit_s=10):
    deadline = time.monotonic() + limit_s
    while time.monotonic() < deadline:
        windows = dpy.windows_of(process.pid)
        if windows:
            return windows[-1]
        time.sleep(0.01)
    raise RuntimeError("no window")


def quit_ms(dpy, process):
    window = wait_for_window(dpy, process)
    sent = time.perf_counter()
    dpy.close_command(window)
    process.wait(10)
    return (time.perf_counter() - sent) * 1000


def settled_menu(exe, dpy):
    """Starts the build once, lets it settle, and returns what its menu shows on the cross."""
    process = launch(exe, dpy)
    wait_for_window(dpy, process)
    time.sleep(1.5)
    reference = dpy.cross()
    quit_ms(dpy, process)
    return reference


def start_run(exe, dpy, reference, limit_s=10):
    """Milliseconds from exec to the settled menu on the cross, and from close to exit."""
    started = time.perf_counter()
    process = launch(exe, dpy)
    first = None
    while time.perf_counter() - started < limit_s:
        if dpy.cross() == reference:
            first = (time.perf_counter() - started) * 1000
            break
        time.sleep(0.0005)  # leave the X server time for the game
    if first is None:
        process.kill()
        process.wait()
        raise RuntimeError(f"{exe}: the menu did not appear within {limit_s} s")
    time.sleep(0.3)
    return first, quit_ms(dpy, process)


def cpu_ns(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended meanwhile
    return total


def memory_kb(pid):
    fields = {}
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            key, _, value = line.partition(":")
            if key in ("VmRSS", "VmHWM", "RssAnon", "RssFile", "RssShmem"):
                fields[key] = int(value.split()[0])
    return fields


def idle_percent(pid, seconds):
    before, t0 = cpu_ns(pid), time.perf_counter()
    time.sleep(seconds)
    used, elapsed = cpu_ns(pid) - before, time.perf_counter() - t0
    return 100.0 * used / (elapsed * 1e9)


def long_run(label, exe, number, width, height, idle_s, results):
    """Menu, then one visit of each game: idle CPU in each, memory on the menu and after."""
    dpy = Display(number, width, height)
    try:
        process = launch(exe, dpy)
        wait_for_window(dpy, process)
        time.sleep(2)
        out = {"menu_cpu": idle_percent(process.pid, idle_s), "menu_mem": memory_kb(process.pid)}
        left, top, scale = dpy.stage()
        out["scale"] = scale
        menu = dpy.cross()
        dpy.click(left + START_BUTTON[0] * scale, top + START_BUTTON[1] * scale)
        visit_start = time.monotonic()
        time.sleep(1)
        if dpy.cross() == menu:
            raise RuntimeError(f"{label}: START did not leave the menu")
        # Clear of the visit's first and last seconds; none of the three visits is solved here.
        for game in ("boxpush", "wordguess", "typing"):
            time.sleep(5)
            out[f"{game}_cpu"] = idle_percent(process.pid, idle_s)
            visit_start += VISIT_S
            time.sleep(max(0.0, visit_start - time.monotonic()))
        time.sleep(3)  # the typing visit has handed over to box pushing again
        out["after_mem"] = memory_kb(process.pid)
        out["quit_after_visits"] = quit_ms(dpy, process)
        results[label] = out
    except Exception as failure:  # reported in the table; the other builds go on
        results[label] = {"error": str(failure)}
    finally:
        dpy.close()


def median(values):
    return statistics.median(values)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("builds", nargs="+", help="LABEL=EXECUTABLE")
    parser.add_argument("--size", default="1920x1080")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--idle", type=float, default=20.0, help="seconds per idle measurement")
    parser.add_argument("--display", type=int, default=70, help="first display number to use")
    parser.add_argument("--skip-visits", action="store_true", help="start-up and quit only")
    args = parser.parse_args()
    builds = [b.split("=", 1) for b in args.builds]
    width, height = (int(v) for v in args.size.split("x"))

    results = {}
    threads = []
    if not args.skip_visits:
        for index, (label, exe) in enumerate(builds):
            thread = threading.Thread(target=long_run, args=(label, exe, args.display + 2 + index,
                                                             width, height, args.idle, results))
            thread.start()
            threads.append(thread)

    starts = {}
    for mode, manager in (("bare", False), ("openbox", True)):
        dpy = Display(args.display, width, height, manager)
        try:
            references = {label: settled_menu(exe, dpy) for label, exe in builds}
            for _ in range(args.runs):
                for label, exe in builds:
                    first, quit = start_run(exe, dpy, references[label])
                    starts.setdefault((label, mode), []).append((first, quit))
        finally:
            dpy.close()
    for thread in threads:
        thread.join()

    print(f"Display {width} x {height}; {args.runs} start-up runs per build and mode.\n")
    print("| figure | budget | " + " | ".join(label for label, _ in builds) + " |")
    print("|---|---|" + "---|" * len(builds))

    def row(name, budget, cell):
        print(f"| {name} | {budget} | " + " | ".join(cell(label) for label, _ in builds) + " |")

    def long_row(name, budget, cell):
        def guarded(label):
            out = results[label]
            return f"failed: {out['error']}" if "error" in out else cell(out)
        row(name, budget, guarded)

    def start_cell(mode, index):
        def cell(label):
            values = [run[index] for run in starts[(label, mode)]]
            return f"{median(values):.0f} ms (min {min(values):.0f}, max {max(values):.0f})"
        return cell

    row("exec to first pixels, no window manager", "<= 150 ms", start_cell("bare", 0))
    row("exec to first pixels, openbox", "<= 100 ms", start_cell("openbox", 0))
    row("quit from the close command, no window manager", "< 50 ms", start_cell("bare", 1))
    row("quit from the close command, openbox", "< 50 ms", start_cell("openbox", 1))
    if results:
        long_row("stage scale", "", lambda out: f"{out['scale']:.2f}")
        for key, name, budget in (("menu_cpu", "idle CPU, menu", "< 0.1 %"),
                                  ("boxpush_cpu", "idle CPU, box-pushing visit", "< 0.5 %"),
                                  ("wordguess_cpu", "idle CPU, word-guessing visit", "< 0.5 %"),
                                  ("typing_cpu", "idle CPU, typing visit", "< 0.5 %")):
            long_row(name, budget, lambda out: f"{out[key]:.3f} %")
        for key, name, budget in (("menu_mem", "RSS on the menu", ""),
                                  ("after_mem", "RSS after a visit of each game", "< 30 MB")):
            long_row(name, budget, lambda out: "{:.1f} MB (peak {:.1f})".format(
                out[key]["VmRSS"] / 1024, out[key]["VmHWM"] / 1024))
            long_row(name + ": anonymous / file / shared", "",
                     lambda out: "{:.1f} / {:.1f} / {:.1f} MB".format(
                         *(out[key][k] / 1024 for k in ("RssAnon", "RssFile", "RssShmem"))))
        long_row("quit after the three visits", "< 50 ms",
                 lambda out: f"{out['quit_after_visits']:.0f} ms")

if __name__ == "__main__":
    main()
