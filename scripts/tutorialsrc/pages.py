"""Texts of the tutorial pages other than the thirteen colour pages, the shared
stylesheet and the colour wheel drawing."""
import colorsys
import math

WORDS = {
    "de": dict(tutorial="Farben im Webdesign", start="Startseite", wheel="Farbkreis", terms="Begriffe",
               activation="Reizkategorien", text="Text &amp; Headlines", colours="Die Farben:",
               associations="Assoziationen", positive="Positiv", negative="Negativ",
               cultures="In verschiedenen Kulturen", combos="In Kombination", partners="Gute Partner auf dem Farbband",
               partners_intro="Farben, die gut zu dieser Farbe passen; in Tinctora finden Sie solche Partner mit den Harmonie-Modi (Komplement: Zweier-Harmonie, geteiltes Komplement: Dreier-Harmonie, Nachbarn: Farbreihe).",
               shades="Abstufungen", tips="Praxistipps", contrast="Kontrast", good="gut lesbar",
               large="nur für große Schrift", poor="schwer lesbar", sampletext="Beispieltext auf Hintergrund",
               footer="Farbwirkungen sind kulturell und persönlich verschieden: Die Angaben beschreiben verbreitete Assoziationen, keine Gesetze.",
               intro="Wie Farben wirken und wie man sie kombiniert: vom Farbkreis über die Bedeutung einzelner Farben bis zu Text und Überschriften.",
               roles=dict(complement="Komplement", split="geteiltes Komplement", neighbour="Nachbar", neutral="neutral",
                          earth="Erdton", accent="Akzent", metal="Metallton")),
    "en": dict(tutorial="Colors and Webdesign", start="Start page", wheel="Color wheel", terms="Terms",
               activation="Emotional stimuli", text="Text &amp; headlines", colours="The colours:",
               associations="Associations", positive="Positive", negative="Negative",
               cultures="Across cultures", combos="In combination", partners="Good partners on the colour band",
               partners_intro="Colours that go well with this one; in Tinctora you find such partners with the harmony modes (complement: 2-colour harmony, split complement: 3-colour harmony, neighbours: colour row).",
               shades="Shades and tints", tips="Tips for practice", contrast="contrast", good="easy to read",
               large="large text only", poor="hard to read", sampletext="Sample text on background",
               footer="How colours are felt differs between cultures and people: these pages describe common associations, not laws.",
               intro="How colours work and how to combine them: from the colour wheel and the meaning of single colours to text and headlines.",
               roles=dict(complement="complement", split="split complement", neighbour="neighbour", neutral="neutral",
                          earth="earth tone", accent="accent", metal="metal tone")),
}

TITLES = {
    "de": dict(wheel="Der Farbkreis", terms="Aufstellung der assoziierten Begriffe",
               popular="Beliebteste und unbeliebteste Farben", activation="Reizkategorien",
               text="Farbe im Fließtext", headlines="Farbe in Headlines"),
    "en": dict(wheel="The colour wheel", terms="List of associated terms",
               popular="Most popular and least popular colours", activation="Categories of emotional stimuli",
               text="Colour in flow text", headlines="Colour in headlines"),
}


def wheel_svg(size, labels=None):
    """A 12-part colour wheel as inline SVG (screen hues, red at the top, clockwise)."""
    c = size / 2
    r_out, r_in = size * 0.48, size * 0.22
    parts = [f'<svg class="wheel" xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">']
    for i in range(12):
        a0 = math.radians(i * 30 - 90 - 15)
        a1 = math.radians(i * 30 - 90 + 15)
        r, g, b = colorsys.hsv_to_rgb(i / 12, 0.9, 0.95)
        col = "#%02X%02X%02X" % (round(r * 255), round(g * 255), round(b * 255))
        pts = [(c + r_out * math.cos(a0), c + r_out * math.sin(a0)), (c + r_out * math.cos(a1), c + r_out * math.sin(a1)),
               (c + r_in * math.cos(a1), c + r_in * math.sin(a1)), (c + r_in * math.cos(a0), c + r_in * math.sin(a0))]
        d = (f"M{pts[0][0]:.1f},{pts[0][1]:.1f} A{r_out:.1f},{r_out:.1f} 0 0 1 {pts[1][0]:.1f},{pts[1][1]:.1f} "
             f"L{pts[2][0]:.1f},{pts[2][1]:.1f} A{r_in:.1f},{r_in:.1f} 0 0 0 {pts[3][0]:.1f},{pts[3][1]:.1f} Z")
        parts.append(f'<path d="{d}" fill="{col}" stroke="#ffffff" stroke-width="1.5"/>')
        if labels:
            am = math.radians(i * 30 - 90)
            rm = (r_out + r_in) / 2
            parts.append(f'<text x="{c + rm * math.cos(am):.1f}" y="{c + rm * math.sin(am) + 4:.1f}" '
                         f'text-anchor="middle" font-size="{size * 0.045:.0f}" fill="#ffffff">{labels[i]}</text>')
    parts.append("</svg>")
    return "".join(parts)


def harmony_svg(size, angles):
    """A small wheel with lines to the given angles (degrees clockwise from the top)."""
    c = size / 2
    s = [wheel_svg(size).replace("</svg>", "")]
    for a in angles:
        rad = math.radians(a - 90)
        s.append(f'<line x1="{c}" y1="{c}" x2="{c + size * 0.47 * math.cos(rad):.1f}" y2="{c + size * 0.47 * math.sin(rad):.1f}" '
                 f'stroke="#222222" stroke-width="2.5"/>')
        s.append(f'<circle cx="{c + size * 0.35 * math.cos(rad):.1f}" cy="{c + size * 0.35 * math.sin(rad):.1f}" r="{size * 0.05:.1f}" '
                 f'fill="none" stroke="#222222" stroke-width="2"/>')
    s.append(f'<circle cx="{c}" cy="{c}" r="{size * 0.2:.1f}" fill="#ffffff"/></svg>')
    return "".join(s)


def _harmonies(lang):
    items = {
        "de": [("Zweier-Harmonie (Komplement)", [0, 180], "Zwei gegenüberliegende Farbtöne: größter Farbkontrast, lebendig, aber schnell unruhig, wenn beide gleich groß und gleich kräftig sind."),
               ("Dreier-Harmonie (geteiltes Komplement)", [0, 159, 201], "Die Grundfarbe und die beiden Nachbarn ihres Komplements: fast so kontrastreich, aber ausgewogener."),
               ("Vierer-Harmonie (Rechteck)", [0, 60, 180, 240], "Zwei Komplementärpaare: reich an Farben; meist wirkt es am besten, wenn eine Farbe dominiert."),
               ("Farbreihe (Nachbarfarben)", [330, 345, 0, 15, 30], "Benachbarte Farbtöne: ruhig und harmonisch, mit wenig Spannung.")],
        "en": [("2-colour harmony (complement)", [0, 180], "Two opposite hues: the strongest hue contrast, lively, but restless when both are equally large and strong."),
               ("3-colour harmony (split complement)", [0, 159, 201], "The base colour and the two neighbours of its complement: nearly as much contrast, but more balanced."),
               ("4-colour harmony (rectangle)", [0, 60, 180, 240], "Two complementary pairs: rich in colour; usually best when one colour dominates."),
               ("Colour row (analogous colours)", [330, 345, 0, 15, 30], "Neighbouring hues: calm and harmonious, with little tension.")],
    }[lang]
    return "".join(f'<div class="harm">{harmony_svg(110, a)}<div><h3>{t}</h3><p>{d}</p></div></div>' for t, a, d in items)


def wheel_de(link, sample):
    return f"""
<h1>Der Farbkreis</h1>
<div class="hero">{wheel_svg(220)}<div>
<p class="lead">Der Farbkreis ordnet die Farbtöne im Kreis: Rot, Orange, Gelb, Grün, Cyan, Blau, Violett, Magenta und wieder Rot.
Wer die Lage zweier Farben auf dem Kreis kennt, kann ihr Zusammenspiel vorhersagen.</p>
<p>Das Farbband von Tinctora ist dieser Kreis, aufgeschnitten und gerade gelegt: Seine 678 Stellen laufen einmal herum,
und das kleine Winkelbild im Programm zeigt den Kreis wieder rund, mit der gewählten Farbe oben.</p></div></div>
<h2>Grundfarben am Bildschirm und auf Papier</h2>
<p>Bildschirme mischen Licht: Aus Rot, Grün und Blau entstehen alle Farben, zusammen ergeben sie Weiß (additive Mischung).
Druckfarben und Pigmente verschlucken Licht: Cyan, Magenta und Gelb ergeben zusammen fast Schwarz (subtraktive Mischung).
Darum wirken Bildschirmfarben leuchtender als gedruckte, und eine Farbe, die am Monitor strahlt, kann auf Papier matt werden.
Der Bandtyp „Real“ in Tinctora zeigt gedämpfte, pigmentähnliche Töne, „Luminös“ die voll gesättigten Bildschirmfarben.</p>
<h2>Farbton, Sättigung, Helligkeit</h2>
<p>Jede Farbe lässt sich durch drei Eigenschaften beschreiben: den <b>Farbton</b> (die Stelle auf dem Kreis), die <b>Sättigung</b>
(wie rein und kräftig sie ist) und die <b>Helligkeit</b>. Das Hell/Dunkel-Feld in Tinctora mischt den Farbton mit Weiß und Schwarz
und verändert so Helligkeit und Sättigung zugleich.</p>
<h2>Warme und kalte Farben</h2>
<p>Rot, Orange und Gelb gelten als warm: Sie wirken nah, aktiv und lebendig. Blau, Cyan und Blaugrün gelten als kalt: Sie wirken
fern, ruhig und sachlich. Grün und Violett liegen dazwischen und kippen je nach Anteil zur einen oder anderen Seite.</p>
<h2>Harmonien auf dem Kreis</h2>
{_harmonies("de")}
<p>Mehr dazu, was einzelne Farben ausdrücken, finden Sie bei den <a href="{link("blue")}">Farben</a> und in der
<a href="{link("terms")}">Aufstellung der assoziierten Begriffe</a>.</p>
"""


def wheel_en(link, sample):
    return f"""
<h1>The colour wheel</h1>
<div class="hero">{wheel_svg(220)}<div>
<p class="lead">The colour wheel arranges the hues in a circle: red, orange, yellow, green, cyan, blue, violet, magenta and back to red.
If you know where two colours lie on the wheel, you can predict how they will work together.</p>
<p>Tinctora's colour band is this wheel, cut open and laid straight: its 678 positions run once round it, and the small angle
image in the program shows the wheel round again, with the chosen colour at the top.</p></div></div>
<h2>Primary colours on screen and on paper</h2>
<p>Screens mix light: red, green and blue make every colour, and together they make white (additive mixing). Printing inks and
pigments swallow light: cyan, magenta and yellow together make nearly black (subtractive mixing). That is why screen colours look
more luminous than printed ones, and a colour that glows on the monitor can turn dull on paper. Tinctora's band type “Realistic”
shows muted, pigment-like hues, “Luminous” the fully saturated screen colours.</p>
<h2>Hue, saturation, brightness</h2>
<p>Every colour can be described by three properties: its <b>hue</b> (the place on the wheel), its <b>saturation</b> (how pure and
strong it is) and its <b>brightness</b>. Tinctora's light/dark field mixes the hue with white and black and so changes brightness and
saturation together.</p>
<h2>Warm and cool colours</h2>
<p>Red, orange and yellow are felt as warm: they seem close, active and lively. Blue, cyan and blue-green are felt as cool: they seem
distant, calm and matter-of-fact. Green and violet lie in between and lean to one side or the other depending on their mix.</p>
<h2>Harmonies on the wheel</h2>
{_harmonies("en")}
<p>What single colours express is described on the <a href="{link("blue")}">colour pages</a> and in the
<a href="{link("terms")}">list of associated terms</a>.</p>
"""


def popular_de(link, sample):
    return f"""
<h1>Beliebteste und unbeliebteste Farben</h1>
<p class="lead">Fragt man Menschen nach ihrer Lieblingsfarbe, fallen die Antworten erstaunlich ähnlich aus – und doch sagt eine
Lieblingsfarbe wenig darüber, welche Farbe zu einem Produkt oder einer Seite passt.</p>
<h2>Oft genannt: Blau, Grün, Rot</h2>
<p>In Befragungen in vielen westlichen Ländern wird <a href="{link("blue")}">Blau</a> häufig als Lieblingsfarbe genannt, oft gefolgt
von <a href="{link("green")}">Grün</a> und <a href="{link("red")}">Rot</a>. Blau gilt als angenehm, ruhig und vertrauenswürdig und hat
kaum stark negative Bedeutungen; das dürfte seine breite Beliebtheit erklären. Violett und Schwarz haben ihre eigenen, oft jüngeren Anhänger.</p>
<h2>Oft abgelehnt: Braun, Olivtöne, manches Orange</h2>
<p>Abstrakt gefragt landen <a href="{link("brown")}">Braun</a>, trübe Gelbgrün- und Olivtöne und manche Orangetöne häufig unter den
unbeliebteren Farben. Dieselben Menschen schätzen aber Holz, Leder, Kaffee oder Schokolade: Im Zusammenhang mit dem richtigen Material
oder Thema wird eine „unbeliebte“ Farbe sehr positiv gesehen.</p>
<h2>Wovon Vorlieben abhängen</h2>
<ul><li><b>Kultur:</b> Bedeutungen und Vorlieben unterscheiden sich zwischen Ländern und Regionen (siehe die einzelnen Farbseiten).</li>
<li><b>Alter:</b> Kinder mögen oft kräftige, reine Farben; mit dem Alter werden gedämpftere Töne häufiger genannt.</li>
<li><b>Zusammenhang:</b> Eine Farbe, die man an der Wand liebt, will man nicht unbedingt am Auto oder auf der Verpackung.</li>
<li><b>Mode:</b> Farbtrends wechseln; was heute frisch wirkt, kann in wenigen Jahren datiert wirken.</li></ul>
<p class="tip">Für die Gestaltung zählt weniger, welche Farbe die meisten mögen, als welche Farbe zur Botschaft, zur Zielgruppe und zum
Umfeld passt – und ob die Kombination lesbar bleibt.</p>
"""


def popular_en(link, sample):
    return f"""
<h1>Most popular and least popular colours</h1>
<p class="lead">Ask people for their favourite colour and the answers are surprisingly alike – yet a favourite colour says little
about which colour suits a product or a page.</p>
<h2>Often named: blue, green, red</h2>
<p>In surveys in many Western countries <a href="{link("blue")}">blue</a> is often named as the favourite colour, frequently followed by
<a href="{link("green")}">green</a> and <a href="{link("red")}">red</a>. Blue is felt as pleasant, calm and trustworthy and has hardly any
strongly negative meanings, which may explain its broad appeal. Violet and black have their own, often younger, followers.</p>
<h2>Often rejected: brown, olive tones, some oranges</h2>
<p>Asked in the abstract, people often place <a href="{link("brown")}">brown</a>, dull yellow-greens and olive tones and some oranges among
the less liked colours. Yet the same people value wood, leather, coffee or chocolate: with the right material or topic, an “unpopular”
colour is seen very positively.</p>
<h2>What preferences depend on</h2>
<ul><li><b>Culture:</b> meanings and preferences differ between countries and regions (see the single colour pages).</li>
<li><b>Age:</b> children often like strong, pure colours; with age, more muted tones are named more often.</li>
<li><b>Context:</b> a colour you love on a wall is not necessarily the one you want on a car or a package.</li>
<li><b>Fashion:</b> colour trends change; what looks fresh today may look dated in a few years.</li></ul>
<p class="tip">For design it matters less which colour most people like than which colour suits the message, the audience and the
surroundings – and whether the combination stays legible.</p>
"""


def _stimuli(lang, link):
    rows = {
        "de": [("Stark anregend", ["red", "orange", "yellow"], "Kräftiges Rot, Orange und Gelb, hohe Sättigung und starke Hell-Dunkel-Kontraste ziehen den Blick an, wirken laut und dringlich: gut für Signale und Handlungsaufforderungen, anstrengend in großen Flächen."),
               ("Anregend", ["pink", "violet", "gold"], "Pink, kräftiges Violett und warme Goldtöne wirken lebendig und besonders, aber weniger alarmierend als Rot."),
               ("Ausgleichend", ["green", "brown", "gray"], "Mittleres Grün, Erdtöne und Grau wirken stabil und ausgeglichen; sie tragen eine Seite, ohne sich in den Vordergrund zu drängen."),
               ("Beruhigend", ["blue", "silver", "white"], "Blau, kühle helle Töne und viel Weiß wirken ruhig, sachlich und weit; in großen Flächen entspannen sie, können aber distanziert wirken."),
               ("Schwer und ernst", ["black"], "Schwarz und sehr dunkle Töne dämpfen, geben Gewicht und Würde und lassen andere Farben leuchten.")],
        "en": [("Strongly stimulating", ["red", "orange", "yellow"], "Strong red, orange and yellow, high saturation and strong light-dark contrasts catch the eye and feel loud and urgent: good for signals and calls to action, tiring in large areas."),
               ("Stimulating", ["pink", "violet", "gold"], "Pink, strong violet and warm gold tones feel lively and special, but less alarming than red."),
               ("Balancing", ["green", "brown", "gray"], "Mid green, earth tones and grey feel stable and balanced; they carry a page without pushing to the front."),
               ("Calming", ["blue", "silver", "white"], "Blue, cool light tones and plenty of white feel calm, matter-of-fact and spacious; in large areas they relax, but may seem distant."),
               ("Heavy and serious", ["black"], "Black and very dark tones subdue, give weight and dignity and make other colours glow.")],
    }[lang]
    import sys
    sys.path.insert(0, str(__import__("pathlib").Path(__file__).resolve().parent))
    from palette import SWATCHES  # loaded beside this file
    out = []
    for title, keys, text in rows:
        chips = "".join(f'<a href="{link(k)}"><span class="chip2" style="background:{SWATCHES[k][3] if k != "white" else "#FFFFFF"}"></span></a>' for k in keys)
        out.append(f'<div class="stim"><div class="chips">{chips}</div><div><h3>{title}</h3><p>{text}</p></div></div>')
    return "".join(out)


def activation_de(link, sample):
    return f"""
<h1>Reizkategorien</h1>
<p class="lead">Farben wirken anregend oder beruhigend. Diese Wirkung hängt nicht nur vom Farbton ab, sondern ebenso von Sättigung,
Helligkeit, Größe der Fläche und Umgebung.</p>
{_stimuli("de", link)}
<h2>Was die Aktivierung steigert</h2>
<ul><li>warme statt kalte Farbtöne,</li><li>hohe Sättigung statt gedämpfter Töne,</li><li>starker Hell-Dunkel-Kontrast,</li>
<li>Komplementärkontraste (siehe <a href="{link("wheel")}">Farbkreis</a>),</li><li>kleine, kräftige Flächen auf ruhigem Grund.</li></ul>
<p class="note">Wie stark eine Farbe anregt, empfindet jeder Mensch etwas anders, und kulturelle Bedeutungen spielen mit. Prüfen Sie eine
Kombination deshalb immer im Zusammenhang, etwa im Popup-Fenster von Tinctora.</p>
"""


def activation_en(link, sample):
    return f"""
<h1>Categories of emotional stimuli</h1>
<p class="lead">Colours stimulate or calm. The effect depends not only on the hue but just as much on saturation, brightness, the size
of the area and the surroundings.</p>
{_stimuli("en", link)}
<h2>What raises stimulation</h2>
<ul><li>warm rather than cool hues,</li><li>high saturation rather than muted tones,</li><li>a strong light-dark contrast,</li>
<li>complementary contrasts (see the <a href="{link("wheel")}">colour wheel</a>),</li><li>small, strong areas on a quiet ground.</li></ul>
<p class="note">How strongly a colour stimulates is felt a little differently by everyone, and cultural meanings play a part. So always
check a combination in context, for example in Tinctora's pop-up window.</p>
"""


TEXT_SAMPLES = [("#1E1E24", "#FFFFFF"), ("#1F3A68", "#FAF3E8"), ("#FFFFFF", "#2B5DA8"), ("#707070", "#FFFFFF"),
                ("#DA251D", "#00928D"), ("#F3BE0E", "#FFFFFF")]
HEAD_SAMPLES = [("#C0211F", "#FFFFFF"), ("#F3BE0E", "#1F3A68"), ("#E46B18", "#FFFFFF"), ("#2E8B47", "#E0F1DA")]


def text_de(link, sample):
    s = "".join(sample(fg, bg, "Lesbarer Fließtext braucht Kontrast und Ruhe.", "de") for fg, bg in TEXT_SAMPLES)
    return f"""
<h1>Farbe im Fließtext</h1>
<p class="lead">Fließtext wird gelesen, nicht angeschaut. Seine Farbe soll nicht auffallen, sondern das Lesen leicht machen.</p>
<h2>Regeln für lesbaren Text</h2>
<ul><li><b>Helligkeitskontrast vor Farbkontrast:</b> Entscheidend ist der Unterschied in der Helligkeit zwischen Schrift und Grund,
nicht der Unterschied im Farbton. Rot auf Grün kann bunt sein und trotzdem unlesbar.</li>
<li><b>Dunkel auf hell</b> ist für lange Texte am angenehmsten: Schwarz, Dunkelgrau, Dunkelblau oder Dunkelbraun auf Weiß oder gebrochenem Weiß.</li>
<li><b>Hell auf dunkel</b> funktioniert für kurze Texte und Flächen, ermüdet bei langen Texten aber schneller.</li>
<li><b>Gesättigte Farben</b> wie reines Rot, Blau oder Grün sind für Fließtext zu unruhig; heben Sie sie für Links und Hervorhebungen auf.</li>
<li><b>Farbsehschwächen:</b> Lassen Sie Bedeutung nie allein an der Farbe hängen; Links z. B. zusätzlich unterstreichen.</li></ul>
<h2>Kontrastverhältnis</h2>
<p>Die Richtlinien für barrierefreie Webinhalte (WCAG 2) messen den Kontrast als Verhältnis der relativen Leuchtdichten von 1:1
(kein Unterschied) bis 21:1 (Schwarz auf Weiß). Für normalen Text empfehlen sie mindestens 4,5:1, für große Schrift 3:1. Die Werte
unten sind mit dieser Formel aus den Hexwerten berechnet.</p>
{s}
<p>Die Hexwerte finden Sie in Tinctora unter jeder Fläche; mit „Text anstelle Flächen“ sehen Sie Ihre Kombination direkt als Text.
Für Überschriften gelten andere Regeln: siehe <a href="{link("headlines")}">Farbe in Headlines</a>.</p>
"""


def text_en(link, sample):
    s = "".join(sample(fg, bg, "Legible flow text needs contrast and calm.", "en") for fg, bg in TEXT_SAMPLES)
    return f"""
<h1>Colour in flow text</h1>
<p class="lead">Flow text is read, not looked at. Its colour should not stand out but make reading easy.</p>
<h2>Rules for legible text</h2>
<ul><li><b>Brightness contrast before hue contrast:</b> what counts is the difference in brightness between text and ground, not the
difference in hue. Red on green can be colourful and still illegible.</li>
<li><b>Dark on light</b> is most comfortable for long texts: black, dark grey, dark blue or dark brown on white or off-white.</li>
<li><b>Light on dark</b> works for short texts and panels but tires the eyes sooner in long texts.</li>
<li><b>Saturated colours</b> such as pure red, blue or green are too restless for flow text; keep them for links and highlights.</li>
<li><b>Colour-vision deficiencies:</b> never let meaning depend on colour alone; underline links, for example.</li></ul>
<h2>Contrast ratio</h2>
<p>The Web Content Accessibility Guidelines (WCAG 2) measure contrast as the ratio of relative luminances, from 1:1 (no difference)
to 21:1 (black on white). For normal text they recommend at least 4.5:1, for large text 3:1. The figures below are computed with this
formula from the hex values.</p>
{s}
<p>Tinctora shows the hex values under every field; with “Text Instead of Fields” you see your combination directly as text. Headlines
follow other rules: see <a href="{link("headlines")}">colour in headlines</a>.</p>
"""


def headlines_de(link, sample):
    s = "".join(sample(fg, bg, "Große Überschrift", "de").replace('class="sample"', 'class="sample big"') for fg, bg in HEAD_SAMPLES)
    return f"""
<h1>Farbe in Headlines</h1>
<p class="lead">Überschriften werden zuerst gesehen. Sie dürfen farbiger sein als der Fließtext, weil sie groß und kurz sind.</p>
<ul><li><b>Größe trägt Farbe:</b> Große, fette Schrift bleibt auch mit weniger Kontrast lesbar (mindestens 3:1 nach WCAG 2).</li>
<li><b>Eine Akzentfarbe</b> für alle Überschriften schafft Wiedererkennung; mehrere bunte Überschriften zerstreuen die Aufmerksamkeit.</li>
<li><b>Warme, kräftige Farben</b> (<a href="{link("red")}">Rot</a>, <a href="{link("orange")}">Orange</a>) treten hervor und wirken
dringlich; <a href="{link("blue")}">Blau</a> und <a href="{link("green")}">Grün</a> wirken sachlicher.</li>
<li><b>Farbe aus der Harmonie:</b> Nehmen Sie die Überschriftenfarbe aus derselben Kombination wie Hintergrund und Akzente, etwa das
Komplement der Grundfarbe aus der Zweier-Harmonie.</li>
<li><b>Gelb und Hellgrün</b> auf Weiß sind auch in großer Schrift kaum lesbar; auf dunklem Grund leuchten sie.</li></ul>
{s}
<p>Zurück zum <a href="{link("text")}">Fließtext</a> oder zum <a href="{link("wheel")}">Farbkreis</a>.</p>
"""


def headlines_en(link, sample):
    s = "".join(sample(fg, bg, "Big headline", "en").replace('class="sample"', 'class="sample big"') for fg, bg in HEAD_SAMPLES)
    return f"""
<h1>Colour in headlines</h1>
<p class="lead">Headlines are seen first. They may be more colourful than flow text because they are large and short.</p>
<ul><li><b>Size carries colour:</b> large, bold type stays legible with less contrast (at least 3:1 according to WCAG 2).</li>
<li><b>One accent colour</b> for all headlines builds recognition; several colourful headlines scatter attention.</li>
<li><b>Warm, strong colours</b> (<a href="{link("red")}">red</a>, <a href="{link("orange")}">orange</a>) advance and feel urgent;
<a href="{link("blue")}">blue</a> and <a href="{link("green")}">green</a> feel more matter-of-fact.</li>
<li><b>Colour from the harmony:</b> take the headline colour from the same combination as the background and the accents, such as the
complement of the base colour from the 2-colour harmony.</li>
<li><b>Yellow and light green</b> on white are hardly legible even in large type; on a dark ground they glow.</li></ul>
{s}
<p>Back to <a href="{link("text")}">flow text</a> or to the <a href="{link("wheel")}">colour wheel</a>.</p>
"""


BODY = {
    "de": dict(wheel=wheel_de, popular=popular_de, activation=activation_de, text=text_de, headlines=headlines_de),
    "en": dict(wheel=wheel_en, popular=popular_en, activation=activation_en, text=text_en, headlines=headlines_en),
}

TERMS = {
    "de": """
<h1>Aufstellung der assoziierten Begriffe</h1>
<p class="lead">Welche Begriffe verbinden viele Menschen mit einer Farbe? Die Tabelle fasst die verbreiteten positiven und negativen
Assoziationen der Farbseiten zusammen.</p>
<table class="terms"><tr><th>Farbe</th><th>Positiv</th><th>Negativ</th></tr>
{rows}
</table>
<p class="note">Assoziationen sind keine festen Bedeutungen: Sie hängen von Kultur, Zusammenhang, Farbton und Kombination ab.
Dieselbe Farbe kann in einem Land Freude und in einem anderen Trauer bedeuten.</p>
""",
    "en": """
<h1>List of associated terms</h1>
<p class="lead">Which terms do many people link with a colour? The table sums up the common positive and negative associations of
the colour pages.</p>
<table class="terms"><tr><th>Colour</th><th>Positive</th><th>Negative</th></tr>
{rows}
</table>
<p class="note">Associations are not fixed meanings: they depend on culture, context, shade and combination. The same colour can stand
for joy in one country and for mourning in another.</p>
""",
}

CSS = """/* Tinctora tutorial: one small stylesheet shared by every page. */
body { margin: 0; font-family: "DejaVu Sans", "Segoe UI", Helvetica, Arial, sans-serif; font-size: 16px; line-height: 1.55;
       color: #23262b; background: #f6f5f2; }
main { max-width: 880px; margin: 0 auto; padding: 8px 28px 24px; background: #ffffff; }
h1 { font-size: 2.1em; line-height: 1.2; margin: 0.4em 0 0.3em; color: #1f2a3a; }
h1 .sub { font-size: 0.6em; color: #6b7280; font-weight: normal; }
h2 { font-size: 1.3em; margin: 1.6em 0 0.4em; color: #2b3a52; border-bottom: 2px solid #ece9e2; padding-bottom: 3px; }
h3 { font-size: 1.05em; margin: 0.6em 0 0.2em; color: #2b3a52; }
a { color: #1b5fa8; }
p.lead { font-size: 1.15em; color: #4a4f57; }
.top { background: #23262b; color: #c9ccd1; padding: 10px 28px; font-size: 0.9em; }
.top a { color: #ffffff; text-decoration: none; }
.top a:hover { text-decoration: underline; }
.strip { float: right; }
.strip a.dot { display: inline-block; width: 14px; height: 14px; border-radius: 7px; margin-left: 4px; border: 1px solid #555b63;
               vertical-align: middle; }
.foot { max-width: 880px; margin: 0 auto; padding: 14px 28px 30px; font-size: 0.92em; color: #6b7280; }
.foot .small { font-size: 0.85em; }
.band { display: flex; height: 26px; border-radius: 4px; overflow: hidden; margin-top: 18px; }
.band div { flex: 1; }
.cols { display: flex; flex-wrap: wrap; gap: 28px; }
.cols > div { flex: 1 1 300px; }
.row { display: flex; flex-wrap: wrap; gap: 12px; }
.sw { width: 104px; font-size: 0.8em; text-align: center; color: #4a4f57; }
.sw .chip { height: 56px; border-radius: 6px; border: 1px solid #d6d3cc; margin-bottom: 3px; }
.sample { padding: 12px 16px; margin: 8px 0; border-radius: 6px; border: 1px solid #d6d3cc; font-size: 1.05em; }
.sample.big { font-size: 1.8em; font-weight: bold; }
.sample .meta { display: block; font-size: 0.75rem; font-weight: normal; opacity: 0.8; margin-top: 4px; }
.hero { display: flex; align-items: center; gap: 24px; flex-wrap: wrap; }
.hero svg { flex: none; }
.hero > div { flex: 1 1 320px; }
.harm, .stim { display: flex; gap: 18px; align-items: center; margin: 10px 0; }
.harm svg { flex: none; }
.chips { flex: none; width: 130px; }
.chip2 { display: inline-block; width: 36px; height: 36px; border-radius: 18px; border: 1px solid #c9c6bf; margin: 2px; }
.mini { display: inline-block; width: 12px; height: 12px; border-radius: 2px; border: 1px solid #b8b5ae; margin-right: 6px;
        vertical-align: middle; }
ul.toc { padding-left: 1.1em; }
ul.toc li { margin: 4px 0; }
ul.colours { columns: 2; list-style: none; padding-left: 0.4em; }
table.terms { border-collapse: collapse; width: 100%; font-size: 0.95em; }
table.terms th { text-align: left; background: #ece9e2; padding: 6px 8px; }
table.terms td { border-bottom: 1px solid #ece9e2; padding: 6px 8px; vertical-align: top; }
p.note { background: #fff7e0; border-left: 4px solid #e0a800; padding: 8px 12px; }
p.tip { background: #eaf4ea; border-left: 4px solid #3c8c3c; padding: 8px 12px; }
p.langs { text-align: right; font-size: 0.9em; }
code { font-size: 0.95em; }
"""
