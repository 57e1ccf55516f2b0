#include "ui/display/ManualInputApply.h"

#include "core/colour/LightDark.h"
#include "core/colour/Rounding.h"
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
                    rememberInput();
                    m_host.colourDocument().eingabeUebernommen(true);
                    form1resetten();
                    ensureLuminous();
                },
            .applyChange =
                [this](const InputMatch& t) {
                    rememberInput();
                    einfaerben(t.position);
                    farbeZuweisen(t.position, t.point);
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
    m_host.colourDocument().takeInput({c.r, c.g, c.b}, {m_dialog->Edit1->text(), m_dialog->Edit2->text(),
                                                        m_dialog->Edit3->text(), m_dialog->Edit4->text()});
}

// A position off either end of the band wraps round, as the wheel does.
void ManualInputApply::pressBand(int position)
{
    position = ((position % bandLength) + bandLength) % bandLength;
    m_parts.band->pressBand(position);
    m_host.colourDocument().eingabeFarbeAktiv(true);
}

void ManualInputApply::einfaerben(int p)
{
    if (m_host.state().harmonyMode() == HarmonyMode::colourRows)
        m_host.colourDocument().setInputOnOuterField(true);
    pressBand(p - 1);
}

// The compact field is half as wide: its points are worth two amount steps.
void ManualInputApply::applyPoint(InputPoint point)
{
    if (m_host.colourDocument().window().compactLayout)
        point = {roundHalfEven(point.x / 2.0), 127 - roundHalfEven((255 - point.y) / 2.0)};
    m_host.colourDocument().setLightDark(point.x, point.y);
}

void ManualInputApply::farbeZuweisen(int eingabePosition, InputPoint point)
{
    const MainState& s = m_host.state();
    m_host.colourDocument().eingabeFarbeAktiv(true);
    if (s.harmonyMode() == HarmonyMode::colourRows) {
        assignToRows(eingabePosition, point);
    } else if (s.separatModus || s.hdZielGross()) {
        applyPoint(point);
    } else {
        const Field small = s.lightDarkTarget;
        m_parts.selection->Anzeige_NormalClick2();
        applyPoint(point);
        m_parts.selection->pick(small);
    }
}

// The row's centre goes half the row's angle away from the found position, so
// that the selected outer field lands on it once the angle is back.
void ManualInputApply::assignToRows(int eingabePosition, InputPoint point)
{
    const MainState& s = m_host.state();
    BandAngleControls& angles = *m_parts.band;
    m_host.colourDocument().setInputOnOuterField(true);
    const int v = angles.firstSlider();
    angles.setFirstSlider(0);
    const double x = v * 467.0 / 117.0;
    int centre = eingabePosition; // 1-based, as einfaerben takes it
    if (s.hdZielRechts()) {
        applyPoint(point);
        m_parts.selection->KleinRechtsClick2();
        centre = roundHalfEven(eingabePosition - x / 2);
    } else if (s.hdZielLinks()) {
        applyPoint(point);
        m_parts.selection->KleinLinksClick2();
        centre = roundHalfEven(eingabePosition + x / 2);
    }
    einfaerben(centre);
    m_host.colourDocument().setInputOnOuterField(false);
    angles.setFirstSlider(v);
    // Pressing at the found position itself would move the outer field off it again.
    pressBand(centre - 1);
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
    m_host.colourDocument().eingabeTexteZeigen(true);
    TfEingabe& d = dialog();
    d.Edit4->setText(hex);
    d.eingabeGueltig = true;
    d.Edit4KeyUp();
    d.OKBtnClick();
}
