#!/usr/bin/python3
"""The tables the build writes for the scripts (layouts.json) say what the core's tables say, and
hold every window and control the scripts click by name.

    layouts_test.py build/.../layouts.json
"""
import argparse
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layouts  # noqa: E402

PATH = None  # the generated file, from the command line


def clicked(tables):
    """Every (window, control) that window_manager_test.py, start_soak.py and bench/open_windows.py
    click: each menu button the rows name as an opener, and the frame's and the score windows'
    buttons by their names. A name the core drops or renames stops the scripts, so it is caught here
    first."""
    pairs = [tables.opener(name) for name in tables.windows if tables.opener(name)]
    for level in (999, 9999):
        pairs.append((tables.named("LevelMenu", level), "cmdesci"))
        pairs += [(window, "cmdfine") for window in tables.exercises(level)]
        pairs.append((tables.named("Addition", level), "cmdpunteggio"))
        pairs += [(tables.named("Score", level), c) for c in ("cmdcalcola", "cmdok")]
    return pairs + [("frm9999inizio", "Picture1")]


# A few controls as the core's tables place them (twips: left, top, width, height), and the pixel
# the scripts click: the middle of the rectangle rounded to pixels as the desktop rounds it.
PLACED = [
    ("frmuno", "cmd9999", [3360, 4080, 1455, 1215], (272, 312)),
    ("frm9999inizio", "cmdmolt", [3480, 3720, 1095, 1095], (268, 284)),
    ("frm9999inizio", "cmdesci", [2880, 5280, 975, 375], (224, 364)),
    ("frm9999scelta", "cmd2", [2880, 960, 1215, 375], (232, 76)),
    ("frm999punteggio", "cmdcalcola", [1320, 1920, 1815, 1215], (148, 168)),
]


class GeneratedLayouts(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tables = layouts.Layouts(PATH)

    def test_units_and_windows(self):
        self.assertEqual(self.tables.twips_per_pixel, 15)
        self.assertEqual(len(self.tables.windows), 15)
        self.assertEqual(self.tables.title("frmuno"), "Operazioni in vertola")
        self.assertEqual(self.tables.title("frm9999moltiplicazioni2"),
                         "Moltiplicazioni in vertola con 2 cifre al moltiplicatore")

    def test_the_rows_lead_every_script_through_the_menus(self):
        t = self.tables
        self.assertEqual(t.named("MainMenu"), "frmuno")
        self.assertEqual([t.named("LevelMenu", level) for level in (999, 9999)], ["frm999inizio", "frm9999inizio"])
        self.assertEqual(t.opener("frm9999moltiplicazioni2"), ("frm9999scelta", "cmd2"))
        self.assertIsNone(t.opener("frm999punteggio"))
        self.assertEqual(len(t.exercises(999)) + len(t.exercises(9999)), 9)
        for level in (999, 9999):
            for window in t.exercises(level):
                menu = t.opener(window)[0]
                self.assertEqual(t.window(menu)["level"], level, window)
                self.assertIn(t.unit(menu), ("LevelMenu", "Chooser"), window)
        with self.assertRaisesRegex(KeyError, "Chooser at level 999"):
            t.named("Chooser", 999)

    def test_every_clicked_control_is_there_inside_its_window(self):
        for window, control in clicked(self.tables):
            with self.subTest(window=window, control=control):
                x, y = self.tables.centre(window, control)
                table = self.tables.window(window)
                self.assertTrue(0 < x < table["clientWidth"] / self.tables.twips_per_pixel
                                and 0 < y < table["clientHeight"] / self.tables.twips_per_pixel)

    def test_rectangles_are_the_cores(self):
        for window, control, twips, centre in PLACED:
            with self.subTest(window=window, control=control):
                design = next(c for c in self.tables.window(window)["controls"] if c["name"] == control)
                self.assertEqual(design["rect"], twips)
                self.assertEqual(self.tables.centre(window, control), centre)

    def test_unknown_names_say_which(self):
        with self.assertRaisesRegex(KeyError, "cmdnone"):
            self.tables.rect("frmuno", "cmdnone")
        with self.assertRaisesRegex(KeyError, "frmnone"):
            self.tables.title("frmnone")

    def test_a_file_that_is_not_the_tables_is_refused_by_name(self):
        with tempfile.NamedTemporaryFile("w", suffix=".json") as f:
            f.write('[{"name": "frmuno"}]')
            f.flush()
            with self.assertRaisesRegex(argparse.ArgumentTypeError, f.name):
                layouts.load(f.name)


if __name__ == "__main__":
    PATH = sys.argv.pop(1)
    unittest.main()
