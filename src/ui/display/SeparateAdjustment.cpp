#include "ui/display/SeparateAdjustment.h"

#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/LightDarkField.h"
#include "ui/display/ModeActions.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace
{

// The legend lies over the disabled angle track bars and hides them; it takes
// the colour of the background it stands on, whichever brightness is chosen.
class DeckenderHintergrund : public QObject
{
public:
    explicit DeckenderHintergrund(QWidget* panel) : QObject(panel) { panel->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* panel = static_cast<QWidget*>(watched);
            QPainter painter(panel);
            painter.fillRect(panel->rect(), hintergrund(panel));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static QColor hintergrund(const QWidget* panel)
    {
        for (const QWidget* p = panel->parentWidget(); p != nullptr; p = p->parentWidget())
            if (const auto* c = qobject_cast<const ColourPanel*>(p); c != nullptr && c->hasColour())
                return c->colour();
        return panel->palette().color(QPalette::Window);
    }
};

} // namespace

SeparateAdjustment::SeparateAdjustment(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts)
{
}

void SeparateAdjustment::connectWidgets()
{
    new DeckenderHintergrund(m_host.w().Panel12);
    QAction& a = m_host.actions().action(Aktion::farbenSeparatEinstellen);
    QObject::connect(&a, &QAction::triggered, &m_host.hauptfenster(), [this] {
        const ColourDocument::Operation separat(m_host.dokument(), StepKind::separateAdjustment);
        farbenSeparatEinstellenExecute();
    });
    a.setEnabled(!istReihenModus(m_host.state().modus()));
}

void SeparateAdjustment::farbenSeparatEinstellenExecute()
{
    const Feld ziel = m_host.state().hdZiel;
    m_parts.selection->Anzeige_NormalClick2();
    // The state, not the action's check mark, says what was on: triggering a
    // checkable action has already flipped its mark.
    if (m_host.state().aktionen.farbenSeparatEinstellen)
        ausschalten();
    else
        einschalten();
    grossesFeldNehmen();
    zielWiederWaehlen(ziel);
}

void SeparateAdjustment::ausschalten()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    m_host.dokument().winkelMarkerVergessen();
    m_host.dokument().separatAusschalten();
    for (QRadioButton* r : {w.RadioButton1, w.RadioButton2, w.RadioButton3, w.RadioButton4})
        r->setEnabled(false);
    // The mode action re-derives every small field from the big field.
    const Modus modus = s.modus();
    switch (modus) {
    case Modus::zweier:
        m_parts.modes->zweierHarmonienExecute();
        break;
    case Modus::dreier:
        m_parts.modes->dreierHarmonienExecute();
        break;
    case Modus::vierer:
        m_parts.modes->viererHarmonienExecute();
        break;
    case Modus::auffaecher:
    case Modus::reihen:
        break;
    }
    w.Panel12->hide();
}

// The radio buttons, the angle controls and the legend as the state's separate
// adjustment has them; the button of the field taking part is checked.
void SeparateAdjustment::zeigen()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    for (const Feld f : alleFelder) {
        QRadioButton* knopf = m_parts.selection->radioButton(f);
        // Switched off, the buttons keep their marks greyed, as switching off leaves them.
        if (s.separatModus) {
            const QSignalBlocker still(knopf);
            knopf->setChecked(s.feldAn[f]);
        }
        knopf->setEnabled(s.separatModus);
    }
    if (!s.separatModus) {
        w.Panel12->hide();
        return;
    }
    w.ComboBox3->setEnabled(false);
    w.TrackBar2->setEnabled(false);
    w.TrackBar3->setEnabled(false);
    w.WinkelO->hide();
    w.WinkelU->hide();
    w.Panel12->show();
    w.Panel12->raise();
}

void SeparateAdjustment::einschalten()
{
    MainWidgets& w = m_host.w();
    m_host.dokument().winkelMarkerErneuern();
    w.ComboBox3->setEnabled(false);
    w.TrackBar2->setEnabled(false);
    w.TrackBar3->setEnabled(false);
    w.WinkelO->hide();
    w.WinkelU->hide();
    m_host.dokument().separatEinschalten();
    w.RadioButton1->setChecked(true);
    for (QRadioButton* r : {w.RadioButton2, w.RadioButton3, w.RadioButton4})
        r->setChecked(false);
    for (QRadioButton* r : {w.RadioButton1, w.RadioButton2, w.RadioButton3, w.RadioButton4})
        r->setEnabled(true);
    for (const Feld f : {Feld::rechts, Feld::links, Feld::mitte})
        m_host.dokument().feldTeilnahme(f, false);
    w.Panel12->show();
    w.Panel12->raise();
}

void SeparateAdjustment::grossesFeldNehmen()
{
    const MainState& s = m_host.state();
    m_host.dokument().feldTeilnahme(Feld::gross, true);
    m_host.dokument().feldWaehlen(Feld::gross);
    m_host.dokument().datenHolen(s.posGross(), false);
    m_host.dokument().hellDunkelErneuern();
}

void SeparateAdjustment::zielWiederWaehlen(Feld ziel)
{
    // A field the mode lacks cannot take part, as its radio button says.
    if (ziel != Feld::gross && FieldSelection::imModus(ziel, m_host.state().modus()))
        m_parts.selection->waehlen(ziel);
}
