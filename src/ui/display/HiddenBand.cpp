#include "ui/display/HiddenBand.h"

#include "ui/display/DisplayHost.h"
#include "ui/language/ActionRegistry.h"

#include <QAction>

HiddenBand::HiddenBand(DisplayHost& host) : m_host(host) {}

void HiddenBand::connectWidgets()
{
    QAction& a = m_host.actions().action(ActionId::farbstreifenVerstecken);
    QObject::connect(&a, &QAction::triggered, &m_host.mainWindow(), [this] {
        const ColourDocument::Operation viewOptions(m_host.colourDocument(), StepKind::view);
        farbstreifenVersteckenExecute();
    });
    a.setEnabled(true);
}

void HiddenBand::farbstreifenVersteckenExecute()
{
    m_host.colourDocument().setColourBandHidden(!m_host.state().actionSet.farbstreifenVerstecken);
}
