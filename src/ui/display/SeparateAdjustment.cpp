#include "ui/display/SeparateAdjustment.h"

#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/LightDarkField.h"
#include "ui/display/ModeActions.h"
#include "ui/display/TextView.h"
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
    m_host.resetStaticText();
    m_host.colourDocument().toggleSeparateAdjustment(m_parts.text->textsOnShow());
    // Switched off, the mode's fields are derived again: the window shows the mode anew.
    const MainState& s = m_host.state();
    if (!s.separatModus && !isRowMode(s.harmonyMode()))
        m_parts.modes->followModeChange();
    present();
    m_parts.selection->showSelection();
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
