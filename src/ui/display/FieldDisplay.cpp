#include "ui/display/FieldDisplay.h"

#include "core/colour/Conversions.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/PanelHold.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QTextEdit>
#include <algorithm>
#include <array>

namespace
{

void showSwatch(ColourPanel* panel, bool visible)
{
    panel->setVisible(visible);
}

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

// Whether the mode shows a small field's value row: 2-colour shows the right one
// alone, 3-colour all but the centre; fanning and rows name their outer fields there.
bool modeShowsValueRow(Field field, HarmonyMode harmonyMode)
{
    if (harmonyMode == HarmonyMode::twoColour)
        return field == Field::right;
    if (harmonyMode == HarmonyMode::threeColour)
        return field != Field::centre;
    return true;
}

struct WebFieldWidgets {
    ColourPanel* panel;
    std::array<StaticText*, 3> rgb;
    StaticText* hex;
};

// The half being edited: its mode is the one the dialog was opened for.
WebFieldWidgets webFieldWidgets(const FieldDisplay::Widgets& w, const MainState& s, Field field)
{
    const bool fix = s.fixiert;
    if (fix && s.fixLinksAktiv) {
        switch (field) {
        case Field::big:
            return {
                w.fields.FixedLinks, {w.values.SGrUnR, w.values.SGrUnG, w.values.SGrUnB}, w.values.SGrUnHex};
        case Field::left:
            return {w.fields.FixedLinksKleinLinks,
                    {w.values.SKlUnLiR, w.values.SKlUnLiG, w.values.SKlUnLiB},
                    w.values.SKlUnLiHex};
        case Field::centre:
            return {w.fields.FixedLinksKleinMitte,
                    {w.values.SKlUnMiR, w.values.SKlUnMiG, w.values.SKlUnMiB},
                    w.values.SKlUnMiHex};
        case Field::right:
            break;
        }
        return {w.fields.FixedLinksKleinRechts,
                {w.values.SKlUnR, w.values.SKlUnG, w.values.SKlUnB},
                w.values.SKlUnHex};
    }
    switch (field) {
    case Field::big:
        return {fix ? w.fields.FixedRechts : w.fields.Anzeige_Normal,
                {w.values.SGrObR, w.values.SGrObG, w.values.SGrObB},
                w.values.SGrObHex};
    case Field::left:
        return {fix ? w.fields.FixedKleinLinks : w.fields.KleinLinks,
                {w.values.SKlObLiR, w.values.SKlObLiG, w.values.SKlObLiB},
                w.values.SKlObLiHex};
    case Field::centre:
        return {fix ? w.fields.FixedKleinMitte : w.fields.KleinMitte,
                {w.values.SKlObMiR, w.values.SKlObMiG, w.values.SKlObMiB},
                w.values.SKlObMiHex};
    case Field::right:
        break;
    }
    return {fix ? w.fields.FixedKleinRechts : w.fields.KleinRechts,
            {w.values.SKlObR, w.values.SKlObG, w.values.SKlObB},
            w.values.SKlObHex};
}

} // namespace

FieldDisplay::FieldDisplay(DisplayHost& host, Widgets widgets, const PanelHold& panels)
    : m_host(host), m_w(widgets), m_panels(panels), m_drawn(host)
{
}

// Whatever moved a light/dark point or made the recompute mix the fields, they
// are painted first: the other views repeat what the fields show.
void FieldDisplay::follow(Changes was, Redraw how)
{
    if ((was & Change::lightDark || how.fieldsMixed) && !how.whole)
        paintInvolvedFields(how.recoloured);
}

void FieldDisplay::paintInvolvedFields(unsigned recoloured)
{
    const MainState& s = m_drawn();
    if (inRowsMode())
        paintRows(s, *this);
    else
        farben(s, *this, recoloured);
}

void FieldDisplay::paintAll(const MainState& s)
{
    const auto given = m_drawn.draw(s);
    paintAll();
}

void FieldDisplay::paintAll()
{
    const MainState& s = m_drawn();
    if (inRowsMode())
        paintRows(s, *this);
    else
        paintHarmony(s, *this);
}

bool FieldDisplay::inRowsMode() const
{
    return isRowMode(m_drawn().harmonyMode());
}

QString FieldDisplay::valueHex(Field field, bool lowerRow) const
{
    const ValueRowWidgets& v = m_w.values;
    const PerField<StaticText*> upper{{v.SGrObHex, v.SKlObHex, v.SKlObLiHex, v.SKlObMiHex}};
    const PerField<StaticText*> lower{{v.SGrUnHex, v.SKlUnHex, v.SKlUnLiHex, v.SKlUnMiHex}};
    return (lowerRow ? lower : upper)[field]->text();
}

SwatchLook FieldDisplay::swatch(Field field, bool lowerRow) const
{
    const ValueRowWidgets& v = m_w.values;
    const PerField<const ColourPanel*> upper{{v.Panel4, v.Panel7, v.Panel5, v.Panel6}};
    const PerField<const ColourPanel*> lower{{v.Panel8, v.Panel11, v.Panel9, v.Panel10}};
    const ColourPanel* p = (lowerRow ? lower : upper)[field];
    return {p->hasColour() ? std::optional<QColor>(p->colour()) : std::nullopt, p->isHidden()};
}

// Fields of the edited value row the mode does not use show "-"; swatches follow the mode.
void FieldDisplay::prepareValueRows(HarmonyMode harmonyMode)
{
    prepareValueRows(harmonyMode, m_host.state());
}

void FieldDisplay::prepareValueRows(HarmonyMode harmonyMode, const MainState& s)
{
    // A swapped-in snapshot leaves both rows as they are, like the panels.
    if (m_panels.held())
        return;
    auto& w = m_w;
    const bool unten = s.fixiert && s.fixLinksAktiv;
    if (harmonyMode == HarmonyMode::twoColour) {
        if (unten)
            writeDashes({w.values.SKlUnLiR, w.values.SKlUnLiG, w.values.SKlUnLiB, w.values.SKlUnLiHex,
                         w.values.SKlUnMiR, w.values.SKlUnMiG, w.values.SKlUnMiB, w.values.SKlUnMiHex});
        else
            writeDashes({w.values.SKlObLiR, w.values.SKlObLiG, w.values.SKlObLiB, w.values.SKlObLiHex,
                         w.values.SKlObMiR, w.values.SKlObMiG, w.values.SKlObMiB, w.values.SKlObMiHex});
    } else if (harmonyMode == HarmonyMode::threeColour) {
        // The centre row's values from a 4-colour harmony would currentState beside no swatch.
        if (unten)
            writeDashes({w.values.SKlUnMiR, w.values.SKlUnMiG, w.values.SKlUnMiB, w.values.SKlUnMiHex});
        else
            writeDashes({w.values.SKlObMiR, w.values.SKlObMiG, w.values.SKlObMiB, w.values.SKlObMiHex});
    } else if (harmonyMode == HarmonyMode::colourRows) {
        if (unten)
            writeDashes({w.values.SGrUnR, w.values.SGrUnG, w.values.SGrUnB, w.values.SGrUnHex});
        else
            writeDashes({w.values.SGrObR, w.values.SGrObG, w.values.SGrObB, w.values.SGrObHex});
    }
    const bool big = harmonyMode != HarmonyMode::colourRows;
    const bool left = harmonyMode != HarmonyMode::twoColour;
    const bool centre = harmonyMode != HarmonyMode::twoColour && harmonyMode != HarmonyMode::threeColour;
    if (unten) {
        showSwatch(w.values.Panel8, big);
        showSwatch(w.values.Panel9, left);
        showSwatch(w.values.Panel10, centre);
        showSwatch(w.values.Panel11, true);
    } else {
        // The right-hand swatch (Panel7) is always in use.
        showSwatch(w.values.Panel4, big);
        showSwatch(w.values.Panel5, left);
        showSwatch(w.values.Panel6, centre);
    }
}

// The lower row takes the upper row's texts and the swatches it shows (fixing switched on).
void FieldDisplay::fillLowerRow()
{
    auto& w = m_w;
    const std::array<StaticText*, 32> textSet = w.values.valueTexts();
    for (std::size_t i = 0; i < 16; ++i)
        textSet[16 + i]->setText(textSet[i]->text());
    const std::pair<ColourPanel*, ColourPanel*> swatches[] = {{w.values.Panel4, w.values.Panel8},
                                                              {w.values.Panel5, w.values.Panel9},
                                                              {w.values.Panel6, w.values.Panel10},
                                                              {w.values.Panel7, w.values.Panel11}};
    for (const auto& [upper, unten] : swatches) {
        if (upper->isHidden())
            continue;
        unten->takeColourOf(*upper);
        unten->show();
    }
}

// The lower row empties and its swatches go (fixing switched off).
void FieldDisplay::clearLowerRow()
{
    auto& w = m_w;
    const std::array<StaticText*, 32> textSet = w.values.valueTexts();
    for (std::size_t i = 16; i < 32; ++i)
        textSet[i]->setText(QString());
    for (ColourPanel* p : {w.values.Panel8, w.values.Panel9, w.values.Panel10, w.values.Panel11})
        p->hide();
}

WebFieldDisplay FieldDisplay::shownField(Field field) const
{
    const WebFieldWidgets f = webFieldWidgets(m_w, m_host.state(), field);
    return WebFieldDisplay{f.panel->colour(), {f.rgb[0]->text(), f.rgb[1]->text(), f.rgb[2]->text()}};
}

void FieldDisplay::showAllocatedColour(Field field, const QColor& c)
{
    const WebFieldWidgets f = webFieldWidgets(m_w, m_host.state(), field);
    f.panel->setColour(c);
    const std::array<int, 3> kanaele{c.red(), c.green(), c.blue()};
    for (std::size_t i = 0; i < 3; ++i)
        f.rgb[i]->setText(QString::number(kanaele[i]));
    f.hex->setText(hexText(c.red(), c.green(), c.blue()));
}

// A panel counts only where the user sees it: parked panels and the rows of a
// display that is not in use sit in the hidden container. The half being edited
// is the one whose repaint asks.
RowFields FieldDisplay::shownRow() const
{
    const MainState& s = m_host.state();
    const auto& panels = !s.fixiert ? m_w.fields.R : (s.fixLinksAktiv ? m_w.fields.RLi : m_w.fields.RRe);
    QWidget* topWindow = &m_host.mainWindow();
    RowFields row{};
    for (std::size_t n = 1; n <= 15; ++n) {
        const QColor c = panels[n]->colour();
        row[n] = {Rgb{c.red(), c.green(), c.blue()}, panels[n]->isVisibleTo(topWindow)};
    }
    return row;
}

bool FieldDisplay::leftEdited() const
{
    return m_drawn().fixLinksAktiv;
}

// While a fixed snapshot is swapped in, the panels keep what they show.
void FieldDisplay::paintPanel(ColourPanel* panel, const QColor& colourValue)
{
    if (!m_panels.held())
        panel->setColour(colourValue);
}

void FieldDisplay::richEditBackground(QTextEdit* edit, const QColor& colourValue)
{
    if (m_panels.held())
        return;
    QPalette p = edit->palette();
    if (edit->testAttribute(Qt::WA_SetPalette) && p.color(QPalette::Base) == colourValue)
        return;
    p.setColor(QPalette::Base, colourValue);
    edit->setPalette(p);
}

// The text view's font colours follow even a swapped-in snapshot.
void FieldDisplay::richEditTextColour(QTextEdit* edit, const QColor& colourValue)
{
    QPalette p = edit->palette();
    if (edit->testAttribute(Qt::WA_SetPalette) && p.color(QPalette::Text) == colourValue)
        return;
    p.setColor(QPalette::Text, colourValue);
    edit->setPalette(p);
}

void FieldDisplay::writeValues(StaticText* r, StaticText* g, StaticText* b, StaticText* hex,
                               const QColor& colourValue)
{
    if (!m_panels.held())
        ::writeValues(r, g, b, hex, colourValue);
}

void FieldDisplay::inputInsteadOfArguments(Field field, int& r, int& g, int& b) const
{
    const MainState& s = m_drawn();
    if (!s.inputOn(field))
        return;
    r = std::min(s.inputValue[0], 255);
    g = std::min(s.inputValue[1], 255);
    b = std::min(s.inputValue[2], 255);
}

void FieldDisplay::painted()
{
    m_host.actions().action(ActionId::dateiSpeichern).setEnabled(true);
    const MainState& s = m_drawn();
    // Allocated web-safe colours are gone only when their own half is repainted:
    // a swap paints no panel, and the other half's repaint leaves them showing.
    if (!m_drawn.given() && !m_panels.held() && (!s.fixiert || leftEdited() == s.webSafeLeft))
        m_host.colourDocument().forgetWebSafe();
}

void FieldDisplay::GrosseFlaeche(int r, int g, int b)
{
    const MainState& s = m_drawn();
    auto& w = m_w;
    inputInsteadOfArguments(Field::big, r, g, b);
    const QColor colourValue = toQColor(displayColour(r, g, b, s.nurWebsicher));
    const bool left = leftEdited();

    paintPanel(left ? w.values.Panel8 : w.values.Panel4, colourValue);
    if (inRowsMode()) {
        paintPanel(!s.fixiert ? w.fields.AnzeigeReihen
                              : (left ? w.fields.FixedLinksReihen : w.fields.FixedRechtsReihen),
                   colourValue);
    } else {
        // The rim round two fixed halves stands on the window background.
        if (!s.fixiert)
            paintPanel(w.fields.Anzeige, colourValue);
        paintPanel(!s.fixiert ? w.fields.Anzeige_Normal : (left ? w.fields.FixedLinks : w.fields.FixedRechts),
                   colourValue);
    }
    if (left)
        writeValues(w.values.SGrUnR, w.values.SGrUnG, w.values.SGrUnB, w.values.SGrUnHex, colourValue);
    else
        writeValues(w.values.SGrObR, w.values.SGrObG, w.values.SGrObB, w.values.SGrObHex, colourValue);
    if (s.inputTextsOn() && !m_panels.held()) {
        const std::array<StaticText*, 4> ziele =
            left ? std::array{w.values.SGrUnR, w.values.SGrUnG, w.values.SGrUnB, w.values.SGrUnHex}
                 : std::array{w.values.SGrObR, w.values.SGrObG, w.values.SGrObB, w.values.SGrObHex};
        for (std::size_t i = 0; i < 4; ++i)
            ziele[i]->setText(QString::fromUtf16(s.inputText[i].data()));
    }
    const std::array<QTextEdit*, 3> edits =
        left ? std::array{w.fields.RichEdit4, w.fields.RichEdit5, w.fields.RichEdit6}
             : std::array{w.fields.RichEdit1, w.fields.RichEdit2, w.fields.RichEdit3};
    for (QTextEdit* e : edits)
        richEditBackground(e, colourValue);
    painted();
}

void FieldDisplay::KleineFlaecheA(int r, int g, int b)
{
    paintSmallField(Field::right, r, g, b);
}

void FieldDisplay::KleineFlaecheB(int r, int g, int b)
{
    paintSmallField(Field::left, r, g, b);
}

void FieldDisplay::KleineFlaecheC(int r, int g, int b)
{
    paintSmallField(Field::centre, r, g, b);
}

void FieldDisplay::paintSmallField(Field field, int r, int g, int b)
{
    const MainState& s = m_drawn();
    auto& w = m_w;
    inputInsteadOfArguments(field, r, g, b);
    const QColor colourValue = toQColor(displayColour(r, g, b, s.nurWebsicher));
    const bool left = leftEdited();

    struct Felder {
        ColourPanel *swatchOben, *swatchUnten;
        ColourPanel *field, *feldFixedLinks, *feldFixedRechts;
        std::size_t reihenFeld; // 0: the field stays a small field in every mode
        StaticText *obR, *obG, *obB, *obHex, *unR, *unG, *unB, *unHex;
        QTextEdit *richEditOben, *richEditUnten;
    };
    const Felder f = [&]() -> Felder {
        switch (field) {
        case Field::right:
            return {w.values.Panel7,           w.values.Panel11,
                    w.fields.KleinRechts,      w.fields.FixedLinksKleinRechts,
                    w.fields.FixedKleinRechts, 15,
                    w.values.SKlObR,           w.values.SKlObG,
                    w.values.SKlObB,           w.values.SKlObHex,
                    w.values.SKlUnR,           w.values.SKlUnG,
                    w.values.SKlUnB,           w.values.SKlUnHex,
                    w.fields.RichEdit1,        w.fields.RichEdit4};
        case Field::left:
            return {w.values.Panel5,          w.values.Panel9,
                    w.fields.KleinLinks,      w.fields.FixedLinksKleinLinks,
                    w.fields.FixedKleinLinks, 1,
                    w.values.SKlObLiR,        w.values.SKlObLiG,
                    w.values.SKlObLiB,        w.values.SKlObLiHex,
                    w.values.SKlUnLiR,        w.values.SKlUnLiG,
                    w.values.SKlUnLiB,        w.values.SKlUnLiHex,
                    w.fields.RichEdit2,       w.fields.RichEdit5};
        case Field::big: // the big field has its own routine
        case Field::centre:
            break;
        }
        return {w.values.Panel6,          w.values.Panel10,
                w.fields.KleinMitte,      w.fields.FixedLinksKleinMitte,
                w.fields.FixedKleinMitte, 0,
                w.values.SKlObMiR,        w.values.SKlObMiG,
                w.values.SKlObMiB,        w.values.SKlObMiHex,
                w.values.SKlUnMiR,        w.values.SKlUnMiG,
                w.values.SKlUnMiB,        w.values.SKlUnMiHex,
                w.fields.RichEdit3,       w.fields.RichEdit6};
    }();

    paintPanel(left ? f.swatchUnten : f.swatchOben, colourValue);
    if (inRowsMode() && f.reihenFeld != 0) {
        const auto& row = !s.fixiert ? w.fields.R : (left ? w.fields.RLi : w.fields.RRe);
        paintPanel(row[f.reihenFeld], colourValue);
    } else {
        paintPanel(!s.fixiert ? f.field : (left ? f.feldFixedLinks : f.feldFixedRechts), colourValue);
    }
    // A field the mode lacks can still be painted (the text view re-selects the
    // right half's fields); its value row keeps the "-" the mode wrote.
    if (modeShowsValueRow(field, s.harmonyMode())) {
        if (left)
            writeValues(f.unR, f.unG, f.unB, f.unHex, colourValue);
        else
            writeValues(f.obR, f.obG, f.obB, f.obHex, colourValue);
    }
    richEditTextColour(left ? f.richEditUnten : f.richEditOben, colourValue);
    painted();
}

void FieldDisplay::KleineFlaecheN(int r, int g, int b, int n)
{
    if (n < 1 || n > 15)
        return;
    const MainState& s = m_drawn();
    auto& w = m_w;
    const QColor colourValue = toQColor(displayColour(r, g, b, s.nurWebsicher));
    const auto field = static_cast<std::size_t>(n);

    if (!s.fixiert) {
        if (n == 8) {
            paintPanel(w.values.Panel6, colourValue);
            writeValues(w.values.SKlObMiR, w.values.SKlObMiG, w.values.SKlObMiB, w.values.SKlObMiHex,
                        colourValue);
        }
        paintPanel(w.fields.R[field], colourValue);
    } else if (!m_panels.held()) {
        const bool left = leftEdited();
        if (n == 8) {
            paintPanel(left ? w.values.Panel10 : w.values.Panel6, colourValue);
            if (left)
                writeValues(w.values.SKlUnMiR, w.values.SKlUnMiG, w.values.SKlUnMiB, w.values.SKlUnMiHex,
                            colourValue);
            else
                writeValues(w.values.SKlObMiR, w.values.SKlObMiG, w.values.SKlObMiB, w.values.SKlObMiHex,
                            colourValue);
        }
        paintPanel(left ? w.fields.RLi[field] : w.fields.RRe[field], colourValue);
    }
    painted();
}
