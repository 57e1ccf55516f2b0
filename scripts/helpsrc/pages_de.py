"""Deutsche Hilfeseiten. Menütexte, Tasten und Zahlen sind die des Programms."""

def ui(t):
    return f'<span class="ui">{t}</span>'

def key(t):
    return f'<span class="key">{t}</span>'

INTRO = """
<p>Tinctora hilft Ihnen, Farben zu finden, die zusammenpassen. Sie wählen eine Grundfarbe auf dem
Farbband, verschieben jede Farbe nach hell oder dunkel, und das Programm leitet die harmonierenden Farben
ab: Zweier-, Dreier- und Vierer-Harmonien, Auffächerungen und Farbreihen. Jede Farbe erscheint als Fläche
mit ihren R-, G-, B- und Hexadezimalwerten.</p>
<p class="tip">Mit F1 kommen Sie jederzeit zu diesem Inhalt zurück; Alt+F1 öffnet das Farb-Tutorial in
Ihrem Browser.</p>
"""

SECTIONS = [
    ("Erste Schritte", ["page01.htm", "page02.htm", "page04.htm", "page07.htm"]),
    ("Mit Kombinationen arbeiten", ["page08.htm", "page09.htm", "page10.htm", "page05.htm", "page15.htm", "page06.htm", "page22.htm", "page23.htm", "page25.htm", "page24.htm"]),
    ("Farben festhalten und weitergeben", ["page11.htm", "page12.htm", "page13.htm", "page14.htm", "page19.htm", "page20.htm", "page03.htm"]),
    ("Das Programm", ["page16.htm", "page17.htm", "page21.htm", "page18.htm"]),
]

PAGES = [
dict(file="page01.htm", title="Das Hauptfenster und das Farbband",
     summary="was Sie sehen und wie Sie die Grundfarbe wählen",
     keywords=["Hauptfenster", "Farbband", "Farbbandtyp", "Real", "Luminös", "Winkelbild", "Statusleiste", "Farbkreis"],
     body=f"""
<p>Das Hauptfenster zeigt von oben nach unten: Menü und Werkzeugleiste, das <b>Farbband</b>, die
<b>Wertezeilen</b> mit R, G, B und Hexwert jeder Fläche und die <b>Flächen</b> mit den Farben der aktuellen
Kombination; rechts daneben das <b>Hell/Dunkel-Feld</b> und das <b>Winkelbild</b> mit seinen Reglern. Die Statusleiste nennt den
Modus und die ausgewählte Fläche.</p>
<p><img class="shot" src="images/main-window.png" alt="Das Hauptfenster von Tinctora"><br><small>Das Hauptfenster in der Zweier-Harmonie: oben das Farbband, darunter die Wertezeilen und die große Fläche mit der kleinen Fläche rechts; rechts das Hell/Dunkel-Feld und das Winkelbild.</small></p>
<h2>Das Farbband</h2>
<p>Das Farbband ist ein Streifen aus 678 Farbtönen, der einmal um den Farbkreis läuft: von Rot über Gelb,
Grün, Cyan, Blau und Magenta zurück zu Rot. Klicken Sie auf das Band oder ziehen Sie mit gedrückter
Maustaste darüber, um den Farbton der <b>Grundfarbe</b> zu wählen; die beiden kleinen Dreiecke über und
unter dem Band markieren die Stelle. Alle anderen Farben der Kombination werden von dieser Stelle
abgeleitet. Das Band nimmt auch Tasten an: Links und Rechts
bewegen die Stelle um eins, Bild auf und Bild ab um zehn, Pos1 und Ende an die Enden des Bands, jeweils wie
ein Klick dort; die Tasten des Fensters stehen unter <a href="page17.htm">Tastenkürzel</a>.</p>
<p>Das Band gibt es in zwei Typen, wählbar unter {ui("Ansicht &gt; Farbbandtyp")} oder in der Werkzeugleiste:</p>
<ul>
<li>{ui("Real")} ({key("Alt+R")}): gedämpfte, pigmentähnliche Farben wie in Druck und Malerei. Mit diesem Typ startet das Programm.</li>
<li>{ui("Luminös")} ({key("Alt+L")}): voll gesättigte Bildschirmfarben, jeweils mit einem Kanal bei 255 und einem bei 0.</li>
</ul>
<p>Ein Wechsel des Farbbandtyps behält alle Positionen und Hell/Dunkel-Einstellungen und berechnet alle Flächen neu.</p>
<h2>Das Winkelbild</h2>
<p>Der kleine Farbkreis neben dem Hell/Dunkel-Feld ist so gedreht, dass der Farbton der großen Fläche oben
steht. Linien aus seiner Mitte zeigen die Richtungen der abgeleiteten Farben, so sehen Sie auf einen Blick,
wie weit die Farbtöne der Kombination auseinanderliegen. Die beiden Schieberegler daneben stellen die
Winkelabstände ein (siehe <a href="page04.htm">Modus und Winkel Typ</a>).</p>
<h2>Flächen und Werte</h2>
<p>Die <b>große Fläche</b> zeigt die Grundfarbe. Je nach Modus zeigen bis zu drei <b>kleine Flächen</b> (rechts,
links und Mitte) oder eine Reihe von bis zu 15 Flächen die harmonierenden Farben. In den Wertezeilen über den
Flächen hat jede Fläche ein kleines Farbmuster und ihre Werte: R, G und B von 0 bis 255 und den Hexwert, zum Beispiel
<code>#DA251D</code>, wie er in HTML und CSS verwendet wird. Siehe <a href="page07.htm">Flächen auswählen und Werte</a>.</p>
"""),
dict(file="page02.htm", title="Das Hell/Dunkel-Feld",
     summary="jede Farbe heller oder dunkler machen",
     keywords=["Hell/Dunkel-Feld", "heller", "dunkler", "Helligkeit einer Fläche", "Fadenkreuz", "Prozent"],
     body=f"""
<p>Jede der vier Hauptflächen (groß, klein rechts, klein links, klein Mitte) lässt sich in Richtung Weiß
oder Schwarz verschieben. Das quadratische <b>Hell/Dunkel-Feld</b> zeigt die Bandfarbe der ausgewählten
Fläche mit allen möglichen Mischungen darüber; jeder Punkt des Quadrats zeigt die Farbe, die er ergeben würde.</p>
<ul>
<li><b>Waagerecht</b> stellen Sie den Dunkelanteil ein: am linken Rand keiner, am rechten Rand voll (Schwarz).</li>
<li><b>Senkrecht</b> stellen Sie den Hellanteil ein: unten keiner, oben voll (Weiß).</li>
</ul>
<p>Klicken Sie in das Quadrat oder ziehen Sie darin; ein Fadenkreuz markiert den Punkt. Während Sie im
Quadrat ziehen, ist der Mauszeiger ausgeblendet, damit Sie die Farbe sehen; außerhalb bleiben die Werte an
ihren Grenzen. Die Anzeige oben links nennt den Hellanteil, die unten rechts den Dunkelanteil, beide in Prozent.</p>
<p>Mit der Tastatur: Gehen Sie mit Tab zum Quadrat; die Pfeiltasten bewegen den Punkt dann um einen Schritt
der Anteile (Rechts und Ab dunkeln ab und nehmen Hell weg), mit Strg um zehn; siehe
<a href="page17.htm">Tastenkürzel</a>.</p>
<p>Das Hell/Dunkel-Feld wirkt immer auf die <b>ausgewählte Fläche</b>. Klicken Sie eine andere Fläche an, um
sie zu bearbeiten; das Fadenkreuz springt auf den Punkt, der für diese Fläche gespeichert ist. Beim Start hat
jede Fläche ihre reine Bandfarbe (die Ecke unten links).</p>
<h2>Wie die Farbe gemischt wird</h2>
<p>Jeder Farbkanal wird zuerst um den Dunkelanteil zur 0 hin abgedunkelt und dann um den Hellanteil zur 255
hin aufgehellt. Die Ecke oben links ergibt daher für jede Grundfarbe Weiß, die Ecke unten rechts Schwarz.</p>
<h2>Bei Auffächerungen und Farbreihen</h2>
<p>Stellen Sie den Hell/Dunkel-Punkt der kleinen Fläche links und der kleinen Fläche rechts ein (die beiden
äußeren Flächen der Reihe); die Flächen dazwischen erhalten gleichmäßig verteilte Werte zwischen beiden,
so verläuft die ganze Reihe gleichmäßig von einem Ende zum anderen.</p>
<p class="note">Im kompakten Layout für kleine Bildschirme misst das Quadrat 128 statt 256 Pixel; ein Pixel
steht dann für zwei Stufen.</p>
"""),
dict(file="page04.htm", title="Modus und Winkel Typ",
     summary="Zweier-, Dreier- und Vierer-Harmonien, Auffächerung und Farbreihe",
     keywords=["Harmonie-Modi", "Zweier-Harmonie", "Dreier-Harmonie", "Vierer-Harmonie", "Auffächerung", "Farbreihe", "Winkeltyp", "Winkelabstand", "Komplementärfarbe", "Anzahl der Flächen", "Winkel Typ"],
     body=f"""
<p>Wählen Sie den Modus im Menü {ui("Modus")}, in der Werkzeugleiste oder mit den Tasten {key("F2")} bis {key("F6")}.
Der Modus bestimmt, wie viele Farben abgeleitet werden und wo sie auf dem Farbkreis liegen. Ein Wechsel des
Modus behält Grundfarbe, Winkelabstände und alle Hell/Dunkel-Einstellungen.</p>
<table class="keys">
<tr><th>Modus</th><th>Taste</th><th>Farben</th></tr>
<tr><td>Zweier-Harmonien</td><td>F2</td><td>die Grundfarbe und ihre Komplementärfarbe, der genau gegenüberliegende Farbton (180°)</td></tr>
<tr><td>Dreier-Harmonien</td><td>F3</td><td>die Grundfarbe und die beiden Farbtöne beiderseits ihrer Komplementärfarbe im ersten Winkelabstand (geteiltes Komplement)</td></tr>
<tr><td>Vierer-Harmonien</td><td>F4</td><td>vier Farbtöne; ihre Anordnung hängt vom Winkel Typ ab (unten)</td></tr>
<tr><td>Auffächerungen</td><td>F5</td><td>die große Fläche behält die Grundfarbe als Hintergrund; eine Reihe von 3 bis 15 Flächen fächert sich um ihre Komplementärfarbe auf</td></tr>
<tr><td>Farbreihen</td><td>F6</td><td>eine Reihe von 3 bis 15 Flächen mit der Grundfarbe selbst in der Mitte, auf dem Fensterhintergrund; eine große Fläche gibt es nicht</td></tr>
</table>
<h2>Winkelabstände</h2>
<p>Der erste Schieberegler stellt den ersten Winkelabstand ein, der zweite den zweiten. Die Anzeige neben
jedem Regler nennt den Winkel in Grad zwischen den beiden äußeren Farben, die er steuert, von 0° bis 124°;
beim Start zeigen die Regler 42° und 36°. In Farbreihen zählt der erste Abstand doppelt, die Reihe überspannt
also einen größeren Bogen. Die Zweier-Harmonie braucht keinen Regler; Dreier-Harmonie, Auffächerung und
Farbreihe verwenden nur den ersten.</p>
<h2>Winkel Typ der Vierer-Harmonien</h2>
<ul>
<li>{ui("Winkel Typ 1")}: Die vier Farbtöne bilden auf dem Kreis ein Rechteck. Der zweite Regler rückt die
mittlere Fläche von der Grundfarbe weg, der erste spreizt das gegenüberliegende Paar. Beide Regler sind aktiv.</li>
<li>{ui("Winkel Typ 2")}: die Komplementärfarbe und die beiden Farbtöne beiderseits davon im ersten
Winkelabstand. Nur der erste Regler ist aktiv.</li>
</ul>
<h2>Anzahl der Flächen</h2>
<p>Bei Auffächerungen und Farbreihen wählt das Listenfeld neben den Flächen 3, 5, 7, 9, 11, 13 oder 15 Flächen;
beim Start sind es 9. Die Schaltfläche {ui("Zwischendaten")} listet alle Werte der Reihe auf (siehe
<a href="page12.htm">Zwischendaten</a>). Die äußeren Flächen sind die kleine Fläche links und rechts, die Fläche
in der Mitte ist die kleine Fläche Mitte.</p>
"""),
dict(file="page07.htm", title="Flächen auswählen und Werte",
     summary="worauf das Hell/Dunkel-Feld wirkt, und einzelne Werte kopieren",
     keywords=["Fläche auswählen", "ausgewählte Fläche", "Wertezeilen", "Hexwert", "Wert kopieren", "Statusleiste"],
     body=f"""
<p>Klicken Sie eine Fläche an, um sie auszuwählen. Auf die ausgewählte Fläche wirkt das Hell/Dunkel-Feld,
und die Statusleiste nennt sie, zum Beispiel „Große Fläche ausgewählt“ oder „Kleine Fläche rechts
ausgewählt“. Beim <a href="page09.htm">separaten Einstellen</a> ist sie außerdem die Fläche, die das Farbband bewegt.</p>
<p>Der Flächen-Mauszeiger zeigt, wo ein Klick eine Fläche auswählt. Bei Auffächerungen wählt ein Klick auf
den Hintergrund die große Fläche; bei Farbreihen gibt es keine große Fläche.</p>
<p>Mit der Tastatur geht Tab in Lesereihenfolge von Fläche zu Fläche, und die Leertaste oder die Eingabetaste
wählt die Fläche mit dem Rahmen; die Mitte einer Reihe, die auch ein Klick nicht wählt, wird übersprungen.</p>
<h2>Wertezeilen</h2>
<p>Über den Flächen steht jede Farbe mit einem kleinen Farbmuster und ihren Werten: R, G und B (0 bis 255)
und dem Hexwert „#“ mit sechs Ziffern in der Reihenfolge R, G, B, zum Beispiel <code>#00928D</code>. Flächen, die der
Modus nicht verwendet, zeigen „-“. Ist eine Kombination <a href="page08.htm">fixiert</a>, gehört die obere Zeile
zur rechten und die untere zur linken Kombination.</p>
<h2>Einen Wert kopieren</h2>
<p>Klicken Sie einen Wert an: Er wird hervorgehoben. Mit {key("Strg+C")} oder über die rechte Maustaste und
{ui("Kopieren")} kommt er in die Zwischenablage. Ein Klick an eine andere Stelle des Fensters hebt die
Hervorhebung auf. Alle Werte auf einmal kopieren Sie wie unter <a href="page14.htm">Werte kopieren</a> beschrieben.</p>
"""),
dict(file="page08.htm", title="Eine Kombination fixieren",
     summary="zwei Kombinationen nebeneinander vergleichen",
     keywords=["Fixieren", "Kombinationen vergleichen", "fixierte Kombination", "FIXIERT"],
     body=f"""
<p>{ui("Bearbeiten &gt; Fixieren")} (auch in der Werkzeugleiste) hält die aktuelle Kombination fest und zeigt sie
zweimal nebeneinander. Sie bearbeiten jeweils eine Hälfte; die andere behält ihre Farben, so können Sie
zwei Kombinationen vergleichen.</p>
<ul>
<li>Zuerst bearbeiten Sie die rechte Hälfte; ihre Werte stehen in der oberen Wertezeile.</li>
<li>Klicken Sie eine Fläche der anderen Hälfte an, um stattdessen diese zu bearbeiten. Ihre Werte folgen
dann Ihren Änderungen in der unteren Wertezeile, und die verlassene Hälfte behält ihre Kombination.</li>
<li>Jede Hälfte behält ihren eigenen Modus, Bandposition, Winkel, Flächenzahl und Hell/Dunkel-Punkte.</li>
<li>Wählen Sie {ui("Fixieren")} erneut, um das Fixieren zu beenden: Die Kombination, die Sie gerade bearbeiten, bleibt.</li>
</ul>
<p>Drucken, Kopieren und die Farbeinstellungsdatei enthalten bei fixierter Kombination beide Kombinationen;
gedruckte und kopierte Texte kennzeichnen die fixierte mit „-------------- FIXIERT --------------“.</p>
"""),
dict(file="page09.htm", title="Farben separat einstellen",
     summary="den Farbton jeder Fläche einzeln setzen",
     keywords=["Farben separat einstellen", "separat", "Optionsfelder", "Markierungen", "Grad"],
     body=f"""
<p>Normalerweise folgen die kleinen Flächen der Grundfarbe in festen Winkeln. {ui("Bearbeiten &gt; Farben separat einstellen")}
 (auch in der Werkzeugleiste) hebt diese Kopplung bei Zweier-, Dreier- und Vierer-Harmonien auf:
Das Farbband bewegt dann nur eine Fläche, und Sie können jeden Farbton selbst setzen.</p>
<ul>
<li>Wählen Sie die Fläche mit den runden Knöpfen neben den Wertezeilen (große Fläche, klein links, Mitte, rechts) oder durch Anklicken.</li>
<li>Klicken oder ziehen Sie auf dem Farbband: Nur die gewählte Fläche ändert sich.</li>
<li>Das Winkelbild steht still und zeigt je Fläche eine Markierung mit ihrem Winkel in Grad, im Uhrzeigersinn von Rot oben gezählt.</li>
<li>Die Winkelregler wirken nicht, solange separat eingestellt wird.</li>
</ul>
<p class="note">Beim Ausschalten kehren die kleinen Flächen an die von der großen Fläche abgeleiteten Positionen
zurück; separat gesetzte Farbtöne gehen verloren. Bei Auffächerungen und Farbreihen ist der Befehl nicht
verfügbar; die Wahl eines dieser Modi schaltet ihn aus.</p>
"""),
dict(file="page10.htm", title="Text anstelle Flächen, Farbstreifen ausblenden",
     summary="Farben als Text auf einem Hintergrund beurteilen",
     keywords=["Text anstelle Flächen", "Farbstreifen ausblenden", "F8", "Testtext", "Schriftart"],
     body=f"""
<h2>Text anstelle Flächen</h2>
<p>{ui("Ansicht &gt; Text anstelle Flächen")} (auch in der Werkzeugleiste) zeigt bei Zweier-, Dreier- und
Vierer-Harmonien in jeder kleinen Fläche einen kurzen Text: Er hat die Farbe der kleinen Fläche und steht auf
der Farbe der großen Fläche. So sehen Sie sofort, ob die Farben als Text auf Hintergrund funktionieren.</p>
<p>Sie können in diese Texte schreiben. Die rechte Maustaste öffnet ihr Menü: {ui("Ausschneiden")},
{ui("Kopieren")}, {ui("Einfügen")}, {ui("Zeichen")} mit {ui("Links")}, {ui("Rechts")}, {ui("Zentriert")} für die
Ausrichtung, {ui("Klein")}, {ui("Mittel")}, {ui("Groß")} für die Größe und {ui("Schriftart")} für eine andere Schrift.</p>
<p class="note">Bei Auffächerungen und Farbreihen ist die Option nicht verfügbar; das Programm sagt es in einer Meldung.</p>
<h2>Farbstreifen ausblenden</h2>
<p>{ui("Ansicht &gt; Farbstreifen ausblenden")} ({key("F8")}) blendet das Farbband und die Farbkreisbilder aus,
damit die kräftigen Bandfarben nicht beeinflussen, wie Sie die Flächen sehen. Das Band funktioniert weiter:
Klicken oder ziehen Sie dort, wo es war. Mit {key("F8")} erscheint es wieder.</p>
"""),
dict(file="page05.htm", title="Gezielte manuelle Eingabe",
     summary="eine Farbe als R-, G-, B- oder Hexwert eingeben",
     keywords=["Manuelle Eingabe", "Farbe eingeben", "RGB-Eingabe", "Hex-Eingabe", "HTML-Farbe", "Mehr..."],
     body=f"""
<p>{ui("Bearbeiten &gt; Gezielte manuelle Eingabe von Werten")} (auch in der Werkzeugleiste) öffnet den Dialog
{ui("Eingabe")}, in dem Sie eine Farbe eintippen, statt sie auf dem Band zu wählen; Tinctora baut die Harmonien
dann um diese Farbe auf.</p>
<ul>
<li>Geben Sie die Farbe dezimal in {ui("R")}, {ui("G")} und {ui("B")} ein (0 bis 255) oder als Hexwert in
{ui("HEX")}: „#“ und sechs Hexadezimalziffern wie in HTML ({ui("Hex-Format: HTML-konform")}), zum Beispiel
<code>#DA251D</code>. Die anderen Felder folgen beim Tippen, und das Farbmuster zeigt die Farbe.</li>
<li>{ui("Mehr...")} öffnet den Farbdialog des Systems; die dort bestätigte Farbe wird übernommen.</li>
<li>{ui("OK")} übernimmt die Farbe: Das Programm sucht auf dem luminösen Farbband den Farbton, der am besten
passt, und den Punkt im Hell/Dunkel-Feld, der diesen Farbton in Ihre Farbe verwandelt, und setzt beides, als
hätten Sie es angeklickt. Alle harmonierenden Farben werden von der Fläche abgeleitet, die Ihre Farbe
übernimmt (siehe unten).</li>
<li>{ui("Abbrechen")} schließt den Dialog ohne Änderung.</li>
<li>{ui("Hilfe")} öffnet diese Seite.</li>
</ul>
<p>Welche Fläche die Farbe übernimmt:</p>
<ul>
<li>bei Zweier-, Dreier- und Vierer-Harmonien und bei Auffächerungen die große Fläche, gleich welche Fläche
ausgewählt ist;</li>
<li>beim <a href="page09.htm">separaten Einstellen</a> die ausgewählte Fläche;</li>
<li>bei Farbreihen die ausgewählte äußere Fläche (klein links oder klein rechts); die Reihe wird so gelegt,
dass diese Fläche Ihre Farbe zeigt.</li>
</ul>
<p>Der Dialog öffnet mit dem Hexwert der großen Fläche (beim separaten Einstellen: der ausgewählten Fläche).
Da er mit dem luminösen Band arbeitet, schaltet er beim Öffnen auf den Farbbandtyp Luminös um; {ui("Abbrechen")}
schaltet zurück, {ui("OK")} behält ihn. Die websichere Anzeige wird ausgeschaltet.</p>
<p class="note">Ein Hexwert aus sieben Zeichen, der nicht „#“ und sechs Hexziffern ist, ergibt die Meldung
„Der Eingegebene Wert ist kein gültiges Hex-Format.“</p>
<p>Jede Farbe findet einen Platz auf dem Band. Grautöne (R, G und B gleich) haben keinen eigenen Farbton: Sie
kommen auf Bandposition 168, das Gelb des luminösen Bandes, und erst der Punkt im Hell/Dunkel-Feld macht sie
grau; Schwarz kommt auf Position 0, Rot, ganz abgedunkelt.</p>
"""),
dict(file="page15.htm", title="Die Pipette",
     summary="eine Farbe irgendwo auf dem Bildschirm aufnehmen",
     keywords=["Pipette", "Farbe vom Bildschirm", "F12", "Lupe"],
     body=f"""
<p>{ui("Ansicht &gt; Pipette")} ({key("F12")}, auch in der Werkzeugleiste) nimmt eine Farbe von einer beliebigen
Stelle des Bildschirms auf und macht sie zur Farbe einer Fläche: derselben, die eine in der
<a href="page05.htm">manuellen Eingabe</a> eingetippte Farbe bekäme (die große Fläche; beim separaten Einstellen
die ausgewählte Fläche; bei Farbreihen die ausgewählte äußere Fläche).</p>
<p>Solange die Pipette läuft, ist das Hauptfenster ausgeblendet. Ein kleines Fenster oben links bleibt im
Vordergrund und zeigt die Umgebung des Mauszeigers in drei Vergrößerungen, die Farbe unter dem Zeiger als
Farbmuster und ihre R-, G-, B- und Hexwerte.</p>
<table class="keys">
<tr><th>Taste</th><th>Wirkung</th></tr>
<tr><td>Leer- oder Entertaste</td><td>Farbe aufnehmen</td></tr>
<tr><td>Pfeiltasten</td><td>Zeiger um ein Pixel bewegen (Feinsteuerung)</td></tr>
<tr><td>Strg + Pfeiltasten</td><td>Zeiger um zehn Pixel bewegen (Grobsteuerung)</td></tr>
</table>
<p>Die aufgenommene Farbe kommt ins Hauptfenster, genau als hätten Sie ihren Hexwert in die
<a href="page05.htm">manuelle Eingabe</a> getippt und bestätigt.</p>
<p>Vor dem Start erklärt ein Hinweisfenster die Tasten. Mit {ui("Diesen Hinweis nicht mehr anzeigen.")} entfällt
es künftig. Die Pipette drängt sich nicht in den Vordergrund: Klicken Sie ein anderes Fenster an, bekommt dieses
den Fokus; ein Klick auf das Pipettenfenster oder auf das Tinctora-Symbol in der Taskleiste aktiviert sie wieder.</p>
<h2>Unter Wayland</h2>
<p>Ein Wayland-Desktop erlaubt keinem Programm, den Bildschirm zu lesen oder den Mauszeiger zu bewegen. Dort
wird stattdessen die Farbauswahl des Desktops benutzt, ohne Lupen und ohne Pfeiltasten: Nehmen Sie die Farbe
so auf, wie Ihr Desktop es anzeigt, und Tinctora übernimmt sie wie oben beschrieben. Hat der Desktop keine
Farbauswahl oder schlägt die Auswahl fehl, sagt Tinctora das in einer Meldung, und das Hauptfenster kommt
unverändert zurück.</p>
"""),
dict(file="page06.htm", title="Websichere Farben",
     summary="websichere Anzeige und der Dialog, der einzelne Flächen umwandelt",
     keywords=["websichere Farben", "216 Farben", "In websichere Farben umwandeln", "Zuweisen", "Nächste", "gleiche Farbe"],
     body=f"""
<p>Die websichere Palette hat 216 Farben, deren R-, G- und B-Werte jeweils einer von 0, 51, 102, 153, 204 und
255 sind (hex 00, 33, 66, 99, CC, FF). Tinctora bietet zwei Wege, mit ihr zu arbeiten.</p>
<h2>Nur websichere Farben anzeigen</h2>
<p>In dieser Anzeigeart wird jede gezeigte Farbe Kanal für Kanal auf den nächsten websicheren Wert gerundet:
Flächen, Farbmuster und Werte. Die gespeicherten Farben bleiben unverändert; nach dem Ausschalten erscheinen
wieder die genauen Farben. In dieser Version steht der Befehl nicht im Menü und nicht in der Werkzeugleiste;
die Anzeigeart schaltet sich ein, wenn Sie eine Farbeinstellungsdatei öffnen, die mit ihr gespeichert wurde,
und die <a href="page05.htm">manuelle Eingabe</a> schaltet sie aus.</p>
<p>Bei Auffächerungen und Farbreihen können benachbarte Farbtöne auf dieselbe websichere Farbe fallen. Dann
meldet das Programm, dass mindestens zwei kleine Flächen die gleiche Farbe haben: Verringern Sie die Anzahl der
Flächen, erhöhen Sie den Winkelabstand oder ändern Sie die Helligkeit, bis die Meldung verschwindet.</p>
<h2>Der Dialog „In websichere Farben umwandeln“</h2>
<p>Wie die Anzeigeart steht auch der Befehl, der diesen Dialog öffnet, in dieser Version nicht im Menü und nicht
in der Werkzeugleiste, und auch eine Farbeinstellungsdatei bringt ihn nicht zurück: Solange die websichere
Anzeige an ist, steht der Dialog nicht zur Verfügung. Das Folgende beschreibt den Dialog der Vollständigkeit
halber.</p>
<p>Der Dialog nimmt sich nacheinander je eine Fläche der Kombination vor und schlägt eine websichere Farbe vor:</p>
<ul>
<li>Oben stehen der Name der Fläche ({ui("Große Fläche:")}, {ui("Kleine Fl. links:")} usw.), ihre R-, G-, B-Werte und
ihre aktuelle Farbe, darunter der Vorschlag ({ui("Vorschlag websicher:")}) mit seinen Werten.</li>
<li>Je Kanal verschiebt ein Regler den Vorschlag: In der Mitte steht der nächste websichere Wert, nach links
geht es ein oder zwei Stufen dunkler, nach rechts ein oder zwei Stufen heller.</li>
<li>{ui("Zuweisen")} schreibt den Vorschlag in die Fläche.</li>
<li>{ui("Nächste")} geht zur nächsten Fläche, die der Modus verwendet (groß, klein links, Mitte, rechts), und stellt die Regler auf die Mitte zurück.</li>
<li>{ui("OK")} schließt den Dialog; {ui("Hilfe")} öffnet diese Seite.</li>
</ul>
<p>Bei fixierter Kombination arbeitet der Dialog mit der rechten Hälfte. Bei Auffächerungen und Farbreihen
werden die Zwischenfarben automatisch berechnet, dort steht der Dialog nicht zur Verfügung; benutzen Sie
stattdessen „Nur websichere Farben anzeigen“.</p>
<p class="note">Im Dialog zugewiesene Farben lassen sich nicht in einer Farbeinstellungsdatei speichern; beim
Speichern fragt das Programm, ob Sie trotzdem speichern möchten.</p>
"""),
dict(file="page22.htm", title="Farbsehen simulieren",
     summary="wie die Farben für Menschen mit anderem Farbsehen aussehen",
     keywords=["Farbsehen", "Simulation", "Protanopie", "Deuteranopie", "Tritanopie", "Achromatopsie",
               "Farbenblindheit", "Rot-Grün-Sehschwäche"],
     body=f"""
<p>Nicht alle Menschen sehen Farben gleich. {ui("Ansicht &gt; Farbsehen simulieren")} zeigt die Flächen so, wie
jemand mit einer der folgenden Arten des Farbsehens sie sieht ({key("Alt+A")}, {key("S")}, dann der
unterstrichene Buchstabe):</p>
<table class="keys">
<tr><td>{ui("Normal")}</td><td>die Farben, wie sie sind (bei jedem Programmstart).</td></tr>
<tr><td>{ui("Protanopie")}</td><td>ohne langwellige („rote“) Zapfen: Rot wirkt dunkler, Rot und Grün werden
verwechselt.</td></tr>
<tr><td>{ui("Deuteranopie")}</td><td>ohne mittelwellige („grüne“) Zapfen: Rot und Grün werden verwechselt, ohne
dass Rot dunkler wirkt.</td></tr>
<tr><td>{ui("Tritanopie")}</td><td>ohne kurzwellige („blaue“) Zapfen: Blau und Grün sowie Gelb und Violett werden
verwechselt.</td></tr>
<tr><td>{ui("Achromatopsie")}</td><td>ganz ohne Farbe: jede Farbe erscheint im Grau ihrer relativen
Leuchtdichte.</td></tr>
</table>
<p>Die drei Dichromasien folgen dem Modell von Machado, Oliveira und Fernandes (2009, „A Physiologically-based
Model for Simulation of Color Vision Deficiency“) in voller Ausprägung, gerechnet in linearem sRGB; die
Achromatopsie nimmt die Leuchtdichte-Gewichte von Rec. 709.</p>
<p class="note">Die Simulation zeigt nur die vollständigen Formen: Dichromasie, bei der eine Zapfenart ganz
fehlt, und Achromatopsie. Die weit häufigeren leichteren Formen (anomale Trichromasie, etwa die
Deuteranomalie), bei denen Farben nur verschoben sind, wirken schwächer als hier gezeigt. Die Simulation geht
von einem sRGB-Bildschirm aus und kann nicht zeigen, wie ein bestimmter Mensch sieht.</p>
<p>Die Simulation ändert nur, was Sie sehen: die Flächen beider Hälften einer fixierten Anzeige, die
Farbmuster neben den Werten, das Farbband, das Hell/Dunkel-Feld, das Winkelbild, das Popup-Fenster und die
Schrift der Textansicht. Die Werte in den Wertezeilen, kopierte Werte, Ausdrucke und gespeicherte Dateien
behalten die echten Farben. Die Statusleiste nennt die eingeschaltete Simulation. Die Wahl wird nicht
gespeichert.</p>
"""),
dict(file="page23.htm", title="Kontrast",
     summary="wie gut jede Farbe als Schrift auf jeder anderen lesbar ist",
     keywords=["Kontrast", "WCAG", "APCA", "Lc", "Lesbarkeit", "Schrift", "Barrierefreiheit"],
     body=f"""
<p>{ui("Bearbeiten &gt; Kontrast...")} öffnet ein Fenster mit jeder gerade gezeigten Fläche, einmal als Zeile (die
Schriftfarbe) und einmal als Spalte (die Hintergrundfarbe). Jede Zelle nennt zwei Maße dafür, wie gut die
Farbe der Zeile auf der Farbe der Spalte lesbar ist:</p>
<ul>
<li>das <b>Kontrastverhältnis</b> nach WCAG 2.2, von 1,00 (kein Kontrast) bis 21,00 (Schwarz auf Weiß), in beide
Richtungen gleich; die Zelle nennt die erreichten Stufen: {ui("AA groß")} ab 3, {ui("AA, AAA groß")} ab 4,5 und
{ui("AAA")} ab 7. Große Schrift hat mindestens 18 pt, oder 14 pt fett. Nach diesem Verhältnis wird die
Konformität mit WCAG 2.2 beurteilt;</li>
<li>der <b>Helligkeitskontrast Lc</b> nach APCA-W3 0.1.9, der davon abhängt, welche Farbe die Schrift ist:
positiv für dunkle Schrift auf hellem Grund, negativ für helle Schrift auf dunklem. Die Zelle nennt die
höchste der Stufen Lc 45, 60, 75 und 90, die der Betrag von Lc erreicht; je höher die Stufe, desto kleiner
und dünner darf die Schrift sein, die noch gut lesbar bleibt. APCA ist ein Kandidat für eine spätere
Fassung von WCAG und noch ein Entwurf: eine zweite Meinung, keine Grundlage für Konformität.</li>
</ul>
<p>Eine Farbe auf sich selbst hat keinen Kontrast; diese Zellen bleiben leer. Die Werte stehen wie alle Zahlen
der deutschen Oberfläche mit Dezimalkomma („4,68“), auch in der kopierten Tabelle.</p>
<p>Das Fenster folgt der Anzeige, solange es offen ist: Ändern Sie die Grundfarbe, den Modus oder die Zahl der
Flächen, ändert sich die Tabelle mit. Es misst immer die echten Farben, auch während eine Simulation des
Farbsehens eingeschaltet ist. {ui("Kopieren")} legt die Tabelle als tabulatorgetrennten Text in die
Zwischenablage, bereit für eine Tabellenkalkulation.</p>
<p>In der Textansicht ({ui("Ansicht &gt; Text anstelle Flächen")}) zeigt der Mauszeiger über einem Text das
Kontrastverhältnis und Lc dieses Textes auf seiner Fläche.</p>
<p>Im Terminal gibt <code>tinctora --contrast DATEI.tnfx</code> beide Maße für jedes Farbpaar aus, das eine
Farbeinstellungsdatei zeigt, ohne Fenster (siehe <a href="page21.htm">Die Befehlszeile</a>).</p>
"""),
dict(file="page25.htm", title="Skalen",
     summary="hellere und dunklere Stufen jeder Farbe, die gewählte Kontraste erreichen",
     keywords=["Skalen", "Stufe", "Designsystem", "Kontrastziel", "WCAG", "APCA", "OKLCH", "Farbsehen", "CIEDE2000", "F7"],
     body=f"""
<p>Eine <b>Skala</b> ist eine Reihe von Stufen einer Farbe, jede so hell oder dunkel, dass sie gegen einen
Hintergrund ein bestimmtes Kontrastziel erreicht: etwa 3:1 für Bedienelemente und große Schrift, 4,5:1 für
Fließtext. Wer aus einer Harmonie das Farbsystem eines Produkts baut, braucht solche Stufen für jede Farbe,
für helle und für dunkle Oberflächen.</p>
<p>{ui("Bearbeiten &gt; Skalen...")} ({key("F7")}) öffnet ein Fenster mit einer Zeile für jede gezeigte Farbe
(bei fixierter Anzeige die beider Hälften) und einer Spalte für jedes Ziel. Jede Zelle zeigt ein Muster der
Stufe auf ihrem Hintergrund, ihren Hexwert und den erreichten Kontrast. Ein „-“ heißt: keine Farbe dieses
Farbtons erreicht das Ziel auf diesem Hintergrund (etwa 15:1 gegen ein mittleres Grau); der Tooltip sagt es.</p>
<h2>Wie die Stufen gefunden werden</h2>
<p>Jede Stufe behält den Farbton der Farbe in OKLCH, einem Farbraum, dessen Helligkeit und Farbton dem Sehen
folgen. Gesucht wird ihre Helligkeit: die, die dem Hintergrund am nächsten liegt und deren 8-Bit-Farbe das
Ziel noch erreicht. So landet jede Stufe auf oder knapp über ihrem Ziel. Kann sRGB die Farbe bei dieser
Helligkeit nicht zeigen, wird ihre Buntheit (Chroma) verringert, bis sie darstellbar ist (die Gamut-Abbildung
von CSS Color 4), statt einzelne Kanäle abzuschneiden, was den Farbton verschieben würde. Alle Stufen liegen
auf der Seite des Hintergrunds, auf der Schwarz oder Weiß mehr Kontrast gibt, und entfernen sich von ihm, je
höher das Ziel ist.</p>
<h2>Was die Ziele bedeuten</h2>
<ul>
<li><b>WCAG 2</b>: das Kontrastverhältnis nach WCAG 2.2 (siehe <a href="page23.htm">Kontrast</a>). 3:1 ist die
Stufe AA für große Schrift und für Bedienelemente, 4,5:1 AA für normale Schrift, 7:1 AAA. Vorgegeben sind
1,5; 2; 3; 4,5; 7; 10 und 15.</li>
<li><b>APCA</b>: der Betrag des Helligkeitskontrasts Lc nach APCA-W3 0.1.9, gemessen mit der Stufe als Schrift
auf dem Hintergrund; Lc 45, 60, 75 und 90 sind seine Stufen für immer kleinere Schrift. Vorgegeben sind
15, 30, 45, 60, 75 und 90. APCA ist ein Entwurf für eine spätere Fassung von WCAG; maßgeblich für Konformität
ist WCAG 2.2.</li>
</ul>
<p>Ein <b>≈</b> hinter einem Hexwert heißt: unter einer simulierten Farbfehlsichtigkeit (Protanopie,
Deuteranopie oder Tritanopie, wie {ui("Ansicht &gt; Farbsehen simulieren")} sie zeigt) ist diese Stufe
kaum von der Stufe einer anderen Farbe beim selben Ziel zu unterscheiden. Achromatopsie bleibt hier außen vor:
Stufen, die dasselbe Ziel erreichen, haben fast dieselbe Leuchtdichte und sähen für sie alle gleich aus. Die Grenze ist ein Farbabstand
CIEDE2000 (ΔE00) von 5: darüber sieht ein Betrachter zwei verschiedene Farben (Mokrzycki und Tatol 2011,
„Colour difference ΔE – A survey“). Der Tooltip nennt die Art des Farbsehens, die andere Stufe und den Abstand.
Das Fenster {ui("Bearbeiten &gt; Kontrast...")} markiert ebenso jedes Paar gezeigter Farben, das eine der vier
Arten, Achromatopsie eingeschlossen, so verwechselt.</p>
<h2>Das Fenster</h2>
<ul>
<li>{ui("Verfahren")}: WCAG 2 oder APCA; ein Wechsel setzt die Ziele auf die Vorgabe des Verfahrens.</li>
<li>{ui("Ziele")}: die Kontrastziele, durch Semikolon getrennt, mit Dezimalkomma („1,5; 3; 4,5“); Enter übernimmt
sie. Was keine positive Zahl ist, wird verworfen, und die vorigen Ziele kehren zurück.</li>
<li>{ui("Hintergrund hell")} und {ui("Hintergrund dunkel")}: die Hintergründe der beiden Sätze, Weiß und Schwarz
zu Beginn. Die Liste bietet Weiß, Schwarz und jede gezeigte Farbe; Sie können auch einen Hexwert eintippen.
Die Reiter {ui("Hell")} und {ui("Dunkel")} zeigen den jeweiligen Satz.</li>
<li>{ui("Hex kopieren")} kopiert den Hexwert der gewählten Zelle, {ui("Zeile kopieren")} ihre Zeile und
{ui("Tabelle kopieren")} den ganzen Satz, als tabulatorgetrennten Text mit Dezimalkomma.</li>
</ul>
<p>Das Fenster folgt der Anzeige, solange es offen ist, und seine Muster zeigen eine eingeschaltete
Simulation des Farbsehens; die Werte bleiben die der echten Farben. Im Terminal gibt
<code>tinctora --scales DATEI.tnfx</code> dieselben Stufen aus (siehe <a href="page21.htm">Die Befehlszeile</a>).</p>
"""),
dict(file="page24.htm", title="Rückgängig und Verlauf",
     summary="Farbentscheidungen zurücknehmen und wiederherstellen",
     keywords=["Rückgängig", "Wiederherstellen", "Verlauf", "Schritt", "Strg+Z", "Strg+Y"],
     body=f"""
<p>Jede Farbentscheidung ist ein Schritt: ein Klick oder ein ganzes Ziehen auf dem Farbband oder im
Hell/Dunkel-Feld, ein anderer Modus, Farbbandtyp oder Winkel Typ, ein Ziehen an einem Winkelregler,
die Anzahl der Flächen, Fixieren ein und aus, ein Klick in die andere Hälfte einer fixierten Anzeige,
separates Einstellen ein und aus und die Fläche, die es einstellt, eine eingegebene oder mit der Pipette
aufgenommene Farbe, {ui("Ansicht &gt; Text anstelle Flächen")} ein und aus, {ui("Ansicht &gt; Farbstreifen ausblenden")}
({key("F8")}) ein und aus. Auch das Wählen einer
anderen Fläche ist ein Schritt.</p>
<table class="keys">
<tr><th>Befehl (Menü Bearbeiten)</th><th>Taste</th></tr>
<tr><td>Rückgängig</td><td>{key("Strg+Z")}</td></tr>
<tr><td>Wiederherstellen</td><td>{key("Strg+Umschalt+Z")} oder {key("Strg+Y")}</td></tr>
<tr><td>Verlauf...</td><td></td></tr>
</table>
<p>{ui("Rückgängig")} zeigt die Anzeige so, wie sie vor dem Schritt war: die Flächen und ihre Werte, die
Bandposition, das Fadenkreuz mit seinen Prozenten, die Regler, die gewählte Fläche und beide Hälften einer
fixierten Anzeige. {ui("Wiederherstellen")} bringt zurück, was der Schritt bewirkt hat. Beide Einträge im
Menü Bearbeiten nennen den Schritt, den sie zurücknehmen oder wiederherstellen würden; solange der Mauszeiger
auf einem von ihnen ruht, nennt ihn auch die Statusleiste. Während Sie in einen Text der Textansicht schreiben, macht {key("Strg+Z")}
dort das Schreiben rückgängig, nicht einen Farbschritt.</p>
<h2>Das Verlaufsfenster</h2>
<p>{ui("Bearbeiten &gt; Verlauf...")} öffnet ein kleines Fenster mit allen Schritten, der aktuelle ist markiert.
Ein Klick auf einen Schritt geht zu diesem Schritt, einem früheren wie einem späteren; ein Klick auf {ui("Anfang")} geht
dorthin zurück, wo der Verlauf begann. Ein neuer Schritt nach dem Zurückgehen ersetzt die Schritte, die
danach kamen.</p>
<p>Der Verlauf beginnt beim Programmstart und neu, wenn eine Datei geöffnet wird; er behält die letzten
10.000 Schritte. Beim Speichern wird der aktuelle Schritt zum gespeicherten: Wer rückgängig macht oder
wiederherstellt, bis er wieder dort ist, hat nichts zu speichern, und das Programm fragt beim Beenden
nicht; wer sich davon entfernt, hat die Datei wieder geändert.</p>
"""),
dict(file="page11.htm", title="Farbeinstellungen speichern und laden",
     summary="die Tinctora-Datei (*.tnfx)",
     keywords=["Speichern", "Laden", "Öffnen", "tnfx", "Farbeinstellungsdatei", "Farbeinstellungen speichern unter"],
     body=f"""
<p>Eine Farbeinstellungsdatei hält eine Kombination fest, damit Sie sie später wieder öffnen können. Sie
speichert keine Farben, sondern die Einstellungen, aus denen sie entstehen: Farbbandtyp, Modus,
Bandpositionen, Winkelabstände, Winkel Typ, Flächenzahl, Hell/Dunkel-Punkte und Anzeigeoptionen; bei fixierter
Kombination beide Kombinationen. Beim Öffnen wird alles genau so wieder eingestellt, als hätten Sie es von
Hand getan.</p>
<table class="keys">
<tr><th>Befehl (Menü Datei)</th><th>Taste</th></tr>
<tr><td>Farbeinstellungen laden</td><td>Strg+O</td></tr>
<tr><td>Farbeinstellungen speichern</td><td>Strg+S</td></tr>
<tr><td>Farbeinstellungen speichern unter...</td><td></td></tr>
</table>
<ul>
<li>Die Dateien haben die Endung <code>.tnfx</code> („Tinctora Datei“); „speichern unter“ hängt sie an jeden eingegebenen Namen an.</li>
<li>Die Titelleiste zeigt den Namen der aktuellen Datei. Speichern ist verfügbar, sobald sich etwas geändert hat.</li>
<li>Bevor eine vorhandene Datei überschrieben wird, fragt das Programm nach. Beim Beenden bietet es an, Änderungen zu speichern.</li>
<li>Eine auf der Befehlszeile genannte Datei wird beim Start geöffnet. Läuft Tinctora schon, holt das Öffnen
einer weiteren Datei das laufende Fenster nach vorn und öffnet die Datei dort.</li>
</ul>
<p class="note">Fehler meldet das Programm: „Die Datei konnte nicht erstellt werden!“ oder dass eine Datei nicht
gelesen werden konnte.</p>
"""),
dict(file="page12.htm", title="Zwischendaten",
     summary="alle Werte einer Auffächerung oder Farbreihe als Liste",
     keywords=["Zwischendaten", "Reihenwerte", "Wertetabelle"],
     body=f"""
<p>Bei Auffächerungen und Farbreihen öffnet die Schaltfläche {ui("Zwischendaten")} das gleichnamige Fenster. Es
listet jede Fläche der Reihe, die Sie bearbeiten, als eine Zeile: ein Farbmuster, den Namen der Fläche (Große
Fläche, kl. Fläche links, 2. kl. Fläche ... kl. Fläche Mitte ... kl. Fläche rechts) und ihre R-, G-, B- und Hexwerte.</p>
<ul>
<li>{ui("Alles in Zwischenablage kopieren")} kopiert die ganze Tabelle als Text.</li>
<li>{ui("Drucken")} druckt die Tabelle.</li>
<li>Klicken Sie einen Wert an und wählen Sie mit der rechten Maustaste {ui("Kopieren")}, um nur diesen Wert zu kopieren.</li>
</ul>
<p>Bei Farbreihen gibt es keine große Fläche, ihre Zeile entfällt. Bei Zweier-, Dreier- und Vierer-Harmonien
ist die Schaltfläche nicht verfügbar: Dort zeigen die Wertezeilen des Hauptfensters bereits alles.</p>
"""),
dict(file="page13.htm", title="Werte drucken",
     summary="eine Seite mit den Werten aller Flächen",
     keywords=["Drucken", "Werte drucken", "Strg+P", "Drucker"],
     body=f"""
<p>{ui("Datei &gt; Werte drucken")} ({key("Strg+P")}) druckt die Werte der aktuellen Kombination auf eine Seite: je
Fläche ihren Namen und ihre R-, G-, B- und Hexwerte. Ist eine Kombination fixiert, folgt die fixierte unter der
Zeile „-------------- FIXIERT --------------“.</p>
<p>Bei Auffächerungen und Farbreihen wird jede Fläche der Reihe gedruckt, wie im Fenster
<a href="page12.htm">Zwischendaten</a>, dessen Schaltfläche {ui("Drucken")} dieselbe Tabelle druckt.</p>
<p>Der Druckauftrag heißt „Tinctora“. Gedruckt wird nur Text, keine Farbmuster: Drucker geben Farben anders
wieder als der Bildschirm, und weitergegeben werden die Werte.</p>
"""),
dict(file="page14.htm", title="Werte kopieren",
     summary="alle Werte als Text für andere Programme",
     keywords=["Alle Werte kopieren", "Zwischenablage", "Alt+C", "Kopieren"],
     body=f"""
<p>{ui("Bearbeiten &gt; Alle Werte kopieren")} ({key("Alt+C")}) legt alle Werte der aktuellen Kombination als
einfachen Text in die Zwischenablage, bereit zum Einfügen in ein Stylesheet, eine E-Mail oder ein Dokument.
Bei Zweier-, Dreier- und Vierer-Harmonien hat der Text je Fläche einen Block:</p>
<pre>Große Fläche
R: 218
G: 37
B: 29
HEX: #DA251D</pre>
<p>danach die Blöcke der kleinen Flächen links, Mitte und rechts, getrennt durch eine Leerzeile. Bei fixierter
Kombination folgen ihre Werte unter „-------------- FIXIERT --------------“. Bei Auffächerungen und Farbreihen
erscheint jede Fläche der Reihe mit einer Wertezeile, wie im Fenster <a href="page12.htm">Zwischendaten</a>.</p>
<p>Einen einzelnen Wert kopieren Sie, indem Sie ihn anklicken und {key("Strg+C")} drücken (siehe
<a href="page07.htm">Flächen auswählen und Werte</a>).</p>
"""),
dict(file="page19.htm", title="Palette exportieren",
     summary="die Farben als Palettendatei für andere Programme",
     keywords=["Palette exportieren", "Strg+E", "Palettendatei", "GIMP-Palette", "gpl", "Adobe Swatch Exchange", "ase", "LibreOffice", "soc", "CSS", "Sass", "scss", "Design-Tokens", "tokens.json", "SVG", "PNG", "Farbmusterbogen"],
     body=f"""
<p>{ui("Datei &gt; Palette exportieren...")} ({key("Strg+E")}) schreibt die angezeigten Farben in eine Datei,
die andere Programme als Palette lesen. Das Format wählen Sie in der Typenliste des Dateidialogs oder mit einer
Endung, die das Programm kennt; ein Name ohne Endung erhält die des gewählten Typs.</p>
<p>Die Palette enthält jede Fläche, die die Anzeige zeigt, in der Reihenfolge, in der
{ui("Alle Werte kopieren")} sie aufführt, und mit denselben Namen: „Große Fläche“, „Kleine Fl. links“,
„Kleine Fl. Mitte“, „Kleine Fl. rechts“, bei Auffächerungen und Farbreihen die Namen des Fensters
<a href="page12.htm">Zwischendaten</a> („2. kl. Fläche“ usw.). Bei einer <a href="page08.htm">fixierten</a>
Kombination werden beide Hälften exportiert, die gerade bearbeitete zuerst, als Gruppen „Rechte Hälfte“ und
„Linke Hälfte“.</p>
<table class="keys">
<tr><th>Typ</th><th>Datei</th><th>Gelesen von</th></tr>
<tr><td>GIMP-Palette</td><td>.gpl</td><td>GIMP, Inkscape, Krita, Scribus</td></tr>
<tr><td>Adobe Swatch Exchange</td><td>.ase</td><td>Adobe-Programme; je Hälfte eine Farbgruppe</td></tr>
<tr><td>LibreOffice-Farbtabelle</td><td>.soc</td><td>LibreOffice</td></tr>
<tr><td>CSS-Variablen</td><td>.css</td><td>Stylesheets: <code>--grosse-flaeche: #DA251D;</code> in <code>:root</code></td></tr>
<tr><td>Sass-Variablen</td><td>.scss</td><td>Sass: <code>$grosse-flaeche: #DA251D;</code></td></tr>
<tr><td>Design-Tokens</td><td>.tokens.json</td><td>Design-Token-Werkzeuge (Format der Design Tokens Community Group, Farb-Tokens in sRGB)</td></tr>
<tr><td>Farbmusterbogen</td><td>.svg, .png</td><td>jeder Bildbetrachter; jede Farbe als Quadrat mit Namen und Hexwert darunter, auf Weiß</td></tr>
</table>
<p>In den Stylesheet-Formaten werden die Namen zu Bezeichnern: Kleinbuchstaben, Umlaute und ß ausgeschrieben,
jedes andere Zeichen ein Bindestrich; ein Kommentar neben jedem Wert behält den vollen Namen. Bei zwei Hälften
steht der Name der Hälfte vorn („rechte-haelfte-grosse-flaeche“).</p>
<p>Die Datei wird neben der alten geschrieben und erst an ihre Stelle gesetzt, wenn sie vollständig ist, wie beim
<a href="page11.htm">Speichern der Farbeinstellungen</a>: Schlägt das Schreiben fehl, erscheint die Meldung
„Die Datei konnte nicht erstellt werden!“, und eine ältere Datei dieses Namens bleibt, wie sie war.</p>
<p><b>Mit Skalen.</b> Im Dateidialog fügt {ui("Mit Skalen (nur CSS und Tokens)")} für jede gezeigte Farbe
die Stufen hinzu, die das Fenster <a href="page25.htm">Skalen</a> findet: nach WCAG 2 (Verhältnisse 1,5, 2, 3,
4,5, 7, 10, 15) oder nach APCA (Lc 15, 30, 45, 60, 75, 90), die helle Reihe auf Weiß gemessen, die dunkle auf
Schwarz. Design-Tokens werden dann zu zwei Dateien, NAME.light.tokens.json und NAME.dark.tokens.json, weil das
Token-Format keine hellen und dunklen Modi kennt: Jede Farbe ist eine Gruppe, jede Stufe ein Farb-Token, benannt
nach ihrem Ziel („4-5“ für 4,5:1, „60“ für Lc 60) und beschrieben mit Ziel und erreichtem Kontrast. Ein Ziel,
das eine Farbe dieses Farbtons nicht erreichen kann, hat kein Token; die Beschreibung der Gruppe nennt es. Die
CSS-Datei behält die Farben und fügt je Stufe eine Variable hinzu (<code>--grosse-flaeche-4-5</code>), die
hellen Stufen in <code>:root</code>, dieselben Namen noch einmal für ein dunkles Farbschema
(<code>@media (prefers-color-scheme: dark)</code>).</p>
<p>Dieselben Dateien lassen sich auch ohne Fenster schreiben: siehe <a href="page21.htm">Die Befehlszeile</a>.</p>
"""),
dict(file="page26.htm", title="Paletten importieren",
     summary="Palettendateien, die Farben eines Bildes und eingefügte Hexwerte als Ausgang einer Harmonie",
     keywords=["Palette importieren", "Palettenfenster", "Ziehen und Ablegen", "Farben einfügen", "Strg+V", "Bild", "Foto", "Hauptfarben", "GIMP-Palette", "gpl", "ase", "soc", "Design-Tokens", "CSS", "Hexwert"],
     body=f"""
<p>Eine Harmonie kann von Farben ausgehen, die Sie schon haben. {ui("Datei &gt; Palette importieren...")} öffnet
eine Palettendatei oder ein Bild im Fenster {ui("Palette")}. Sie können eine solche Datei auch auf das
Hauptfenster ziehen (eine abgelegte Farbeinstellungsdatei öffnet sich wie mit
{ui("Datei &gt; Farbeinstellungen laden")}) oder Hexwerte wie <code>#DA251D</code>, einen je Zeile, kopieren und
{ui("Bearbeiten &gt; Farben einfügen")} ({key("Strg+V")}) wählen.</p>
<h2>Was gelesen wird</h2>
<ul>
<li>GIMP-Paletten (<code>.gpl</code>), LibreOffice-Paletten (<code>.soc</code>) und Adobe Swatch Exchange
(<code>.ase</code>: RGB-, Grau- und LAB-Farben; CMYK-Farben werden ohne Druckprofil nach der einfachen Formel
umgerechnet, und das Fenster sagt es).</li>
<li>Design-Tokens (<code>.tokens.json</code>, <code>.json</code>): die Farb-Tokens des DTCG-Formats, ihre Gruppen
und ihre Verweise auf andere Tokens.</li>
<li>Stylesheets (<code>.css</code>): eigene Eigenschaften und die Farbwerte von CSS Color 4 (Hex, Namen,
<code>rgb()</code>, <code>hsl()</code>, <code>hwb()</code>, <code>lab()</code>, <code>lch()</code>,
<code>oklab()</code>, <code>oklch()</code>, <code>color()</code>); jede Regel außer <code>:root</code> ist eine
Gruppe.</li>
<li>Text (<code>.txt</code>, <code>.hex</code>) mit einem Hexwert je Zeile.</li>
<li>Bilder (PNG, JPEG und WebP, wo das System es lesen kann): die sechs Farben, die den größten Teil des Bildes
bedecken, jede mit ihrem Anteil in Prozent. Dasselbe Bild ergibt immer dieselben Farben.</li>
</ul>
<p>Namen und Gruppen bleiben erhalten. Eine Farbe außerhalb von sRGB wird durch weniger Buntheit nach sRGB
geholt, wie CSS Color 4 es tut, und erhält den Hinweis „≈ außerhalb von sRGB, nach sRGB abgebildet“. Eine
beschädigte Datei wird gar nicht importiert: Eine Meldung nennt die Datei und die Zeile (in einer
<code>.ase</code>-Datei das Byte), an der sie fehlerhaft ist.</p>
<h2>Eine Farbe übernehmen</h2>
<p>Wählen Sie ein Farbfeld und drücken Sie {key("Eingabe")}, oder doppelklicken Sie es: Die Farbe wird zur
Grundfarbe der Harmonie, genau als hätten Sie sie in die <a href="page05.htm">manuelle Eingabe</a> getippt. Das Band
springt auf ihren Farbton, der Hell/Dunkel-Punkt auf ihre Helligkeit, und die anderen Flächen folgen. Das ist ein
Schritt, „Farbeingabe“, den {ui("Bearbeiten &gt; Rückgängig")} zurücknimmt. Das Fenster Palette bleibt offen und
folgt der Harmonie nicht: Es ist nur die Quelle.</p>
<h2>In der Befehlszeile</h2>
<p><code>tinctora --palette-from-image BILD</code> gibt die Hauptfarben des Bildes aus, je Zeile Hexwert und
Anteil; <code>--colors K</code> verlangt 2 bis 12 statt 6 Farben. <code>tinctora --export AUSGABE --from
PALETTE</code> wandelt eine Palettendatei in jedes Format von <a href="page19.htm">Palette exportieren</a> um
(siehe <a href="page21.htm">Die Befehlszeile</a>).</p>
"""),
dict(file="page27.htm", title="Farben für den Druck",
     summary="CMYK über ein ICC-Druckprofil, die Farbumfangswarnung und der simulierte Druck",
     keywords=["Druckprofil", "ICC-Profil", "CMYK", "Farbumfang", "Farbumfangswarnung", "Druck simulieren", "Softproof", "Umrechnung", "Druckmaschine"],
     body=f"""
<p>Ein Bildschirm mischt Licht, eine Druckmaschine mischt Farben auf Papier, und viele Farben des Bildschirms
lassen sich nicht drucken. Ein <b>ICC-Druckprofil</b> beschreibt eine Maschine mit Farben und Papier: welche Farben
sie drucken kann und wie sie sie aus Cyan, Magenta, Gelb und Schwarz erreicht. Druckereien geben solche Profile
heraus; Tinctora rechnet mit ihnen über LittleCMS.</p>
<h2>Ein Profil wählen</h2>
<p>Die Seite {ui("Druck")} von {ui("Bearbeiten &gt; Einstellungen")} listet die CMYK-Ausgabeprofile aus
<code>/usr/share/color/icc</code> (mit Unterordnern), <code>~/.local/share/icc</code> und <code>~/.color/icc</code>;
{ui("Datei laden...")} nimmt jede andere <code>.icc</code>- oder <code>.icm</code>-Datei. Eine Datei, die sich nicht
lesen lässt oder kein CMYK-Ausgabeprofil ist, wird mit einer Meldung abgelehnt, und die bisherige Wahl bleibt.
{ui("Umrechnung")}: relativ farbmetrisch mit Tiefenkompensierung (die Vorgabe) behält die druckbaren Farben und
rückt die anderen auf die nächste druckbare; wahrnehmungsorientiert staucht alle Farben gemeinsam.
{ui("Kein Profil")} kehrt zur einfachen Formel zurück.</p>
<h2>Was das Profil ändert</h2>
<ul>
<li>{ui("Bearbeiten &gt; Farbformate...")} zeigt eine zweite CMYK-Zeile, „CMYK (Name des Profils)“, mit den
Prozenten über das Profil; die Zeile „CMYK (ohne Profil)“ behält die einfache Formel. Beide lassen sich
kopieren.</li>
<li>{ui("Ansicht &gt; Farbumfangswarnung")}: Eine Fläche, deren Farbe die Maschine nicht drucken kann (der Weg durch
das Profil und zurück verschiebt sie um mehr als 2 in CIEDE2000), erhält eine kleine gelbe Marke, und ihr Tooltip
nennt den Abstand. Die Fenster Farbformate, Kontrast und Skalen markieren solche Farben ebenso.</li>
<li>{ui("Ansicht &gt; Druck simulieren")} zeigt die Anzeige so, wie das Profil jede Farbe aus dem Druck
zurückbringt, zusammen mit einem simulierten Farbsehen, falls eines gewählt ist. Nur das Bild auf dem Bildschirm
ändert sich: Werte, Kopien, Dateien und Exporte behalten die echten Farben.</li>
</ul>
<p>Das alles ist nur so gut wie das Profil und Ihr Bildschirm: Es kann weder die Oberfläche des Papiers noch die
echten Farben oder den Lauf einer bestimmten Maschine zeigen. Fragen Sie die Druckerei vor einem Auftrag nach
ihrem Profil und einem Proof.</p>
<h2>In der Befehlszeile</h2>
<p><code>tinctora --cmyk PROFIL.icc DATEI.tnfx</code> gibt jede angezeigte Farbe mit C, M, Y und K in Prozent und
<code>in</code> oder <code>out</code> des Farbumfangs aus; <code>--intent perceptual</code> wählt die andere
Umrechnung. <code>tinctora --export AUSGABE.ase --cmyk-profile PROFIL.icc DATEI.tnfx</code> schreibt eine Adobe
Swatch Exchange-Datei, deren Farbfelder über das Profil in CMYK stehen.</p>
"""),
dict(file="page20.htm", title="Farbformate",
     summary="die gewählte Farbe als Hex, rgb(), HSL, HSV, CMYK, Lab, LCh, OKLab und OKLCH",
     keywords=["Farbformate", "HSL", "HSV", "CMYK", "Lab", "LCh", "OKLab", "OKLCH", "rgb()", "CSS-Farbe", "Farbe umrechnen"],
     body=f"""
<p>{ui("Bearbeiten &gt; Farbformate...")}, auch im Menü der rechten Maustaste auf den Wertezeilen, öffnet ein
Fenster, das die Farbe der <a href="page07.htm">ausgewählten Fläche</a> in weiteren Schreibweisen zeigt. Das
Fenster bleibt neben dem Hauptfenster offen und folgt ihm: Wählen Sie eine andere Fläche, ziehen Sie auf dem
Farbband oder im Hell/Dunkel-Feld, und seine Zeilen ändern sich mit der Farbe.</p>
<table class="keys">
<tr><th>Zeile</th><th>Beispiel</th><th>Bedeutung</th></tr>
<tr><td>Hex</td><td><code>#008000</code></td><td>der Hexwert der Wertezeilen</td></tr>
<tr><td>RGB</td><td><code>rgb(0 128 0)</code></td><td>die Dezimalwerte, wie CSS sie schreibt</td></tr>
<tr><td>HSL</td><td><code>hsl(120,0 100,0% 25,1%)</code></td><td>Farbton in Grad, Sättigung und Helligkeit</td></tr>
<tr><td>HSV</td><td><code>hsv(120,0 100,0% 50,2%)</code></td><td>Farbton, Sättigung und Hellwert, wie viele Farbwähler sie zeigen</td></tr>
<tr><td>CMYK</td><td><code>cmyk(100,0% 0,0% 100,0% 49,8%)</code></td><td>Cyan, Magenta, Gelb und Schwarz direkt aus R, G, B berechnet, ohne Druckerprofil: ein Anhaltspunkt, kein Proof für den Druck</td></tr>
<tr><td>CIE Lab, CIE LCh</td><td><code>lab(46,28 -47,55 48,59)</code></td><td>wie CSS <code>lab()</code> und <code>lch()</code> festlegt: Weißpunkt D50, sRGB mit dem Bradford-Verfahren angepasst</td></tr>
<tr><td>OKLab, OKLCH</td><td><code>oklab(0,51975 -0,14030 0,10768)</code></td><td>wie CSS <code>oklab()</code> und <code>oklch()</code> festlegt</td></tr>
</table>
<p>Die Schaltfläche {ui("Kopieren")} neben einer Zeile legt ihren Text in die Zwischenablage. Wo CSS die
Schreibweise kennt (Hex, <code>rgb()</code>, <code>hsl()</code>, <code>lab()</code>, <code>lch()</code>,
<code>oklab()</code>, <code>oklch()</code>), kopiert sie die CSS-Schreibweise mit Dezimalpunkt, die sich
unverändert in ein Stylesheet einfügen lässt; HSV und CMYK haben keine CSS-Schreibweise und werden kopiert, wie
sie angezeigt werden, mit Dezimalkomma.</p>
<p>Solange die <a href="page05.htm">manuelle Eingabe</a> getippte Werte in der großen Fläche zeigt, zeigt das
Fenster die getippte Farbe.</p>
"""),
dict(file="page03.htm", title="Das Popup-Fenster",
     summary="die Farben auf dem ganzen Bildschirm, mit Text",
     keywords=["Popup-Fenster", "Vollbild-Vorschau", "F9", "Farbwechsel", "Textmodus"],
     body=f"""
<p>{ui("Ansicht &gt; Popup-Fenster")} ({key("F9")}, Werkzeugleiste {ui("Popup")}) zeigt die Kombination, die Sie
bearbeiten, auf dem ganzen Bildschirm ohne den Rest des Programms, damit Sie beurteilen können, wie die Farben
zusammenwirken und ob Text in einer Farbe auf einer anderen lesbar ist.</p>
<p>Die Farbe der großen Fläche füllt den Bildschirm; die anderen Farben liegen als Blöcke darauf, ein schmaler
und ein breiter je kleiner Fläche. Bei Auffächerungen und Farbreihen erscheinen sie als Spalte von Balken, einer
je Fläche. Ziehen Sie einen Block oder Balken mit der Maus, um ihn zu verschieben.</p>
<h2>Die Werkzeugleiste</h2>
<table class="keys">
<tr><th>Schaltfläche</th><th>Wirkung</th></tr>
<tr><td>Schließen ({key("F9")})</td><td>zurück zum Hauptfenster</td></tr>
<tr><td>Klein, Mittel, Groß</td><td>Größe der Blöcke und Balken und ihrer Schrift</td></tr>
<tr><td>Farbwechsel</td><td>dreht die Farben weiter: Jede Farbe rückt an den nächsten Platz, der Hintergrund eingeschlossen</td></tr>
<tr><td>Text</td><td>Textmodus: Mustertexte in den Farben statt Blöcken</td></tr>
<tr><td>Wechseln</td><td>nur bei <a href="page08.htm">fixierter</a> Kombination: zeigt die andere Kombination</td></tr>
<tr><td>Hilfe ({key("F1")})</td><td>öffnet diese Seite</td></tr>
</table>
<h2>Textmodus</h2>
<p>Im Textmodus schreibt jede Farbe einen Mustertext („Ich bin der Text, der zur Beurteilung der Textfarbe
dient.“) auf den Hintergrund; bei Auffächerungen und Farbreihen trägt jeder Balken „Dies ist ein Testtext.“.
Sie können in die Texte schreiben. Die rechte Maustaste bietet {ui("Ausschneiden")}, {ui("Kopieren")},
{ui("Einfügen")}, die Ausrichtung ({ui("Links")}, {ui("Rechts")}, {ui("Zentriert")}) und {ui("Schriftart")}. Zeigt
das Hauptfenster <a href="page10.htm">Text anstelle Flächen</a>, startet das Popup-Fenster im Textmodus.</p>
"""),
dict(file="page16.htm", title="Einstellungen, Hintergrund und Fenstergröße",
     summary="Tutorial-Pfad, Hintergrundhelligkeit, Vollbild, Sprache",
     keywords=["Einstellungen", "Tutorial-Pfad", "Hintergrund", "Hintergrund-Helligkeit", "Vollbild", "kompaktes Layout", "Sprache", "Fensterposition"],
     body=f"""
<h2>Einstellungen</h2>
<p>{ui("Bearbeiten &gt; Einstellungen")} öffnet den Dialog {ui("Einstellungen")}. Auf der Seite {ui("Tutorial")} tragen
Sie den Pfad zur „index.html“ des Tutorials ein; die Ordner-Schaltfläche hilft bei der Auswahl. Solange kein
Pfad gesetzt ist, zeigt das Feld das mit dem Programm installierte Tutorial. Der Link unter {ui("Tutorial im Internet:")}
öffnet die Webseite des Programms. Kann kein Webbrowser eine Seite des Tutorials öffnen, sagt eine Meldung das.</p>
<h2>Hintergrund-Helligkeit</h2>
<p>Das Listenfeld {ui("Hintergrund: Standard / Weiß / Grau / Schwarz")} bestimmt die Farbe um die Flächen. Farben
wirken auf verschiedenen Umgebungen verschieden: Prüfen Sie eine Kombination auf dem Hintergrund, den sie im
Einsatz haben wird. Die Wahl bleibt für den nächsten Start erhalten.</p>
<h2>Fenstergröße</h2>
<ul>
<li>Die Flächen wachsen und schrumpfen mit dem Fenster.</li>
<li>Auf Bildschirmen schmaler als 1020 oder niedriger als 764 Pixel verwendet das Programm ein festes, kompaktes Layout.</li>
<li>{ui("Ansicht &gt; Vollbild")} (Werkzeugleiste {ui("Vollbild")}) zeigt das Programm ohne Titel- und Taskleiste; ein
erneuter Aufruf kehrt zurück.</li>
<li>Position, Größe und maximierter Zustand des Fensters bleiben für den nächsten Start erhalten.</li>
</ul>
<h2>Sprache</h2>
<p>Tinctora läuft auf Deutsch oder Englisch, auch in den Dialogen des Systems wie Öffnen und Speichern. Die
Sprache wählen Sie auf der Seite {ui("Sprache")} des Dialogs {ui("Einstellungen")}: {ui("Deutsch")},
{ui("Englisch (English)")} oder {ui("Wie der Desktop")}. Die Wahl gilt ab dem nächsten Start von Tinctora.</p>
<p>{ui("Wie der Desktop")} (die Wahl zu Beginn) nimmt die Einstellung „TNVersion“, wenn ein Installationsprogramm
sie gespeichert hat (11 ergibt Englisch, jeder andere Wert Deutsch), und sonst die Sprache Ihrer
Desktop-Sitzung: Deutsch, wenn sie Deutsch ist, sonst Englisch. Das Programm selbst schreibt „TNVersion“ nie.</p>
"""),
dict(file="page17.htm", title="Tastenkürzel",
     summary="alle Tasten auf einen Blick",
     keywords=["Tastenkürzel", "Tasten", "Tastatur", "F1", "F2", "F7", "F9", "F12", "Tab", "Fokus", "Pfeiltasten", "Bildschirmleser", "Barrierefreiheit"],
     body=f"""
<table class="keys">
<tr><th>Taste</th><th>Befehl</th></tr>
<tr><td>F1</td><td>Hilfe: Inhalt</td></tr>
<tr><td>Alt+F1</td><td>Tutorial: Startseite</td></tr>
<tr><td>F2 / F3 / F4</td><td>Zweier- / Dreier- / Vierer-Harmonien</td></tr>
<tr><td>F5 / F6</td><td>Auffächerungen / Farbreihen</td></tr>
<tr><td>F7</td><td>Skalen</td></tr>
<tr><td>F8</td><td>Farbstreifen ausblenden</td></tr>
<tr><td>F9</td><td>Popup-Fenster (darin: Schließen)</td></tr>
<tr><td>F12</td><td>Pipette</td></tr>
<tr><td>Alt+R / Alt+L</td><td>Farbband Real / Luminös</td></tr>
<tr><td>Strg+O</td><td>Farbeinstellungen laden</td></tr>
<tr><td>Strg+S</td><td>Farbeinstellungen speichern</td></tr>
<tr><td>Strg+P</td><td>Werte drucken</td></tr>
<tr><td>Strg+E</td><td>Palette exportieren</td></tr>
<tr><td>Strg+V</td><td>Farben einfügen (Hexwerte ins Fenster Palette)</td></tr>
<tr><td>Alt+C</td><td>Alle Werte kopieren</td></tr>
<tr><td>Strg+C</td><td>hervorgehobenen Wert kopieren</td></tr>
<tr><td>Strg+Umschalt+K</td><td>Kontrast</td></tr>
<tr><td>Strg+Umschalt+F</td><td>Farbformate</td></tr>
<tr><td>Strg+Umschalt+H</td><td>Verlauf</td></tr>
<tr><td>Alt+F4</td><td>Programm beenden</td></tr>
</table>
<h2>Das Fenster mit der Tastatur bedienen</h2>
<p>Tab geht in der Lesereihenfolge durch das Hauptfenster: das Farbband, die Flächenwahl von
{ui("Farben separat einstellen")}, die Anzahl der Reihenflächen und {ui("Zwischendaten")}, die Flächen der
Anzeige (bei fixierter Kombination zuerst die linke Hälfte), das Feld für den Hintergrund, die
Hell/Dunkel-Feld und das Winkelfeld; Umschalt+Tab geht zurück. Erreicht wird nur, was das Fenster zeigt. Ein
schwarz-weißer Rahmen zeigt, welches Element die Tasten erhält; er erscheint, wenn Sie mit Tab dorthin kommen
oder eine Taste drücken, und verschwindet beim Klicken.</p>
<table class="keys">
<tr><th>Wo</th><th>Taste</th><th>Wirkung</th></tr>
<tr><td>Farbband</td><td>Links / Rechts</td><td>eine Position nach links oder rechts, wie ein Klick dort</td></tr>
<tr><td></td><td>Bild ab / Bild auf, Strg+Links / Strg+Rechts</td><td>zehn Positionen</td></tr>
<tr><td></td><td>Pos1 / Ende</td><td>erste oder letzte Position des Bands</td></tr>
<tr><td>Eine Fläche</td><td>Leertaste oder Eingabe</td><td>wählt die Fläche, wie ein Klick darauf</td></tr>
<tr><td>Hell/Dunkel-Feld</td><td>Links / Rechts</td><td>weniger oder mehr Dunkel, um einen Schritt des Anteils</td></tr>
<tr><td></td><td>Auf / Ab</td><td>mehr oder weniger Hell, um einen Schritt des Anteils</td></tr>
<tr><td></td><td>Strg mit einer Pfeiltaste</td><td>zehn Schritte</td></tr>
</table>
<p>Eine gehaltene Taste ist ein Schritt im Verlauf, wie ein Ziehen mit der Maus: {ui("Rückgängig")} nimmt die
ganze Bewegung zurück. In der kleinen Hell/Dunkel-Feld des kompakten Fensters ist ein Schritt zwei des
Anteils, wie dort ein Pixel.</p>
<h2>Mit einem Bildschirmleser</h2>
<p>Jedes Element des Hauptfensters sagt einem Bildschirmleser, was es ist und was es zeigt:</p>
<ul>
<li>Jede <b>Fläche</b> nennt sich und ihre Farbe in Worten, als Hexwert und als Rot, Grün und Blau, zum
Beispiel „Große Fläche: Rot, Hex #DA251D, Rot 218, Grün 37, Blau 29“; ändert sich ihre Farbe, wird die neue
angesagt. Drücken wählt die Fläche, wie ein Klick.</li>
<li>Das <b>Farbband</b> nennt seine Art („Farbband Real“ oder „Luminös“) und seine Position von 0 bis 677;
eine gesetzte Position bewegt das Band wie ein Klick dort.</li>
<li>Das <b>Hell/Dunkel-Feld</b> nennt beide Anteile mit Namen, zum Beispiel „Hell/Dunkel-Feld: hell 40 %,
dunkel 10 %“; seine zwei Prozentangaben heißen „Hell-Anteil“ und „Dunkel-Anteil“.</li>
<li>Das <b>Winkelbild</b> nennt die Winkel, die seine Beschriftungen zeigen; beim separaten Einstellen nennt es
die Stelle jeder Fläche. Die beiden Regler heißen „Erster Winkel“ und „Zweiter Winkel“ und melden die Grad,
die das Fenster zeigt.</li>
<li>Die Flächenwahl von {ui("Farben separat einstellen")} liest sich als Gruppe von Optionsfeldern mit den
Namen der Flächen, und die Kopieren-Knöpfe der {ui("Farbformate")} nennen jeweils ihr Format.</li>
</ul>
<p>Die Farbwörter sind eine Hilfe, keine Messung: Sie nennen den Farbton (Rot, Orange, Gelb, Grün, Türkis, Blau,
Violett, Magenta, Rosa, Braun, Oliv), wo es passt mit „sehr dunkles“, „dunkles“, „helles“, „sehr helles“ und
„gräuliches“; die Werte danach sind genau.</p>
<p>Pipette: Leer- oder Entertaste nimmt die Farbe auf, die Pfeiltasten bewegen um ein Pixel, Strg mit
Pfeiltaste um zehn (siehe <a href="page15.htm">Die Pipette</a>).</p>
"""),
dict(file="page21.htm", title="Die Befehlszeile",
     summary="Exporte und Werte ohne Fenster",
     keywords=["Befehlszeile", "Kommandozeile", "Terminal", "--export", "--format", "--values", "--contrast", "--scales", "--cvd", "--background", "--targets", "Rückgabewert", "--help", "--version", "Stapelverarbeitung", "Build-Server", "Skript"],
     body=f"""
<p>Tinctora kann eine Farbeinstellungsdatei aus einem Terminal exportieren und ihre Werte ausgeben, ohne ein
Fenster zu öffnen, auch auf einem Rechner ohne Bildschirm wie einem Build-Server. Ein laufendes Tinctora wird
dabei weder gefragt noch gestört.</p>
<pre>tinctora --export AUSGABE [--format FORMAT] DATEI.tnfx
tinctora --values DATEI.tnfx
tinctora --contrast DATEI.tnfx
tinctora --scales [--background HEX] [--targets wcag|apca|LISTE] DATEI.tnfx
tinctora --cvd DATEI.tnfx
tinctora --help
tinctora --version</pre>
<ul>
<li><code>--export AUSGABE</code> schreibt die Palette der Datei nach AUSGABE, wie
<a href="page19.htm">Palette exportieren</a> es nach dem Öffnen der Datei täte. Das Format ergibt sich aus der
Endung von AUSGABE (<code>.gpl</code>, <code>.ase</code>, <code>.soc</code>, <code>.css</code>,
<code>.scss</code>, <code>.tokens.json</code>, <code>.svg</code>, <code>.png</code>), wenn <code>--format</code>
es nicht nennt: <code>gpl</code>, <code>ase</code>, <code>soc</code>, <code>css</code>, <code>scss</code>,
<code>tokens</code>, <code>svg</code> oder <code>png</code>.</li>
<li><code>--values</code> gibt den Text aus, den {ui("Bearbeiten &gt; Alle Werte kopieren")} nach dem Öffnen
der Datei in die Zwischenablage legen würde (siehe <a href="page14.htm">Werte kopieren</a>).</li>
<li><code>--contrast</code> gibt eine Kopfzeile aus und dann für jedes geordnete Paar verschiedener Farben, die
die Datei zeigt, eine Zeile mit vier durch Tabulatoren getrennten Werten: Schriftfarbe, Hintergrundfarbe (beide
hexadezimal), das Kontrastverhältnis nach WCAG 2.2 mit zwei Nachkommastellen und APCA Lc mit einer (siehe
<a href="page23.htm">Kontrast</a>).</li>
<li><code>--scales</code> gibt eine Kopfzeile aus und dann für jede gezeigte Farbe und jedes Kontrastziel eine
Zeile mit fünf durch Tabulatoren getrennten Werten: die Farbe, das Ziel, die Stufe (<code>#RRGGBB</code>, oder
<code>-</code>, wo keine Farbe dieses Farbtons das Ziel erreicht), ihr Kontrastverhältnis nach WCAG 2 mit zwei
Nachkommastellen und ihr APCA Lc als Schrift auf dem Hintergrund mit einer (siehe <a href="page25.htm">Skalen</a>).
<code>--background HEX</code> wählt den Hintergrund (<code>#RRGGBB</code> oder <code>RRGGBB</code>, sonst Weiß),
<code>--targets</code> die Ziele: <code>wcag</code> (1.5, 2, 3, 4.5, 7, 10, 15, die Vorgabe), <code>apca</code>
(Lc 15, 30, 45, 60, 75, 90) oder eine Liste wie <code>3,4.5,7</code> oder <code>apca:45,60</code>. Beide gelten
nur zusammen mit <code>--scales</code>.</li>
<li><code>--cvd</code> gibt für jedes Paar verschiedener gezeigter Farben, das Protanopie, Deuteranopie,
Tritanopie oder Achromatopsie näher als ΔE00 5 zusammenrücken, eine Zeile aus: die Art auf Englisch in
Kleinbuchstaben (<code>protanopia</code>, <code>deuteranopia</code>, <code>tritanopia</code>,
<code>achromatopsia</code>), beide Farben und den Abstand mit zwei Nachkommastellen.</li>
<li><code>--help</code> listet die Optionen, <code>--version</code> gibt die Version aus.</li>
</ul>
<p>Meldungen und Namen erscheinen in der Sprache der Oberfläche (siehe <a href="page16.htm">Einstellungen</a>);
Zahlen stehen hier immer mit Dezimalpunkt, damit andere Programme sie lesen können.</p>
<p>Fehlt die Datei oder ist sie beschädigt, ist das Format unbekannt oder lässt sich die Ausgabe nicht
schreiben, gibt das Programm eine Zeile auf der Standardfehlerausgabe aus, endet mit einem Status ungleich 0
und schreibt nichts. Eine vollständige Datei, die keinen der fünf Modi nennt, gilt hier als
beschädigt, denn Tinctora schreibt nie eine solche.</p>
<p>Der Rückgabewert ist <b>0</b>, wenn alles getan ist, <b>1</b>, wenn eine Datei nicht gelesen oder die Ausgabe
nicht geschrieben werden konnte, und <b>2</b> bei falscher Verwendung: eine unbekannte Option, ein fehlender
Wert, ein unbekanntes Format, keine oder zwei Dateien, ein Hintergrund oder Ziele, die keine sind, oder
<code>--background</code> oder <code>--targets</code> ohne <code>--scales</code>.</p>
<p>Eine Datei ohne Optionen, <code>tinctora DATEI.tnfx</code>, öffnet sich wie bisher im Fenster.</p>
"""),
dict(file="page18.htm", title="Tutorial, Update-Prüfung und Info",
     summary="die Menüs Hilfe und Tutorial",
     keywords=["Tutorial", "Update", "Online-Check", "Info", "Version", "Alt+F1"],
     body=f"""
<h2>Tutorial</h2>
<p>Das Menü {ui("Tutorial")} öffnet Seiten des Farb-Tutorials in Ihrem Webbrowser: die Startseite ({key("Alt+F1")}),
den Farbkreis, je eine Seite zu dreizehn Farben, die Aufstellung der assoziierten Begriffe, die beliebtesten
und unbeliebtesten Farben, die Reizkategorien sowie Farbe in Fließtext und Headlines.</p>
<p>Tinctora öffnet die Seiten des Ordners, dessen „index.html“ in den <a href="page16.htm">Einstellungen</a>
eingetragen ist. Solange keiner eingetragen ist, sucht es das mit dem Programm installierte Tutorial und merkt
sich dessen Pfad, sobald es ihn gefunden hat. Gibt es nirgends ein Tutorial oder fehlt die Seite im eingetragenen
Ordner (weil er verschoben oder gelöscht wurde), fragt das Programm, ob Sie den Pfad jetzt eingeben möchten;
{ui("Ja")} öffnet die Einstellungen auf der Seite {ui("Tutorial")}. Eine dort eingetragene Webadresse wird so, wie sie
ist, an den Browser übergeben.</p>
<h2>Online-Check auf Update</h2>
<p>{ui("Hilfe &gt; Online-Check auf Update")} fragt, ob Sie auf der Homepage nachsehen möchten, ob ein Update verfügbar
ist; {ui("Ja")} öffnet die Update-Seite der Webseite des Programms in Ihrem Browser. Tinctora selbst sendet und
liest nichts aus dem Internet.</p>
<h2>Info</h2>
<p>{ui("Hilfe &gt; Info")} zeigt Namen und Version (3.25) des Programms, den Herausgeber und die Links zur Webseite
und zur Support-E-Mail-Adresse. Ein Klick auf einen Link öffnet ihn.</p>
"""),
]
