"""The windows' tables as the core writes them at build time (the vertola_layouts target writes
layouts.json in the build tree): a window's title and where its controls are, in pixels of its
client area. Scripts name windows and controls as the tables do ("frmuno", "cmd9999") and keep
no rectangle or unit of their own, so a table that moves a button moves their clicks too."""

import argparse
import json


class Layouts:
    def __init__(self, path):
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
        self.twips_per_pixel = data["twipsPerPixel"]
        self.windows = {window["name"]: window for window in data["windows"]}

    def window(self, name):
        try:
            return self.windows[name]
        except KeyError:
            raise KeyError("the tables have no window %r" % name) from None

    def title(self, window):
        return self.window(window)["caption"]

    def unit(self, window):
        return self.window(window)["unit"]

    def named(self, unit, level=None):
        """The window of a unit at a level, as the rows say: ("LevelMenu", 999) is the level-999 menu."""
        for name, window in self.windows.items():
            if window["unit"] == unit and window["level"] == level:
                return name
        raise KeyError("the tables have no window %s at level %s" % (unit, level))

    def opener(self, window):
        """(menu, button) that opens the window, or None where no menu button does."""
        opener = self.window(window)["opener"]
        return (opener["window"], opener["button"]) if opener else None

    def exercises(self, level):
        """The exercise windows of a level, in the rows' order."""
        return [name for name, window in self.windows.items() if window["scoreCode"] and window["level"] == level]

    def rect(self, window, control):
        """(left, top, width, height) in pixels, each rounded as the desktop rounds it."""
        for design in self.window(window)["controls"]:
            if design["name"] == control:
                return tuple(round(v / self.twips_per_pixel) for v in design["rect"])
        raise KeyError("window %r has no control %r" % (window, control))

    def centre(self, window, control):
        left, top, width, height = self.rect(window, control)
        return left + width // 2, top + height // 2


def load(path):
    try:
        return Layouts(path)
    except (OSError, ValueError, KeyError, TypeError) as error:
        raise argparse.ArgumentTypeError("%s: %s (the build writes it: target vertola_layouts_json)"
                                         % (path, error)) from None


def add_argument(parser):
    """--layouts FILE: the generated file, required, since no script has tables to fall back on."""
    parser.add_argument("--layouts", required=True, type=load, metavar="FILE",
                        help="layouts.json written by the build (target vertola_layouts_json)")
