#!/usr/bin/env python3
"""Writes the tutorial "Colors and Webdesign" / "Farben im Webdesign" into resources/tutorial.

The page names are those of the program's tutorial menu (tutorialSeiten of the language
table), with "/" for the Windows backslash. German and English pages live side by side; the
three names both languages share (index.html, marketing_text.htm, marketing_headlines.htm)
hold both languages, their navigation included. Texts: scripts/tutorialsrc/. Run again after a change:
    python3 scripts/make-tutorial.py
With --out DIR it writes into DIR instead (the test that the committed pages are current).
"""
import argparse
import html
import importlib.util
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
OUT = HERE.parent / "resources" / "tutorial"
SRC = HERE / "tutorialsrc"


def load(name):
    modspec = importlib.util.spec_from_file_location(name, SRC / f"{name}.py")
    mod = importlib.util.module_from_spec(modspec)
    modspec.loader.exec_module(mod)
    return mod


pal = load("palette")
pages_text = load("pages")
TEXT = {"de": load("colours_de").COLOURS, "en": load("colours_en").COLOURS}
ORDER = load("colours_en").ORDER

FILES = {  # key -> (German page, English page), as in tutorialSeiten
    "index": ("index.html", "index.html"),
    "wheel": ("farbkreis_dorva.htm", "colorwheel_dorva.htm"),
    "blue": ("farben/blau.htm", "colors/blue.htm"),
    "red": ("farben/rot.htm", "colors/red.htm"),
    "green": ("farben/gruen.htm", "colors/green.htm"),
    "yellow": ("farben/gelb.htm", "colors/yellow.htm"),
    "orange": ("farben/orange.htm", "colors/orange.htm"),
    "black": ("farben/schwarz.htm", "colors/black.htm"),
    "pink": ("farben/rosa.htm", "colors/pink.htm"),
    "white": ("farben/weiss.htm", "colors/white.htm"),
    "violet": ("farben/violett.htm", "colors/violet.htm"),
    "gold": ("farben/gold.htm", "colors/gold.htm"),
    "silver": ("farben/silber.htm", "colors/silver.htm"),
    "brown": ("farben/braun.htm", "colors/brown.htm"),
    "gray": ("farben/grau.htm", "colors/gray.htm"),
    "terms": ("assoziierte_begriffe.htm", "associated_terms.htm"),
    "popular": ("farben/lieblingsfarben.htm", "colors/popular_colors.htm"),
    "activation": ("aktivierung.htm", "activation.htm"),
    "text": ("marketing_text.htm", "marketing_text.htm"),
    "headlines": ("marketing_headlines.htm", "marketing_headlines.htm"),
}
LANGS = ("de", "en")
WORDS = pages_text.WORDS


def fname(key, lang):
    return FILES[key][LANGS.index(lang)]


def rel(src, dst):
    """Relative link from page src to page dst (both relative to the tutorial folder)."""
    depth = src.count("/")
    return "../" * depth + dst


def link(src, key, lang):
    target = fname(key, lang)
    if key in ("text", "headlines"):
        target += "#" + lang
    return rel(src, target)


# --- colour arithmetic for the contrast figures (WCAG 2 relative luminance) ---
def luminance(hexcol):
    h = hexcol.lstrip("#")
    def ch(v):
        c = int(v, 16) / 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (ch(h[i:i + 2]) for i in (0, 2, 4))
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def ink(bg):
    return "#000000" if luminance(bg) > 0.3 else "#FFFFFF"


def swatch(hexcol, label=""):
    lab = f"<br><small>{html.escape(label)}</small>" if label else ""
    return (f'<div class="sw"><div class="chip" style="background:{hexcol}"></div>'
            f'<code>{hexcol}</code>{lab}</div>')


def sample(fg, bg, text, lang):
    ratio = contrast(fg, bg)
    word = WORDS[lang]["contrast"]
    verdict = WORDS[lang]["good"] if ratio >= 4.5 else (WORDS[lang]["large"] if ratio >= 3 else WORDS[lang]["poor"])
    figure = f"{ratio:.1f}".replace(".", "," if lang == "de" else ".")
    return (f'<div class="sample" style="color:{fg};background:{bg}">{html.escape(text)}'
            f'<span class="meta" style="color:{ink(bg)}">{fg} / {bg} &middot; {word} {figure}:1 &middot; {verdict}</span></div>')


def nav_bar(lang, path, shared):
    w = WORDS[lang]
    mark = f' lang="{lang}"' if shared else ""
    strip = "".join(
        f'<a class="dot" href="{link(path, k, lang)}" title="{html.escape(TEXT[lang][k]["name"])}" '
        f'style="background:{pal.SWATCHES[k][3] if k != "white" else "#FFFFFF"}"></a>' for k in ORDER)
    return (f'<div class="top"{mark}><a href="{rel(path, "index.html")}#{lang}">{w["start"]}</a> &middot; '
            f'<a href="{link(path, "wheel", lang)}">{w["wheel"]}</a> &middot; '
            f'<a href="{link(path, "terms", lang)}">{w["terms"]}</a> &middot; '
            f'<a href="{link(path, "activation", lang)}">{w["activation"]}</a> &middot; '
            f'<a href="{link(path, "text", lang)}">{w["text"]}</a>'
            f'<div class="strip">{strip}</div></div>')


def foot_links(lang, path, prev, nxt):
    foot = []
    if prev:
        foot.append(f'<a href="{link(path, prev, lang)}">&larr; {html.escape(title_of(prev, lang))}</a>')
    if nxt:
        foot.append(f'<a href="{link(path, nxt, lang)}">{html.escape(title_of(nxt, lang))} &rarr;</a>')
    return " &nbsp;|&nbsp; ".join(foot)


def frame(lang, path, title, body, prev=None, nxt=None, shared=False):
    """shared: a page whose name both languages use, so it leads on in both."""
    langs = LANGS if shared else (lang,)
    w = WORDS[lang]
    css = rel(path, "tutorial.css")
    nav = "\n".join(nav_bar(x, path, shared) for x in langs)
    name = " / ".join(WORDS[x]["tutorial"] for x in langs)
    full = title if title == name else f"{title} – {name}"
    links = [f'<p lang="{x}">{foot_links(x, path, prev, nxt)}</p>' if shared else foot_links(x, path, prev, nxt)
             for x in langs if prev or nxt]
    notes = "".join(f'<p class="small" lang="{x}">{WORDS[x]["footer"]}</p>' if shared
                    else f'<p class="small">{WORDS[x]["footer"]}</p>' for x in langs)
    footer = f'<div class="foot">{"".join(links)}{notes}</div>'
    return f"""<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{html.escape(full)}</title>
<link rel="stylesheet" href="{css}">
</head>
<body>
{nav}
<main>
{body.strip()}
</main>
{footer}
</body>
</html>
"""


def title_of(key, lang):
    if key in TEXT[lang]:
        return TEXT[lang][key]["name"]
    return pages_text.TITLES[lang][key]


def colour_page(key, lang):
    t = TEXT[lang][key]
    w = WORDS[lang]
    path = fname(key, lang)
    head = "".join(f'<div style="background:{c}"></div>' for c in pal.SWATCHES[key])
    pos = "".join(f"<li>{html.escape(x)}</li>" for x in t["positive"])
    neg = "".join(f"<li>{html.escape(x)}</li>" for x in t["negative"])
    partners = "".join(swatch(h, w["roles"][r]) for h, r in pal.PARTNERS[key])
    shades = "".join(swatch(h) for h in pal.SWATCHES[key])
    samples = "".join(sample(fg, bg, w["sampletext"], lang) for fg, bg in pal.SAMPLES[key])
    tips = "".join(f"<li>{html.escape(x)}</li>" for x in t["tips"])
    body = f"""
<div class="band">{head}</div>
<h1>{html.escape(t["name"])}</h1>
<p class="lead">{html.escape(t["lead"])}</p>
<h2>{w["associations"]}</h2>
<div class="cols"><div><h3>{w["positive"]}</h3><ul>{pos}</ul></div><div><h3>{w["negative"]}</h3><ul>{neg}</ul></div></div>
<h2>{w["cultures"]}</h2>
<p>{html.escape(t["culture"])}</p>
<h2>{w["combos"]}</h2>
<p>{html.escape(t["combos"])}</p>
{samples}
<h2>{w["partners"]}</h2>
<p>{w["partners_intro"]}</p>
<div class="row">{partners}</div>
<h2>{w["shades"]}</h2>
<div class="row">{shades}</div>
<h2>{w["tips"]}</h2>
<ul>{tips}</ul>
"""
    i = ORDER.index(key)
    prev = ORDER[i - 1] if i > 0 else "wheel"
    nxt = ORDER[i + 1] if i + 1 < len(ORDER) else "terms"
    return path, frame(lang, path, t["name"], body, prev, nxt)


def terms_page(lang):
    w = WORDS[lang]
    path = fname("terms", lang)
    rows = []
    for k in ORDER:
        t = TEXT[lang][k]
        chip = f'<span class="mini" style="background:{pal.SWATCHES[k][3]}"></span>'
        rows.append(f'<tr><td>{chip}<a href="{link(path, k, lang)}">{html.escape(t["name"])}</a></td>'
                    f'<td>{html.escape(", ".join(t["positive"]))}</td><td>{html.escape(", ".join(t["negative"]))}</td></tr>')
    body = pages_text.TERMS[lang].format(rows="\n".join(rows))
    return path, frame(lang, path, pages_text.TITLES[lang]["terms"], body, "gray", "popular")


def simple_page(key, lang, prev, nxt):
    path = fname(key, lang)
    body = pages_text.BODY[lang][key](lambda k: link(path, k, lang), sample)
    return path, frame(lang, path, pages_text.TITLES[lang][key], body, prev, nxt)


def bilingual(key, prev, nxt):
    path = fname(key, "de")
    parts = []
    for lang in LANGS:
        body = pages_text.BODY[lang][key](lambda k, lang=lang: link(path, k, lang), sample)
        parts.append(f'<section id="{lang}" lang="{lang}">{body}</section>')
    switch = '<p class="langs"><a href="#de">Deutsch</a> &middot; <a href="#en">English</a></p>'
    title = pages_text.TITLES["de"][key] + " / " + pages_text.TITLES["en"][key]
    return path, frame("de", path, title, switch + "\n<hr>\n".join(parts), prev, nxt, shared=True)


def index_page():
    cols = []
    for lang in LANGS:
        w = WORDS[lang]
        items = [f'<li><a href="{link("index.html", "wheel", lang)}">{pages_text.TITLES[lang]["wheel"]}</a></li>']
        chips = "".join(
            f'<li><span class="mini" style="background:{pal.SWATCHES[k][3]}"></span>'
            f'<a href="{link("index.html", k, lang)}">{html.escape(TEXT[lang][k]["name"])}</a></li>' for k in ORDER)
        items.append(f'<li>{w["colours"]}<ul class="colours">{chips}</ul></li>')
        for k in ("terms", "popular", "activation", "text", "headlines"):
            items.append(f'<li><a href="{link("index.html", k, lang)}">{pages_text.TITLES[lang][k]}</a></li>')
        cols.append(f'<div id="{lang}" lang="{lang}"><h2>{w["tutorial"]}</h2><p>{w["intro"]}</p>'
                    f'<ul class="toc">{"".join(items)}</ul></div>')
    wheel = pages_text.wheel_svg(160)
    body = f"""
<div class="hero">{wheel}<div><h1>Farben im Webdesign<br><span class="sub">Colors and Webdesign</span></h1>
<p>Tinctora &middot; Tutorial</p></div></div>
<div class="cols">{"".join(cols)}</div>
"""
    return "index.html", frame("de", "index.html", "Farben im Webdesign / Colors and Webdesign", body, shared=True)


def write(path, text):
    p = OUT / path
    p.parent.mkdir(parents=True, exist_ok=True)
    p.write_text(text, encoding="utf-8")
    return path


def main():
    global OUT
    parser = argparse.ArgumentParser(description="Writes the tutorial pages.")
    parser.add_argument("--out", type=pathlib.Path, default=OUT, help="folder to write into (default resources/tutorial)")
    OUT = parser.parse_args().out
    written = [write("tutorial.css", pages_text.CSS)]
    written.append(write(*index_page()))
    for lang in LANGS:
        written.append(write(*simple_page("wheel", lang, None, ORDER[0])))
        for k in ORDER:
            written.append(write(*colour_page(k, lang)))
        written.append(write(*terms_page(lang)))
        written.append(write(*simple_page("popular", lang, "terms", "activation")))
        written.append(write(*simple_page("activation", lang, "popular", "text")))
    written.append(write(*bilingual("text", "activation", "headlines")))
    written.append(write(*bilingual("headlines", "text", None)))
    lines = ["# Written by scripts/make-tutorial.py: every file of the tutorial, relative to resources/tutorial/.",
             "set(TINCTORA_TUTORIAL_FILES"] + [f"  {x}" for x in sorted(set(written))] + [")"]
    (OUT / "files.cmake").write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
