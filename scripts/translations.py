#!/usr/bin/env python3
"""Keeps resources/translations/glyphwright_en.ts in step with the sources.

  translations.py update LUPDATE   adds new source texts to the .ts (unfinished,
                                   for a translator) and drops vanished ones
  translations.py check LUPDATE    fails, listing them, when the sources have a
                                   text the .ts lacks or an entry is unfinished
                                   or no longer in the sources
"""

import pathlib
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

ROOT = pathlib.Path(__file__).resolve().parent.parent
TS_FILE = ROOT / "resources" / "translations" / "glyphwright_en.ts"
# The converter speaks English and has no translations.
SOURCE_DIRS = ["src/core", "src/editor", "src/widgets", "src/ui", "src/app"]
# Without locations, a moved line does not change the .ts.
OPTIONS = ["-extensions", "cpp,h", "-locations", "none", "-source-language", "de_DE", "-target-language", "en_US",
           "-tr-function-alias", "QT_TRANSLATE_NOOP+=GLYPH_TRANSLATE_NOOP", "-silent"]


def run_lupdate(lupdate, ts_file, *extra):
    sources = [str(ROOT / folder) for folder in SOURCE_DIRS]
    subprocess.run([lupdate, *OPTIONS, *extra, *sources, "-ts", str(ts_file)], check=True)


def text_of(element):
    """The text of an element, with the CRs that lupdate writes as <byte value="xd"/>."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def incomplete_entries(ts_file):
    """(context, source, state) of every entry that is not a finished translation."""
    found = []
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            state = translation.get("type") if translation is not None else "unfinished"
            if state is None and not text_of(translation).strip() and not translation.findall("numerusform"):
                state = "empty"
            if state is not None:
                found.append((name, text_of(message.find("source")), state))
    return found


def check(lupdate):
    with tempfile.TemporaryDirectory() as folder:
        merged = pathlib.Path(folder) / TS_FILE.name
        shutil.copyfile(TS_FILE, merged)
        # Texts new in the sources come in unfinished, texts gone from them
        # stay as vanished or obsolete.
        run_lupdate(lupdate, merged)
        problems = incomplete_entries(merged)
    if not problems:
        return 0
    print(f"{TS_FILE.relative_to(ROOT)} is not complete; run "
          "`cmake --build --preset default --target update_translations` and translate:")
    for context, source, state in problems:
        print(f"  [{state}] {context}: {source!r}")
    return 1


def main(argv):
    if len(argv) != 3 or argv[1] not in ("update", "check"):
        print(__doc__, file=sys.stderr)
        return 2
    if argv[1] == "update":
        run_lupdate(argv[2], TS_FILE, "-no-obsolete")
        return 0
    return check(argv[2])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
