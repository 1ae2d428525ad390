#!/usr/bin/python3
"""The real program in a Wayland session with no X display: under weston's headless backend it
must show its main menu (a top-level surface that weston has mapped, read from its scene graph), stay
up, and end at SIGTERM without a crash and without a word on stderr. Then the same with an X display
offered too (a private Xvfb): the main menu must be shown there, not on weston. Last, with a
Wayland display named that does not answer, it must say so in one line and exit with status 1.

    wayland_test.py [--title TITLE] /path/to/vertola

--title names the first window of another program, to try the test on it: a bare Qt window passes
the first case and fails the second, since plain Qt prefers Wayland when both are offered.

There is no input device headless, so the program is ended by a signal. Needs Debian's weston and
qt6-wayland.
"""

import argparse
import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import tempfile

from Xlib import X, error as xerror

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import window_manager_test as wmt  # noqa: E402  (a private X server, for the case with both)

PATIENCE = 15.0  # seconds for anything to happen; polls stop as soon as it has
SOCKET = "vertola-test"
MAIN = "Operazioni in vertola"


Failure = wmt.Failure
poll = wmt.poll


def no_core():
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))


def session_env(tmp):
    """A Wayland session and nothing else: no X display, no platform chosen for Qt."""
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("DISPLAY", "WAYLAND", "DBUS_SESSION", "AT_SPI", "QT_", "XDG_"))}
    for var, sub in (("HOME", "home"), ("XDG_CONFIG_HOME", "home/.config"),
                     ("XDG_CACHE_HOME", "home/.cache"), ("XDG_RUNTIME_DIR", "run")):
        os.makedirs(os.path.join(tmp, sub), mode=0o700, exist_ok=True)
        env[var] = os.path.join(tmp, sub)
    env["NO_AT_BRIDGE"] = "1"
    return env


def toplevels(env):
    """(pid, title, width, height) of each top-level surface in weston's scene graph: weston
    puts one there once its first buffer has come."""
    out = subprocess.run(["weston-debug", "scene-graph"], env=env, capture_output=True, text=True,
                         timeout=PATIENCE).stdout
    found = []
    for view in re.split(r"\n\s*View ", out)[1:]:
        m = re.match(r"\d+ \(role xdg_toplevel, PID (\d+), .*?top-level window '(.*?)'.*?"
                     r"position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)", view, re.S)
        if m:
            x1, y1, x2, y2 = map(int, m.group(3, 4, 5, 6))
            found.append((int(m.group(1)), m.group(2), x2 - x1, y2 - y1))
    return found


def describe(code):
    return "signal %s" % signal.Signals(-code).name if code < 0 else "status %d" % code


def start_weston(env, tmp):
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=" + SOCKET, "--debug",
                               "--idle-time=0", "--width=1280", "--height=1024",
                               "--log=" + os.path.join(tmp, "weston.log")],
                              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    poll("weston's socket", lambda: os.path.exists(os.path.join(env["XDG_RUNTIME_DIR"], SOCKET)))
    return weston


def on_x(desk, pid, title):
    """The program's top-level X window with that title, mapped: no window manager needed."""
    for w in desk.root.query_tree().children:
        name, owner = desk.prop(w, "_NET_WM_NAME"), desk.prop(w, "_NET_WM_PID")
        if name == title.encode() and owner is not None and owner[0] == pid:
            try:
                if w.get_attributes().map_state == X.IsViewable:
                    return w.id
            except xerror.XError:
                pass
    return None


def unanswered_case(program, env):
    """A Wayland display named that nobody answers, and no X display: one line and status 1, as
    with no display at all, not Qt's abort."""
    env = dict(env, WAYLAND_DISPLAY="vertola-no-such-socket")
    try:
        done = subprocess.run([program], env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.PIPE, preexec_fn=no_core, timeout=PATIENCE)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end within %.0f s with no display answering" % PATIENCE)
    text = done.stderr.decode(errors="replace").strip()
    if done.returncode != 1 or len(text.splitlines()) != 1 or "schermo" not in text:
        raise Failure("with no display answering: %s and stderr:\n  %s"
                      % (describe(done.returncode), text.replace("\n", "\n  ")))


def run_case(program, title, env, tmp, desk):
    """With only WAYLAND_DISPLAY (desk None) the window is weston's; with DISPLAY too, it is the X
    server's, where the program can centre it, and weston never sees it."""
    if desk is not None:
        env = dict(env, DISPLAY=desk.env["DISPLAY"])
    err_path = os.path.join(tmp, "stderr")
    with open(err_path, "wb") as err:
        proc = subprocess.Popen([program], env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=err, preexec_fn=no_core, start_new_session=True)
    try:
        def on_wayland():
            return [t for t in toplevels(env) if t[0] == proc.pid and t[1] == title and t[2] > 0 and t[3] > 0]

        def shown():
            if proc.poll() is not None:
                raise Failure("the program ended with %s before %r was shown" % (describe(proc.returncode), title))
            if desk is None:
                return on_wayland()
            if on_wayland():
                raise Failure("%r was shown on Wayland although an X display was offered" % title)
            return on_x(desk, proc.pid, title)

        poll("%r to be shown" % title, shown)
        # A second look: a crash in the paint that follows the first one shows here.
        if not shown():
            raise Failure("%r went by itself" % title)
        proc.send_signal(signal.SIGTERM)
        try:
            code = proc.wait(timeout=PATIENCE)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end within %.0f s of SIGTERM" % PATIENCE)
        if code not in (0, -signal.SIGTERM):
            raise Failure("the program ended with %s at SIGTERM" % describe(code))
        with open(err_path, errors="replace") as f:
            text = f.read().strip()
        if text:
            raise Failure("the program wrote on stderr:\n  " + text.replace("\n", "\n  "))
    finally:
        if proc.poll() is None:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--title", default=MAIN)
    parser.add_argument("program")
    args = parser.parse_args()
    tmp = tempfile.mkdtemp(prefix="vertola-wayland-")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    env = session_env(tmp)
    weston, desk, case = None, wmt.Desktop(), "Wayland only"
    try:
        weston = start_weston(env, tmp)
        run_case(os.path.abspath(args.program), args.title, dict(env, WAYLAND_DISPLAY=SOCKET), tmp, None)
        case = "an X display too"
        desk.start(None, tmp)
        run_case(os.path.abspath(args.program), args.title, dict(env, WAYLAND_DISPLAY=SOCKET), tmp, desk)
        case = "no display answering"
        unanswered_case(os.path.abspath(args.program), env)
        print("wayland: %r shown (on weston with Wayland only, on X with an X display too), still shown on "
              "a second look, ended cleanly at SIGTERM, stderr empty; one line and status 1 with no display "
              "answering" % args.title)
        shutil.rmtree(tmp, ignore_errors=True)
        return 0
    except Failure as failure:
        print("wayland: FAILED (%s): %s" % (case, failure), file=sys.stderr)
        print("weston's log: " + os.path.join(tmp, "weston.log"), file=sys.stderr)
        return 1
    finally:
        desk.close()
        if weston is not None:
            os.killpg(weston.pid, signal.SIGKILL)
            weston.wait()


if __name__ == "__main__":
    sys.exit(main())
