#include "ui/display/ModeActions.h"

#include "core/language/ControlTexts.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/LightDarkField.h"
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
    : m_host(host), m_w(widgets), m_parts(parts), m_haelften(host, {m_w.fields}, parts.panelHold)
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
    layout.showPanels = [this] { showPanels(); };
    layout.relayOutRows = [this] { relayOutRows(); };
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
    m_host.colourDocument().changeHarmonyMode(harmonyMode, textsOnShow());
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
    hideAll();
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
    m_host.colourDocument().selectTextFields(textsOnShow());
    m_parts.selection->showChoice();
    m_parts.selection->showSelection();
}

// The fields whose text the text view shows now.
PerField<bool> ModeActions::textsOnShow() const
{
    const auto visible = [this](QTextEdit* e) { return e->isVisibleTo(&m_host.mainWindow()); };
    return {
        {true, visible(m_w.fields.RichEdit1), visible(m_w.fields.RichEdit2), visible(m_w.fields.RichEdit3)}};
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
    hideAll();
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
    auto& w = m_w;
    if (harmonyMode == HarmonyMode::colourRows) {
        // A colour row stands on the window background.
        const QColor backgroundColour = m_host.layout().backgroundColour();
        w.fields.Anzeige->setColour(backgroundColour);
        w.fields.AnzeigeReihen->setColour(backgroundColour);
    }
    if (m_host.state().fixiert) {
        const MainState& s = m_host.state();
        // The half's count may be from before a swap that restored a harmony,
        // which leaves the field count alone: its rows are the current count's.
        m_host.colourDocument().setStepCount(s.stufenAnzahl);
        // Only the edited half changes its mode.
        if (harmonyMode == HarmonyMode::colourRows)
            (m_host.state().fixLinksAktiv ? w.fields.FixedLinksReihen : w.fields.FixedRechtsReihen)
                ->setColour(m_host.layout().backgroundColour());
        m_haelften.showHalf(harmonyMode, m_host.state().fixLinksAktiv);
        return;
    }
    singleLayout(harmonyMode);
}

// The fields of a mode in the single display.
void ModeActions::singleLayout(HarmonyMode harmonyMode)
{
    switch (harmonyMode) {
    case HarmonyMode::twoColour:
        showZweier();
        break;
    case HarmonyMode::threeColour:
        showDreier();
        break;
    case HarmonyMode::fourColour:
        showVierer();
        break;
    case HarmonyMode::fanning:
    case HarmonyMode::colourRows:
        // The marker follows the live mode, which a fixed half may have changed.
        m_w.fields.AnzeigeReihen->setMarker(harmonyMode == HarmonyMode::fanning ? 1 : 0);
        showAuffaecher();
        // Rings of a longer row fixed earlier are not in use now.
        hidePanels();
        break;
    }
}

// The single display laid out for the state's mode, after fixing.
void ModeActions::showSingleDisplay()
{
    auto& w = m_w;
    singleLayout(m_host.state().harmonyMode());
    w.fields.FixedLinksReihen->setMarker(1);
    w.fields.FixedRechtsReihen->setMarker(1);
    hideAll();
}

void ModeActions::hideAll()
{
    hideAll(m_host.state());
}

void ModeActions::hideAll(const MainState& s)
{
    if (m_parts.panelHold.held())
        return;
    auto& w = m_w;
    ColourPanel* versteck = w.fields.PanelContainer2;
    if (s.actionSet.fixieren) {
        moveInto(w.fields.Anzeige_Normal, versteck);
        moveInto(w.fields.AnzeigeReihen, versteck);
    } else {
        for (ColourPanel* p : {w.fields.FixedLinksReihen, w.fields.FixedRechtsReihen, w.fields.FixedLinks,
                               w.fields.FixedRechts})
            moveInto(p, versteck);
    }
    const HarmonyMode harmonyMode = s.harmonyMode();
    if (harmonyMode != HarmonyMode::fourColour) {
        moveInto(w.fields.KleinMitte, versteck);
        moveInto(s.fixLinksAktiv ? w.fields.FixedLinksKleinMitte : w.fields.FixedKleinMitte, versteck);
    }
    if (harmonyMode != HarmonyMode::threeColour && harmonyMode != HarmonyMode::fourColour) {
        moveInto(w.fields.KleinLinks, versteck);
        moveInto(s.fixLinksAktiv ? w.fields.FixedLinksKleinLinks : w.fields.FixedKleinLinks, versteck);
    }
}

void ModeActions::showZweier()
{
    auto& w = m_w;
    moveInto(w.fields.KleinRechts, w.fields.Anzeige_Normal);
    moveInto(w.fields.Anzeige_Normal, w.fields.Anzeige, true);
    w.fields.Anzeige_Normal->raise();
}

void ModeActions::showDreier()
{
    moveInto(m_w.fields.KleinLinks, m_w.fields.Anzeige_Normal);
    showZweier();
}

void ModeActions::showVierer()
{
    moveInto(m_w.fields.KleinMitte, m_w.fields.Anzeige_Normal);
    showDreier();
}

void ModeActions::showAuffaecher()
{
    auto& w = m_w;
    if (m_host.state().harmonyMode() == HarmonyMode::colourRows) {
        const QColor backgroundColour = m_host.layout().backgroundColour();
        w.fields.Anzeige->setColour(backgroundColour);
        w.fields.AnzeigeReihen->setColour(backgroundColour);
    }
    showPanels();
    moveInto(w.fields.AnzeigeReihen, w.fields.Anzeige, true);
    w.fields.AnzeigeReihen->raise();
}

// Rings from the step count outwards are not in use.
void ModeActions::hidePanels()
{
    const int stepCount = m_host.state().stufenAnzahl;
    auto& w = m_w;
    for (int k = 1; k <= 6; ++k) {
        if (k < stepCount)
            continue;
        moveInto(w.fields.R[static_cast<std::size_t>(8 - k)], w.fields.PanelContainer2);
        moveInto(w.fields.R[static_cast<std::size_t>(8 + k)], w.fields.PanelContainer2);
    }
}

// Rings in use join the row; the outer fields close it at its ends.
void ModeActions::showPanels()
{
    const MainState& s = m_host.state();
    auto& w = m_w;
    const int stepCount = std::clamp(s.stufenAnzahl, 1, 7);
    for (int k = 1; k < stepCount; ++k) {
        moveInto(w.fields.R[static_cast<std::size_t>(8 - k)], w.fields.AnzeigeReihen);
        moveInto(w.fields.R[static_cast<std::size_t>(8 + k)], w.fields.AnzeigeReihen);
    }
    ColourPanel* r1 = w.fields.R[1];
    ColourPanel* r15 = w.fields.R[15];
    if (m_host.colourDocument().window().compactLayout) {
        r1->move(210 - 34 * (stepCount - 1), r1->y());
        r15->move(278 + 34 * (stepCount - 1), r15->y());
        return;
    }
    int left = 0, right = 0;
    if (stepCount < 7) {
        left = w.fields.R[static_cast<std::size_t>(8 - stepCount)]->tag();
        right = w.fields.R[static_cast<std::size_t>(8 + stepCount)]->tag();
    } else {
        // Their home positions; their tags hold where they currentState now. A hint
        // that is no number leaves the panel where it is.
        bool zahl1 = false, zahl15 = false;
        left = r1->hint().toInt(&zahl1);
        right = r15->hint().toInt(&zahl15);
        if (!zahl1)
            left = r1->x();
        if (!zahl15)
            right = r15->x();
    }
    r1->move(left, r1->y());
    r1->setTag(left);
    r15->move(right, r15->y());
    r15->setTag(right);
}

void ModeActions::relayOutRows()
{
    hidePanels();
    showPanels();
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
        m_haelften.layOutRow(s.fixLinksAktiv);
    } else {
        showPanels();
        hidePanels();
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
