#!/usr/bin/env python3
"""Writes the help pages of both languages and their Qt Help projects.

The texts live in scripts/helpsrc/pages_de.py and pages_en.py; this script gives
every page the same frame (navigation, stylesheet) and writes
  resources/help/<lang>/HTML/*.htm        the pages
  resources/help/<lang>/manual-<lang>.qhp the Qt Help project (contents, index, files)
  resources/help/files.cmake              the file lists the build compiles
Run it again after changing a text:  python3 scripts/make-help.py
With --out DIR it writes into DIR instead (the test that the committed pages are current).
"""
import argparse
import html
import importlib.util
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
HELP = ROOT / "resources" / "help"
OUT = HELP
SRC = pathlib.Path(__file__).resolve().parent / "helpsrc"

FRAME = {
    "de": {"contents": "Inhalt", "prev": "Zurück", "next": "Weiter", "title": "Tinctora-Hilfe"},
    "en": {"contents": "Contents", "prev": "Previous", "next": "Next", "title": "Tinctora Help"},
}


def load(lang):
    modspec = importlib.util.spec_from_file_location(f"pages_{lang}", SRC / f"pages_{lang}.py")
    mod = importlib.util.module_from_spec(modspec)
    modspec.loader.exec_module(mod)
    return mod


def nav(lang, pages, i):
    f = FRAME[lang]
    parts = [f'<a href="index.htm">{f["contents"]}</a>']
    if i > 0:
        parts.append(f'<a href="{pages[i - 1]["file"]}">&larr; {html.escape(pages[i - 1]["title"])}</a>')
    if i + 1 < len(pages):
        parts.append(f'<a href="{pages[i + 1]["file"]}">{html.escape(pages[i + 1]["title"])} &rarr;</a>')
    return '<p class="nav">' + " &nbsp;|&nbsp; ".join(parts) + "</p>"


def page(lang, title, body, navline):
    return f"""<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<title>{html.escape(title)}</title>
<link rel="stylesheet" type="text/css" href="help.css">
</head>
<body>
{navline}
<h1>{html.escape(title)}</h1>
{body.strip()}
<hr>
{navline}
</body>
</html>
"""


def write(path, text):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text, encoding="utf-8")


def build(lang):
    mod = load(lang)
    pages = mod.PAGES
    f = FRAME[lang]
    base = OUT / lang
    files = []
    for i, p in enumerate(pages):
        write(base / "HTML" / p["file"], page(lang, p["title"], p["body"], nav(lang, pages, i)))
        files.append("HTML/" + p["file"])
    # The contents page: the introduction and every page by section.
    items = []
    for section, members in mod.SECTIONS:
        items.append(f"<h2>{html.escape(section)}</h2>\n<ul class=\"toc\">")
        for name in members:
            p = next(x for x in pages if x["file"] == name)
            items.append(f'<li><a href="{p["file"]}">{html.escape(p["title"])}</a> &ndash; {p["summary"]}</li>')
        items.append("</ul>")
    first = f'<p class="nav"><a href="{pages[0]["file"]}">{html.escape(pages[0]["title"])} &rarr;</a></p>'
    write(base / "HTML" / "index.htm",
          page(lang, f["title"], mod.INTRO + "\n" + "\n".join(items), first))
    files.insert(0, "HTML/index.htm")
    # The pictures are made by scripts/help-screenshots.sh, not here: listed from the committed folder.
    shots = HELP / lang / "HTML" / "images"
    images = sorted("HTML/images/" + p.name for p in shots.glob("*.png"))
    files += images

    # Qt Help project.
    toc = [f'      <section title="{html.escape(f["title"])}" ref="HTML/index.htm">']
    for section, members in mod.SECTIONS:
        first_page = members[0]
        toc.append(f'        <section title="{html.escape(section)}" ref="HTML/{first_page}">')
        for name in members:
            p = next(x for x in pages if x["file"] == name)
            toc.append(f'          <section title="{html.escape(p["title"])}" ref="HTML/{name}"/>')
        toc.append("        </section>")
    toc.append("      </section>")
    keywords = []
    for p in pages:
        for k in p["keywords"]:
            keywords.append(f'      <keyword name="{html.escape(k)}" ref="HTML/{p["file"]}"/>')
    qhp = f"""<?xml version="1.0" encoding="UTF-8"?>
<QtHelpProject version="1.0">
  <namespace>org.tinctora.manual.{lang}</namespace>
  <virtualFolder>doc</virtualFolder>
  <filterSection>
    <toc>
{chr(10).join(toc)}
    </toc>
    <keywords>
{chr(10).join(keywords)}
    </keywords>
    <files>
{chr(10).join("      <file>" + x + "</file>" for x in files + ["HTML/help.css"])}
    </files>
  </filterSection>
</QtHelpProject>
"""
    write(base / f"manual-{lang}.qhp", qhp)
    return [f"manual-{lang}.qhp"] + files


def main():
    global OUT
    parser = argparse.ArgumentParser(description="Writes the help pages and their Qt Help projects.")
    parser.add_argument("--out", type=pathlib.Path, default=HELP, help="folder to write into (default resources/help)")
    OUT = parser.parse_args().out
    lists = {lang: build(lang) for lang in ("de", "en")}
    out = ["# Written by scripts/make-help.py: the help files of each language, relative to",
           "# resources/help/<lang>/ (help.css is shared and copied in by the build)."]
    for lang, files in lists.items():
        out.append(f"set(TINCTORA_HELP_FILES_{lang}")
        out += [f"  {x}" for x in files]
        out.append(")")
    write(OUT / "files.cmake", "\n".join(out) + "\n")


if __name__ == "__main__":
    main()
