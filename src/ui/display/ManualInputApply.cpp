#include "ui/display/ManualInputApply.h"

#include "core/colour/LightDark.h"
#include "ui/dialogs/TfEingabe.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/WebSafeDisplay.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/MainWidgets.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QLineEdit>
#include <QSlider>

ManualInputApply::ManualInputApply(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts) {}

ManualInputApply::~ManualInputApply() = default;

void ManualInputApply::connectWidgets()
{
    QAction& a = m_host.actions().action(ActionId::gezielteManuelleEingabeVonWerten);
    QObject::connect(&a, &QAction::triggered, &m_host.mainWindow(),
                     [this] { gezielteManuelleEingabeVonWertenExecute(); });
    a.setEnabled(true);
}

TfEingabe& ManualInputApply::dialog()
{
    if (!m_dialog)
        m_dialog = std::make_unique<TfEingabe>(m_host.uiLanguage(), dialogAccess(), &m_host.mainWindow());
    return *m_dialog;
}

InputAccess ManualInputApply::dialogAccess()
{
    return {.fieldHex = [this] { return fieldHex(); },
            .acceptValues =
                [this] {
                    const Rgb c = m_dialog->input();
                    m_host.colourDocument().acceptTypedColour({c.r, c.g, c.b}, typedTexts());
                    ensureLuminous();
                },
            .applyChange =
                [this](const InputMatch& t) {
                    rememberInput();
                    applyTypedColour(t);
                },
            .finish = [this] { m_host.colourDocument().finishInput(); },
            .cancel = [this] { cancel(); },
            .help = [this] { m_host.showHelpTopic(QStringLiteral("::HTML\\page05.htm")); }};
}

// The value row of the edited half: the big field's unless separate
// adjustment has a small field selected.
QString ManualInputApply::fieldHex() const
{
    const MainState& s = m_host.state();
    const bool unten = s.fixiert && s.fixLinksAktiv;
    const Field field = s.separatModus ? s.lightDarkTarget : Field::big;
    return m_parts.display->valueHex(field, unten);
}

// Opening, previewing and closing are one step, none when nothing is taken;
// the dialog's own event loop must not close the step halfway.
void ManualInputApply::gezielteManuelleEingabeVonWertenExecute()
{
    ColourDocument& colourDocument = m_host.colourDocument();
    colourDocument.beginGesture(StepKind::colourInput);
    showDialog();
    colourDocument.endGesture();
}

void ManualInputApply::showDialog()
{
    const MainState& s = m_host.state();
    QAction& actionItem = m_host.actions().action(ActionId::gezielteManuelleEingabeVonWerten);
    if (s.actionSet.realistisch) {
        m_host.switchBandType(true);
        actionItem.setData(1);
    }
    if (s.actionSet.nurWebsichereFarbenAnzeigen)
        m_parts.websicher->nurWebsichereFarbenAnzeigenExecute();
    dialog().exec();
}

void ManualInputApply::rememberInput()
{
    const Rgb c = m_dialog->input();
    m_host.colourDocument().takeInput({c.r, c.g, c.b}, typedTexts());
}

std::array<QString, 4> ManualInputApply::typedTexts() const
{
    return {m_dialog->Edit1->text(), m_dialog->Edit2->text(), m_dialog->Edit3->text(),
            m_dialog->Edit4->text()};
}

// The document places the colour; the band controls and the status line follow.
void ManualInputApply::applyTypedColour(const InputMatch& t)
{
    m_host.resetStaticText();
    m_host.colourDocument().applyTypedColour(t.position, t.point);
    m_parts.band->afterBandMove();
    m_parts.selection->showSelection();
}

void ManualInputApply::form1resetten()
{
    m_host.colourDocument().eingabeTexteZeigen(true);
}

void ManualInputApply::ensureLuminous()
{
    if (m_host.state().actionSet.realistisch)
        m_host.switchBandType(true);
}

void ManualInputApply::cancel()
{
    QAction& actionItem = m_host.actions().action(ActionId::gezielteManuelleEingabeVonWerten);
    if (actionItem.data().toInt() == 1) {
        m_host.switchBandType(false);
        actionItem.setData(0);
    }
}

void ManualInputApply::applyPipetteColour(const QString& hex)
{
    const ColourDocument::Operation input(m_host.colourDocument(), StepKind::colourInput);
    form1resetten();
    TfEingabe& d = dialog();
    d.Edit4->setText(hex);
    d.eingabeGueltig = true;
    d.Edit4KeyUp();
    d.OKBtnClick();
}
