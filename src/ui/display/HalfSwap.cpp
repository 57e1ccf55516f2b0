#include "ui/display/HalfSwap.h"

#include "core/documents/SettingsApply.h"
#include "core/harmony/FixSnapshot.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/PanelHold.h"
#include "ui/layout/WindowLayoutUi.h"

#include <QComboBox>

HalfSwap::HalfSwap(DisplayHost& host, PanelHold& panels) : m_host(host), m_panels(panels) {}

void HalfSwap::fixiertMerken()
{
    m_host.colourDocument().setFixSnapshot(fixSnapshotFrom(m_host.state(), inputsFrom(m_host.state())));
}

bool HalfSwap::weichtVomFixStandAb() const
{
    return deviates(m_host.state(), inputsFrom(m_host.state()));
}

void HalfSwap::fixiertAuslesenAlle()
{
    swapHalf(false);
}

void HalfSwap::fixiertAuslesenAlleLi()
{
    swapHalf(true);
}

void HalfSwap::swapHalf(bool left)
{
    const MainState& s = m_host.state();
    ColourDocument& d = m_host.colourDocument();
    d.selectHalf(left);
    if (!(left ? s.fixWechselLinks : s.fixWechselRechts) || !s.actionSet.fixieren)
        return;
    d.switchHandled(left);
    if (!weichtVomFixStandAb())
        return;
    {
        // Panels keep their colours and values while a snapshot is swapped in.
        const auto held = m_panels.hold();
        fixiertAuslesen();
    }
    m_host.colourDocument().renewSeparateAngleMarkers();
}

// The stored combination goes to the document through the core's routine, as
// a block of a settings file does, and the display is drawn once from it.
void HalfSwap::fixiertAuslesen()
{
    const FixSnapshot f = m_host.state().fixStand;
    fixiertMerken();
    m_host.colourDocument().applySetting(snapshotSetting(f, m_host.state().nurWebsicher));
    m_host.layout().releaseBackgroundBoxFocus();
}
