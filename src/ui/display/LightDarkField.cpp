#include "ui/display/LightDarkField.h"

#include "core/colour/Conversions.h"
#include "core/colour/LightDark.h"
#include "core/layout/WindowLayout.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/KeyGesture.h"
#include "ui/display/PanelHold.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/LabelColour.h"
#include "ui/widgets/MarkColours.h"
#include "ui/widgets/PictureBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace
{

void applyText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

bool lightDarkPointInside(int x, int y, bool compact)
{
    int cx = std::max(x, 0);
    int cy = std::max(y, 0);
    if (compact) {
        if (x > 128)
            cx = fieldLimit;
        if (y > 127)
            cy = fieldLimit;
    } else {
        if (x > fieldLimit)
            cx = fieldLimit;
        if (y > fieldLimit)
            cy = fieldLimit;
    }
    const auto amRand = [](int c) { return c == 0 || c == fieldLimit; };
    return !amRand(cx) && !amRand(cy);
}

LightDarkField::LightDarkField(DisplayHost& host, Widgets widgets, const PanelHold& panels)
    : m_host(host), m_w(widgets), m_panels(panels)
{
}

void LightDarkField::connectWidgets()
{
    PictureBox* box = m_w.lightDark.PaintBox3;
    connect(box, &PictureBox::mousePressed, this, &LightDarkField::mouseInput);
    connect(box, &PictureBox::mouseMoved, this, &LightDarkField::mouseInput);
    connect(box, &PictureBox::mouseReleased, this, &LightDarkField::mouseInput);
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(this);
    m_keys = std::make_unique<KeyGesture>(m_host.colourDocument(), StepKind::lightDark);
    m_keys->watch(box);
    connect(m_w.lightDark.flaechenanzeigeFarbe, &ColourPanel::colourChanged, this,
            &LightDarkField::colourCrossHair);
}

LightDarkField::~LightDarkField() = default;

bool LightDarkField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_w.lightDark.PaintBox3 && event->type() == QEvent::KeyPress &&
        arrowKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

// One pixel of the field, one step of the amounts (two in the compact field,
// which has no finer one); with Ctrl ten. Right and Down darken and take light
// away, as the field's axes do.
bool LightDarkField::arrowKey(const QKeyEvent* event)
{
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return false;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        dx *= 10;
        dy *= 10;
    }
    const MainState& s = m_host.state();
    const bool compact = m_host.colourDocument().window().compactLayout;
    // From where the cross-hair stands: a stored point may lie beyond the field's edge.
    const LightDarkPoint now =
        pointToAmounts(s.lightDarkPointX[s.lightDarkTarget], s.lightDarkPointY[s.lightDarkTarget], compact);
    const int lastColumn = compact ? 128 : fieldLimit - 1; // the first with the most dark
    const int lastRow = compact ? 127 : fieldLimit - 1;
    const int x = std::clamp(std::min(now.column, lastColumn) + dx, 0, lastColumn);
    const int y = std::clamp(now.rowLine + dy, 0, lastRow);
    m_keys->pressed(event->key(), event->isAutoRepeat());
    m_host.resetStaticText();
    m_host.colourDocument().pressLightDark(x, y);
    return true;
}

// Cross-hair and percentages follow the selected field's point and amounts,
// whoever changed them.
void LightDarkField::follow(Changes was)
{
    if (was & Change::lightDark)
        showCrossHair();
    if (was & (Change::lightDark | Change::choice))
        showPercentages();
    // The field shows the selected field's base colour once that field is painted.
    if (was & Change::farben) {
        const int ersterSlot = MainState::basisSlot(m_host.state().lightDarkTarget);
        hellDunkelEinfaerben(ersterSlot, ersterSlot + 1, ersterSlot + 2);
    }
    if (was & Change::viewOptions)
        showBandHidden(m_host.state().actionSet.farbstreifenVerstecken);
}

// The paint box keeps the mouse while the button is held, so the point may lie
// outside the field.
void LightDarkField::mouseInput(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton) {
            // A whole drag is one step of the history.
            m_host.colourDocument().beginGesture(StepKind::lightDark);
            PaintBox3MouseDown(p.x(), p.y());
        }
        break;
    case QEvent::MouseMove:
        PaintBox3MouseMove(p.x(), p.y());
        break;
    case QEvent::MouseButtonRelease:
        if (event->button() == Qt::LeftButton) {
            PaintBox3MouseUp();
            m_host.colourDocument().endGesture();
        }
        break;
    default:
        break;
    }
}

// The pressed widget keeps its cursor during the drag, so a blank cursor on the
// paint box hides the pointer wherever the drag goes.
void LightDarkField::showCursor(bool present)
{
    m_w.lightDark.PaintBox3->setCursor(present ? Qt::CrossCursor : Qt::BlankCursor);
    hdCursorVersteckt = !present;
}

void LightDarkField::PaintBox3MouseDown(int x, int y)
{
    showCursor(false);
    m_host.resetStaticText();
    hdMausUnten = true;
    m_host.colourDocument().pressLightDark(x, y);
}

void LightDarkField::PaintBox3MouseMove(int x, int y)
{
    if (!hdMausUnten)
        return;
    const bool inside = lightDarkPointInside(x, y, m_host.colourDocument().window().compactLayout);
    if (inside && !hdCursorVersteckt)
        showCursor(false);
    else if (!inside && hdCursorVersteckt)
        showCursor(true);
    m_host.colourDocument().dragLightDark(std::clamp(x, 0, fieldLimit), std::clamp(y, 0, fieldLimit));
}

void LightDarkField::PaintBox3MouseUp()
{
    if (hdCursorVersteckt)
        showCursor(true);
    hdMausUnten = false;
}

void LightDarkField::bewegeHellDunkel(int x, int y)
{
    m_host.colourDocument().setLightDark(x, y);
}

void LightDarkField::hellDunkelEinfaerben(int slotR, int slotG, int slotB)
{
    const MainState& s = m_host.state();
    if (m_colourHeld || m_panels.held())
        return;
    const int r = s.farbWerte[slotR];
    const int g = s.farbWerte[slotG];
    const int b = s.farbWerte[slotB];
    if (r == letzteHdFarbeR && g == letzteHdFarbeG && b == letzteHdFarbeB)
        return;
    letzteHdFarbeR = r;
    letzteHdFarbeG = g;
    letzteHdFarbeB = b;
    auto& w = m_w;
    const int value = BerechneHex(r, g, b);
    // With the band hidden the field shows the background; the tag keeps the
    // colour for when the band comes back.
    if (s.actionSet.farbstreifenVerstecken)
        w.lightDark.flaechenanzeigeFarbe->setColour(m_host.layout().backgroundColour());
    else
        w.lightDark.flaechenanzeigeFarbe->setColour(QColor(r, g, b));
    w.lightDark.flaechenanzeigeFarbe->setTag(value);
}

// With the band hidden the field shows neither overlay nor colour, and its
// percentages take the text colour of the background; the tag keeps the
// colour for when the band comes back.
void LightDarkField::showBandHidden(bool hidden)
{
    LightDarkWidgets& l = m_w.lightDark;
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    const QColor grey = QColor::fromRgb(greyOnBlack);
    const bool onBlack = m_host.layout().backgroundIsBlack();
    if (hidden) {
        l.Image3->hide();
        l.flaechenanzeigeFarbe->setColour(m_host.layout().backgroundColour());
        setLabelColour(l.Label1, onBlack ? grey : windowText);
        setLabelColour(l.Label2, onBlack ? grey : windowText);
    } else {
        l.Image3->show();
        setLabelColour(l.Label1, QColor(0, 0, 0)); // on the overlay's white top edge
        const int tag = l.flaechenanzeigeFarbe->tag();
        l.flaechenanzeigeFarbe->setColour(QColor(tag & 0xFF, (tag >> 8) & 0xFF, (tag >> 16) & 0xFF));
        setLabelColour(l.Label2, onBlack ? grey : QColor(255, 255, 255));
    }
    colourCrossHair();
}

// Over the overlay the cross-hair is black; with the band hidden it lies on the
// window background and must stay visible there in any palette.
void LightDarkField::colourCrossHair()
{
    LightDarkWidgets& l = m_w.lightDark;
    const QColor black(0, 0, 0);
    const QColor colourValue =
        m_host.state().actionSet.farbstreifenVerstecken ? markColourOn(l.flaechenanzeigeFarbe, black) : black;
    l.KreuzV->setColour(colourValue);
    l.KreuzH->setColour(colourValue);
}

void LightDarkField::showCrossHair()
{
    const MainState& s = m_host.state();
    const LightDarkPoint p =
        pointToAmounts(s.lightDarkPointX[s.lightDarkTarget], s.lightDarkPointY[s.lightDarkTarget],
                       m_host.colourDocument().window().compactLayout);
    auto& w = m_w;
    w.lightDark.KreuzV->move(p.column, w.lightDark.KreuzV->y());
    w.lightDark.KreuzH->move(w.lightDark.KreuzH->x(), p.rowLine);
}

void LightDarkField::showPercentages()
{
    const MainState& s = m_host.state();
    auto& w = m_w;
    applyText(w.lightDark.Label1, berechneProzente(s, 0));
    applyText(w.lightDark.Label2, berechneProzente(s, 1));
}
