#include "ui/display/ManualInputApply.h"

#include "core/colour/LightDark.h"
#include "core/colour/Rounding.h"
#include "ui/dialogs/TfEingabe.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/WebSafeDisplay.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/MainWidgets.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSlider>

ManualInputApply::ManualInputApply(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts) {}

ManualInputApply::~ManualInputApply() = default;

void ManualInputApply::connectWidgets()
{
    QAction& a = m_host.actions().action(Aktion::gezielteManuelleEingabeVonWerten);
    QObject::connect(&a, &QAction::triggered, &m_host.hauptfenster(),
                     [this] { gezielteManuelleEingabeVonWertenExecute(); });
    a.setEnabled(true);
}

TfEingabe& ManualInputApply::dialog()
{
    if (!m_dialog)
        m_dialog = std::make_unique<TfEingabe>(m_host.sprache(), zugang(), &m_host.hauptfenster());
    return *m_dialog;
}

EingabeZugang ManualInputApply::zugang()
{
    return {.feldHex = [this] { return feldHex(); },
            .uebernehmen =
                [this] {
                    eingabeMerken();
                    m_host.dokument().eingabeUebernommen(true);
                    form1resetten();
                    luminoesSicherstellen();
                },
            .anwenden =
                [this](const EingabeTreffer& t) {
                    eingabeMerken();
                    einfaerben(t.position);
                    farbeZuweisen(t.position, t.punkt);
                },
            .beenden = [this] { m_host.dokument().eingabeBeenden(); },
            .abbrechen = [this] { abbrechen(); },
            .hilfe = [this] { m_host.hilfeThemaZeigen(QStringLiteral("::HTML\\page05.htm")); }};
}

// The value row of the edited half: the big field's unless separate
// adjustment has a small field selected.
QString ManualInputApply::feldHex() const
{
    const MainState& s = m_host.state();
    const MainWidgets& w = m_host.w();
    const bool unten = s.fixiert && s.fixLinksAktiv;
    const StaticText* hex = unten ? w.SGrUnHex : w.SGrObHex;
    if (s.separatModus) {
        if (s.hdZielRechts())
            hex = unten ? w.SKlUnHex : w.SKlObHex;
        else if (s.hdZielLinks())
            hex = unten ? w.SKlUnLiHex : w.SKlObLiHex;
        else if (s.hdZielMitte())
            hex = unten ? w.SKlUnMiHex : w.SKlObMiHex;
    }
    return hex->text();
}

// Opening, previewing and closing are one step, none when nothing is taken;
// the dialog's own event loop must not close the step halfway.
void ManualInputApply::gezielteManuelleEingabeVonWertenExecute()
{
    ColourDocument& dokument = m_host.dokument();
    dokument.gesteBeginnen(StepKind::colourInput);
    dialogZeigen();
    dokument.gesteBeenden();
}

void ManualInputApply::dialogZeigen()
{
    const MainState& s = m_host.state();
    QAction& aktion = m_host.actions().action(Aktion::gezielteManuelleEingabeVonWerten);
    if (s.aktionen.realistisch) {
        m_host.actions().action(Aktion::luminoes).trigger();
        aktion.setData(1);
    }
    if (s.aktionen.nurWebsichereFarbenAnzeigen)
        m_parts.websicher->nurWebsichereFarbenAnzeigenExecute();
    dialog().exec();
}

void ManualInputApply::eingabeMerken()
{
    const Rgb c = m_dialog->eingabe();
    m_host.dokument().eingabeNehmen({c.r, c.g, c.b}, {m_dialog->Edit1->text(), m_dialog->Edit2->text(),
                                                      m_dialog->Edit3->text(), m_dialog->Edit4->text()});
}

// A position off either end of the band wraps round, as the wheel does.
void ManualInputApply::bandDruecken(int position)
{
    position = ((position % bandLaenge) + bandLaenge) % bandLaenge;
    const QScopedValueRollback gedrueckt(m_host.dokument().ablauf().bandMausUnten, true);
    m_parts.band->Image2MouseDown(position);
    m_host.dokument().eingabeFarbeAktiv(true);
}

void ManualInputApply::einfaerben(int p)
{
    if (m_host.state().modus() == Modus::reihen)
        m_host.dokument().ablauf().eingabeAussenfeld = true;
    bandDruecken(p - 1);
}

// The compact field is half as wide: its points are worth two amount steps.
void ManualInputApply::punktAnwenden(EingabePunkt punkt)
{
    if (m_host.state().ablauf.kleinesLayout)
        punkt = {roundHalfEven(punkt.x / 2.0), 127 - roundHalfEven((255 - punkt.y) / 2.0)};
    m_host.dokument().hellDunkelSetzen(punkt.x, punkt.y);
}

void ManualInputApply::farbeZuweisen(int eingabePosition, EingabePunkt punkt)
{
    const MainState& s = m_host.state();
    m_host.dokument().eingabeFarbeAktiv(true);
    if (s.modus() == Modus::reihen) {
        reihenZuweisen(eingabePosition, punkt);
    } else if (s.separatModus || s.hdZielGross()) {
        punktAnwenden(punkt);
    } else {
        const Feld klein = s.hdZiel;
        m_parts.selection->Anzeige_NormalClick2();
        punktAnwenden(punkt);
        m_parts.selection->waehlen(klein);
    }
}

// The row's centre goes half the row's angle away from the found position, so
// that the selected outer field lands on it once the angle is back.
void ManualInputApply::reihenZuweisen(int eingabePosition, EingabePunkt punkt)
{
    const MainState& s = m_host.state();
    QSlider* trackBar2 = m_host.w().TrackBar2;
    Ablauf& ablauf = m_host.dokument().ablauf();
    ablauf.eingabeAussenfeld = true;
    const int v = trackBar2->value();
    trackBar2->setValue(0);
    const double x = v * 467.0 / 117.0;
    int mitte = eingabePosition; // 1-based, as einfaerben takes it
    if (s.hdZielRechts()) {
        punktAnwenden(punkt);
        m_parts.selection->KleinRechtsClick2();
        mitte = roundHalfEven(eingabePosition - x / 2);
    } else if (s.hdZielLinks()) {
        punktAnwenden(punkt);
        m_parts.selection->KleinLinksClick2();
        mitte = roundHalfEven(eingabePosition + x / 2);
    }
    einfaerben(mitte);
    ablauf.eingabeAussenfeld = false;
    trackBar2->setValue(v);
    // Pressing at the found position itself would move the outer field off it again.
    bandDruecken(mitte - 1);
}

void ManualInputApply::form1resetten()
{
    m_host.dokument().eingabeTexteZeigen(true);
}

void ManualInputApply::luminoesSicherstellen()
{
    if (m_host.state().aktionen.realistisch)
        m_host.actions().action(Aktion::luminoes).trigger();
}

void ManualInputApply::abbrechen()
{
    QAction& aktion = m_host.actions().action(Aktion::gezielteManuelleEingabeVonWerten);
    if (aktion.data().toInt() == 1) {
        m_host.actions().action(Aktion::realistisch).trigger();
        aktion.setData(0);
    }
}

void ManualInputApply::pipetteUebernehmen(const QString& hex)
{
    const ColourDocument::Operation eingabe(m_host.dokument(), StepKind::colourInput);
    m_host.dokument().eingabeTexteZeigen(true);
    TfEingabe& d = dialog();
    d.Edit4->setText(hex);
    d.eingabeGueltig = true;
    d.Edit4KeyUp();
    d.OKBtnClick();
}
