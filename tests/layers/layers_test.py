#!/usr/bin/python3
"""The floors of src/ hold in the real tree, and the check catches each way of breaking them."""
import pathlib
import tempfile
import unittest

from check_layers import back_up_includes

SRC = pathlib.Path(__file__).resolve().parents[2] / "src"


def tree(files):
    """A throwaway src/ holding the given {path: text} files."""
    root = tempfile.TemporaryDirectory()
    for path, text in files.items():
        file = pathlib.Path(root.name) / path
        file.parent.mkdir(parents=True, exist_ok=True)
        file.write_text(text, encoding="utf-8")
    return root


class Layers(unittest.TestCase):
    def test_no_include_runs_back_up_in_the_sources(self):
        self.assertEqual(back_up_includes(SRC), [])

    def test_each_kind_of_include(self):
        cases = [
            # (file, its text, what the check reports)
            ("frame/a.h", '#include "shell/window.h"\n#include "frame/b.h"\n#include <vector>\n', []),
            ("program/r.cpp", '#include "exercises/e.h"\n#include "score/s.h"\n', []),
            ("shell/r.cpp", '#include "exercises/e.h"\n', [("shell/r.cpp", "exercises")]),
            ("frame/w.h", '  #  include "exercises/operation.h"\n', [("frame/w.h", "exercises")]),
            ("score/s.cpp", '#include "exercises/e.h"\n', [("score/s.cpp", "exercises")]),
            ("exercises/e.cpp", '#include "program/r.h"\n', [("exercises/e.cpp", "program")]),
            ("ui/v.cpp", '#include "web/bridge/b.h"\n', [("ui/v.cpp", "web")]),
            ("stray/x.cpp", "", [("stray/x.cpp", "(a folder on no floor)")]),
        ]
        for path, text, expected in cases:
            with self.subTest(path=path, text=text), tree({path: text}) as root:
                self.assertEqual(back_up_includes(root), expected)


if __name__ == "__main__":
    unittest.main()
