#!/usr/bin/env python3
"""Runs scripts/make-help.py and scripts/make-tutorial.py into a temporary folder and
compares what they write with the committed resources/help and resources/tutorial:
a text changed without running its generator, or a page edited by hand, fails.
Then checks that every menu path ("Edit > Contrast...") and every key the help of a
language names is one the program's action table has in that language.
Usage: generated-pages.py <source dir>"""
import html
import os
import pathlib
import re
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


LANGS = {"de": 0, "en": 1}  # column of the language table


def action_table(root):
    """Menus (caption -> entries) and shortcuts per language, read from the program's own tables."""
    data = (root / "src/core/language/LanguageData.cpp").read_text(encoding="utf-8")
    texts = {m[1]: (m[2], m[3]) for m in
             re.finditer(r'\{Txt::(\w+),\s*"((?:[^"\\]|\\.)*)",\s*"((?:[^"\\]|\\.)*)"\}', data)}
    acts = (root / "src/core/language/Actions.cpp").read_text(encoding="utf-8")
    actions = {}
    table = acts[acts.index("actionSet{{"):acts.index("}};")]
    for chunk in table.split("{.id = A::")[1:]:
        name, body = chunk.split(",", 1)
        field = lambda f: (re.search(rf'\.{f} = ("[^"]*"|[\w:]+)', body) or [None, None])[1]
        actions[name] = {
            "caption": field("caption").removeprefix("Txt::"),
            "keys": [k.strip('"') for k in (field("shortcut"), field("secondShortcut")) if k],
            "role": (field("shortcutRole") or "always").split("::")[-1],
            "visible": field("visible") != "false",
        }
    arrays = {m[1]: m[2] for m in re.finditer(r"constexpr std::array (\w+)\{(.*?)\};", acts, re.S)}
    menus = {m[1]: (m[2], m[3] == "true", m[4]) for m in
             re.finditer(r"\{MenuId::(\w+), \"\w+\", Txt::(\w+), (true|false), (\w+)\}", acts)}
    plain = lambda t: t.replace("&&", "\0").replace("&", "").replace("\0", "&").replace('\\"', '"')

    tables = {}
    for lang, col in LANGS.items():
        def entries(menu):
            caption, _, array = menus[menu]
            out = {}
            for kind, arg in re.findall(r"(item|submenu)\((?:A|MenuId)::(\w+)\)", arrays[array]):
                if kind == "item":
                    if actions[arg]["visible"]:
                        out[plain(texts[actions[arg]["caption"]][col])] = None
                else:
                    out[plain(texts[menus[arg][0]][col])] = entries(arg)
            return out
        top = {plain(texts[c][col]): entries(m) for m, (c, in_bar, _) in menus.items() if in_bar}
        keys = set()
        wrong_role = "englishOnly" if lang == "de" else "germanOnly"
        for a in actions.values():
            if a["role"] != wrong_role:
                keys.update(k.lower() for k in a["keys"])
        tables[lang] = (top, keys)
    return tables


KEY = re.compile(r"^(?:(?:Ctrl|Strg|Alt|Shift|Umschalt)\+)*(?:F\d{1,2}|[A-Z0-9])$")


def normal_key(k):
    for de, en in (("Strg", "Ctrl"), ("Umschalt", "Shift")):
        k = k.replace(de, en)
    return k.lower()


def check_help_names(root):
    problems = []
    for lang, (menus, keys) in action_table(root).items():
        for page in sorted((root / "resources/help" / lang / "HTML").glob("*.htm")):
            text = page.read_text(encoding="utf-8")
            where = f"resources/help/{lang}/HTML/{page.name}"
            for span in re.findall(r'<span class="ui">(.*?)</span>', text, re.S):
                path = [html.unescape(p).strip() for p in span.split("&gt;")]
                if len(path) < 2:
                    continue
                level = menus
                for part in path:
                    if not isinstance(level, dict) or part not in level:
                        problems.append(f"{where}: menu path \"{' > '.join(path)}\" is not in the menus")
                        break
                    level = level[part]
            named = re.findall(r'<span class="key">(.*?)</span>', text)
            for cell in re.findall(r"<td>(.*?)</td>", text):
                named += [c.strip() for c in re.split(r" / | oder | or ", cell)]
            for k in named:
                k = html.unescape(k).strip()
                if not KEY.match(k) or re.fullmatch(r"(?:Alt\+)?[A-Z]", k):
                    continue  # menu letters are checked by the window's menu test
                if normal_key(k) not in keys:
                    problems.append(f"{where}: key {k} is no shortcut of the {lang} action table")
    return problems


def main():
    root = pathlib.Path(sys.argv[1]).resolve()
    problems = [x for script, folder in GENERATORS for x in compare(root, script, folder)]
    problems += check_help_names(root)
    for x in problems:
        print(x)
    if problems:
        print("Run python3 scripts/make-help.py and python3 scripts/make-tutorial.py and commit the result.")
        return 1
    print("help and tutorial pages match their sources")
    return 0


if __name__ == "__main__":
    sys.exit(main())
