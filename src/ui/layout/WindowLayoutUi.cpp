#include "ui/layout/WindowLayoutUi.h"

#include "core/state/ColourDocument.h"

#include "core/layout/WindowLayout.h"
#include "core/state/MainState.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/LabelColour.h"
#include "ui/widgets/MainWidgets.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QSlider>
#include <QTimer>

namespace
{

// The disabled look stays the system's, so a disabled list box still reads as disabled.
void setComboColours(QComboBox* box, const QColor& background, const QColor& text)
{
    QPalette p = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
            p.setColor(group, role, background);
        for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
            p.setColor(group, role, text);
    }
    box->setPalette(p);
}

QColor systemColour(QPalette::ColorRole role)
{
    return QApplication::palette().color(role);
}

// Sets whichever of left, top, width and height the placement names.
void place(QWidget* widget, const Placement& p)
{
    const QRect g = widget->geometry();
    widget->setGeometry(p.left == keep ? g.left() : p.left, p.top == keep ? g.top() : p.top,
                        p.width == keep ? g.width() : p.width, p.height == keep ? g.height() : p.height);
}

// The compact layout's widths were measured for a smaller font than the desktop's: a box
// whose caption would be cut off grows to its left, its right edge where the layout puts it.
void keepCaptionWhole(QComboBox* box)
{
    const int wanted = box->sizeHint().width();
    if (wanted <= box->width())
        return;
    const QRect g = box->geometry();
    box->setGeometry(g.right() + 1 - wanted, g.top(), wanted, g.height());
}

void placeRow(const std::array<ColourPanel*, 16>& row, const RowGeometry& g, int links1, int links15)
{
    for (std::size_t k = 1; k <= 15; ++k) {
        const int left = k == 1 ? links1 : (k == 15 ? links15 : g.tag[k]);
        row[k]->setGeometry(left, g.top, g.width, g.height);
        row[k]->setTag(g.tag[k]);
    }
}

} // namespace

WindowLayoutUi::WindowLayoutUi(QMainWindow& form, MainWidgets& w, ColourDocument& colourDocument)
    : m_form(form), m_w(w), m_doc(colourDocument)
{
}

void WindowLayoutUi::FormResize()
{
    if (m_locked || m_doc.window().compactLayout)
        return;
    m_w.fields.Anzeige->resize(m_w.regions.panelHintergrund->width(),
                               m_w.regions.Panel15->y() - m_w.fields.Anzeige->y());
    applyDisplayGeometry();
    const bool colourRows = isRowMode(m_doc.currentState().harmonyMode());
    if (colourRows && !m_doc.currentState().actionSet.fixieren && showPanels)
        showPanels();
}

void WindowLayoutUi::applyDisplayGeometry()
{
    const int breite = std::max(m_w.fields.Anzeige->width(), 2);
    const int fullHeight = std::max(m_w.fields.Anzeige->height(), 2);
    const DisplayGeometry g = displayGeometry(breite, fullHeight, m_doc.currentState().stufenFixRechts,
                                              m_doc.currentState().stufenFixLinks);

    m_w.fields.KleinRechts->setGeometry(g.smallRight);
    m_w.fields.KleinLinks->setGeometry(g.smallLeft);
    m_w.fields.KleinMitte->setGeometry(g.smallCentre);

    // R1 and R15 keep their left edge here; the row display puts them at the row's ends.
    placeRow(m_w.fields.R, g.row, m_w.fields.R[1]->x(), m_w.fields.R[15]->x());
    m_w.fields.R[1]->setHint(g.r1Hint);
    m_w.fields.R[15]->setHint(g.r15Hint);

    m_w.fields.FixedLinks->resize(g.fixedLeftWidth, g.fixedHeight);
    m_w.fields.FixedRechts->setGeometry(g.fixedRightX, m_w.fields.FixedRechts->y(), g.fixedRightWidth,
                                        g.fixedHeight);
    m_w.fields.FixedKleinRechts->setGeometry(g.fixedSmallRight);
    m_w.fields.FixedKleinLinks->setGeometry(g.fixedSmallLeft);
    m_w.fields.FixedKleinMitte->setGeometry(g.fixedSmallCentre);
    m_w.fields.FixedLinksKleinRechts->setGeometry(g.fixedSmallRight);
    m_w.fields.FixedLinksKleinLinks->setGeometry(g.fixedSmallLeft);
    m_w.fields.FixedLinksKleinMitte->setGeometry(g.fixedSmallCentre);
    m_w.fields.FixedLinksReihen->resize(g.fixedRowsLeftWidth, g.fixedRowsHeight);
    m_w.fields.FixedRechtsReihen->setGeometry(g.fixedRowsRightX, m_w.fields.FixedRechtsReihen->y(),
                                              g.fixedRowsRightWidth, g.fixedRowsHeight);
    placeRow(m_w.fields.RRe, g.fixedRowGeometry, g.r1ReLeft, g.r15ReLeft);
    placeRow(m_w.fields.RLi, g.fixedRowGeometry, g.r1LiLeft, g.r15LiLeft);
}

void WindowLayoutUi::aufloesung800x600()
{
    m_doc.setCompactLayout(true);
    applyCompactPlacements();
    const HarmonyMode harmonyMode = m_doc.currentState().harmonyMode();
    if (isRowMode(harmonyMode) && relayOutRows)
        relayOutRows();
    if (harmonyMode != HarmonyMode::twoColour && redrawAngleView)
        redrawAngleView();
}

void WindowLayoutUi::applyCompactPlacements()
{
    // One walk through the window instead of one search per placement.
    QHash<QString, QWidget*> byName;
    for (QWidget* w : m_form.findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !byName.contains(w->objectName()))
            byName.insert(w->objectName(), w);
    for (const Placement& p : compactPlacements()) {
        QWidget* widget = byName.value(p.name);
        if (!widget)
            continue;
        if (p.withoutAlignment)
            setClientAligned(widget, false);
        place(widget, p);
        if (auto* box = qobject_cast<QComboBox*>(widget))
            keepCaptionWhole(box);
        if (p.bringToFront)
            widget->raise();
        if (p.stretchPicture)
            if (auto* picture = qobject_cast<PictureBox*>(widget))
                picture->setStretched(true);
    }
}

void WindowLayoutUi::programmOhneRandExecute(QAction& programmOhneRand)
{
    // The window itself tells whether borderless mode is on; a checkable
    // action has already flipped its mark when this runs.
    const bool ohneRandAktiv = m_form.windowFlags().testFlag(Qt::FramelessWindowHint);
    if (!ohneRandAktiv) {
        if (m_form.isMaximized()) {
            ohneRand = false;
            m_form.showNormal();
        } else {
            ohneRand = true;
        }
        m_form.setWindowFlag(Qt::FramelessWindowHint, true);
        m_form.showFullScreen(); // over the whole screen, task bar included
        programmOhneRand.setChecked(true);
    } else {
        m_form.showNormal();
        m_form.setWindowFlag(Qt::FramelessWindowHint, false);
        if (ohneRand)
            m_form.showNormal();
        else
            m_form.showMaximized();
        programmOhneRand.setChecked(false);
    }
}

QColor WindowLayoutUi::backgroundColour() const
{
    return m_w.regions.panelHintergrund->colour();
}

bool WindowLayoutUi::backgroundIsBlack() const
{
    constexpr int blackBackgroundIndex = 3; // ComboBox2's black entry
    return m_w.regions.ComboBox2->currentIndex() == blackBackgroundIndex;
}

void WindowLayoutUi::releaseBackgroundBoxFocus()
{
    m_w.regions.ComboBox2->setEnabled(false);
    m_w.regions.ComboBox2->setEnabled(true);
}

void WindowLayoutUi::ComboBox2Change()
{
    const QColor fensterText = systemColour(QPalette::WindowText);
    const bool bandVersteckt = m_doc.currentState().actionSet.farbstreifenVerstecken;

    // 1. Everything back to the standard colours.
    for (QLabel* l : {m_w.angle.WinkelO, m_w.angle.WinkelU, m_w.legend.Label11, m_w.legend.Label12,
                      m_w.legend.Label13, m_w.legend.Label14})
        setLabelColour(l, fensterText);
    // Over the overlay the percentages stand on its white top and black corner.
    setLabelColour(m_w.lightDark.Label1, bandVersteckt ? fensterText : QColor(0, 0, 0));
    setLabelColour(m_w.lightDark.Label2, bandVersteckt ? fensterText : QColor(0xFF, 0xFF, 0xFF));
    for (QComboBox* box : {m_w.rowControls.ComboBox1, m_w.regions.ComboBox2, m_w.angle.ComboBox3})
        box->setPalette(QPalette()); // the system's own colours

    // 2. The chosen background.
    const BackgroundStyle h = backgroundStyleFor(m_w.regions.ComboBox2->currentIndex());
    const QColor colourValue = h.colourValue.value_or(systemColour(QPalette::Button));
    m_w.regions.panelHintergrund->setColour(colourValue);
    m_w.regions.panelHintergrund->setFontColour(h.lettering.value_or(fensterText));
    m_w.fields.Anzeige->setBevel(h.displayBevel ? ColourPanel::Bevel::lowered : ColourPanel::Bevel::none);
    if (h.onBlack) {
        const QColor grau = QColor::fromRgb(greyOnBlack);
        for (QLabel* l : {m_w.angle.WinkelO, m_w.angle.WinkelU, m_w.lightDark.Label2, m_w.legend.Label11,
                          m_w.legend.Label12, m_w.legend.Label13, m_w.legend.Label14})
            setLabelColour(l, grau);
        if (bandVersteckt)
            setLabelColour(m_w.lightDark.Label1, grau);
        for (QComboBox* box : {m_w.rowControls.ComboBox1, m_w.regions.ComboBox2, m_w.angle.ComboBox3})
            setComboColours(box, QColor(0, 0, 0), grau);
    }

    // 3. The right-hand column (and the margins round both) follow.
    for (ColourPanel* p : {m_w.regions.panelBG, m_w.regions.centralArea}) {
        p->setColour(colourValue);
        p->setFontColour(fensterText);
    }
    // 4. A hidden band leaves the light/dark field in the background colour.
    if (bandVersteckt)
        m_w.lightDark.flaechenanzeigeFarbe->setColour(colourValue);
    // 5. Colour rows currentState on the window background, the fixed half not edited
    // included; a fixed fanning beside them keeps its big field behind its rows.
    const MainState& s = m_doc.currentState();
    const bool row = s.harmonyMode() == HarmonyMode::colourRows;
    const bool festeReihe = s.fixiert && s.fixStand.fixModus == static_cast<int>(HarmonyMode::colourRows);
    if (row || s.fixiert)
        m_w.fields.Anzeige->setColour(colourValue);
    if (row)
        m_w.fields.AnzeigeReihen->setColour(colourValue);
    const auto half = [&](bool left) {
        return left == s.fixLinksAktiv ? row : (festeReihe || (row && !s.fixiert));
    };
    if (half(true))
        m_w.fields.FixedLinksReihen->setColour(colourValue);
    if (half(false))
        m_w.fields.FixedRechtsReihen->setColour(colourValue);
    // 6. The value texts are recoloured once the change is complete.
    m_w.furniture.Timer2->start(2);
}

void WindowLayoutUi::ComboBox2CloseUp()
{
    // Moving the focus through the track bars drops the list box's highlight.
    for (QSlider* t : {m_w.angle.TrackBar2, m_w.angle.TrackBar3}) {
        const bool aus = !t->isEnabled();
        if (aus)
            t->setEnabled(true);
        t->setFocus();
        if (aus)
            t->setEnabled(false);
    }
    m_w.regions.ComboBox2->setFocus();
}

void WindowLayoutUi::resetStaticText()
{
    const std::optional<ValueTextColours> f = valueTextColours(m_w.regions.ComboBox2->currentIndex());
    const QColor backgroundColour = f ? f->backgroundColour : systemColour(QPalette::Base);
    const QColor lettering = f ? f->lettering : systemColour(QPalette::Text);
    for (StaticText* t : m_w.values.valueTexts())
        t->setColours(backgroundColour, lettering);
    // Only a box with the focus shows a highlight; toggling the others would
    // repaint them on every band move for nothing.
    for (QComboBox* box : {m_w.rowControls.ComboBox1, m_w.angle.ComboBox3})
        if (box->isEnabled() && box->hasFocus()) {
            box->setEnabled(false);
            box->setEnabled(true);
        }
    if (m_w.regions.ComboBox2->hasFocus()) {
        m_w.regions.ComboBox2->setEnabled(false);
        m_w.regions.ComboBox2->setEnabled(true);
    }
}
