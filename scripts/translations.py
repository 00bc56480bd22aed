#!/usr/bin/env python3
"""The program's translations (translations/corvanta_<lang>.ts).

  translations.py check  [--lupdate PATH]  every text of the code translated in
                                          every .ts file, placeholders kept
  translations.py update [--lupdate PATH]  brings the .ts files in step with the
                                          code and prints the texts still to
                                          translate as a table for `fill`
  translations.py fill TABLE.json          {"de": {"source": "translation"}, ...}
                                          into the .ts files (every context)
"""
import argparse
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The folders of the program whose texts the user sees.
SOURCES = ["base", "device", "songs", "audio", "firmware", "songio", "app", "cli"]
PLACEHOLDER = re.compile(r"%L?(\d{1,2})")


def ts_files():
    return sorted(glob.glob(os.path.join(ROOT, "translations", "corvanta_*.ts")))


def language(path):
    return os.path.basename(path)[len("corvanta_"):-len(".ts")]


def run_lupdate(lupdate, targets):
    sources = [os.path.join(ROOT, s) for s in SOURCES]
    subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", *sources, "-ts", *targets],
                   check=True, stdout=subprocess.DEVNULL)


def messages(path):
    """(context, source) -> (translation or None when unfinished)."""
    result = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            done = translation.get("type") not in ("unfinished", "obsolete", "vanished") and translation.text
            result[(name, message.findtext("source"))] = translation.text if done else None
    return result


def problems(shipped, current):
    """What is wrong with a shipped file, given the file lupdate made from the code."""
    found = []
    wanted, have = messages(current), messages(shipped)
    for (context, source) in sorted(set(wanted) - set(have)):
        found.append(f"not in the file: {context}: {source!r}")
    for (context, source) in sorted(set(have) - set(wanted)):
        found.append(f"no longer in the code: {context}: {source!r}")
    for (context, source), translation in sorted(have.items()):
        if translation is None:
            found.append(f"unfinished: {context}: {source!r}")
        elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
            found.append(f"placeholders differ: {context}: {source!r} -> {translation!r}")
    return found


def check(lupdate):
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        copies = [shutil.copy(path, scratch) for path in ts_files()]
        run_lupdate(lupdate, copies)
        for path, copy in zip(ts_files(), copies):
            for problem in problems(path, copy):
                print(f"{os.path.basename(path)}: {problem}")
                failed = True
    if not ts_files():
        print("no .ts files")
        failed = True
    print("translations: " + ("FAILED" if failed else "every text translated"))
    return 1 if failed else 0


def update(lupdate):
    run_lupdate(lupdate, ts_files())
    todo = {language(p): {s: "" for (c, s), t in messages(p).items() if t is None} for p in ts_files()}
    todo = {lang: texts for lang, texts in todo.items() if texts}
    print(json.dumps(todo, ensure_ascii=False, indent=1) if todo else "every text translated")
    return 0


def fill(table_path, lupdate):
    table = json.load(open(table_path, encoding="utf-8"))
    for path in ts_files():
        texts = table.get(language(path), {})
        tree = ET.parse(path)
        for message in tree.getroot().iter("message"):
            translation = message.find("translation")
            text = texts.get(message.findtext("source"))
            if text:
                translation.text = text
                translation.attrib.pop("type", None)
        with open(path, "w", encoding="utf-8") as out:
            out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
            out.write(ET.tostring(tree.getroot(), encoding="unicode"))
    run_lupdate(lupdate, ts_files())  # lupdate's own layout again
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("command", choices=["check", "update", "fill"])
    parser.add_argument("table", nargs="?")
    parser.add_argument("--lupdate", default=shutil.which("lupdate") or "/usr/lib/qt5/bin/lupdate")
    args = parser.parse_args()
    if args.command == "check":
        return check(args.lupdate)
    if args.command == "update":
        return update(args.lupdate)
    if not args.table:
        parser.error("fill needs a table")
    return fill(args.table, args.lupdate)


if __name__ == "__main__":
    sys.exit(main())
