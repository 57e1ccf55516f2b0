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
            painter.fillRect(panel->rect(), backgroundColour(panel));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static QColor backgroundColour(const QWidget* panel)
    {
        for (const QWidget* p = panel->parentWidget(); p != nullptr; p = p->parentWidget())
            if (const auto* c = qobject_cast<const ColourPanel*>(p); c != nullptr && c->hasColour())
                return c->colour();
        return panel->palette().color(QPalette::Window);
    }
};

} // namespace

SeparateAdjustment::SeparateAdjustment(DisplayHost& host, Widgets widgets, DisplayParts& parts)
    : m_host(host), m_w(widgets), m_parts(parts)
{
}

void SeparateAdjustment::connectWidgets()
{
    new DeckenderHintergrund(m_w.legend.Panel12);
    QAction& a = m_host.actions().action(ActionId::farbenSeparatEinstellen);
    QObject::connect(&a, &QAction::triggered, &m_host.mainWindow(), [this] {
        const ColourDocument::Operation separate(m_host.colourDocument(), StepKind::separateAdjustment);
        farbenSeparatEinstellenExecute();
    });
    a.setEnabled(!isRowMode(m_host.state().harmonyMode()));
}

void SeparateAdjustment::farbenSeparatEinstellenExecute()
{
    const Field target = m_host.state().lightDarkTarget;
    m_parts.selection->Anzeige_NormalClick2();
    // The state, not the action's check mark, says what was on: triggering a
    // checkable action has already flipped its mark.
    if (m_host.state().actionSet.farbenSeparatEinstellen)
        switchOff();
    else
        switchOn();
    takeBigField();
    reselectTarget(target);
}

void SeparateAdjustment::switchOff()
{
    const MainState& s = m_host.state();
    auto& w = m_w;
    m_host.colourDocument().forgetAngleMarker();
    m_host.colourDocument().switchSeparateOff();
    m_parts.selection->enableChoice(false);
    // The mode action re-derives every small field from the big field.
    const HarmonyMode harmonyMode = s.harmonyMode();
    switch (harmonyMode) {
    case HarmonyMode::twoColour:
        m_parts.modes->zweierHarmonienExecute();
        break;
    case HarmonyMode::threeColour:
        m_parts.modes->dreierHarmonienExecute();
        break;
    case HarmonyMode::fourColour:
        m_parts.modes->viererHarmonienExecute();
        break;
    case HarmonyMode::fanning:
    case HarmonyMode::colourRows:
        break;
    }
    w.legend.Panel12->hide();
}

// The radio buttons, the angle controls and the legend as the state's separate
// adjustment has them; the button of the field taking part is checked.
void SeparateAdjustment::present()
{
    m_parts.selection->showChoice();
    if (!m_host.state().separatModus) {
        m_w.legend.Panel12->hide();
        return;
    }
    m_parts.band->lockAngleControls();
    m_w.legend.Panel12->show();
    m_w.legend.Panel12->raise();
}

void SeparateAdjustment::switchOn()
{
    m_host.colourDocument().renewAngleMarker();
    m_parts.band->lockAngleControls();
    m_host.colourDocument().switchSeparateOn();
    m_parts.selection->checkChoice(Field::big);
    m_parts.selection->enableChoice(true);
    for (const Field f : {Field::right, Field::left, Field::centre})
        m_host.colourDocument().setFieldIncluded(f, false);
    m_w.legend.Panel12->show();
    m_w.legend.Panel12->raise();
}

void SeparateAdjustment::takeBigField()
{
    const MainState& s = m_host.state();
    m_host.colourDocument().setFieldIncluded(Field::big, true);
    m_host.colourDocument().selectField(Field::big);
    m_host.colourDocument().datenHolen(s.posGross(), false);
    m_host.colourDocument().renewLightDark();
}

void SeparateAdjustment::reselectTarget(Field target)
{
    // A field the mode lacks cannot take part, as its radio button says.
    if (target != Field::big && FieldSelection::inMode(target, m_host.state().harmonyMode()))
        m_parts.selection->pick(target);
}
