#include "ui/display/FieldSelection.h"

#include "core/documents/SettingsApply.h"
#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/Fixing.h"
#include "ui/display/LightDarkField.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>

namespace
{

// In field order: big, right, left, centre.
constexpr FeldWerte<Txt> statusTexte{{Txt::statusGrossAusgewaehlt, Txt::statusRechtsAusgewaehlt,
                                      Txt::statusLinksAusgewaehlt, Txt::statusMitteAusgewaehlt}};

} // namespace

FieldSelection::FieldSelection(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts) {}

void FieldSelection::connectWidgets()
{
    connectFieldClicks();
    connectRadioButtons();
    connectValueTexts();
    connectBackgroundPanels();
}

void FieldSelection::connectFieldClicks()
{
    MainWidgets& w = m_host.w();
    klickBinden(w.Anzeige_Normal, [this] { Anzeige_NormalClick(); });
    // Behind the rows the big field exists only when the row display's marker says so.
    klickBinden(w.AnzeigeReihen, [this] {
        if (m_host.w().AnzeigeReihen->marker() != 0)
            Anzeige_NormalClick();
    });
    klickBinden(w.KleinRechts, [this] { KleinRechtsClick(); });
    klickBinden(w.KleinLinks, [this] { KleinLinksClick(); });
    klickBinden(w.KleinMitte, [this] { KleinMitteClick(); });
    // Left of the row's centre stands for small left, right of it for small
    // right; the centre itself selects nothing.
    for (std::size_t n = 1; n <= 7; ++n)
        klickBinden(w.R[n], [this] { KleinLinksClick(); });
    klickBinden(w.R[8], {});
    for (std::size_t n = 9; n <= 15; ++n)
        klickBinden(w.R[n], [this] { KleinRechtsClick(); });
    connectFixedClicks();
}

// The right half shares the single display's handlers; the left half has its own.
void FieldSelection::connectFixedClicks()
{
    MainWidgets& w = m_host.w();
    klickBinden(w.FixedRechts, [this] { Anzeige_NormalClick(); });
    klickBinden(w.FixedRechtsReihen, [this] { Anzeige_NormalClick(); });
    klickBinden(w.FixedKleinRechts, [this] { KleinRechtsClick(); });
    klickBinden(w.FixedKleinLinks, [this] { KleinLinksClick(); });
    klickBinden(w.FixedKleinMitte, [this] { KleinMitteClick(); });
    klickBinden(w.FixedLinks, [this] { FixedLinksClick(); });
    klickBinden(w.FixedLinksReihen, [this] { FixedLinksClick(); });
    klickBinden(w.FixedLinksKleinRechts, [this] { FixedLinksKleinRechtsClick(); });
    klickBinden(w.FixedLinksKleinLinks, [this] { FixedLinksKleinLinksClick(); });
    klickBinden(w.FixedLinksKleinMitte, [this] { FixedLinksKleinMitteClick(); });
    for (std::size_t n = 1; n <= 7; ++n) {
        klickBinden(w.RRe[n], [this] { KleinLinksClick(); });
        klickBinden(w.RLi[n], [this] { FixedLinksKleinLinksClick(); });
    }
    klickBinden(w.RRe[8], {});
    klickBinden(w.RLi[8], {});
    for (std::size_t n = 9; n <= 15; ++n) {
        klickBinden(w.RRe[n], [this] { KleinRechtsClick(); });
        klickBinden(w.RLi[n], [this] { FixedLinksKleinRechtsClick(); });
    }
}

void FieldSelection::klickAusloesen(const QWidget* feld)
{
    const auto it = m_klicks.find(feld);
    if (it != m_klicks.end() && it->second) {
        const ColourDocument::Operation auswahl(m_host.dokument(), StepKind::fieldSelection);
        it->second();
    }
}

void FieldSelection::klickBinden(QWidget* feld, std::function<void()> handler)
{
    m_klicks[feld] = std::move(handler);
    feld->installEventFilter(this);
}

void FieldSelection::connectRadioButtons()
{
    MainWidgets& w = m_host.w();
    const std::pair<QRadioButton*, void (FieldSelection::*)()> knoepfe[] = {
        {w.RadioButton1, &FieldSelection::RadioButton1Click},
        {w.RadioButton2, &FieldSelection::RadioButton2Click},
        {w.RadioButton3, &FieldSelection::RadioButton3Click},
        {w.RadioButton4, &FieldSelection::RadioButton4Click},
    };
    for (const auto& [knopf, handler] : knoepfe) {
        // Becoming checked runs the handler, whether the user or the program checks it.
        connect(knopf, &QRadioButton::toggled, this, [this, handler](bool an) {
            const ColourDocument::Operation teilnahme(m_host.dokument(), StepKind::separateAdjustment);
            if (an)
                (this->*handler)();
        });
        // A click on the checked button leaves it checked, as radio buttons do;
        // these are not auto-exclusive, so Qt would uncheck it. A button its own
        // handler unchecked again (a field the mode lacks) stays unchecked.
        connect(knopf, &QRadioButton::pressed, this, [this, knopf] { m_radioWarAn = knopf->isChecked(); });
        connect(knopf, &QRadioButton::clicked, this, [this, knopf](bool an) {
            if (!an && m_radioWarAn) {
                const QSignalBlocker sperre(knopf);
                knopf->setChecked(true);
            }
        });
    }
}

void FieldSelection::connectValueTexts()
{
    MainWidgets& w = m_host.w();
    for (StaticText* text : w.werteTexte()) {
        connect(text, &StaticText::pressed, this, [this, text] { StaticTextMouseDown(text); });
        text->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(text, &QWidget::customContextMenuRequested, this,
                [this, text](const QPoint& p) { m_host.w().PopupMenu1a->popup(text->mapToGlobal(p)); });
    }
    connect(w.Kopieren1a, &QAction::triggered, this, &FieldSelection::Kopieren1aExecute);
    if (QAction* kopieren = m_host.aktion("Action1")) {
        connect(kopieren, &QAction::triggered, this, &FieldSelection::Kopieren1aExecute);
        kopieren->setEnabled(true);
    }
}

void FieldSelection::connectBackgroundPanels()
{
    MainWidgets& w = m_host.w();
    for (QWidget* panel : {w.centralArea, w.panelBG, w.HellDunkelGrau, w.Panel13, w.panelHintergrund,
                           w.Panel14, w.Panel15, w.WerteOben, w.WerteUnten}) {
        m_hintergruende[panel] = true;
        panel->installEventFilter(this);
    }
}

bool FieldSelection::eventFilter(QObject* watched, QEvent* event)
{
    if (m_klicks.contains(watched))
        return feldKlick(static_cast<QWidget*>(watched), event);
    if (m_hintergruende.contains(watched))
        return hintergrundDruck(static_cast<QWidget*>(watched), event);
    return QObject::eventFilter(watched, event);
}

// Left button down and up on the same field is a click.
bool FieldSelection::feldKlick(QWidget* feld, QEvent* event)
{
    const QEvent::Type typ = event->type();
    if (typ != QEvent::MouseButtonPress && typ != QEvent::MouseButtonDblClick &&
        typ != QEvent::MouseButtonRelease)
        return false;
    const auto* maus = static_cast<QMouseEvent*>(event);
    if (maus->button() != Qt::LeftButton)
        return false;
    if (typ != QEvent::MouseButtonRelease) {
        m_gedrueckt = feld;
        return true;
    }
    const bool geklickt = m_gedrueckt == feld && feld->rect().contains(maus->position().toPoint());
    m_gedrueckt = nullptr;
    if (geklickt) {
        const auto& handler = m_klicks[feld];
        if (handler)
            handler();
    }
    return true;
}

bool FieldSelection::hintergrundDruck(QWidget* panel, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto* maus = static_cast<QMouseEvent*>(event);
    // A press that a child ignored travels up to its panel; only a press on
    // the panel's own background counts.
    if (panel->childAt(maus->position().toPoint()) == nullptr)
        FormMouseDown();
    return false;
}

// --- selection operations ---

void FieldSelection::Anzeige_NormalClick2()
{
    auswaehlen(Feld::gross);
}

bool FieldSelection::imModus(Feld feld, Modus modus)
{
    if (feld == Feld::links)
        return modus == Modus::dreier || modus == Modus::vierer;
    if (feld == Feld::mitte)
        return modus == Modus::vierer;
    return true;
}

void FieldSelection::waehlen(Feld feld)
{
    auswaehlen(feld);
}

void FieldSelection::KleinRechtsClick2()
{
    auswaehlen(Feld::rechts);
}

void FieldSelection::KleinLinksClick2()
{
    auswaehlen(Feld::links);
}

void FieldSelection::KleinMitteClick2()
{
    auswaehlen(Feld::mitte);
}

void FieldSelection::auswaehlen(Feld feld)
{
    const MainState& s = m_host.state();
    m_host.resetStaticText();
    statusTextSchreiben(feld);
    if (s.separatModus) {
        QRadioButton* knopf = radioButton(feld);
        if (feld != Feld::gross && knopf->isChecked())
            return;
        for (Feld f : alleFelder)
            if (f != feld)
                radioButton(f)->setChecked(false);
        knopf->setChecked(true);
        teilnahmeSetzen(feld);
        m_host.dokument().datenHolen(s.pos(feld), false);
    }
    zielSetzen(feld);
    m_host.dokument().hellDunkelErneuern();
}

void FieldSelection::auswahlZeigen()
{
    statusTextSchreiben(m_host.state().hdZiel);
}

// --- click handlers of the panels ---

// Colour rows have no big field behind them: a click there does nothing at all.
void FieldSelection::Anzeige_NormalClick()
{
    const MainState& s = m_host.state();
    const bool grossDa = s.fixiert ? m_host.w().FixedRechtsReihen->marker() != 0 : s.modus() != Modus::reihen;
    if (!grossDa)
        return;
    m_parts.fixing->fixiertAuslesenAlle();
    Anzeige_NormalClick2();
}

void FieldSelection::haelfteBearbeiten(bool links)
{
    const ColourPanel* hintergrund = links ? m_host.w().FixedLinksReihen : m_host.w().FixedRechtsReihen;
    const bool grossDa = hintergrund->marker() != 0;
    if (links)
        m_parts.fixing->fixiertAuslesenAlleLi();
    else
        m_parts.fixing->fixiertAuslesenAlle();
    if (grossDa)
        Anzeige_NormalClick2();
}

void FieldSelection::KleinRechtsClick()
{
    m_parts.fixing->fixiertAuslesenAlle();
    KleinRechtsClick2();
}

void FieldSelection::KleinLinksClick()
{
    m_parts.fixing->fixiertAuslesenAlle();
    KleinLinksClick2();
}

void FieldSelection::KleinMitteClick()
{
    m_parts.fixing->fixiertAuslesenAlle();
    KleinMitteClick2();
}

void FieldSelection::FixedLinksClick()
{
    if (m_host.w().FixedLinksReihen->marker() == 0)
        return;
    m_parts.fixing->fixiertAuslesenAlleLi();
    Anzeige_NormalClick2();
}

void FieldSelection::FixedLinksKleinRechtsClick()
{
    m_parts.fixing->fixiertAuslesenAlleLi();
    KleinRechtsClick2();
}

void FieldSelection::FixedLinksKleinLinksClick()
{
    m_parts.fixing->fixiertAuslesenAlleLi();
    KleinLinksClick2();
}

void FieldSelection::FixedLinksKleinMitteClick()
{
    m_parts.fixing->fixiertAuslesenAlleLi();
    KleinMitteClick2();
}

// --- radio buttons of separate adjustment ---

void FieldSelection::RadioButton1Click()
{
    radioButtonClick(Feld::gross);
}

void FieldSelection::RadioButton2Click()
{
    radioButtonClick(Feld::links);
}

void FieldSelection::RadioButton3Click()
{
    radioButtonClick(Feld::mitte);
}

void FieldSelection::RadioButton4Click()
{
    radioButtonClick(Feld::rechts);
}

void FieldSelection::radioButtonClick(Feld feld)
{
    const MainState& s = m_host.state();
    QRadioButton* knopf = radioButton(feld);
    m_host.resetStaticText();
    statusTextSchreiben(feld);
    if (!s.separatModus) {
        knopf->setEnabled(false);
        return;
    }
    // Fields the mode does not have cannot be chosen.
    if (!imModus(feld, s.modus())) {
        knopf->setChecked(false);
        return;
    }
    if (!knopf->isChecked()) {
        m_host.dokument().feldTeilnahme(feld, false);
        return;
    }
    teilnahmeSetzen(feld);
    for (Feld f : alleFelder)
        if (f != feld)
            radioButton(f)->setChecked(false);
    m_host.dokument().datenHolen(s.pos(feld), false);
    zielSetzen(feld);
    m_host.dokument().hellDunkelErneuern();
}

// --- value texts ---

void FieldSelection::StaticTextMouseDown(StaticText* text)
{
    m_host.resetStaticText();
    QAction* kopieren = m_host.w().Kopieren1a;
    const QString wert = text->text();
    if (wert.isEmpty() || wert == QStringLiteral("-")) {
        kopieren->setEnabled(false);
        return;
    }
    const QPalette& palette = m_host.hauptfenster().palette();
    text->setColours(palette.color(QPalette::Highlight), palette.color(QPalette::HighlightedText));
    m_host.kopierWert = wert;
    kopieren->setEnabled(true);
}

void FieldSelection::Kopieren1aExecute()
{
    // Nothing picked yet: the clipboard keeps what it has.
    if (m_host.kopierWert.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(m_host.kopierWert);
}

void FieldSelection::FormMouseDown()
{
    m_host.resetStaticText();
}

// --- helpers ---

void FieldSelection::statusTextSchreiben(Feld feld)
{
    QLabel* panel = m_host.w().statusPanel1;
    const QString& text = m_host.sprache().text(statusTexte[feld]);
    if (panel->text() != text)
        panel->setText(text);
}

void FieldSelection::zielSetzen(Feld feld)
{
    m_host.dokument().feldWaehlen(feld);
    emit auswahlGeaendert();
}

void FieldSelection::teilnahmeSetzen(Feld feld)
{
    m_host.dokument().nurFeldTeilnehmen(feld);
}

QRadioButton* FieldSelection::radioButton(Feld feld) const
{
    const MainWidgets& w = m_host.w();
    const FeldWerte<QRadioButton*> knoepfe{{w.RadioButton1, w.RadioButton4, w.RadioButton2, w.RadioButton3}};
    return knoepfe[feld];
}
