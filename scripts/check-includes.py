#!/usr/bin/env python3
"""Checks that includes point down the floors of the program.

Every folder may include its own headers and those of the floors below it.
Faces (app/, cli/) never include each other, nothing below a face includes
one, and the virtual pedal is a peer that the program never includes.
Prints each include against these directions and exits 1 when there is one.
"""
import pathlib
import re
import sys

ALLOWED = {
    "base": {"base"},
    "device": {"base", "device"},
    "songs": {"base", "device", "songs"},
    "audio": {"base", "device", "audio"},
    "firmware": {"base", "device", "firmware"},
    "songio": {"base", "device", "songs", "audio", "songio"},
    "app": {"base", "device", "songs", "audio", "firmware", "songio", "app"},
    "cli": {"base", "device", "songs", "audio", "firmware", "songio", "cli"},
    "emulator": {"base", "device", "songs", "emulator"},
    "tools/fwpack": {"tools/fwpack"},
}
SOURCES = ("*.h", "*.cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_files(root, folder):
    return [p for pattern in SOURCES for p in (root / folder).glob(pattern)]


def header_owners(root):
    owners = {}
    for folder in ALLOWED:
        for path in folder_files(root, folder):
            if path.suffix == ".h":
                owners.setdefault(path.name, set()).add(folder)
    return owners


def violations(root):
    owners = header_owners(root)
    for name, folders in sorted(owners.items()):
        if len(folders) > 1:
            yield f"{name} exists in {', '.join(sorted(folders))}: includes are ambiguous"
    for folder, allowed in ALLOWED.items():
        for path in sorted(folder_files(root, folder)):
            for header in INCLUDE.findall(path.read_text(encoding="utf-8")):
                for owner in owners.get(pathlib.PurePath(header).name, ()):
                    if owner not in allowed:
                        yield f"{path.relative_to(root)} includes {header} from {owner}/"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    found = list(violations(root))
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
