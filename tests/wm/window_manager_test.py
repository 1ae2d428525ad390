#!/usr/bin/python3
"""The real program under a real window manager on a private X server (1280 x 1024), driven by
X events: where its windows open (the outer frame centred, from the very first one), that an
opened window is in front and active with the focus on its first control, and that the window
manager's own close runs no button logic.

    window_manager_test.py --layouts build/.../layouts.json openbox|xfwm4|...|i3 /path/to/vertola

The windows' titles and the places clicked come from the tables the build writes (layouts.json).

KWin and i3 do not offer to say a frame's size before the map (_NET_REQUEST_FRAME_EXTENTS), and
Fluxbox offers and never answers; i3 is set to float every window, as a pupil's windows need.
Needs Debian's interpreter with python3-xlib, Xvfb, xdotool, wmctrl and the window manager.
"""

import argparse
import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay, error as xerror, protocol

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layouts  # noqa: E402  (the windows' tables, from the build)

SCREEN_W, SCREEN_H = 1280, 1024
PATIENCE = 15.0  # seconds for anything to happen; polls stop as soon as it has

WINDOW_MANAGERS = {
    "openbox": ["openbox", "--sm-disable"],
    # Xfwm4 reads its settings over D-Bus and gives up without a session bus.
    "xfwm4": ["dbus-run-session", "--", "xfwm4", "--compositor=off", "--sm-client-disable"],
    "metacity": ["metacity", "--sm-disable", "--no-composite"],
    "marco": ["marco", "--sm-disable", "--no-composite"],
    # KWIN_COMPOSE=N (set below): Xvfb has no GL, and a compositor only slows the checks.
    "kwin": ["dbus-run-session", "--", "kwin_x11", "--replace"],
    "fluxbox": ["fluxbox"],
    "icewm": ["icewm"],
    "i3": ["i3", "-c", "{config}/i3"],
}

# Window managers that neither say a window's frame before its map nor place the frame by the
# window's gravity: the first window can only be centred once its frame is known, by one move
# right after its map.
CENTRED_AFTER_MAP = {"i3"}

# Files written before the window manager starts, under {config}. The screen stays whole: no
# panel or bar takes a strip of it, since the windows are centred on the whole screen.
WINDOW_MANAGER_FILES = {
    # Alt+F4 is i3's close only where the user binds it, as most do.
    "i3": {"i3": "for_window [class=\".*\"] floating enable\nbindsym Mod1+F4 kill\n"},
    "icewm": {"icewm/preferences": "ShowTaskBar=0\n"},
    "fluxbox": {"fluxbox/init": "session.screen0.toolbar.visible: false\nsession.screen0.slit.autoHide: true\n"},
}


class Failure(Exception):
    pass


def die_with_parent():
    """In a child before exec: killed when the test dies, even by a time limit's SIGKILL. The X
    server going takes the window manager and the program along."""
    ctypes.CDLL("libc.so.6").prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def poll(what, probe, patience=PATIENCE):
    """The first true value of probe(), polled every few milliseconds."""
    deadline = time.monotonic() + patience
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.005)


class Desktop:
    def __init__(self):
        self.procs = []

    def start(self, wm, tmp):
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("DBUS_SESSION", "AT_SPI", "WAYLAND", "QT_", "XDG_"))}
        for var, sub in (("HOME", "home"), ("XDG_CONFIG_HOME", "home/.config"),
                         ("XDG_CACHE_HOME", "home/.cache"), ("XDG_RUNTIME_DIR", "run")):
            os.makedirs(os.path.join(tmp, sub), mode=0o700, exist_ok=True)
            self.env[var] = os.path.join(tmp, sub)
        self.env["NO_AT_BRIDGE"] = "1"
        r, w = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(w), "-screen", "0", "%dx%dx24" % (SCREEN_W, SCREEN_H),
                    "-nolisten", "tcp", "-noreset"], pass_fds=(w,))
        os.close(w)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(r, 16)
            if not chunk:
                raise Failure("Xvfb did not start")
            number += chunk
        os.close(r)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        self.d = xdisplay.Display(self.env["DISPLAY"])
        self.root = self.d.screen().root
        self.watch()
        if wm is None:  # a bare server
            return
        config = os.path.join(tmp, "home/.config")
        for name, text in WINDOW_MANAGER_FILES.get(wm, {}).items():
            os.makedirs(os.path.dirname(os.path.join(config, name)), exist_ok=True)
            with open(os.path.join(config, name), "w") as f:
                f.write(text)
        self.env["KWIN_COMPOSE"] = "N"
        self.spawn([arg.replace("{config}", config) for arg in WINDOW_MANAGERS[wm]])
        poll("the window manager", lambda: self.prop(self.root, "_NET_SUPPORTING_WM_CHECK") is not None)
        self.warm_up()

    def spawn(self, argv, **kw):
        proc = subprocess.Popen(argv, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True, preexec_fn=die_with_parent, **kw)
        self.procs.append(proc)
        return proc

    def close(self):
        for proc in reversed(self.procs):
            try:
                os.killpg(proc.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for proc in self.procs:
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(proc.pid, signal.SIGKILL)

    def warm_up(self):
        """Another program's window in a corner, as on any desktop: the window manager has framed
        a window before, as it has in a running session."""
        other = self.root.create_window(0, 0, 60, 40, 0, self.d.screen().root_depth)
        other.change_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"), 8, b"other")
        other.set_wm_class("other", "Other")
        # A window mapped while the window manager still gets ready may be missed: map it again.
        for attempt in range(10):
            other.map()
            self.d.sync()
            try:
                return poll("a frame around another window", lambda: self.outer(other.id), 1.0)
            except Failure:
                other.unmap()
                self.d.sync()
        raise Failure("the window manager frames no window")

    def watch(self):
        """Follows the root's children, the frames, through the server's events: every place and
        size each has had since it was last mapped, in order, whatever the polls miss."""
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.geometry = {}
        self.shown = {}
        # Maps and unmaps of the root's children in the server's order, with the unmap a client
        # sends the root when it takes a window off screen (ICCCM's withdrawal).
        self.maps = []
        # Each change of a watched client's ICCCM state, by the window manager.
        self.wm_states = []

    def pump(self):
        root = self.root.id
        while self.d.pending_events():
            e = self.d.next_event()
            if e.type == X.CreateNotify and e.parent.id == root or e.type == X.ConfigureNotify and e.event.id == root:
                bw = 2 * e.border_width
                self.geometry[e.window.id] = (e.x, e.y, e.width + bw, e.height + bw)
                if e.window.id in self.shown:
                    self.shown[e.window.id].append(self.geometry[e.window.id])
            elif e.type == X.MapNotify and e.event.id == root:
                self.shown[e.window.id] = [self.geometry.get(e.window.id)]
                self.maps.append(("map", e.window.id))
            elif e.type == X.PropertyNotify and e.atom == self.atom("WM_STATE"):
                self.wm_states.append(e.window.id)
            elif e.type in (X.UnmapNotify, X.DestroyNotify) and e.event.id == root:
                self.shown.pop(e.window.id, None)
                if e.type == X.UnmapNotify:
                    self.maps.append(("unmap", e.window.id))

    def first_shown(self, frame):
        """Where the frame was first shown at its present size since its map: a window manager
        may map a frame of one pixel and only then give it its size."""
        self.pump()
        now = self.geometry.get(frame)
        places = [g for g in self.shown.get(frame, []) if g and now and g[2:] == now[2:]]
        return (places[0] if places else None), now

    def frame(self, wid):
        """The root's child that holds the client: the window manager's frame."""
        w = self.window(wid)
        try:
            while True:
                parent = w.query_tree().parent
                if parent.id == self.root.id:
                    return w.id
                w = parent
        except xerror.XError:
            return None

    def atom(self, name):
        return self.d.intern_atom(name)

    def prop(self, window, name):
        try:
            p = window.get_full_property(self.atom(name), X.AnyPropertyType)
        except xerror.XError:
            return None
        return p.value if p else None

    def window(self, wid):
        return self.d.create_resource_object("window", wid)

    def title(self, wid):
        name = self.prop(self.window(wid), "_NET_WM_NAME")
        return name.decode() if isinstance(name, bytes) else None

    def clients(self):
        """Managed windows from bottom to top: the stacking of the root's children (frames)."""
        listed = self.prop(self.root, "_NET_CLIENT_LIST")
        listed = set(listed) if listed is not None else set()
        order = []
        try:
            tops = self.root.query_tree().children
        except xerror.XError:
            return []
        for top in tops:
            todo = [top]
            while todo:
                w = todo.pop()
                if w.id in listed:
                    order.append(w.id)
                    break
                try:
                    todo.extend(w.query_tree().children)
                except xerror.XError:
                    pass
        return order

    def titled(self):
        return [(wid, self.title(wid)) for wid in self.clients()]

    def find(self, title):
        ids = [wid for wid, t in self.titled() if t == title]
        return ids[0] if len(ids) == 1 else None

    def active(self):
        value = self.prop(self.root, "_NET_ACTIVE_WINDOW")
        return value[0] if value is not None and len(value) else None

    def outer(self, wid):
        """The frame's rectangle: the client's place on the root widened by its frame extents."""
        w = self.window(wid)
        try:
            g = w.get_geometry()
            at = w.translate_coords(self.root, 0, 0)
        except xerror.XError:
            return None
        ext = self.prop(w, "_NET_FRAME_EXTENTS")
        if ext is None and self.prop(self.root, "_NET_SUPPORTED") is not None and \
                self.atom("_NET_FRAME_EXTENTS") not in self.prop(self.root, "_NET_SUPPORTED"):
            # A window manager that never says its frame: the frame window is all there is.
            frame = self.frame(wid)
            if frame is None or frame == wid:
                return None
            try:
                fg = self.window(frame).get_geometry()
            except xerror.XError:
                return None
            return (fg.x, fg.y, fg.width + 2 * fg.border_width, fg.height + 2 * fg.border_width)
        if ext is None or len(ext) != 4:
            return None
        left, right, top, bottom = ext
        return (-at.x - left, -at.y - top, g.width + left + right, g.height + top + bottom)

    def client_origin(self, wid):
        at = self.window(wid).translate_coords(self.root, 0, 0)
        return -at.x, -at.y

    def click(self, wid, point):
        x, y = self.client_origin(wid)
        self.xdotool("mousemove", str(x + point[0]), str(y + point[1]), "click", "1")

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def screenshot(self, path):
        if shutil.which("import"):
            subprocess.run(["import", "-window", "root", path], env=self.env, check=False)


class Run:
    def __init__(self, desk, program, wm, main_title):
        self.desk = desk
        self.main_title = main_title
        self.first_may_move = wm in CENTRED_AFTER_MAP
        self.checks = 0
        self.misplaced = []
        self.minimisable = set()
        env = dict(desk.env, QT_QPA_PLATFORM="xcb")
        # The program's own leaks are the sanitizer tests' business; here only its windows count.
        env["ASAN_OPTIONS"] = "detect_leaks=0"
        self.proc = subprocess.Popen([program], env=env, start_new_session=True)
        desk.procs.append(self.proc)

    def check(self, ok, message):
        self.checks += 1
        if not ok:
            raise Failure(message + "\n  windows (bottom to top): %s, active %s" % (self.desk.titled(), self.desk.active()))

    def placed(self, ok, message):
        """A misplaced window does not stop the walk: every window's place is checked in one run."""
        self.checks += 1
        if not ok:
            self.misplaced.append(message)

    def opened(self, title):
        """Waits for `title` on screen in front, active, framed; checks its frame is centred."""
        desk = self.desk
        what = "%r to open in front and active" % title

        def ready():
            wid = desk.find(title)
            if wid is None or desk.outer(wid) is None:
                return None
            return wid if desk.active() == wid and desk.clients()[-1] == wid else None

        def centred(outer):
            x, y, w, h = outer
            return abs(2 * x - (SCREEN_W - w)) <= 2 and abs(2 * y - (SCREEN_H - h)) <= 2

        try:
            wid = poll(what, ready)
        except Failure as failure:
            self.check(False, str(failure))
        moved_once = self.first_may_move
        self.first_may_move = False
        if moved_once:
            # Its one move comes once the program has seen its frame, a moment after the map.
            try:
                poll("%r to be centred once its frame is known" % title, lambda: centred(desk.outer(wid)))
            except Failure:
                pass
        if title != self.main_title:
            self.dialog_style(wid, title)
        x, y, w, h = desk.outer(wid)
        # Where the frame was when it was mapped is where it stayed: the window did not show
        # somewhere else first and then jump.
        first, now = desk.first_shown(desk.frame(wid))
        if moved_once:
            first = now
        self.placed(first is not None and first == now,
                    "%r: its frame was first shown at %s and is now at %s" % (title, first, now))
        # The outer size, frame included, is centred within a pixel. A window manager that centres
        # the frame on the client's centre (ICCCM's centre gravity) rounds its own half, so a
        # client of odd height in a frame of even height may land a pixel off either way.
        self.placed(centred((x, y, w, h)),
                    "%r: frame at %d,%d size %dx%d is not centred (centred: %.1f,%.1f)"
                    % (title, x, y, w, h, (SCREEN_W - w) / 2, (SCREEN_H - h) / 2))
        return wid

    def allowed_actions(self, wid):
        actions = self.desk.prop(self.desk.window(wid), "_NET_WM_ALLOWED_ACTIONS")
        return {self.desk.d.get_atom_name(a) for a in actions} if actions is not None else set()

    def dialog_style(self, wid, title):
        """A window of fixed size is never maximised; one that the window manager lets minimise,
        whatever the program asks, is remembered for never_lost()."""
        actions = self.allowed_actions(wid)
        self.check(not actions & {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"},
                   "%r may be maximised" % title)
        if "_NET_WM_ACTION_MINIMIZE" in actions:
            self.minimisable.add(title)

    def never_lost(self, wid, title):
        """Where the window manager lets a dialog-style window be minimised, one that is minimised
        comes back on screen, active: off the task bar, the pupil could not bring it back."""
        if not self.minimisable:
            return
        desk = self.desk
        window = desk.window(wid)
        window.change_attributes(event_mask=X.PropertyChangeMask)
        desk.pump()
        mark = len(desk.wm_states)
        # What a task bar or a pager asks (ICCCM's WM_CHANGE_STATE to IconicState).
        event = protocol.event.ClientMessage(window=window, client_type=desk.atom("WM_CHANGE_STATE"),
                                             data=(32, [3, 0, 0, 0, 0]))
        desk.root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        desk.d.sync()

        def back():
            desk.pump()
            state = desk.prop(window, "WM_STATE")
            return len(desk.wm_states) > mark and state is not None and state[0] == 1 \
                and window.get_attributes().map_state == X.IsViewable and desk.active() == wid
        # The window manager has changed the window's state, and the window is back to normal.
        poll("%r minimised to come back, active" % title, back)
        self.checks += 1

    def gone(self, title):
        poll("%r to go" % title, lambda: title not in [t for _, t in self.desk.titled()])

    def replaced(self, old, title, action):
        """Does what opens `title` and takes the window `old` off screen; the new window is on
        screen (its frame mapped) before the old one is unmapped, so that the desk is never empty."""
        desk = self.desk
        desk.pump()
        mark = len(desk.maps)
        action()
        new = self.opened(title)
        frame = desk.frame(new)

        def both():
            desk.pump()
            seen = desk.maps[mark:]
            return (("map", frame) in seen and ("unmap", old) in seen) and seen
        seen = poll("%r mapped and the window it replaces unmapped" % title, both)
        self.check(seen.index(("map", frame)) < seen.index(("unmap", old)),
                   "the window before %r was taken off screen before %r was on it" % (title, title))
        return new

    def key(self, name):
        self.desk.xdotool("key", name)


def scenario(desk, program, wm, tables):
    main_title, menu999_title, menu9999_title, chooser_title = (tables.title(name) for name in (
        "frmuno", "frm999inizio", "frm9999inizio", "frm9999scelta"))
    run = Run(desk, program, wm, main_title)
    # Start-up: the main menu, centred with its frame, active, its first button focused: Space
    # presses "Entro il 999".
    main = run.opened(main_title)
    menu = run.replaced(main, menu999_title, lambda: run.key("space"))
    run.gone(main_title)
    # The level menu's focus is on "&Fine", which brings the main menu back, loaded afresh.
    main = run.replaced(menu, main_title, lambda: run.key("space"))
    run.gone(menu999_title)
    menu = run.replaced(main, menu9999_title, lambda: run.desk.click(main, tables.centre("frmuno", "cmd9999")))
    run.desk.click(menu, tables.centre("frm9999inizio", "cmdmolt"))
    chooser = run.opened(chooser_title)
    # The level menu, clicked, comes in front; opening the chooser again brings it back in front.
    # The picture is clicked near its top left corner: the chooser, centred too, covers its middle.
    left, top = tables.rect("frm9999inizio", "Picture1")[:2]
    run.desk.click(menu, (left + 14, top + 14))
    poll("the level menu in front", lambda: desk.active() == menu and desk.clients()[-1] == menu)
    run.desk.click(menu, tables.centre("frm9999inizio", "cmdmolt"))
    run.check(run.opened(chooser_title) == chooser, "the chooser was not the same window")
    # The close box closes the chooser and runs none of its buttons: the level menu stays as it was.
    before = desk.outer(menu)
    subprocess.run(["wmctrl", "-i", "-c", hex(chooser)], env=desk.env, check=True)
    run.gone(chooser_title)
    run.check(desk.find(menu9999_title) == menu and desk.outer(menu) == before,
              "closing the chooser changed the level menu")
    # Fluxbox lists a window of its own, untitled.
    run.check(sorted(t for _, t in desk.titled() if t is not None) == sorted(["other", menu9999_title]),
              "closing the chooser opened or closed another window")
    # "&Fine" while the chooser is shown: the main menu opens in front of the chooser.
    run.desk.click(menu, tables.centre("frm9999inizio", "cmdmolt"))
    chooser = run.opened(chooser_title)
    main = run.replaced(menu, main_title, lambda: run.desk.click(menu, tables.centre("frm9999inizio", "cmdesci")))
    run.gone(menu9999_title)
    run.check(desk.find(chooser_title) == chooser, "the chooser did not stay")
    run.replaced(main, menu999_title, lambda: run.key("space"))
    # Alt+F4 is the window manager's close: "&Fine" would have opened the main menu.
    run.key("alt+F4")
    run.gone(menu999_title)
    run.check(desk.find(main_title) is None, "the window manager's close ran the \"&Fine\" logic")
    # The chooser's "2" and the exercise's "Punteggio" replace a window with another.
    exercise = run.replaced(chooser, tables.title("frm9999moltiplicazioni2"),
                            lambda: run.desk.click(chooser, tables.centre("frm9999scelta", "cmd2")))
    score = run.replaced(exercise, tables.title("frm9999punteggio"), lambda: run.desk.click(
        exercise, tables.centre("frm9999moltiplicazioni2", "cmdpunteggio")))
    run.never_lost(score, tables.title("frm9999punteggio"))
    # Closing the last window on screen ends the program; the exercise window hidden under the
    # score window does not keep it alive.
    subprocess.run(["wmctrl", "-i", "-c", hex(score)], env=desk.env, check=True)
    try:
        code = run.proc.wait(timeout=PATIENCE)
    except subprocess.TimeoutExpired:
        code = None
    run.check(code == 0, "the program did not end by itself with status 0 (status %s)" % code)
    if run.misplaced:
        raise Failure("%d of %d checks failed:\n  %s" % (len(run.misplaced), run.checks, "\n  ".join(run.misplaced)))
    return run.checks


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    layouts.add_argument(parser)
    parser.add_argument("wm", choices=sorted(WINDOW_MANAGERS))
    parser.add_argument("program")
    args = parser.parse_args()
    wm, program = args.wm, args.program
    tmp = tempfile.mkdtemp(prefix="vertola-wm-")
    desk = Desktop()
    # Killed by a time limit, it still takes its X server and window manager along.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        desk.start(wm, tmp)
        checks = scenario(desk, program, wm, args.layouts)
        print("%s: %d checks passed" % (wm, checks))
        shutil.rmtree(tmp, ignore_errors=True)
        return 0
    except Failure as failure:
        if desk.procs:
            shot = os.path.join(tmp, "failure.png")
            desk.screenshot(shot)
            print("screenshot: " + shot, file=sys.stderr)
        print("%s: FAILED: %s" % (wm, failure), file=sys.stderr)
        return 1
    finally:
        desk.close()


if __name__ == "__main__":
    sys.exit(main())
