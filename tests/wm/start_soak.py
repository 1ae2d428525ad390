#!/usr/bin/python3
"""Starts the real program over and over under a window manager on a private X server, with every
core kept busy, and counts the starts that go wrong: a race at start-up shows only now and then,
and only when the machine is loaded.

    start_soak.py --layouts build/.../layouts.json [--rounds N] [--wm openbox] [--load N] /path/to/vertola

Each round waits for the main menu to be shown, active and focused, then either presses Space
(its first button, "Entro il 999": the level menu must open and the main menu go), closes the
level menu with the window manager's close and expects the program to end with status 0 within
2 s; or, every ESC_EVERY-th round, presses Esc in the main menu and expects the same end. It counts:

  frozen   the next window did not come, or a window stayed, within the patience after a key or
           a close (or the main menu never came up);
  ghosts   the last window went, and the process was still alive 2 s later;
  crashes  the process died of a signal or ended with another status, or ended too early;
  warnings rounds in which the program wrote anything to stderr.

The defaults come from START_SOAK_ROUNDS, START_SOAK_WM, START_SOAK_LOAD and START_SOAK_NICE.
Exits 1 on any fault. Needs Debian's interpreter with python3-xlib, Xvfb and the window manager.
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, error as xerror, protocol
from Xlib.ext import xtest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layouts  # noqa: E402  (the windows' titles, from the tables the build writes)
import window_manager_test as wmt  # noqa: E402  (the desktop it starts and reads)

ESC_EVERY = 4
GHOST_GRACE = 2.0  # seconds a process may take to end once its last window has gone


class Fault(Exception):
    def __init__(self, kind, message):
        super().__init__(message)
        self.kind = kind


class Load:
    """Busy loops, one per core and one more, so that the program's threads wait for a core."""

    def __init__(self, count, niceness):
        def setup():
            wmt.die_with_parent()
            os.nice(niceness)

        self.procs = [subprocess.Popen(["sh", "-c", "while :; do :; done"], preexec_fn=setup,
                                       start_new_session=True) for _ in range(count)]

    def stop(self):
        for proc in self.procs:
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            proc.wait()


def status_text(code):
    return "signal %s" % signal.Signals(-code).name if code < 0 else "status %d" % code


class Round:
    def __init__(self, desk, program, err, patience, tables):
        self.desk = desk
        self.patience = patience
        self.main = tables.title("frmuno")
        self.menu = tables.title("frm999inizio")
        env = dict(desk.env, QT_QPA_PLATFORM="xcb", ASAN_OPTIONS="detect_leaks=0")
        self.started = time.monotonic()
        self.proc = subprocess.Popen([program], env=env, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=err, start_new_session=True)

    def wait_for(self, what, probe, kind="frozen", may_end=False):
        """probe()'s first true value; a process that ends meanwhile is a crash, unless the wait is
        for its last window to go (may_end) and it ended with status 0: its windows went with it,
        whichever of the two the harness saw first."""
        deadline = time.monotonic() + self.patience
        while True:
            value = probe()
            if value:
                return value
            code = self.proc.poll()
            if code == 0 and may_end:
                return True
            if code is not None:
                raise Fault("crashes", "ended with %s while waiting for %s" % (status_text(code), what))
            if time.monotonic() > deadline:
                raise Fault(kind, "%s did not happen within %.0f s" % (what, self.patience))
            time.sleep(0.003)

    def viewable(self, title):
        wid = self.desk.find(title)
        if wid is None:
            return None
        try:
            state = self.desk.window(wid).get_attributes().map_state
        except xerror.XError:
            return None
        return wid if state == X.IsViewable else None

    def focused(self, title):
        """The window shown, active for the window manager and holding the X input focus: a key
        pressed now goes to it."""
        wid = self.viewable(title)
        if wid is None or self.desk.active() != wid:
            return None
        focus = self.desk.d.get_input_focus().focus
        return wid if getattr(focus, "id", focus) == wid else None

    def gone(self, title):
        return title not in [t for _, t in self.desk.titled()]

    def key(self, name):
        d = self.desk.d
        code = d.keysym_to_keycode(XK.string_to_keysym(name))
        xtest.fake_input(d, X.KeyPress, code)
        xtest.fake_input(d, X.KeyRelease, code)
        d.sync()

    def close_box(self, wid):
        """What a pager or the title bar's close button asks: the window manager then sends the
        window WM_DELETE_WINDOW."""
        desk = self.desk
        event = protocol.event.ClientMessage(window=desk.window(wid), client_type=desk.atom("_NET_CLOSE_WINDOW"),
                                             data=(32, [X.CurrentTime, 2, 0, 0, 0]))
        desk.root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        desk.d.sync()

    def ends(self, after):
        """The process ends by itself with status 0 within the grace after its last window went."""
        try:
            code = self.proc.wait(timeout=GHOST_GRACE)
        except subprocess.TimeoutExpired:
            raise Fault("ghosts", "still running %.0f s after %s" % (GHOST_GRACE, after))
        if code != 0:
            raise Fault("crashes", "ended with %s after %s" % (status_text(code), after))

    def run(self, esc):
        """The round's walk; returns the time to the main menu and, with Space, to the level menu."""
        self.wait_for("the main menu shown and focused", lambda: self.focused(self.main))
        times = [time.monotonic() - self.started]
        if esc:
            self.key("Escape")
            self.wait_for("the main menu to go after Esc", lambda: self.gone(self.main), may_end=True)
            self.ends("Esc in the main menu")
            return times
        pressed = time.monotonic()
        self.key("space")
        menu = self.wait_for("the level menu after Space", lambda: self.viewable(self.menu))
        times.append(time.monotonic() - pressed)
        self.wait_for("the main menu to go after Space", lambda: self.gone(self.main))
        self.close_box(menu)
        self.wait_for("the level menu to go after its close box", lambda: self.gone(self.menu), may_end=True)
        self.ends("the level menu's close box")
        return times

    def kill(self):
        if self.proc.poll() is None:
            try:
                os.killpg(self.proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        self.proc.wait()


def soak(desk, program, args, tmp):
    faults = {"frozen": 0, "ghosts": 0, "crashes": 0, "warnings": 0}
    starts, opens = [], []
    err_path = os.path.join(tmp, "stderr")
    for index in range(1, args.rounds + 1):
        esc = index % ESC_EVERY == 0
        with open(err_path, "w+b") as err:
            run = Round(desk, program, err, args.patience, args.layouts)
            try:
                times = run.run(esc)
                starts.append(times[0])
                opens.extend(times[1:])
            except Fault as fault:
                faults[fault.kind] += 1
                print("round %d (%s): %s: %s" % (index, "Esc" if esc else "Space", fault.kind, fault), flush=True)
            finally:
                run.kill()
            err.seek(0)
            text = err.read().decode(errors="replace").strip()
        if text:
            faults["warnings"] += 1
            print("round %d: stderr: %s" % (index, text.replace("\n", "\n    ")), flush=True)
        # Windows of a killed program go with its connection; the next round starts on a bare desk
        # (Fluxbox lists an untitled window of its own).
        wmt.poll("the desk to be clear", lambda: all(t in ("other", None) for _, t in desk.titled()), args.patience)
    return faults, starts, opens


def median_ms(values):
    return "%.0f ms" % (1000 * statistics.median(values)) if values else "-"


def env_default(name, default):
    return os.environ.get(name) or default


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    layouts.add_argument(parser)
    parser.add_argument("--rounds", type=int, default=int(env_default("START_SOAK_ROUNDS", 200)))
    parser.add_argument("--wm", default=env_default("START_SOAK_WM", "openbox"), choices=sorted(wmt.WINDOW_MANAGERS))
    parser.add_argument("--load", type=int, default=int(env_default("START_SOAK_LOAD", os.cpu_count() + 1)),
                        help="busy loops beside the program (default: one per core and one more)")
    parser.add_argument("--nice", type=int, default=int(env_default("START_SOAK_NICE", 0)),
                        help="the busy loops' niceness")
    parser.add_argument("--patience", type=float, default=10.0,
                        help="seconds for a window to come or go before the round counts as frozen")
    parser.add_argument("program")
    args = parser.parse_args()

    tmp = tempfile.mkdtemp(prefix="vertola-soak-")
    desk = wmt.Desktop()
    load = None
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        desk.start(args.wm, tmp)
        load = Load(args.load, args.nice)
        faults, starts, opens = soak(desk, os.path.abspath(args.program), args, tmp)
    except wmt.Failure as failure:
        print("start-soak: could not run: %s" % failure, file=sys.stderr)
        return 2
    finally:
        if load:
            load.stop()
        desk.close()
        shutil.rmtree(tmp, ignore_errors=True)
    print("under %s with %d busy loops at nice %d: median start to the focused main menu %s, Space to the "
          "level menu %s" % (args.wm, args.load, args.nice, median_ms(starts), median_ms(opens)))
    print("start-soak: %d rounds, %d frozen, %d ghosts, %d crashes, %d warnings"
          % (args.rounds, faults["frozen"], faults["ghosts"], faults["crashes"], faults["warnings"]))
    return 1 if any(faults.values()) else 0


if __name__ == "__main__":
    sys.exit(main())
