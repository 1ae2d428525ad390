#!/usr/bin/python3
"""Lists the includes that run back up the floors of src/: each folder may include only folders on a
lower floor and itself, so a change on one floor never reaches down to those beneath it.

Usage: check_layers.py [SRC]   (exits 1 when any include runs back up)
"""
import pathlib
import re
import sys

# Lowest floor first. Folders on one floor do not include each other either.
FLOORS = [
    ["arithmetic"],  # the numeric reading, the random source, the draws and their judging
    ["shell"],  # window states and the program's rules for opening and closing them
    ["frame"],  # the frame every exercise window shares
    ["exercises", "score"],  # the windows themselves
    ["program"],  # the composition root: the registry of every window
    ["ui", "web"],  # the two faces
    ["app"],
]
FLOOR = {folder: level for level, folders in enumerate(FLOORS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/', re.MULTILINE)
SOURCES = {".h", ".hpp", ".cpp"}


def back_up_includes(src):
    """(file, included folder) for every include of a folder on the same floor or above."""
    src = pathlib.Path(src)
    found = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in SOURCES or not path.is_file():
            continue
        folder = path.relative_to(src).parts[0]
        if folder not in FLOOR:
            found.append((str(path.relative_to(src)), "(a folder on no floor)"))
            continue
        for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if included == folder or included not in FLOOR:
                continue
            if FLOOR[included] >= FLOOR[folder]:
                found.append((str(path.relative_to(src)), included))
    return found


def main(argv):
    src = argv[1] if len(argv) > 1 else pathlib.Path(__file__).resolve().parents[2] / "src"
    found = back_up_includes(src)
    for path, included in found:
        print(f"{path} includes {included}/, which is not below it")
    print(f"{len(found)} includes run back up")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
