#!/usr/bin/env python3
"""Runs scripts/make-help.py and scripts/make-tutorial.py into a temporary folder and
compares what they write with the committed resources/help and resources/tutorial:
a text changed without running its generator, or a page edited by hand, fails.
Usage: generated-pages.py <source dir>"""
import os
import pathlib
import subprocess
import sys
import tempfile

GENERATORS = (("make-help.py", "resources/help"), ("make-tutorial.py", "resources/tutorial"))
# What a generator writes; other files there (help.css, the help's pictures) are made by hand or elsewhere.
WRITTEN = {".htm", ".html", ".qhp", ".cmake"}


def compare(root, script, committed_dir):
    problems = []
    committed = root / committed_dir
    with tempfile.TemporaryDirectory() as tmp:
        out = pathlib.Path(tmp)
        env = dict(os.environ, PYTHONDONTWRITEBYTECODE="1")
        subprocess.run([sys.executable, "-B", str(root / "scripts" / script), "--out", tmp], check=True, env=env)
        written = {p.relative_to(out) for p in out.rglob("*") if p.is_file()}
        for rel in sorted(written):
            mine = committed / rel
            if not mine.is_file():
                problems.append(f"{committed_dir}/{rel}: written by {script} but not committed")
            elif mine.read_bytes() != (out / rel).read_bytes():
                problems.append(f"{committed_dir}/{rel}: differs from what {script} writes")
    for p in sorted(committed.rglob("*")):
        if p.is_file() and p.suffix in WRITTEN and p.relative_to(committed) not in written:
            problems.append(f"{committed_dir}/{p.relative_to(committed)}: committed but no longer written by {script}")
    return problems


def main():
    root = pathlib.Path(sys.argv[1]).resolve()
    problems = [x for script, folder in GENERATORS for x in compare(root, script, folder)]
    for x in problems:
        print(x)
    if problems:
        print("Run python3 scripts/make-help.py and python3 scripts/make-tutorial.py and commit the result.")
        return 1
    print("help and tutorial pages match their sources")
    return 0


if __name__ == "__main__":
    sys.exit(main())
