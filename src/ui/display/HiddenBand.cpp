#include "ui/display/HiddenBand.h"

#include "core/layout/WindowLayout.h"
#include "ui/display/DisplayHost.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>

namespace
{

constexpr int blackBackgroundIndex = 3; // ComboBox2 index of the black background

void colourLabel(QLabel* label, const QColor& colourValue)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colourValue);
    label->setPalette(p);
}

// Colour values keep red in the lowest byte.
QColor fromColourValue(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace

HiddenBand::HiddenBand(DisplayHost& host, Widgets widgets) : m_host(host), m_w(widgets) {}

void HiddenBand::connectWidgets()
{
    QAction& a = m_host.actions().action(ActionId::farbstreifenVerstecken);
    QObject::connect(&a, &QAction::triggered, &m_host.mainWindow(), [this] {
        const ColourDocument::Operation viewOptions(m_host.colourDocument(), StepKind::view);
        farbstreifenVersteckenExecute();
    });
    a.setEnabled(true);
    // Whoever changed the view (the command, a step of the history, a file),
    // band, wheel and light/dark colour follow the state.
    QObject::connect(&m_host.colourDocument(), &ColourDocument::modified, &m_host.mainWindow(),
                     [this](Changes was) {
                         if (was & Change::viewOptions)
                             followState();
                     });
}

void HiddenBand::farbstreifenVersteckenExecute()
{
    m_host.colourDocument().setColourBandHidden(!m_host.state().actionSet.farbstreifenVerstecken);
}

void HiddenBand::followState()
{
    if (m_host.state().actionSet.farbstreifenVerstecken)
        hideBand();
    else
        present();
}

void HiddenBand::hideBand()
{
    auto& w = m_w;
    w.band.Panel3->hide();
    w.band.Panel2->setGeometry(w.band.Panel3->geometry());
    // No colour of its own: the currentState-in shows the background, whichever is chosen.
    w.band.Panel2->clearColour();
    w.band.Panel2->show();
    w.angle.ImageWW->hide();
    w.lightDark.Image3->hide();
    w.lightDark.flaechenanzeigeFarbe->setColour(w.regions.panelHintergrund->colour());
    const bool onBlack = w.regions.ComboBox2->currentIndex() == blackBackgroundIndex;
    const QColor text =
        onBlack ? QColor::fromRgb(greyOnBlack) : QApplication::palette().color(QPalette::WindowText);
    colourLabel(w.lightDark.Label1, text);
    colourLabel(w.lightDark.Label2, text);
}

void HiddenBand::present()
{
    auto& w = m_w;
    w.band.Panel3->show();
    w.band.Panel2->hide();
    w.angle.ImageWW->show();
    w.lightDark.Image3->show();
    colourLabel(w.lightDark.Label1, QApplication::palette().color(QPalette::WindowText));
    w.lightDark.flaechenanzeigeFarbe->setColour(fromColourValue(w.lightDark.flaechenanzeigeFarbe->tag()));
    const bool onBlack = w.regions.ComboBox2->currentIndex() == blackBackgroundIndex;
    colourLabel(w.lightDark.Label2, onBlack ? QColor::fromRgb(greyOnBlack) : QColor(255, 255, 255));
}
