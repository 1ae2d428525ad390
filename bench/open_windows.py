#!/usr/bin/python3
"""Time how long each window of the program takes to open: from a mouse click on the button that
opens it to the moment the opened window looks final (its pixels first equal what it shows
--settle seconds after it was mapped, read with XGetImage), on a private Xvfb.

The server reports each drawing of the window (the DAMAGE extension), and the window is read once
its drawing pauses, so the reads never stand between the program and the server while it draws. `--watch poll` reads it over and over instead, as
fast as the server answers; the server then spends most of its time on the reads, and every
figure grows by milliseconds of waiting that a pupil's desktop does not have.

    /usr/bin/python3 bench/open_windows.py --runs 5 --layouts build/release/layouts.json -- build/release/src/app/vertola

Every run starts the program afresh, waits for the main menu to look final, then walks the
menus as a pupil does, clicking with XTEST (the server's own fake input, so the click travels the
same path as a real one): each level menu from the main menu, each exercise window from its level
menu, the multiplication chooser and both multiplication windows behind it, and the score window
from the addition window. It prints, per window, min / median / max over the runs. The windows'
titles and the buttons' places come from the tables the build writes (layouts.json): a table that
moves a button moves the click, and one that renames it makes the walk stop with its name.
Needs the Debian interpreter with python3-xlib, Xvfb and dbus-daemon.
"""

import argparse
import ctypes
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import zlib

from Xlib import X, display as xdisplay
from Xlib.ext import damage, xtest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "wm"))
import layouts  # noqa: E402  (the windows' tables, from the build)
from startup import kill_pid, start_infra  # noqa: E402  (the private X server and bus of the start-up probe)

# Qt's caret shows for half of its one-second flash time, then hides for the other half.
BLINK_PERIOD = 0.6
# The drawing has paused for this long when a window is read; a caret blinks far more slowly.
QUIET = 0.05
# Windows that are only passed through are clicked once they are mapped and drawn.
PASS_SETTLE = 0.3


class Reader:
    """Reads a window's pixels through libX11 on a connection of its own: python-xlib takes
    milliseconds of CPU to unpack a large image, which on a machine of two cores is taken from the
    program being timed."""

    class XImage(ctypes.Structure):
        _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                    ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                    ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                    ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]

    ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)

    def __init__(self, display_name):
        x = self.x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XGetImage.restype = ctypes.POINTER(self.XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x.XSetErrorHandler.argtypes = [self.ERROR_HANDLER]
        # A window that goes while it is read is no error here: that read has no picture.
        self.handler = self.ERROR_HANDLER(lambda display, error: 0)
        x.XSetErrorHandler(self.handler)
        self.display = x.XOpenDisplay(display_name.encode())
        if not self.display:
            raise SystemExit(f"cannot open {display_name}")

    def read(self, window, width, height):
        image = self.x.XGetImage(self.display, window, 0, 0, width, height, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            return None
        data = image.contents.data
        shot = zlib.crc32(ctypes.string_at(data, image.contents.bytes_per_line * image.contents.height))
        self.x.XFree(data)
        self.x.XFree(image)
        return shot

    def close(self):
        self.x.XCloseDisplay(self.display)


class Walk:
    """One program, driven through its windows."""

    def __init__(self, argv, env, tables, settle, timeout, watch="damage"):
        self.tables = tables
        self.d = xdisplay.Display(env["DISPLAY"])
        self.reader = Reader(env["DISPLAY"])
        self.watch = watch
        if watch == "damage":
            if not self.d.has_extension("DAMAGE"):
                raise SystemExit("the X server has no DAMAGE extension: use --watch poll")
            self.d.damage_query_version()
            self.damage_event = self.d.query_extension("DAMAGE").first_event + damage.DamageNotifyCode
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.d.sync()
        self.settle = settle
        self.timeout = timeout
        self.shown = {}  # window id -> title, of the program's mapped top-level windows
        self.t_start = time.perf_counter()
        self.proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def close(self):
        kill_pid(self.proc.pid)
        self.reader.close()
        self.d.close()

    def title_of(self, win):
        try:
            p = win.get_full_property(self.d.get_atom("_NET_WM_NAME"), self.d.get_atom("UTF8_STRING"))
            if p is not None and p.value:
                v = p.value
                return v.decode("utf-8", "replace") if isinstance(v, bytes) else str(v)
        except Exception:
            pass
        return None

    def wait_mapped(self, title):
        """Waits for a window with this title to be mapped; returns (window, time of the map)."""
        t0 = time.perf_counter()
        while True:
            if time.perf_counter() - t0 > self.timeout:
                raise TimeoutError(f"no window titled {title!r} appeared within {self.timeout}s")
            if self.proc.poll() is not None:
                raise RuntimeError(f"the program exited with {self.proc.returncode}")
            if not self.d.pending_events():
                select.select([self.d.fileno()], [], [], 0.005)
            while self.d.pending_events():
                ev = self.d.next_event()
                t_ev = time.perf_counter()
                if ev.type == X.MapNotify and ev.event == self.root and not ev.override:
                    t = self.title_of(ev.window)
                    self.shown[ev.window.id] = t
                    if t == title:
                        return ev.window, t_ev
                elif ev.type == X.UnmapNotify and ev.event == self.root:
                    self.shown.pop(ev.window.id, None)

    def final_time(self, win, t_map, settle=None):
        """The first moment the window shows what it shows at the end of the settling time: a
        text cell with the focus blinks its caret, so the end is the last blink period, and any
        of the looks seen in it counts as final."""
        settle = self.settle if settle is None else settle
        shots = self.damage_shots(win, t_map, settle) if self.watch == "damage" else self.poll_shots(win, t_map, settle)
        end = t_map + settle
        # The look at the start of the last blink period, and every look drawn during it.
        finals = {h for t, h in shots if end - t <= BLINK_PERIOD}
        before = [h for t, h in shots if end - t > BLINK_PERIOD]
        if before:
            finals.add(before[-1])
        return next(t for t, h in shots if h in finals)

    def read(self, win, g):
        return self.reader.read(win.id, g.width, g.height)

    def poll_shots(self, win, t_map, settle):
        g = win.get_geometry()
        shots = []
        while time.perf_counter() - t_map < settle:
            shots.append((time.perf_counter(), self.read(win, g)))
            time.sleep(0.001)  # leave the X server to the program between reads
        return shots

    def damage_shots(self, win, t_map, settle):
        """Notes when the server reports the window drawn, and reads it once the drawing has paused
        for QUIET seconds: the look read is the one the last report brought, and it stood from that
        report on. Reading at each report would take the CPU and the server from the program
        while it is still drawing."""
        g = win.get_geometry()
        watched = win.damage_create(damage.DamageReportNonEmpty)
        self.d.sync()
        # Whatever was drawn before the watch began stood by now at the latest.
        drawn_at = time.perf_counter()
        shots = []
        while True:
            now = time.perf_counter()
            left = settle - (now - t_map)
            if drawn_at is not None and (now - drawn_at >= QUIET or left <= 0):
                shots.append((drawn_at, self.read(win, g)))
                drawn_at = None
            if left <= 0:
                break
            wait = left if drawn_at is None else min(left, QUIET - (now - drawn_at))
            if not self.d.pending_events():
                select.select([self.d.fileno()], [], [], max(wait, 0))
            while self.d.pending_events():
                ev = self.d.next_event()
                if ev.type == self.damage_event and ev.drawable.id == win.id:
                    # Cleared so that the next drawing is reported again.
                    self.d.damage_subtract(watched)
                    self.d.flush()
                    drawn_at = time.perf_counter()
                elif ev.type == X.UnmapNotify and ev.event == self.root:
                    self.shown.pop(ev.window.id, None)
        self.d.damage_destroy(watched)
        self.d.sync()
        return shots

    def drain(self):
        while self.d.pending_events():
            ev = self.d.next_event()
            if ev.type == X.UnmapNotify and ev.event == self.root:
                self.shown.pop(ev.window.id, None)

    def window_titled(self, title):
        self.drain()
        for wid, t in self.shown.items():
            if t == title:
                return self.d.create_resource_object("window", wid)
        raise RuntimeError(f"no shown window titled {title!r}")

    def click(self, window, control):
        """Clicks the middle of a control of a shown window, both named as the tables name them;
        returns the time the click was sent."""
        win = self.window_titled(self.tables.title(window))
        origin = win.translate_coords(self.root, 0, 0)
        centre_x, centre_y = self.tables.centre(window, control)
        x, y = -origin.x + centre_x, -origin.y + centre_y
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        self.d.sync()
        time.sleep(0.05)  # the pointer has arrived and any hover look is drawn before the click
        self.drain()
        t_click = time.perf_counter()
        xtest.fake_input(self.d, X.ButtonPress, 1)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        # The pointer leaves at once, so that neither a hover look nor a tooltip of the window
        # that opens under it counts as its drawing.
        xtest.fake_input(self.d, X.MotionNotify, x=self.root.get_geometry().width - 1,
                         y=self.root.get_geometry().height - 1)
        self.d.sync()
        return t_click

    def open(self, window, control, opened, measured=True):
        """Clicks and waits for the window named `opened` to look final: returns ms from the click."""
        t_click = self.click(window, control)
        win, t_map = self.wait_mapped(self.tables.title(opened))
        return (self.final_time(win, t_map, None if measured else PASS_SETTLE) - t_click) * 1000.0


def walk_level(w, level, figures):
    """One branch of the menus, every window reached through the menu button its row names."""
    tables = w.tables
    main, menu = tables.named("MainMenu"), tables.named("LevelMenu", level)
    figures.setdefault(menu, []).append(w.open(main, tables.opener(menu)[1], menu))
    for window in tables.exercises(level):
        opener, button = tables.opener(window)
        if opener != menu:  # the chooser, opened from the level menu first
            figures.setdefault(opener, []).append(w.open(menu, tables.opener(opener)[1], opener))
        figures.setdefault(window, []).append(w.open(opener, button, window))
        if tables.unit(window) == "Addition":
            score = tables.named("Score", level)
            figures.setdefault(score, []).append(w.open(window, "cmdpunteggio", score))
            w.click(score, "cmdcalcola")
            time.sleep(0.2)
            w.open(score, "cmdok", menu, measured=False)  # OK leads back to the level menu
        else:
            w.open(window, "cmdfine", menu, measured=False)
    w.open(menu, "cmdesci", main, measured=False)


def one_run(argv, env, tables, settle, timeout, watch, figures):
    w = Walk(argv, env, tables, settle, timeout, watch)
    try:
        win, t_map = w.wait_mapped(tables.title(tables.named("MainMenu")))
        w.final_time(win, t_map)
        for level in (999, 9999):
            walk_level(w, level, figures)
    finally:
        w.close()


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    layouts.add_argument(ap)
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--warmup", type=int, default=1, help="untimed runs first (font caches)")
    ap.add_argument("--settle", type=float, default=1.5, help="seconds after the map that count as final")
    ap.add_argument("--timeout", type=float, default=20.0)
    ap.add_argument("--watch", choices=("damage", "poll"), default="damage",
                    help="read the window when the server reports it drawn, or over and over")
    ap.add_argument("--screen", default="1280x1024x24")
    ap.add_argument("argv", nargs=argparse.REMAINDER)
    a = ap.parse_args()
    argv = a.argv[1:] if a.argv[:1] == ["--"] else a.argv
    if not argv:
        ap.error("give the program after --")
    tmp = tempfile.mkdtemp(prefix="open-bench-")
    env, infra = start_infra(tmp, a.screen, a11y=False)
    figures = {}
    try:
        for i in range(a.warmup + a.runs):
            run = {}
            one_run(argv, env, a.layouts, a.settle, a.timeout, a.watch, run)
            tag = "warmup" if i < a.warmup else f"run {i - a.warmup + 1}"
            print(f"{tag:>8}: " + "  ".join(f"{min(v):.1f}" for v in run.values()) + " ms", flush=True)
            if i >= a.warmup:
                for k, v in run.items():
                    figures.setdefault(k, []).extend(v)
    finally:
        for p in reversed(infra):
            kill_pid(p.pid)
        shutil.rmtree(tmp, ignore_errors=True)
    print(f"{' '.join(argv)}: click to the opened window looking final ({a.runs} runs, settle {a.settle:g} s, "
          f"watched by {a.watch})")
    width = max(len(k) for k in figures)
    worst = 0.0
    for k, v in figures.items():
        med = statistics.median(v)
        worst = max(worst, med)
        print(f"  {k:<{width}}  min {min(v):6.1f}  median {med:6.1f}  max {max(v):6.1f} ms")
    print(f"slowest median: {worst:.1f} ms (one frame at 60 Hz: 16.7 ms)")


if __name__ == "__main__":
    main()
