#include "ui/documents/ValueOutput.h"

#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/Fixing.h"
#include "ui/documents/Printing.h"
#include "ui/documents/TForm4.h"
#include "ui/language/ActionRegistry.h"
#include "core/language/LanguageTable.h"
#include "platform/print/DialogPrinterChooser.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>

namespace
{

FeldTexte werte(const QString& name, const StaticText* r, const StaticText* g, const StaticText* b,
                const StaticText* hex)
{
    return {name, r->text(), g->text(), b->text(), hex->text()};
}

} // namespace

ValueOutput::ValueOutput(DisplayHost& host, DisplayParts& parts)
    : m_host(host), m_parts(parts), m_drucker(std::make_unique<DialogPrinterChooser>())
{
}

ValueOutput::~ValueOutput() = default;

void ValueOutput::connectWidgets()
{
    QWidget* fenster = &m_host.hauptfenster();
    const auto verbinden = [&](Aktion id, void (ValueOutput::*handler)()) {
        QAction& a = m_host.actions().action(id);
        QObject::connect(&a, &QAction::triggered, fenster, [this, handler] { (this->*handler)(); });
        a.setEnabled(true);
    };
    verbinden(Aktion::werteDrucken, &ValueOutput::werteDruckenExecute);
    verbinden(Aktion::ShortCutStrgP, &ValueOutput::werteDruckenExecute);
    verbinden(Aktion::alleWerteKopieren, &ValueOutput::alleWerteKopierenExecute);
    QObject::connect(m_host.w().Button1, &QPushButton::clicked, fenster, [this] { Button1Click(); });
}

void ValueOutput::setPrinterChooser(std::unique_ptr<PrinterChooser> chooser)
{
    if (chooser)
        m_drucker = std::move(chooser);
}

bool ValueOutput::reihenModus() const
{
    return istReihenModus(m_host.state().modus());
}

std::vector<FeldTexte> ValueOutput::reihenWerte() const
{
    const MainState& s = m_host.state();
    return zeilenWerte(zwischenZeilen(stufenAus(s.stufeAktiv), s.modus() != Modus::reihen, m_host.sprache()),
                       s.endFarben);
}

std::array<FeldTexte, 4> ValueOutput::feldListe(bool untereReihe) const
{
    const MainWidgets& w = m_host.w();
    const LanguageTable& t = m_host.sprache();
    if (untereReihe)
        return {werte(t.text(Txt::feldGross), w.SGrUnR, w.SGrUnG, w.SGrUnB, w.SGrUnHex),
                werte(t.text(Txt::feldLinks), w.SKlUnLiR, w.SKlUnLiG, w.SKlUnLiB, w.SKlUnLiHex),
                werte(t.text(Txt::feldMitte), w.SKlUnMiR, w.SKlUnMiG, w.SKlUnMiB, w.SKlUnMiHex),
                werte(t.text(Txt::feldRechts), w.SKlUnR, w.SKlUnG, w.SKlUnB, w.SKlUnHex)};
    return {werte(t.text(Txt::feldGross), w.SGrObR, w.SGrObG, w.SGrObB, w.SGrObHex),
            werte(t.text(Txt::feldLinks), w.SKlObLiR, w.SKlObLiG, w.SKlObLiB, w.SKlObLiHex),
            werte(t.text(Txt::feldMitte), w.SKlObMiR, w.SKlObMiG, w.SKlObMiB, w.SKlObMiHex),
            werte(t.text(Txt::feldRechts), w.SKlObR, w.SKlObG, w.SKlObB, w.SKlObHex)};
}

void ValueOutput::beideKombinationen(const std::function<void(bool)>& ausgeben,
                                     const std::function<void()>& trennen)
{
    MainState& s = m_host.state();
    // Field computations without display side effects while both halves are visited.
    const QScopedValueRollback nurRechnen(s.nurRechnen, true);
    const QString status = m_host.w().statusPanel1->text();
    if (!s.fixiert) {
        ausgeben(false);
        return;
    }
    FieldSelection& auswahl = *m_parts.selection;
    const bool linksBearbeitet = s.fixLinksAktiv;
    if (linksBearbeitet) {
        // The right-hand half is edited for a moment so that its values are current.
        auswahl.haelfteBearbeiten(false);
        ausgeben(false);
        m_parts.fixing->zurueckZurAltenFlaecheLi(status);
    } else {
        ausgeben(false);
        auswahl.haelfteBearbeiten(true);
    }
    trennen();
    ausgeben(true);
    if (!linksBearbeitet)
        m_parts.fixing->zurueckZurAltenFlaecheRe(status);
}

QString ValueOutput::alleWerteText()
{
    QString text;
    const QString trenner = m_host.sprache().text(Txt::fixiertMarker);
    beideKombinationen(
        [&](bool untereReihe) {
            text += reihenModus() ? reihenTabelleText(reihenWerte(), m_host.sprache().englisch())
                                  : feldListeText(feldListe(untereReihe));
        },
        [&] { text = fixiertText(text, trenner, QString()); });
    return text;
}

DruckSeite ValueOutput::alleWerteSeite()
{
    DruckSeite seite{.texte = {}, .druckZeile = m_host.state().druckZeile};
    const QString trenner = m_host.sprache().text(Txt::fixiertMarker);
    beideKombinationen(
        [&](bool untereReihe) {
            if (reihenModus())
                reihenTabelleDrucken(seite, reihenWerte());
            else
                feldListeDrucken(seite, feldListe(untereReihe));
        },
        [&] { trennerDrucken(seite, trenner); });
    return seite;
}

void ValueOutput::alleWerteKopierenExecute()
{
    const QString text = alleWerteText();
    QGuiApplication::clipboard()->setText(text);
}

void ValueOutput::werteDruckenExecute()
{
    QPrinter* printer = m_drucker->einrichten(&m_host.hauptfenster());
    if (!printer)
        return;
    const DruckSeite seite = alleWerteSeite();
    auftragDrucken(*printer, seite, &m_host.hauptfenster(), m_host.sprache());
    m_host.state().druckZeile = druckStart;
}

void ValueOutput::Button1Click()
{
    m_host.resetStaticText();
    MainState& s = m_host.state();
    m_zwischendaten.reset();
    m_zwischendaten =
        std::make_unique<TForm4>(s, m_host.sprache(), *m_drucker, s.druckZeile, &m_host.hauptfenster());
    m_zwischendaten->exec();
}
