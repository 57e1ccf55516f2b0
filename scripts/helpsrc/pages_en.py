"""English help pages. Menu captions, keys and numbers are those of the program."""

def ui(t):
    return f'<span class="ui">{t}</span>'

def key(t):
    return f'<span class="key">{t}</span>'

INTRO = """
<p>Tinctora helps you find colours that go together. You pick a base colour on the colour band, move
every colour towards light or dark, and the program derives the harmonising colours: 2-, 3- and
4-colour harmonies, fannings and colour rows. Every colour is shown as a field with its R, G, B and
hexadecimal values.</p>
<p class="tip">Press F1 at any time to come back to these contents; Alt+F1 opens the colour tutorial
in your browser.</p>
"""

SECTIONS = [
    ("Getting started", ["page01.htm", "page02.htm", "page04.htm", "page07.htm"]),
    ("Working with combinations", ["page08.htm", "page09.htm", "page10.htm", "page05.htm", "page15.htm", "page06.htm", "page22.htm", "page23.htm", "page25.htm", "page24.htm"]),
    ("Keeping and passing on colours", ["page11.htm", "page12.htm", "page13.htm", "page14.htm", "page19.htm", "page20.htm", "page03.htm"]),
    ("The program", ["page16.htm", "page17.htm", "page21.htm", "page18.htm"]),
]

PAGES = [
dict(file="page01.htm", title="The main window and the colour band",
     summary="what you see and how you pick the base colour",
     keywords=["main window", "colour band", "color band", "band type", "realistic", "luminous", "angle image", "status bar", "colour wheel"],
     body=f"""
<p>The main window shows, from top to bottom: the menu and the tool bar, the <b>colour band</b>, the
<b>value rows</b> with the R, G, B and hex values of every field, and the <b>fields</b> with the colours of the
current combination; at the right, the <b>light/dark field</b> and the <b>angle image</b> with its sliders. The
status bar names the harmony mode and the selected field.</p>
<p><img class="shot" src="images/main-window.png" alt="The main window of Tinctora"><br><small>The main window in the 2-colour harmony: the colour band at the top, below it the value rows and the big field with the small field on the right; at the right the light/dark field and the angle image.</small></p>
<h2>The colour band</h2>
<p>The colour band is a strip of 678 hues that runs once round the colour wheel, from red through yellow,
green, cyan, blue and magenta back to red. Click on the band or drag along it to choose the hue of the
<b>base colour</b>; the two small triangles above and below the band mark the position. Every other colour
of the combination is derived from this position. The band also takes the keys: Left and Right move the
position by one, Page Up and Page Down by ten, Home and End to the band's ends, each as a click there would;
the window's keys are listed under <a href="page17.htm">Keyboard shortcuts</a>.</p>
<p>The band exists in two types, chosen in {ui("View &gt; Type of Color Band")} or on the tool bar:</p>
<ul>
<li>{ui("Realistic")} ({key("Alt+R")}): muted, pigment-like colours, as in print and paint. This is the type at start.</li>
<li>{ui("Luminous")} ({key("Alt+L")}): fully saturated screen colours, each with one channel at 255 and one at 0.</li>
</ul>
<p>Switching the band type keeps every position and every light/dark setting and recomputes all fields.</p>
<h2>The angle image</h2>
<p>The small colour wheel beside the light/dark field is turned so that the hue of the big field stands at
the top. Lines from its centre show the directions of the derived colours, so you can see at a glance
how far apart the hues of the combination are. The two sliders next to it set the angle distances
(see <a href="page04.htm">Harmony modes and angle types</a>).</p>
<h2>Fields and values</h2>
<p>The <b>big field</b> shows the base colour. Depending on the mode, up to three <b>small fields</b> (right,
left and centre) or a row of up to 15 fields show the harmonising colours. Each field has a small
swatch and its values in the value rows above the fields: R, G and B from 0 to 255 and the hex text, for example <code>#DA251D</code>, as used in
HTML and CSS. See <a href="page07.htm">Selecting fields and values</a>.</p>
"""),
dict(file="page02.htm", title="The light/dark field",
     summary="making each colour lighter or darker",
     keywords=["light/dark field", "lighter", "darker", "brightness of a field", "cross-hair", "percent"],
     body=f"""
<p>Each of the four main fields (big, small right, small left, small centre) can be moved towards white
or towards black. The square <b>light/dark field</b> shows the selected field's band colour with every
possible mix laid over it, so each point of the square shows the colour that point would give.</p>
<ul>
<li><b>Horizontally</b> you set the dark amount: at the left edge none, at the right edge full (black).</li>
<li><b>Vertically</b> you set the light amount: at the bottom none, at the top full (white).</li>
</ul>
<p>Click into the square or drag in it; a cross-hair marks the point. While you drag inside the square the
mouse pointer is hidden so that you can see the colour; outside the square the values stay at their
limits. The label at the top left shows the light amount, the label at the bottom right the dark amount,
both in percent.</p>
<p>By keyboard: Tab to the square, then the arrow keys move the point by one step of the amounts (Right and
Down darken and take light away), with Ctrl by ten; see <a href="page17.htm">Keyboard shortcuts</a>.</p>
<p>The light/dark field always acts on the <b>selected field</b>. Click another field to work on it; the
cross-hair jumps to the point stored for that field. At the start every field has its pure band colour
(the bottom-left corner).</p>
<h2>How the colour is mixed</h2>
<p>Each channel is first darkened towards 0 by the dark fraction and then lightened towards 255 by the
light fraction. The top-left corner therefore gives white and the bottom-right corner black for every
base colour.</p>
<h2>In fannings and colour rows</h2>
<p>Set the light/dark point of the small left and the small right field (the two outer fields of the row);
the fields in between take evenly spread values between the two, so the whole row runs smoothly from
one end to the other.</p>
<p class="note">In the compact layout for small screens the square measures 128 instead of 256 pixels;
one pixel then stands for two steps.</p>
"""),
dict(file="page04.htm", title="Harmony modes and angle types",
     summary="2-, 3- and 4-colour harmonies, fanning and colour row",
     keywords=["harmony modes", "2-color harmony", "3-color harmony", "4-color harmony", "fanning", "color row", "angle type", "angle distance", "complementary", "number of fields"],
     body=f"""
<p>Choose the mode in the {ui("Mode")} menu, on the tool bar or with the keys {key("F2")} to {key("F6")}.
The mode decides how many colours are derived and where they lie on the colour wheel. Switching the mode
keeps the base colour, the angle distances and all light/dark settings.</p>
<table class="keys">
<tr><th>Mode</th><th>Key</th><th>Colours</th></tr>
<tr><td>2-Color Harmony</td><td>F2</td><td>the base colour and its complement, the hue exactly opposite on the wheel (180°)</td></tr>
<tr><td>3-Color Harmony</td><td>F3</td><td>the base colour and the two hues either side of its complement, at the first angle distance (a split complement)</td></tr>
<tr><td>4-Color Harmony</td><td>F4</td><td>four hues; their arrangement depends on the angle type (below)</td></tr>
<tr><td>Fanning</td><td>F5</td><td>the big field keeps the base colour as background; a row of 3 to 15 fields fans out around its complement</td></tr>
<tr><td>Color Row</td><td>F6</td><td>a row of 3 to 15 fields centred on the base colour itself, on the window background; there is no big field</td></tr>
</table>
<h2>Angle distances</h2>
<p>The first slider sets the first angle distance, the second slider the second one. The label next to
each slider shows the angle in degrees between the two outer colours it controls, from 0° up to 124°;
at the start the sliders show 42° and 36°. In colour rows the first distance counts double, so the row
spans a wider arc. The 2-colour harmony needs no slider; the 3-colour harmony, fanning and colour row
use the first slider only.</p>
<h2>Angle types of the 4-colour harmony</h2>
<ul>
<li>{ui("Angle Type 1")}: the four hues form a rectangle on the wheel. The second slider moves the centre
field away from the base colour; the first slider spreads the opposite pair. Both sliders are active.</li>
<li>{ui("Angle Type 2")}: the complement and the two hues either side of it, at the first angle distance.
Only the first slider is active.</li>
</ul>
<h2>Number of fields</h2>
<p>In fanning and colour rows the box beside the fields chooses 3, 5, 7, 9, 11, 13 or 15 fields; 9 are shown
at the start. The button {ui("Interm. Values")} lists all values of the row (see
<a href="page12.htm">Intermediate values</a>). The outer fields are the small left and small right field;
the field in the middle is the centre.</p>
"""),
dict(file="page07.htm", title="Selecting fields and values",
     summary="which field the light/dark field acts on, and copying single values",
     keywords=["select field", "selected field", "value rows", "hex value", "copy a value", "status bar"],
     body=f"""
<p>Click a field to select it. The selected field is the one the light/dark field acts on, and the status
bar names it, for example "Big field selected" or "Small field on the right-hand side selected". In
<a href="page09.htm">separate adjustment</a> the selected field is also the one that the colour band moves.</p>
<p>The field cursor shows where a click selects a field. In fannings a click on the background selects the
big field; in colour rows there is no big field.</p>
<p>By keyboard, Tab goes from field to field in reading order and Space or Enter selects the field that has
the ring; the centre of a row, which a click does not select either, is left out.</p>
<h2>Value rows</h2>
<p>Above the fields every colour appears with a small swatch and its values: R, G and B (0 to 255) and the
hexadecimal text "#" followed by six digits in the order R, G, B, for example <code>#00928D</code>. Fields that the
current mode does not use show "-". When a combination is <a href="page08.htm">fixed</a>, the upper row belongs to
the right-hand combination and the lower row to the left-hand one.</p>
<h2>Copying one value</h2>
<p>Click a value: it is highlighted. Press {key("Ctrl+C")} or right-click it and choose {ui("Copy")} to put it on the
clipboard. A click elsewhere in the window removes the highlight. To copy all values at once, see
<a href="page14.htm">Copying values</a>.</p>
"""),
dict(file="page08.htm", title="Fixing a combination",
     summary="comparing two combinations side by side",
     keywords=["fix", "fixing", "compare combinations", "fixed combination", "FIXED"],
     body=f"""
<p>{ui("Edit &gt; Fix")} (also on the tool bar) freezes the current combination and shows it twice, side by
side. You edit one half at a time; the other keeps its colours, so you can compare two combinations.</p>
<ul>
<li>At first the right-hand half is the one you edit; its values are in the upper value row.</li>
<li>Click a field of the other half to edit that half instead. Its values then follow your changes in the
lower value row, and the half you left keeps its combination.</li>
<li>Each half keeps its own mode, band position, angles, field count and light/dark points.</li>
<li>Choose {ui("Fix")} again to end fixing: the combination you were editing remains.</li>
</ul>
<p>Printing, copying and the colour settings file include both combinations while one is fixed; printed and
copied texts mark the fixed one with "-------------- FIXED --------------".</p>
"""),
dict(file="page09.htm", title="Adjusting colours separately",
     summary="setting the hue of each field by itself",
     keywords=["adjust colors separately", "separate adjustment", "radio buttons", "markers", "degrees"],
     body=f"""
<p>Normally the small fields follow the base colour at fixed angles. {ui("Edit &gt; Adjust Colors Separately")}
(also on the tool bar) breaks this coupling in the 2-, 3- and 4-colour harmonies: the colour band then
moves only one field, so you can place every hue yourself.</p>
<ul>
<li>Choose the field with the round buttons beside the value rows (big field, small left, centre, right) or by clicking it.</li>
<li>Click or drag on the colour band: only the chosen field changes.</li>
<li>The angle image stands still and shows one marker line per field, labelled with its angle in degrees clockwise from red at the top.</li>
<li>The angle sliders have no effect while separate adjustment is on.</li>
</ul>
<p class="note">Switching separate adjustment off puts the small fields back at the positions derived from
the big field; hues set separately are lost. The command is not available in fannings and colour rows;
choosing one of these modes switches it off.</p>
"""),
dict(file="page10.htm", title="Text instead of fields, hiding the colour band",
     summary="judging colours as text on a background",
     keywords=["text instead of fields", "hide color band", "F8", "test text", "font"],
     body=f"""
<h2>Text instead of fields</h2>
<p>{ui("View &gt; Text Instead of Fields")} (also on the tool bar) shows, in the 2-, 3- and 4-colour harmonies, a
short text in each small field: the text has the small field's colour and stands on the big field's
colour. So you see at once whether the colours work as text on a background.</p>
<p>You can type into these texts. Right-click a text for its menu: {ui("Cut")}, {ui("Copy")}, {ui("Paste")},
{ui("Signs")} with {ui("Left")}, {ui("Right")}, {ui("Centred")} for the alignment, {ui("Small")}, {ui("Middle")},
{ui("Big")} for the size, and {ui("Font")} for another typeface.</p>
<p class="note">In fannings and colour rows the option is not available; the program says so in a message.</p>
<h2>Hiding the colour band</h2>
<p>{ui("View &gt; Hide Color Band")} ({key("F8")}) hides the colour band and the colour wheel pictures, so that
the band's bright colours do not influence how you see the fields. The band still works: click or drag
where it was. Press {key("F8")} again to show it.</p>
"""),
dict(file="page05.htm", title="Manual input",
     summary="typing a colour as R, G, B or hex value",
     keywords=["manual input", "enter color", "R G B input", "hex input", "HTML color", "More..."],
     body=f"""
<p>{ui("Edit &gt; Manual Input")} (also on the tool bar) opens the dialog {ui("Manual Input")}, in which you type a
colour instead of picking it on the band; Tinctora then builds the harmonies around it.</p>
<ul>
<li>Type the colour as decimal values into {ui("R")}, {ui("G")} and {ui("B")} (0 to 255), or as hex text into
{ui("HEX")}: "#" followed by six hexadecimal digits, as in HTML ({ui("Hex-form: HTML-conform")}), for example
<code>#DA251D</code>. The other fields follow as you type, and the swatch shows the colour.</li>
<li>{ui("More...")} opens the system's colour dialog; the colour you confirm there is taken over.</li>
<li>{ui("OK")} applies the colour: the program finds the hue on the luminous colour band that matches the
colour best and the point in the light/dark field that turns this hue into your colour, and sets both
as if you had clicked them. All harmonising colours are derived from the field that takes your colour (see below).</li>
<li>{ui("Cancel")} closes the dialog without changes.</li>
<li>{ui("Help")} opens this page.</li>
</ul>
<p>Which field takes the colour:</p>
<ul>
<li>in the 2-, 3- and 4-colour harmonies and in fannings, the big field, whichever field is selected;</li>
<li>in <a href="page09.htm">separate adjustment</a>, the selected field;</li>
<li>in colour rows, the selected outer field (small left or small right); the row is placed so that this field
shows your colour.</li>
</ul>
<p>The dialog opens with the hex value of the big field (in separate adjustment: of the selected field).
Because the dialog works on the luminous band, it switches the band type to luminous when it opens;
{ui("Cancel")} switches back, {ui("OK")} keeps it. Web-safe display is switched off.</p>
<p class="note">A hex text of seven characters that is not "#" plus six hex digits gives the message "The
data input is no valid hex-form."</p>
<p>Every colour finds a place on the band. Greys (R, G and B equal) have no hue of their own: they are placed
at band position 168, the yellow of the luminous band, and the light/dark point alone makes them grey; black
is placed at position 0, red, fully darkened.</p>
"""),
dict(file="page15.htm", title="The pipette",
     summary="picking a colour anywhere on the screen",
     keywords=["pipette", "eyedropper", "pick color from screen", "F12", "magnifier"],
     body=f"""
<p>{ui("View &gt; Pipette")} ({key("F12")}, also on the tool bar) picks a colour from anywhere on the screen and makes
it the colour of a field: the same field that a colour typed into <a href="page05.htm">Manual Input</a> would go to
(the big field; in separate adjustment the selected field; in colour rows the selected outer field).</p>
<p>While the pipette runs, the main window is hidden. A small window in the top-left corner of the screen
stays on top and shows the screen around the mouse pointer at three magnifications, the colour under
the pointer as a swatch, and its R, G, B and hex values.</p>
<table class="keys">
<tr><th>Key</th><th>Action</th></tr>
<tr><td>Space or Enter</td><td>Pick up the colour</td></tr>
<tr><td>Arrow keys</td><td>Move the pointer by one pixel (fine adjustment)</td></tr>
<tr><td>Ctrl + arrow keys</td><td>Move the pointer by ten pixels (coarse adjustment)</td></tr>
</table>
<p>The picked colour enters the main window exactly as if you had typed its hex value into
<a href="page05.htm">Manual Input</a> and confirmed it.</p>
<p>Before the pipette starts, a hint window explains the keys. Tick {ui("Don´t show this hint again.")} to
skip it in future. The pipette does not push itself to the front: if you click another window, that window
gets the focus; click the pipette window or the Tinctora button in the task bar to reactivate it.</p>
<h2>On Wayland</h2>
<p>A Wayland desktop lets no program read the screen or move the pointer. There the desktop's own colour
picker is used instead, without the magnifiers or the arrow keys: pick the colour the way your desktop shows
you, and Tinctora takes it as described above. If the desktop has no colour picker or the pick fails,
Tinctora says so in a message and the main window comes back unchanged.</p>
"""),
dict(file="page06.htm", title="Web-safe colours",
     summary="web-safe display and the dialog that converts single fields",
     keywords=["web-safe colors", "web-save", "216 colors", "convert to web-safe colors", "Allocate", "Next One", "same color warning"],
     body=f"""
<p>The web-safe palette has 216 colours whose R, G and B values are each one of 0, 51, 102, 153, 204 and 255
(hex 00, 33, 66, 99, CC, FF). Tinctora offers two ways of working with it.</p>
<h2>Only show web-safe colours</h2>
<p>In this display mode every colour shown is rounded, channel by channel, to the nearest web-safe value:
the fields, the swatches and the values. The stored colours stay unchanged, so switching the mode off
shows the exact colours again. In this version the command is not shown in the menu or on the tool bar;
the mode comes on when you open a colour settings file that was saved with it, and
<a href="page05.htm">Manual Input</a> switches it off.</p>
<p>In fannings and colour rows neighbouring hues may round to the same web-safe colour. The program then
shows a warning that at least two small fields have the same colour: reduce the number of fields, increase
the angle distance or change the brightness until the message disappears.</p>
<h2>The dialog Convert to Web-safe Colors</h2>
<p>Like the display mode, the command that opens this dialog is not shown in the menu or on the tool bar in
this version, and a colour settings file does not bring it back either: while the web-safe display is on, the
dialog is not available. What follows describes the dialog for completeness.</p>
<p>The dialog takes one field of the combination at a time and proposes a web-safe colour for it:</p>
<ul>
<li>The top shows the field's name ({ui("Big Field:")}, {ui("Small field on the left-hand side:")} and so on), its
R, G, B values and its current colour; below it the proposal ({ui("Recommendation Web-safe:")}) with its values.</li>
<li>One slider per channel shifts the proposal: the middle position is the nearest web-safe value, the
positions to the left go one or two steps darker, to the right one or two steps lighter.</li>
<li>{ui("Allocate")} writes the proposal into the field.</li>
<li>{ui("Next One")} goes on to the next field the mode uses (big, small left, centre, right) and sets the sliders back to the middle.</li>
<li>{ui("OK")} closes the dialog; {ui("Help")} opens this page.</li>
</ul>
<p>While a combination is fixed, the dialog works on the right-hand half. In fannings and colour rows the
colours between the outer fields are computed automatically, so the dialog is not available there; use
"Only Show Web-safe Colors" instead.</p>
<p class="note">Colours allocated in this dialog cannot be stored in a colour settings file; when you save,
the program asks whether to continue.</p>
"""),
dict(file="page22.htm", title="Simulating colour vision",
     summary="how the colours look to people who see colour differently",
     keywords=["colour vision", "color vision", "simulation", "protanopia", "deuteranopia", "tritanopia",
               "achromatopsia", "colour blindness"],
     body=f"""
<p>Not everybody sees colours alike. {ui("View &gt; Simulate Color Vision")} shows the fields as someone with
one of the following kinds of colour vision sees them ({key("Alt+V")}, {key("V")}, then the underlined letter):</p>
<table class="keys">
<tr><td>{ui("Normal")}</td><td>the colours as they are (at every start of the program).</td></tr>
<tr><td>{ui("Protanopia")}</td><td>no long-wavelength ("red") cones: reds look darker and red and green are
confused.</td></tr>
<tr><td>{ui("Deuteranopia")}</td><td>no medium-wavelength ("green") cones: red and green are confused, without
reds turning darker.</td></tr>
<tr><td>{ui("Tritanopia")}</td><td>no short-wavelength ("blue") cones: blue and green, and yellow and violet,
are confused.</td></tr>
<tr><td>{ui("Achromatopsia")}</td><td>no colour at all: every colour is shown as the grey of its relative
luminance.</td></tr>
</table>
<p>The three dichromacies use the model of Machado, Oliveira and Fernandes (2009, "A Physiologically-based
Model for Simulation of Color Vision Deficiency") at full severity, computed on linear-light sRGB;
achromatopsia uses the luminance weights of Rec. 709.</p>
<p class="note">The simulation shows only the complete forms: dichromacy, where one kind of cone is missing
altogether, and achromatopsia. The far more common milder forms (anomalous trichromacy, such as
deuteranomaly), in which colours are only shifted, look less extreme than shown here. The simulation assumes
an sRGB screen and cannot show how one particular person sees.</p>
<p>The simulation changes only what you see: the fields of both halves of a fixed display, the swatches beside
the values, the colour band, the light/dark field, the angle picture, the pop-up window and the text of the
text view. The values in the value rows, copied values, prints and saved files keep the real colours. The
status bar names the simulation that is on. The choice is not stored.</p>
"""),
dict(file="page23.htm", title="Contrast",
     summary="how well each colour reads as text on each other colour",
     keywords=["contrast", "WCAG", "APCA", "Lc", "legibility", "text", "accessibility"],
     body=f"""
<p>{ui("Edit &gt; Contrast...")} opens a window with every field now shown, once as a row (the text colour) and
once as a column (the background colour). Each cell gives two measures of how well the row's colour reads
on the column's colour:</p>
<ul>
<li>the <b>contrast ratio</b> of WCAG 2.2, from 1.00 (no contrast) to 21.00 (black on white), the same in
both directions; the cell names the levels it reaches: {ui("AA large")} from 3, {ui("AA, AAA large")} from 4.5
and {ui("AAA")} from 7. Large text is at least 18 pt, or 14 pt bold. This ratio is what conformance to
WCAG 2.2 is judged by;</li>
<li>the <b>lightness contrast Lc</b> of APCA-W3 0.1.9, which depends on which colour is the text: positive
for dark text on a light background, negative for light text on a dark one. The cell names the highest of
the levels Lc 45, 60, 75 and 90 that the amount of Lc reaches; the higher the level, the smaller and
thinner the text that still reads well. APCA is a candidate method for a later version of WCAG and still a
draft: use it as a second opinion, not to claim conformance.</li>
</ul>
<p>A colour on itself has no contrast; those cells stay empty.</p>
<p>The window follows the display while it is open: change the base colour, the mode or the number of
fields and the matrix changes with them. It always measures the real colours, also while a colour vision
simulation is on. {ui("Copy")} puts the matrix on the clipboard as tab-separated text, ready for a
spreadsheet.</p>
<p>In the text view ({ui("View &gt; Text Instead of Fields")}), rest the mouse on a text to see the contrast
ratio and Lc of that text on its field.</p>
<p>From a terminal, <code>tinctora --contrast FILE.tnfx</code> prints both measures for every pair of colours a
settings file shows, without a window (see <a href="page21.htm">The command line</a>).</p>
"""),
dict(file="page25.htm", title="Scales",
     summary="lighter and darker steps of every colour that reach chosen contrasts",
     keywords=["scales", "step", "design system", "contrast target", "WCAG", "APCA", "OKLCH", "colour vision", "CIEDE2000", "F7"],
     body=f"""
<p>A <b>scale</b> is a series of steps of one colour, each just light or dark enough to reach a given
contrast target against a background: 3:1 for controls and large text, say, 4.5:1 for body text. Building a
product's colour system from a harmony needs such steps for every colour, for light and for dark surfaces.</p>
<p>{ui("Edit &gt; Scales...")} ({key("F7")}) opens a window with a row for every colour shown (both halves of a
fixed display) and a column for every target. Each cell shows a swatch of the step on its background, its hex
value and the contrast it achieves. A "-" means no colour of that hue reaches the target on that background
(15:1 against a mid grey, for example); its tooltip says so.</p>
<h2>How the steps are found</h2>
<p>Every step keeps the colour's hue in OKLCH, a colour space whose lightness and hue follow what the eye sees.
Its lightness is searched: the one closest to the background whose 8-bit colour still reaches the target, so
each step lands at or just above its target. Where sRGB cannot show the colour at that lightness, its chroma is
reduced until it can (CSS Color 4's gamut mapping) rather than clipping single channels, which would turn the
hue. All steps lie on the side of the background where black or white gives more contrast, and move away from
it as the target rises.</p>
<h2>What the targets mean</h2>
<ul>
<li><b>WCAG 2</b>: the WCAG 2.2 contrast ratio (see <a href="page23.htm">Contrast</a>). 3:1 is level AA for
large text and for controls, 4.5:1 AA for normal text, 7:1 AAA. The defaults are 1.5, 2, 3, 4.5, 7, 10 and 15.</li>
<li><b>APCA</b>: the magnitude of the APCA-W3 0.1.9 lightness contrast Lc, with the step as text on the
background; Lc 45, 60, 75 and 90 are its levels for ever smaller text. The defaults are 15, 30, 45, 60, 75 and
90. APCA is a draft for a later version of WCAG; conformance is judged by WCAG 2.2.</li>
</ul>
<p>A <b>≈</b> after a hex value means that under a simulated colour-vision deficiency (protanopia,
deuteranopia or tritanopia, as {ui("View &gt; Simulate Color Vision")} shows them) this step is hard to tell
from another colour's step at the same target. Achromatopsia is left out here: steps that reach the same target
have about the same luminance and would all look alike to it. The threshold is a CIEDE2000 colour difference
(ΔE00) of 5: above it an observer sees two different colours (Mokrzycki and Tatol 2011, "Colour difference
ΔE – A survey"). The tooltip names the kind of vision, the other step and the distance. The
{ui("Edit &gt; Contrast...")} window marks every pair of shown colours that any of the four kinds, achromatopsia
included, confuses this way.</p>
<h2>The window</h2>
<ul>
<li>{ui("Method")}: WCAG 2 or APCA; switching sets the targets to the method's defaults.</li>
<li>{ui("Targets")}: the contrast targets, separated by commas ("1.5, 3, 4.5"); Enter takes them. Anything that
is not a positive number is refused and the previous targets come back.</li>
<li>{ui("Light background")} and {ui("Dark background")}: the backgrounds of the two sets, white and black at
first. The list offers white, black and every colour shown; you can also type a hex value. The {ui("Light")}
and {ui("Dark")} tabs show each set.</li>
<li>{ui("Copy Hex")} copies the selected cell's hex value, {ui("Copy Row")} its row and {ui("Copy Table")} the
whole set, as tab-separated text.</li>
</ul>
<p>The window follows the display while it is open, and its swatches show a colour-vision simulation that is
switched on; the values stay those of the real colours. From a terminal, <code>tinctora --scales FILE.tnfx</code>
prints the same steps (see <a href="page21.htm">The command line</a>).</p>
"""),
dict(file="page24.htm", title="Undo and the history",
     summary="taking colour decisions back and bringing them again",
     keywords=["undo", "redo", "history", "step", "Ctrl+Z", "Ctrl+Y"],
     body=f"""
<p>Every colour decision is one step: a click or a whole drag on the colour band or in the light/dark
field, another harmony mode, band type or angle type, a drag of an angle slider, the number of fields,
fixing on and off, a click into the other half of a fixed display, separate adjustment on and off and the
field it adjusts, a colour typed in or picked with the pipette, text instead of fields on and off,
{ui("View &gt; Hide Color Band")} ({key("F8")}) on and off. Selecting another field is a step as well.</p>
<table class="keys">
<tr><th>Command (Edit menu)</th><th>Key</th></tr>
<tr><td>Undo</td><td>{key("Ctrl+Z")}</td></tr>
<tr><td>Redo</td><td>{key("Ctrl+Shift+Z")} or {key("Ctrl+Y")}</td></tr>
<tr><td>History...</td><td></td></tr>
</table>
<p>{ui("Undo")} shows the display as it was before the step: the fields and their values, the band
position, the cross-hair with its percentages, the sliders, the selected field and both halves of a fixed
display. {ui("Redo")} brings back what the step made. Both entries of the Edit menu name the step they would
take back or bring again, for example {ui("Undo harmony type")}; while the pointer rests on one of them, the
status bar names it too ({ui("Undo: harmony type")}). While you type in a text of the text view,
{key("Ctrl+Z")} undoes the typing there, not a colour step.</p>
<h2>The history window</h2>
<p>{ui("Edit &gt; History...")} opens a small window that lists the steps, the current one marked. Click a step
to go to that step, an earlier or a later one; click {ui("Start")} to go back to where the history began. A new step after
going back replaces the steps that came after it.</p>
<p>The history begins when the program starts and anew when a file is opened; it keeps the last 10,000
steps. When you save, the current step is the saved one: undoing or redoing back to it leaves nothing to
save, so closing the program does not ask; moving away from it marks the file as changed again.</p>
"""),
dict(file="page11.htm", title="Saving and loading colour settings",
     summary="the Tinctora file (*.tnfx)",
     keywords=["save", "load", "open", "tnfx", "colour settings file", "Save Settings of Colors As"],
     body=f"""
<p>A colour settings file keeps a combination so that you can reopen it later. It does not store colours
but the settings from which they are derived: band type, harmony mode, band positions, angle distances,
angle type, field count, light/dark points and display options; with a fixed combination, both
combinations. Opening a file sets everything up again exactly as if you had done it by hand.</p>
<table class="keys">
<tr><th>Command (File menu)</th><th>Key</th></tr>
<tr><td>Load Settings of Colors</td><td>Ctrl+O</td></tr>
<tr><td>Save settings of Colors</td><td>Ctrl+S</td></tr>
<tr><td>Save Settings of Colors As...</td><td></td></tr>
</table>
<ul>
<li>Files have the extension <code>.tnfx</code> ("Tinctora File"); Save As adds it to any name you type.</li>
<li>The window caption shows the name of the current file. Save is available when something has changed.</li>
<li>Before an existing file is replaced, the program asks. On closing, it offers to save changes.</li>
<li>A file named on the command line is opened at start. If Tinctora is already running, opening another
file brings the running window to the front and opens the file there.</li>
</ul>
<p class="note">Errors are reported in a message: "The file couldn´t be created!" or that a file couldn´t be
read.</p>
"""),
dict(file="page12.htm", title="Intermediate values",
     summary="all values of a fanning or colour row in a list",
     keywords=["intermediate values", "Interm. Values", "row values", "table of values"],
     body=f"""
<p>In fannings and colour rows the button {ui("Interm. Values")} (German: "Zwischendaten") opens the window
{ui("Intermediate Values")}. It lists every field of the row you are editing as one line: a colour swatch,
the field's name (big field, small field left-hand side, 2nd small field ... centre ... small field right-hand
side) and its R, G, B and hex values.</p>
<ul>
<li>{ui("Copy All to Clipboard")} copies the whole table as text.</li>
<li>{ui("Print")} prints the table.</li>
<li>Click a value and right-click it for {ui("Copy")} to copy just that value.</li>
</ul>
<p>In colour rows there is no big field, so its line is left out. In the 2-, 3- and 4-colour harmonies the
button is not available: there the value rows of the main window show everything.</p>
"""),
dict(file="page13.htm", title="Printing values",
     summary="a page with the values of every field",
     keywords=["print", "print data", "Ctrl+P", "printer"],
     body=f"""
<p>{ui("File &gt; Print Data")} ({key("Ctrl+P")}) prints the values of the current combination on one page: for
every field its name and its R, G, B and hex values. When a combination is fixed, the fixed one follows
under the line "-------------- FIXED --------------".</p>
<p>In fannings and colour rows every field of the row is printed, as in the
<a href="page12.htm">intermediate values</a> window, whose {ui("Print")} button prints the same table.</p>
<p>The print job is called "Tinctora". Only text is printed, no colour swatches: printers show colours
differently from the screen, and the values are what you pass on.</p>
"""),
dict(file="page14.htm", title="Copying values",
     summary="all values as text for other programs",
     keywords=["copy all data", "clipboard", "Alt+C", "copy"],
     body=f"""
<p>{ui("Edit &gt; Copy All Data")} ({key("Alt+C")}) puts all values of the current combination on the clipboard
as plain text, ready to paste into a style sheet, an e-mail or a document. In the 2-, 3- and 4-colour
harmonies the text has one block per field:</p>
<pre>Big field
R: 218
G: 37
B: 29
HEX: #DA251D</pre>
<p>followed by the blocks of the small fields left, centre and right, separated by an empty line. With a
fixed combination its values follow under "-------------- FIXED --------------". In fannings and colour
rows every field of the row appears, one line of values per field, as in the
<a href="page12.htm">intermediate values</a> window.</p>
<p>To copy a single value, click it and press {key("Ctrl+C")} (see <a href="page07.htm">Selecting fields and values</a>).</p>
"""),
dict(file="page19.htm", title="Exporting the palette",
     summary="the colours as a palette file for other programs",
     keywords=["export palette", "Ctrl+E", "palette file", "GIMP palette", "gpl", "Adobe Swatch Exchange", "ase", "LibreOffice", "soc", "CSS", "Sass", "scss", "design tokens", "tokens.json", "SVG", "PNG", "swatch sheet"],
     body=f"""
<p>{ui("File &gt; Export Palette...")} ({key("Ctrl+E")}) writes the colours you see into a file that other
programs read as a palette. Choose the format in the file dialog's type list, or give the name an extension
the program knows; a name without one gets the extension of the chosen type.</p>
<p>The palette holds every field the display shows, in the order in which {ui("Copy All Data")} lists them
and with the same names: "Big field", "Small field left-hand side", "Small field center", "Small field
right-hand side", and in fannings and colour rows the names of the <a href="page12.htm">intermediate
values</a> window ("2nd small field" and so on). With a <a href="page08.htm">fixed</a> combination both halves
are exported, the half you are editing first, as the groups "Right half" and "Left half".</p>
<table class="keys">
<tr><th>Type</th><th>File</th><th>Read by</th></tr>
<tr><td>GIMP palette</td><td>.gpl</td><td>GIMP, Inkscape, Krita, Scribus</td></tr>
<tr><td>Adobe Swatch Exchange</td><td>.ase</td><td>Adobe applications; one colour group per half</td></tr>
<tr><td>LibreOffice color table</td><td>.soc</td><td>LibreOffice</td></tr>
<tr><td>CSS custom properties</td><td>.css</td><td>style sheets: <code>--big-field: #DA251D;</code> in <code>:root</code></td></tr>
<tr><td>Sass variables</td><td>.scss</td><td>Sass: <code>$big-field: #DA251D;</code></td></tr>
<tr><td>Design tokens</td><td>.tokens.json</td><td>design-token tools (Design Tokens Community Group format, colour tokens in sRGB)</td></tr>
<tr><td>Swatch sheet</td><td>.svg, .png</td><td>any image viewer; each colour as a square with its name and hex value below it, on white</td></tr>
</table>
<p>In the style sheet formats the names become identifiers: lower case, umlauts spelled out, every other
character a hyphen; a comment beside each value keeps the full name. With two halves the half's name leads
("right-half-big-field").</p>
<p>The file is written beside the old one and put in its place only when it is complete, as when you
<a href="page11.htm">save colour settings</a>: if writing fails, the message "The file couldn´t be created!"
appears and an older file of that name stays as it was.</p>
<p><b>With scales.</b> In the file dialog, {ui("With scales (CSS and tokens only)")} adds, for every shown
colour, the steps the <a href="page25.htm">Scales</a> window finds: by WCAG 2 (ratios 1.5, 2, 3, 4.5, 7, 10,
15) or by APCA (Lc 15, 30, 45, 60, 75, 90), the light set measured on white and the dark set on black. Design
tokens then become two files, NAME.light.tokens.json and NAME.dark.tokens.json, because the tokens format has
no light and dark modes: each colour is a group, each step a colour token named by its target ("4-5" for
4.5:1, "60" for Lc 60) and described with the target and the contrast it reaches. A target that a colour of
that hue cannot reach has no token, and the group's description names it. The CSS file keeps the colours and
adds one custom property per step (<code>--big-field-4-5</code>), the light steps in <code>:root</code> and
the same names again for a dark colour scheme (<code>@media (prefers-color-scheme: dark)</code>).</p>
<p>The same files can be written without opening the window: see <a href="page21.htm">The command line</a>.</p>
"""),
dict(file="page26.htm", title="Importing palettes",
     summary="palette files, the colours of a picture and pasted hex values as the source of a harmony",
     keywords=["import palette", "palette window", "drag and drop", "paste colors", "Ctrl+V", "picture", "photo", "dominant colours", "GIMP palette", "gpl", "ase", "soc", "design tokens", "CSS", "hex"],
     body=f"""
<p>A harmony can start from colours you already have. {ui("File &gt; Import Palette...")} opens a palette file
or a picture in the {ui("Palette")} window. You can also drop such a file on the main window (a dropped colour
settings file opens as with {ui("File &gt; Load Settings of Colors")}), or copy hex values such as
<code>#DA251D</code>, one per line, and choose {ui("Edit &gt; Paste Colors")} ({key("Ctrl+V")}).</p>
<h2>What is read</h2>
<ul>
<li>GIMP palettes (<code>.gpl</code>), LibreOffice palettes (<code>.soc</code>) and Adobe Swatch Exchange
(<code>.ase</code>: RGB, Gray and LAB colours; CMYK colours are converted by the simple formula without a print
profile, and the window says so).</li>
<li>Design tokens (<code>.tokens.json</code>, <code>.json</code>): the colour tokens of the DTCG format, their
groups and their references to other tokens.</li>
<li>Style sheets (<code>.css</code>): custom properties and the colour values of CSS Color 4 (hex, names,
<code>rgb()</code>, <code>hsl()</code>, <code>hwb()</code>, <code>lab()</code>, <code>lch()</code>,
<code>oklab()</code>, <code>oklch()</code>, <code>color()</code>); each rule other than <code>:root</code> is a
group.</li>
<li>Plain text (<code>.txt</code>, <code>.hex</code>) with one hex value per line.</li>
<li>Pictures (PNG, JPEG, and WebP where the system can read it): the six colours that cover most of the
picture, each with its share in percent. The same picture always gives the same colours.</li>
</ul>
<p>Names and groups are kept. A colour that lies outside sRGB is brought inside by reducing its chroma, as CSS
Color 4 does, and is marked "≈ outside sRGB, mapped into sRGB". A damaged file is not imported at all: a message
names the file and the line (or, in an <code>.ase</code> file, the byte) where it goes wrong.</p>
<h2>Taking a colour</h2>
<p>Select a swatch and press {key("Enter")}, or double-click it: the colour becomes the base colour of the
harmony, exactly as if you had typed it into the <a href="page05.htm">manual input</a>. The band moves to its hue
and the light/dark point to its lightness, and the other fields follow. This is one step, "color input", which
{ui("Edit &gt; Undo")} takes back. The Palette window stays open and does not follow the harmony: it is only the
source.</p>
<h2>From the command line</h2>
<p><code>tinctora --palette-from-image PICTURE</code> prints the picture's main colours, one per line with its
hex value and share; <code>--colors K</code> asks for 2 to 12 colours instead of 6.
<code>tinctora --export OUTPUT --from PALETTE</code> converts a palette file into any format of
<a href="page19.htm">Export Palette</a> (see <a href="page21.htm">The command line</a>).</p>
"""),
dict(file="page27.htm", title="Colours for print",
     summary="CMYK through an ICC print profile, the gamut warning and the simulated print",
     keywords=["print profile", "ICC profile", "CMYK", "gamut", "gamut warning", "simulate print", "soft proof", "rendering intent", "press"],
     body=f"""
<p>A screen mixes light; a press mixes inks on paper, and many colours a screen shows cannot be printed. An
<b>ICC print profile</b> describes one press, ink set and paper: which colours it can print and how to reach
them in cyan, magenta, yellow and black. Printers and print shops hand out such profiles; Tinctora computes
with them through LittleCMS.</p>
<h2>Choosing a profile</h2>
<p>The page {ui("Print")} of {ui("Edit &gt; Settings")} lists the CMYK output profiles found in
<code>/usr/share/color/icc</code> (and its subfolders), <code>~/.local/share/icc</code> and
<code>~/.color/icc</code>; {ui("Load File...")} takes any other <code>.icc</code> or <code>.icm</code> file. A file
that cannot be read or is not a CMYK output profile is refused with a message, and the previous choice stays.
{ui("Rendering intent")}: relative colorimetric with black-point compensation (the default) keeps the colours
the press can print and moves the others to the nearest it can; perceptual compresses all colours together.
{ui("No profile")} goes back to the simple formula.</p>
<h2>What the profile changes</h2>
<ul>
<li>{ui("Edit &gt; Color Formats...")} shows a second CMYK line, "CMYK (name of the profile)", with the percentages
through the profile; the line "CMYK (no profile)" keeps the simple formula. Both can be copied.</li>
<li>{ui("View &gt; Gamut Warning")}: a field whose colour the press cannot print (its round trip through the
profile moves it by more than 2 in CIEDE2000) gets a small yellow mark, and its tooltip gives the distance. The
Color Formats, Contrast and Scales windows mark such colours too.</li>
<li>{ui("View &gt; Simulate Print")} shows the display as the profile brings each colour back from the press,
together with a simulated colour vision if one is chosen. Only the picture on the screen changes: values,
copies, files and exports keep the real colours.</li>
</ul>
<p>All of this is only as good as the profile and your screen: it cannot show the paper's texture, the real
inks or how a particular press runs. Ask the print shop for its profile and a proof before a job.</p>
<h2>From the command line</h2>
<p><code>tinctora --cmyk PROFILE.icc FILE.tnfx</code> prints every shown colour with its C, M, Y and K in percent
and <code>in</code> or <code>out</code> of the gamut; <code>--intent perceptual</code> chooses the other intent.
<code>tinctora --export OUTPUT.ase --cmyk-profile PROFILE.icc FILE.tnfx</code> writes an Adobe Swatch Exchange
file whose swatches are CMYK through the profile.</p>
"""),
dict(file="page20.htm", title="Color formats",
     summary="the selected colour as hex, rgb(), HSL, HSV, CMYK, Lab, LCh, OKLab and OKLCH",
     keywords=["color formats", "colour formats", "HSL", "HSV", "CMYK", "Lab", "LCh", "OKLab", "OKLCH", "rgb()", "CSS color", "convert color"],
     body=f"""
<p>{ui("Edit &gt; Color Formats...")}, also in the menu of the right mouse button on the value rows, opens a
window that shows the colour of the <a href="page07.htm">selected field</a> in further notations. The window
stays open beside the main window and follows it: select another field, drag on the colour band or in the
light/dark field, and its lines change with the colour.</p>
<table class="keys">
<tr><th>Line</th><th>Example</th><th>What it is</th></tr>
<tr><td>Hex</td><td><code>#008000</code></td><td>the hex value of the value rows</td></tr>
<tr><td>RGB</td><td><code>rgb(0 128 0)</code></td><td>the decimal values, as CSS writes them</td></tr>
<tr><td>HSL</td><td><code>hsl(120.0 100.0% 25.1%)</code></td><td>hue in degrees, saturation and lightness</td></tr>
<tr><td>HSV</td><td><code>hsv(120.0 100.0% 50.2%)</code></td><td>hue, saturation and value, as many colour pickers show them</td></tr>
<tr><td>CMYK</td><td><code>cmyk(100.0% 0.0% 100.0% 49.8%)</code></td><td>cyan, magenta, yellow and black computed directly from R, G, B, without a printer profile: a starting point, not a proof for print</td></tr>
<tr><td>CIE Lab, CIE LCh</td><td><code>lab(46.28 -47.55 48.59)</code></td><td>as CSS defines <code>lab()</code> and <code>lch()</code>: white point D50, sRGB adapted with the Bradford method</td></tr>
<tr><td>OKLab, OKLCH</td><td><code>oklab(0.51975 -0.14030 0.10768)</code></td><td>as CSS defines <code>oklab()</code> and <code>oklch()</code></td></tr>
</table>
<p>The button {ui("Copy")} beside a line puts its text on the clipboard. Where CSS has the notation (hex,
<code>rgb()</code>, <code>hsl()</code>, <code>lab()</code>, <code>lch()</code>, <code>oklab()</code>,
<code>oklch()</code>) that text can be pasted into a style sheet as it is; HSV and CMYK have no CSS notation
and are copied as shown.</p>
<p>While the <a href="page05.htm">manual input</a> shows typed values in the big field, the window shows the
typed colour.</p>
"""),
dict(file="page03.htm", title="The pop-up window",
     summary="the colours on the whole screen, with text",
     keywords=["pop-up window", "popup", "fullscreen preview", "F9", "Change Color", "text mode"],
     body=f"""
<p>{ui("View &gt; Pop-Up Window")} ({key("F9")}, tool bar {ui("Pop-Up")}) shows the combination you are editing on the
whole screen, without the rest of the program, so you can judge how the colours work together and whether
text in one colour is legible on another.</p>
<p>The big field's colour fills the screen; the other colours lie on it as blocks, a narrow and a wide one per
small field. In fannings and colour rows they appear as a column of bars, one per field. Drag a block or
bar with the mouse to move it.</p>
<h2>The tool bar</h2>
<table class="keys">
<tr><th>Button</th><th>Action</th></tr>
<tr><td>Close ({key("F9")})</td><td>back to the main window</td></tr>
<tr><td>Small, Middle, Big</td><td>size of the blocks and bars and of their text</td></tr>
<tr><td>Change Color</td><td>turns the colours round: each colour moves on to the next place, the background included</td></tr>
<tr><td>Text</td><td>text mode: sample texts in the colours instead of blocks</td></tr>
<tr><td>Change</td><td>only while a combination is <a href="page08.htm">fixed</a>: shows the other combination</td></tr>
<tr><td>Help ({key("F1")})</td><td>opens this page</td></tr>
</table>
<h2>Text mode</h2>
<p>In text mode each colour writes a sample text ("I´m the text that helps to assess the text color.") on
the background; in fannings and colour rows each bar carries "This is a test text.". You can type into the
texts. Right-click for {ui("Cut")}, {ui("Copy")}, {ui("Paste")}, the alignment ({ui("Left")}, {ui("Right")},
{ui("Centred")}) and {ui("Font")}. If the main window shows <a href="page10.htm">text instead of fields</a>, the
pop-up window starts in text mode.</p>
"""),
dict(file="page16.htm", title="Settings, background and window size",
     summary="tutorial path, background brightness, full screen, language",
     keywords=["settings", "tutorial path", "background", "brightness of the background", "full size screen", "compact layout", "language", "window position"],
     body=f"""
<h2>Settings</h2>
<p>{ui("Edit &gt; Settings")} opens the dialog {ui("Settings")}. On its page {ui("Tutorial")} you enter the path to the
"index.html" of the tutorial; use the folder button to choose the file. While no path has been set, the
field shows the tutorial installed with the program. The link under {ui("Tutorial in Internet:")} opens the program's web site.
If no web browser can open a tutorial page, a message says so.</p>
<h2>Background brightness</h2>
<p>The box {ui("Background: Standard / White / Gray / Black")} sets the colour around the fields. Colours look
different on different surroundings: check a combination on the background it will have in use. The
choice is kept for the next start.</p>
<h2>Window size</h2>
<ul>
<li>The fields grow and shrink with the window.</li>
<li>On screens narrower than 1020 or lower than 764 pixels the program uses a fixed compact layout.</li>
<li>{ui("View &gt; Full Size Screen")} (tool bar {ui("Fullscreen")}) shows the program without title bar and task bar;
choose it again to return.</li>
<li>The window's position, size and maximised state are kept for the next start.</li>
</ul>
<h2>Language</h2>
<p>Tinctora runs in English or German, the program's own dialogs included. Choose the language on the page
{ui("Language")} of the dialog {ui("Settings")}: {ui("German (Deutsch)")}, {ui("English")} or
{ui("As the desktop")}. The choice takes effect the next time Tinctora starts.</p>
<p>{ui("As the desktop")} (the choice at first) takes the setting "TNVersion" if an installer has stored one (11
gives English, any other value German) and otherwise the language of your desktop session: German if it is
German, English otherwise. The program itself never writes "TNVersion".</p>
"""),
dict(file="page17.htm", title="Keyboard shortcuts",
     summary="all keys at a glance",
     keywords=["keyboard shortcuts", "keys", "hotkeys", "F1", "F2", "F9", "F12", "Tab", "keyboard", "focus", "arrow keys", "screen reader", "accessibility"],
     body=f"""
<table class="keys">
<tr><th>Key</th><th>Command</th></tr>
<tr><td>F1</td><td>Help: contents</td></tr>
<tr><td>Alt+F1</td><td>Tutorial: start page</td></tr>
<tr><td>F2 / F3 / F4</td><td>2- / 3- / 4-Color Harmony</td></tr>
<tr><td>F5 / F6</td><td>Fanning / Color Row</td></tr>
<tr><td>F7</td><td>Scales</td></tr>
<tr><td>F8</td><td>Hide Color Band</td></tr>
<tr><td>F9</td><td>Pop-Up Window (and Close inside it)</td></tr>
<tr><td>F12</td><td>Pipette</td></tr>
<tr><td>Alt+R / Alt+L</td><td>Realistic / Luminous colour band</td></tr>
<tr><td>Ctrl+O</td><td>Load Settings of Colors</td></tr>
<tr><td>Ctrl+S</td><td>Save settings of Colors</td></tr>
<tr><td>Ctrl+P</td><td>Print Data</td></tr>
<tr><td>Ctrl+E</td><td>Export Palette</td></tr>
<tr><td>Ctrl+V</td><td>Paste Colors (hex values into the Palette window)</td></tr>
<tr><td>Alt+C</td><td>Copy All Data</td></tr>
<tr><td>Ctrl+C</td><td>Copy the highlighted value</td></tr>
<tr><td>Ctrl+Shift+K</td><td>Contrast</td></tr>
<tr><td>Ctrl+Shift+F</td><td>Color Formats</td></tr>
<tr><td>Ctrl+Shift+H</td><td>History</td></tr>
<tr><td>Alt+F4</td><td>Exit</td></tr>
</table>
<p>In the English interface the File menu shows no key beside Load, Save and Print; the keys work all the same.</p>
<h2>Working the window by keyboard</h2>
<p>Tab moves through the main window in its reading order: the colour band, the field choice of
{ui("Adjust Colors Separately")}, the number of row fields and {ui("Interm. Values")}, the fields of the display
(in a fixed combination the left half first), the background box, the light/dark field and the angle box;
Shift+Tab goes back. Only what the window shows is reached. A black and white ring marks the control that has
the keys; it appears when you arrive by Tab or press a key, and goes when you click.</p>
<table class="keys">
<tr><th>Where</th><th>Key</th><th>What it does</th></tr>
<tr><td>Colour band</td><td>Left / Right</td><td>one position to the left or right, as a click there would</td></tr>
<tr><td></td><td>Page Down / Page Up, Ctrl+Left / Ctrl+Right</td><td>ten positions</td></tr>
<tr><td></td><td>Home / End</td><td>the band's first or last position</td></tr>
<tr><td>A field</td><td>Space or Enter</td><td>selects the field, as a click on it does</td></tr>
<tr><td>Light/dark field</td><td>Left / Right</td><td>less or more dark, by one step of the amount</td></tr>
<tr><td></td><td>Up / Down</td><td>more or less light, by one step of the amount</td></tr>
<tr><td></td><td>Ctrl with an arrow key</td><td>ten steps</td></tr>
</table>
<p>A key held down is one step of the history, like a drag with the mouse: {ui("Undo")} takes back the whole
move. In the small light/dark field of the compact window one step is two of the amount, as one pixel there
is.</p>
<h2>With a screen reader</h2>
<p>Every control of the main window tells a screen reader what it is and what it shows:</p>
<ul>
<li>Each <b>field</b> says which field it is and its colour in words, as hex and as red, green and blue, for
example "Big field: red, hex #DA251D, red 218, green 37, blue 29"; when its colour changes, the new one is
announced. Pressing it selects the field, as a click does.</li>
<li>The <b>colour band</b> says its type ("Color band Realistic" or "Luminous") and its position, 0 to 677;
setting the position moves the band as a click there would.</li>
<li>The <b>light/dark field</b> says both amounts by name, for example "Light/dark field: light 40 %, dark
10 %"; its two percentages read "Light amount" and "Dark amount".</li>
<li>The <b>angle picture</b> says the angles its labels show; in separate adjustment it names each field's
position. The two sliders are "First angle" and "Second angle" and report the degrees the window shows.</li>
<li>The field choice of separate adjustment reads as a group of radio buttons named by their fields, and the
Copy buttons of {ui("Color Formats")} each name their format.</li>
</ul>
<p>The colour words are an aid, not a measurement: they name the hue (red, orange, yellow, green, turquoise,
blue, violet, magenta, pink, brown, olive) with "very dark", "dark", "light", "very light" and "grayish" where
they apply; the values that follow are exact.</p>
<p>Pipette: Space or Enter picks the colour, the arrow keys move by one pixel, Ctrl with an arrow key by ten
(see <a href="page15.htm">The pipette</a>).</p>
"""),
dict(file="page21.htm", title="The command line",
     summary="exports and values without a window",
     keywords=["command line", "terminal", "--export", "--format", "--values", "--contrast", "--scales", "--cvd", "--background", "--targets", "exit status", "--help", "--version", "batch", "build server", "script"],
     body=f"""
<p>Tinctora can export a colour settings file and print its values from a terminal, without opening a
window, also on a computer without a screen such as a build server. A running Tinctora is neither asked nor
disturbed.</p>
<pre>tinctora --export OUTPUT [--format FORMAT] FILE.tnfx
tinctora --values FILE.tnfx
tinctora --contrast FILE.tnfx
tinctora --scales [--background HEX] [--targets wcag|apca|LIST] FILE.tnfx
tinctora --cvd FILE.tnfx
tinctora --help
tinctora --version</pre>
<ul>
<li><code>--export OUTPUT</code> writes the palette of the file to OUTPUT, as
<a href="page19.htm">Export Palette</a> would after opening the file. The format comes from the extension of
OUTPUT (<code>.gpl</code>, <code>.ase</code>, <code>.soc</code>, <code>.css</code>, <code>.scss</code>,
<code>.tokens.json</code>, <code>.svg</code>, <code>.png</code>) unless <code>--format</code> names it:
<code>gpl</code>, <code>ase</code>, <code>soc</code>, <code>css</code>, <code>scss</code>, <code>tokens</code>,
<code>svg</code> or <code>png</code>.</li>
<li><code>--values</code> prints the text that {ui("Edit &gt; Copy All Data")} would put on the clipboard after
opening the file (see <a href="page14.htm">Copying values</a>).</li>
<li><code>--contrast</code> prints a head line and then, for every ordered pair of distinct colours the file
shows, one line of four values separated by tabs: the text colour, the background colour (both as hex), the
WCAG 2.2 contrast ratio with two decimals and the APCA Lc with one (see <a href="page23.htm">Contrast</a>).</li>
<li><code>--scales</code> prints a head line and then, for every colour shown and every contrast target, one
line of five values separated by tabs: the colour, the target, the step (<code>#RRGGBB</code>, or <code>-</code>
where no colour of that hue reaches the target), its WCAG 2 ratio with two decimals and its APCA Lc as text on
the background with one (see <a href="page25.htm">Scales</a>). <code>--background HEX</code> chooses the
background (<code>#RRGGBB</code> or <code>RRGGBB</code>, white otherwise), <code>--targets</code> the targets:
<code>wcag</code> (1.5, 2, 3, 4.5, 7, 10, 15, the default), <code>apca</code> (Lc 15, 30, 45, 60, 75, 90) or a
list such as <code>3,4.5,7</code> or <code>apca:45,60</code>. Both go only with <code>--scales</code>.</li>
<li><code>--cvd</code> prints one line for every pair of distinct colours shown that protanopia, deuteranopia,
tritanopia or achromatopsia bring closer than ΔE00 5: the kind in lower case (<code>protanopia</code>,
<code>deuteranopia</code>, <code>tritanopia</code>, <code>achromatopsia</code>), both colours and the distance
with two decimals.</li>
<li><code>--help</code> lists the options, <code>--version</code> prints the version.</li>
</ul>
<p>Messages and names are in the interface language (see <a href="page16.htm">Settings</a>); numbers always
have a decimal point.</p>
<p>If the file is missing or damaged, the format is unknown or the output cannot be written, the program prints
one line to standard error, ends with a status other than 0 and writes nothing. A file that is complete but
names none of the five harmony modes counts as damaged here, since Tinctora never writes one.</p>
<p>The exit status is <b>0</b> when everything is done, <b>1</b> when a file could not be read or the output could
not be written, and <b>2</b> for wrong usage: an unknown option, a missing value, an unknown format, no file or
two, a background or targets that are not one, or <code>--background</code> or <code>--targets</code> without
<code>--scales</code>.</p>
<p>A file given without options, <code>tinctora FILE.tnfx</code>, opens in the window as before.</p>
"""),
dict(file="page18.htm", title="Tutorial, update check and info",
     summary="the Help and Tutorial menus",
     keywords=["tutorial", "update", "online check", "about", "info", "version", "Alt+F1"],
     body=f"""
<h2>Tutorial</h2>
<p>The {ui("Tutorial")} menu opens pages of the colour tutorial in your web browser: the start page
({key("Alt+F1")}), the colour wheel, one page for each of thirteen colours, the associated terms, the most and
least popular colours, the categories of emotional stimuli, and colour in flow text and headlines.</p>
<p>Tinctora opens the pages of the folder whose "index.html" is entered in <a href="page16.htm">Settings</a>.
While none is entered it looks for the tutorial installed with the program; the first time it finds it,
it remembers that path. If there is no tutorial anywhere, or the page is missing from the folder entered
(because the folder was moved or deleted), the program asks whether you want to enter the path now;
{ui("Yes")} opens the settings on the page {ui("Tutorial")}. A web address entered there is handed to the
browser as it is.</p>
<h2>Online check on update</h2>
<p>{ui("Help &gt; Online-Check on Update")} asks whether you would like to look at the homepage for an available
update; {ui("Yes")} opens the update page of the program's web site in your browser. Tinctora itself sends
nothing and reads nothing from the internet.</p>
<h2>Info</h2>
<p>{ui("Help &gt; Info")} shows the program's name, its version (3.25), the publisher and the links to the web site
and to the support e-mail address. Click a link to open it.</p>
"""),
]
