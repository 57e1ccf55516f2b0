#include "ui/display/LightDarkField.h"

#include "core/colour/Conversions.h"
#include "core/colour/LightDark.h"
#include "ui/display/DisplayHost.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace
{

void textSetzen(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

bool hdPunktInnen(int x, int y, bool kompakt)
{
    int cx = std::max(x, 0);
    int cy = std::max(y, 0);
    if (kompakt) {
        if (x > 128)
            cx = feldGrenze;
        if (y > 127)
            cy = feldGrenze;
    } else {
        if (x > feldGrenze)
            cx = feldGrenze;
        if (y > feldGrenze)
            cy = feldGrenze;
    }
    const auto amRand = [](int c) { return c == 0 || c == feldGrenze; };
    return !amRand(cx) && !amRand(cy);
}

LightDarkField::LightDarkField(DisplayHost& host) : m_host(host) {}

void LightDarkField::connectWidgets()
{
    PictureBox* box = m_host.w().PaintBox3;
    connect(box, &PictureBox::mousePressed, this, &LightDarkField::maus);
    connect(box, &PictureBox::mouseMoved, this, &LightDarkField::maus);
    connect(box, &PictureBox::mouseReleased, this, &LightDarkField::maus);
    // Cross-hair and percentages follow the selected field's point and amounts,
    // whoever changed them.
    connect(&m_host.dokument(), &ColourDocument::geaendert, this, [this](Aenderungen was) {
        if (was & Aenderung::hellDunkel)
            kreuzZeigen();
        if (was & (Aenderung::hellDunkel | Aenderung::auswahl))
            prozenteZeigen();
        // The field shows the selected field's base colour once that field is painted.
        if (was & Aenderung::farben) {
            const int ersterSlot = MainState::basisSlot(m_host.state().hdZiel);
            hellDunkelEinfaerben(ersterSlot, ersterSlot + 1, ersterSlot + 2);
        }
    });
}

// The paint box keeps the mouse while the button is held, so the point may lie
// outside the field.
void LightDarkField::maus(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton) {
            // A whole drag is one step of the history.
            m_host.dokument().gesteBeginnen(StepKind::lightDark);
            PaintBox3MouseDown(p.x(), p.y());
        }
        break;
    case QEvent::MouseMove:
        PaintBox3MouseMove(p.x(), p.y());
        break;
    case QEvent::MouseButtonRelease:
        if (event->button() == Qt::LeftButton) {
            PaintBox3MouseUp();
            m_host.dokument().gesteBeenden();
        }
        break;
    default:
        break;
    }
}

// The pressed widget keeps its cursor during the drag, so a blank cursor on the
// paint box hides the pointer wherever the drag goes.
void LightDarkField::cursorZeigen(bool zeigen)
{
    m_host.w().PaintBox3->setCursor(zeigen ? Qt::CrossCursor : Qt::BlankCursor);
    m_host.dokument().ablauf().hdCursorVersteckt = !zeigen;
}

void LightDarkField::PaintBox3MouseDown(int x, int y)
{
    const MainState& s = m_host.state();
    cursorZeigen(false);
    if (s.hdZielGross())
        m_host.dokument().eingabeTexteZeigen(false);
    m_host.resetStaticText();
    m_host.dokument().eingabeFarbeAktiv(false);
    m_host.dokument().ablauf().hdMausUnten = true;
    bewegeHellDunkel(x, y);
}

void LightDarkField::PaintBox3MouseMove(int x, int y)
{
    const MainState& s = m_host.state();
    if (!s.ablauf.hdMausUnten)
        return;
    if (s.hdZielGross())
        m_host.dokument().eingabeTexteZeigen(false);
    const bool innen = hdPunktInnen(x, y, s.ablauf.kleinesLayout);
    if (innen && !s.ablauf.hdCursorVersteckt)
        cursorZeigen(false);
    else if (!innen && s.ablauf.hdCursorVersteckt)
        cursorZeigen(true);
    bewegeHellDunkel(std::clamp(x, 0, feldGrenze), std::clamp(y, 0, feldGrenze));
}

void LightDarkField::PaintBox3MouseUp()
{
    const MainState& s = m_host.state();
    if (s.ablauf.hdCursorVersteckt)
        cursorZeigen(true);
    m_host.dokument().ablauf().hdMausUnten = false;
}

void LightDarkField::bewegeHellDunkel(int x, int y)
{
    m_host.dokument().hellDunkelSetzen(x, y);
}

void LightDarkField::hellDunkelEinfaerben(int slotR, int slotG, int slotB)
{
    const MainState& s = m_host.state();
    if (s.ablauf.sammelLauf || s.ablauf.anzeigeSperre || s.ablauf.sperreHdFarbe)
        return;
    const int r = s.farbWerte[slotR];
    const int g = s.farbWerte[slotG];
    const int b = s.farbWerte[slotB];
    if (r == s.ablauf.letzteHdFarbeR && g == s.ablauf.letzteHdFarbeG && b == s.ablauf.letzteHdFarbeB)
        return;
    m_host.dokument().ablauf().letzteHdFarbeR = r;
    m_host.dokument().ablauf().letzteHdFarbeG = g;
    m_host.dokument().ablauf().letzteHdFarbeB = b;
    MainWidgets& w = m_host.w();
    const int wert = BerechneHex(r, g, b);
    // With the band hidden the field shows the background; the tag keeps the
    // colour for when the band comes back.
    if (s.aktionen.farbstreifenVerstecken)
        w.flaechenanzeigeFarbe->setColour(w.panelHintergrund->colour());
    else
        w.flaechenanzeigeFarbe->setColour(QColor(r, g, b));
    w.flaechenanzeigeFarbe->setTag(wert);
}

void LightDarkField::kreuzZeigen()
{
    const MainState& s = m_host.state();
    const HdPunkt p = punktZuMengen(s.hdPunktX[s.hdZiel], s.hdPunktY[s.hdZiel], s.ablauf.kleinesLayout);
    MainWidgets& w = m_host.w();
    w.KreuzV->move(p.spalte, w.KreuzV->y());
    w.KreuzH->move(w.KreuzH->x(), p.zeile);
}

void LightDarkField::prozenteZeigen()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    textSetzen(w.Label1, berechneProzente(s, 0));
    textSetzen(w.Label2, berechneProzente(s, 1));
}
