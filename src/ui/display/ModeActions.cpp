#include "ui/display/ModeActions.h"

#include "core/language/ControlTexts.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/FixedPanels.h"
#include "ui/display/LightDarkField.h"
#include "ui/display/SinglePanels.h"
#include "ui/display/TextView.h"
#include "ui/display/WebSafeDisplay.h"
#include "ui/language/ActionRegistry.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextEdit>
#include <algorithm>

namespace
{

bool isHarmony(HarmonyMode m)
{
    return !isRowMode(m);
}

ActionId actionForMode(HarmonyMode m)
{
    switch (m) {
    case HarmonyMode::twoColour:
        return ActionId::zweierHarmonien;
    case HarmonyMode::threeColour:
        return ActionId::dreierHarmonien;
    case HarmonyMode::fourColour:
        return ActionId::viererHarmonien;
    case HarmonyMode::fanning:
        return ActionId::auffaecherungen;
    case HarmonyMode::colourRows:
        break;
    }
    return ActionId::farbreihen;
}

} // namespace

ModeActions::ModeActions(DisplayHost& host, Widgets widgets, DisplayParts& parts)
    : m_host(host), m_w(widgets), m_parts(parts)
{
}

void ModeActions::connectWidgets()
{
    const auto verbinden = [this](HarmonyMode m, void (ModeActions::*handler)()) {
        QAction& a = harmonyModeAction(m);
        QObject::connect(&a, &QAction::triggered, &m_host.mainWindow(),
                         [this, handler] { (this->*handler)(); });
        a.setEnabled(true);
    };
    verbinden(HarmonyMode::twoColour, &ModeActions::zweierHarmonienExecute);
    verbinden(HarmonyMode::threeColour, &ModeActions::dreierHarmonienExecute);
    verbinden(HarmonyMode::fourColour, &ModeActions::viererHarmonienExecute);
    verbinden(HarmonyMode::fanning, &ModeActions::auffaecherungenExecute);
    verbinden(HarmonyMode::colourRows, &ModeActions::farbreihenExecute);
    QObject::connect(m_w.rowControls.ComboBox1, &QComboBox::activated, &m_host.mainWindow(),
                     [this] { ComboBox1Change(); });

    WindowLayoutUi& layout = m_host.layout();
    layout.showPanels = [this] { m_parts.singlePanels->showPanels(); };
    layout.relayOutRows = [this] { m_parts.singlePanels->relayOutRows(); };
}

QAction& ModeActions::harmonyModeAction(HarmonyMode harmonyMode) const
{
    return m_host.actions().action(actionForMode(harmonyMode));
}

void ModeActions::zweierHarmonienExecute()
{
    switchHarmonyMode(HarmonyMode::twoColour);
}

void ModeActions::dreierHarmonienExecute()
{
    switchHarmonyMode(HarmonyMode::threeColour);
}

void ModeActions::viererHarmonienExecute()
{
    switchHarmonyMode(HarmonyMode::fourColour);
}

void ModeActions::auffaecherungenExecute()
{
    switchHarmonyMode(HarmonyMode::fanning);
}

void ModeActions::farbreihenExecute()
{
    switchHarmonyMode(HarmonyMode::colourRows);
}

void ModeActions::switchHarmonyMode(HarmonyMode harmonyMode)
{
    m_host.resetStaticText();
    m_host.colourDocument().changeHarmonyMode(harmonyMode, m_parts.text->textsOnShow());
    followModeChange();
}

// What the document's mode change leaves for the window to show: the mode's
// controls, fields, value rows and texts.
void ModeActions::followModeChange()
{
    const HarmonyMode harmonyMode = m_host.state().harmonyMode();
    actionsForMode(harmonyMode);
    showStatusText(harmonyMode);
    showAngleControls(harmonyMode);
    m_parts.band->rotieren();
    m_parts.band->showAngles();
    showDisplay(harmonyMode);
    m_parts.display->prepareValueRows(harmonyMode);
    m_parts.singlePanels->hideAll();
    // The fields and value rows of the new layout, as the state has them.
    m_parts.display->paintAll();
    // Back in a harmony a checked text view shows its texts again, as the state says.
    m_parts.text->present();
    m_parts.selection->showChoice();
    m_parts.selection->showSelection();
}

void ModeActions::checkBoxenResetten2()
{
    m_host.resetStaticText();
    m_host.colourDocument().selectTextFields(m_parts.text->textsOnShow());
    m_parts.selection->showChoice();
    m_parts.selection->showSelection();
}

// Colour rows leave the manual input and the pipette as they are, and offer no
// separate adjustment; a harmony has no same-colour warning.
void ModeActions::actionsForMode(HarmonyMode harmonyMode)
{
    if (harmonyMode != HarmonyMode::colourRows) {
        m_host.actions().action(ActionId::gezielteManuelleEingabeVonWerten).setEnabled(true);
        m_host.actions().action(ActionId::pipette).setEnabled(true);
    }
    if (isHarmony(harmonyMode))
        m_parts.websicher->hideWarning();
    else
        m_host.actions().action(ActionId::farbenSeparatEinstellen).setEnabled(false);
}

void ModeActions::showStatusText(HarmonyMode harmonyMode)
{
    const Txt text = harmonyModeStatusText(static_cast<int>(harmonyMode));
    m_w.furniture.statusPanel0->setText(QStringLiteral("  ") + m_host.uiLanguage().text(text));
}

// The fields, controls and value rows of the state's mode, as switching to it
// leaves them, without computing anything.
void ModeActions::showHarmonyMode()
{
    const HarmonyMode harmonyMode = m_host.state().harmonyMode();
    actionsForMode(harmonyMode);
    showStatusText(harmonyMode);
    showAngleControls(harmonyMode);
    showDisplay(harmonyMode);
    m_parts.display->prepareValueRows(harmonyMode);
    m_parts.singlePanels->hideAll();
}

void ModeActions::showAngleControls(HarmonyMode harmonyMode)
{
    // The angle controls follow the document's announcement of the mode.
    auto& w = m_w;
    w.rowControls.ComboBox1->setEnabled(isRowMode(harmonyMode));
    w.rowControls.Button1->setEnabled(isRowMode(harmonyMode));
    if (isHarmony(harmonyMode))
        m_host.actions().action(ActionId::farbenSeparatEinstellen).setEnabled(true);
    if (isRowMode(harmonyMode))
        m_parts.selection->enableChoice(false);
}

void ModeActions::showDisplay(HarmonyMode harmonyMode)
{
    const MainState& s = m_host.state();
    if (harmonyMode == HarmonyMode::colourRows)
        m_parts.singlePanels->rowsOnBackground();
    if (s.fixiert) {
        // The half's count may be from before a swap that restored a harmony,
        // which leaves the field count alone: its rows are the current count's.
        m_host.colourDocument().setStepCount(s.stufenAnzahl);
        // Only the edited half changes its mode.
        if (harmonyMode == HarmonyMode::colourRows)
            m_parts.fixedPanels->rowOnBackground(s.fixLinksAktiv);
        m_parts.fixedPanels->showHalf(harmonyMode, s.fixLinksAktiv);
        return;
    }
    m_parts.singlePanels->showMode(harmonyMode);
}

void ModeActions::showFieldCount()
{
    QComboBox* box = m_w.rowControls.ComboBox1;
    const QSignalBlocker still(box);
    box->setCurrentIndex(std::clamp(m_host.state().stufenAnzahl - 1, 0, box->count() - 1));
}

void ModeActions::ComboBox1Change()
{
    const MainState& s = m_host.state();
    m_host.resetStaticText();
    m_host.colourDocument().changeFieldCount(m_w.rowControls.ComboBox1->currentIndex() + 1);
    m_parts.band->showAngles();
    if (s.hdZielGross())
        m_parts.selection->showSelection();
    if (s.fixiert) {
        m_parts.fixedPanels->layOutRow(s.fixLinksAktiv);
    } else {
        m_parts.singlePanels->showPanels();
        m_parts.singlePanels->hidePanels();
    }
}

void ModeActions::chooseHarmonyMode(HarmonyMode harmonyMode)
{
    switch (harmonyMode) {
    case HarmonyMode::twoColour:
        zweierHarmonienExecute();
        break;
    case HarmonyMode::threeColour:
        dreierHarmonienExecute();
        break;
    case HarmonyMode::fourColour:
        viererHarmonienExecute();
        break;
    case HarmonyMode::fanning:
        auffaecherungenExecute();
        break;
    case HarmonyMode::colourRows:
        farbreihenExecute();
        break;
    }
}
