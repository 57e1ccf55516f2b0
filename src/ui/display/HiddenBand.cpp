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

constexpr int schwarzerHintergrund = 3; // ComboBox2 index of the black background

void labelFarbe(QLabel* label, const QColor& farbe)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, farbe);
    label->setPalette(p);
}

// Colour values keep red in the lowest byte.
QColor ausFarbwert(int wert)
{
    return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF);
}

} // namespace

HiddenBand::HiddenBand(DisplayHost& host) : m_host(host) {}

void HiddenBand::connectWidgets()
{
    QAction& a = m_host.actions().action(Aktion::farbstreifenVerstecken);
    QObject::connect(&a, &QAction::triggered, &m_host.hauptfenster(), [this] {
        const ColourDocument::Operation ansicht(m_host.dokument(), StepKind::view);
        farbstreifenVersteckenExecute();
    });
    a.setEnabled(true);
    // Whoever changed the view (the command, a step of the history, a file),
    // band, wheel and light/dark colour follow the state.
    QObject::connect(&m_host.dokument(), &ColourDocument::geaendert, &m_host.hauptfenster(),
                     [this](Aenderungen was) {
                         if (was & Aenderung::ansicht)
                             zeigenWieStand();
                     });
}

void HiddenBand::farbstreifenVersteckenExecute()
{
    m_host.dokument().farbstreifenVersteckenSetzen(!m_host.state().aktionen.farbstreifenVerstecken);
}

void HiddenBand::zeigenWieStand()
{
    if (m_host.state().aktionen.farbstreifenVerstecken)
        verstecken();
    else
        zeigen();
}

void HiddenBand::verstecken()
{
    MainWidgets& w = m_host.w();
    w.Panel3->hide();
    w.Panel2->setGeometry(w.Panel3->geometry());
    // No colour of its own: the stand-in shows the background, whichever is chosen.
    w.Panel2->clearColour();
    w.Panel2->show();
    w.ImageWW->hide();
    w.Image3->hide();
    w.flaechenanzeigeFarbe->setColour(w.panelHintergrund->colour());
    const bool schwarz = w.ComboBox2->currentIndex() == schwarzerHintergrund;
    const QColor text =
        schwarz ? QColor::fromRgb(grauAufSchwarz) : QApplication::palette().color(QPalette::WindowText);
    labelFarbe(w.Label1, text);
    labelFarbe(w.Label2, text);
}

void HiddenBand::zeigen()
{
    MainWidgets& w = m_host.w();
    w.Panel3->show();
    w.Panel2->hide();
    w.ImageWW->show();
    w.Image3->show();
    labelFarbe(w.Label1, QApplication::palette().color(QPalette::WindowText));
    w.flaechenanzeigeFarbe->setColour(ausFarbwert(w.flaechenanzeigeFarbe->tag()));
    const bool schwarz = w.ComboBox2->currentIndex() == schwarzerHintergrund;
    labelFarbe(w.Label2, schwarz ? QColor::fromRgb(grauAufSchwarz) : QColor(255, 255, 255));
}
