#!/usr/bin/env python3
"""Every text of the program has a finished translation in each .ts file, with the
same %1 … %9 as its English source.

Runs lupdate on the sources as the update_translations target does, but into copies
of the .ts files, so that a text added to the sources without its translations
fails here.
Usage: check_translations.py LUPDATE SOURCE_LIST TS_FILE... -- LUPDATE_OPTION...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%[1-9]")


def problems_of(ts_path):
    problems, finished = [], 0
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            text = translation.text if translation is not None else None
            if not text or translation.get("type") == "unfinished":
                problems.append(f"{name}: no translation of {source!r}")
            elif set(PLACEHOLDER.findall(source)) != set(PLACEHOLDER.findall(text)):
                problems.append(f"{name}: {text!r} does not keep the %1 … of {source!r}")
            else:
                finished += 1
    return problems, finished


def main():
    split = sys.argv.index("--")
    lupdate, source_list, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:split]
    with tempfile.TemporaryDirectory() as work:
        copies = [shutil.copy(ts, os.path.join(work, os.path.basename(ts))) for ts in ts_files]
        run = subprocess.run([lupdate, "@" + source_list, *sys.argv[split + 1:], "-ts", *copies],
                             capture_output=True, text=True)
        print(run.stdout, run.stderr, sep="")
        if run.returncode != 0:
            return 1
        failed = False
        for copy in copies:
            problems, finished = problems_of(copy)
            print(f"{os.path.basename(copy)}: {finished} texts translated, {len(problems)} not")
            for problem in problems:
                print("  " + problem)
            failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
