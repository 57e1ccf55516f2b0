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

SeparateAdjustment::SeparateAdjustment(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts)
{
}

void SeparateAdjustment::connectWidgets()
{
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
    m_parts.band->showLegend(false);
}

// The radio buttons, the angle controls and the legend as the state's separate
// adjustment has them; the button of the field taking part is checked.
void SeparateAdjustment::present()
{
    m_parts.selection->showChoice();
    if (!m_host.state().separatModus) {
        m_parts.band->showLegend(false);
        return;
    }
    m_parts.band->lockAngleControls();
    m_parts.band->showLegend(true);
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
    m_parts.band->showLegend(true);
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
    if (target != Field::big && modeHasField(m_host.state().harmonyMode(), target))
        m_parts.selection->pick(target);
}
