#!/usr/bin/python3
"""The real program on a private X server without a window manager: the main menu shows its
final look from the moment the server maps it, before the program has painted anything, and
the server reports no error about it.

    first_look_test.py /path/to/vertola

The program is stopped as soon as its window is mapped, so that what is read then is what the
server itself filled the window with.
"""

import os
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from window_manager_test import MAIN, PATIENCE, Desktop, Failure  # noqa: E402


def pixels(window):
    g = window.get_geometry()
    return window.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF).data


def main():
    program = sys.argv[1]
    desk = Desktop()
    with tempfile.TemporaryDirectory() as tmp:
        try:
            desk.start(None, tmp)
            desk.root.change_attributes(event_mask=X.SubstructureNotifyMask)
            desk.d.sync()
            errors = open(os.path.join(tmp, "stderr"), "w+")
            proc = subprocess.Popen([program], env=desk.env, stdout=subprocess.DEVNULL, stderr=errors)
            deadline = time.monotonic() + PATIENCE
            mapped = None
            while mapped is None:
                if time.monotonic() > deadline or proc.poll() is not None:
                    raise Failure("the main menu was never mapped")
                ev = desk.d.next_event()
                if ev.type == X.MapNotify and not ev.override:
                    os.kill(proc.pid, signal.SIGSTOP)
                    mapped = ev.window
            if desk.title(mapped.id) != MAIN:
                raise Failure("the first window mapped is %r" % desk.title(mapped.id))
            at_map = pixels(mapped)
            os.kill(proc.pid, signal.SIGCONT)
            time.sleep(1.0)  # painted, focused, and the look given back to the program
            final = pixels(mapped)
            proc.terminate()
            proc.wait(timeout=10)
            errors.seek(0)
            log = errors.read()
            if at_map != final:
                differing = sum(1 for i in range(0, len(final), 4) if at_map[i:i + 3] != final[i:i + 3])
                raise Failure("at its map the main menu differs from its final look in %d pixels" % differing)
            if "error" in log.lower():
                raise Failure("the program reported: " + log)
        finally:
            desk.close()
    print("the main menu looks final from its map")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL:", failure)
        sys.exit(1)
