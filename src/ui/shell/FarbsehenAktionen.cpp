#include "ui/shell/FarbsehenAktionen.h"

#include "core/colour/Contrast.h"
#include "core/documents/ContrastTable.h"
#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/documents/KontrastFenster.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/Farbsehfilter.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTextEdit>

#include <array>
#include <utility>

namespace
{

constexpr std::array<std::pair<Aktion, Farbsehen>, 5> arten{{
    {Aktion::farbsehenNormal, Farbsehen::normal},
    {Aktion::farbsehenProtanopie, Farbsehen::protanopie},
    {Aktion::farbsehenDeuteranopie, Farbsehen::deuteranopie},
    {Aktion::farbsehenTritanopie, Farbsehen::tritanopie},
    {Aktion::farbsehenAchromatopsie, Farbsehen::achromatopsie},
}};

std::array<QTextEdit*, 6> richEdits(MainWidgets& w)
{
    return {w.RichEdit1, w.RichEdit2, w.RichEdit3, w.RichEdit4, w.RichEdit5, w.RichEdit6};
}

} // namespace

FarbsehenAktionen::FarbsehenAktionen(DisplayHost& form) : m_form(form)
{
    m_status = new QLabel(form.w().StatusBar1);
    m_status->setObjectName(QStringLiteral("statusFarbsehen"));
    form.w().StatusBar1->addPermanentWidget(m_status);
    m_status->hide();
    // Not stored: every window starts seeing normally.
    Farbsehfilter::instanz().setArt(Farbsehen::normal);
}

FarbsehenAktionen::~FarbsehenAktionen() = default;

void FarbsehenAktionen::connectActions()
{
    const ActionRegistry& reg = m_form.actions();
    for (const auto& [aktion, art] : arten) {
        QAction& a = reg.action(aktion);
        connect(&a, &QAction::triggered, this, [this, art] { artGewaehlt(art); });
        a.setEnabled(true);
    }
    QAction& kontrast = reg.action(Aktion::kontrast);
    connect(&kontrast, &QAction::triggered, this, &FarbsehenAktionen::kontrastExecute);
    kontrast.setEnabled(true);
    // The language switch renames every action; the texts made here follow it.
    connect(&kontrast, &QAction::changed, this, &FarbsehenAktionen::texteSetzen);
    for (QTextEdit* e : richEdits(m_form.w())) {
        e->installEventFilter(this);
        hinweisSetzen(e);
    }
}

void FarbsehenAktionen::artGewaehlt(Farbsehen art)
{
    Farbsehfilter::instanz().setArt(art);
    statusSetzen();
}

void FarbsehenAktionen::statusSetzen()
{
    const Farbsehen art = Farbsehfilter::instanz().art();
    m_status->setVisible(art != Farbsehen::normal);
    for (const auto& [aktion, a] : arten)
        if (a == art)
            m_status->setText(m_form.sprache()
                                  .text(Txt::farbsehenStatus)
                                  .arg(ohneAccelerator(m_form.actions().action(aktion).text())));
}

void FarbsehenAktionen::kontrastExecute()
{
    if (!m_fenster) {
        m_fenster = std::make_unique<KontrastFenster>(
            m_form.sprache(), [this] { return gezeigteFeldFarben(m_form.w(), m_form.hauptfenster()); },
            &m_form.hauptfenster());
        kontrastFensterVerbinden(*m_fenster, m_form.w(), m_form.hauptfenster());
    }
    m_fenster->show();
    m_fenster->raise();
    m_fenster->activateWindow();
}

void FarbsehenAktionen::texteSetzen()
{
    statusSetzen();
    if (m_fenster)
        m_fenster->texteSetzen();
    for (QTextEdit* e : richEdits(m_form.w()))
        hinweisSetzen(e);
}

bool FarbsehenAktionen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        if (auto* e = qobject_cast<QTextEdit*>(watched))
            hinweisSetzen(e);
    return QObject::eventFilter(watched, event);
}

// The text view draws its text in the field's colour on the big field.
void FarbsehenAktionen::hinweisSetzen(QTextEdit* edit) const
{
    const QPalette p = edit->palette();
    const QRgb text = p.color(QPalette::Text).rgb();
    const QRgb feld = p.color(QPalette::Base).rgb();
    const LanguageTable& t = m_form.sprache();
    const QChar dezimal = t.dezimalzeichen();
    edit->setToolTip(t.text(Txt::kontrastHinweis)
                         .arg(verhaeltnisText(kontrastVerhaeltnis(text, feld), dezimal),
                              lcText(apcaLc(text, feld), dezimal)));
}
