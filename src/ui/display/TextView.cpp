#include "ui/display/TextView.h"

#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"

#include <QAction>
#include <QFontDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextEdit>

namespace
{

QAction* eintrag(QMenu* menu, const char* name, const QString& text, int tag)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setData(tag);
    return a;
}

// The whole text takes the font, also parts that brought their own (pasted text).
void ganzerTextFormat(QTextEdit* edit, const QTextCharFormat& format)
{
    QTextCursor alles(edit->document());
    alles.select(QTextCursor::Document);
    alles.mergeCharFormat(format);
}

// Reparenting hides a widget; it keeps whether it was shown and fills its new field.
void verschieben(QWidget* widget, QWidget* ziel)
{
    if (widget->parentWidget() == ziel)
        return;
    const bool sichtbar = !widget->isHidden();
    widget->setParent(ziel);
    alignClientChildren(ziel);
    widget->setVisible(sichtbar);
}

} // namespace

TextView::TextView(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts)
{
    buildPopupMenu();
}

void TextView::buildPopupMenu()
{
    m_popupMenu1 = new QMenu(&m_host.hauptfenster());
    m_popupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* m = m_popupMenu1;
    connect(eintrag(m, "Ausschneiden1", QStringLiteral("&Ausschneiden"), 1), &QAction::triggered, this,
            &TextView::AusschneidenAllClick);
    connect(eintrag(m, "Kopieren1", QStringLiteral("&Kopieren"), 1), &QAction::triggered, this,
            &TextView::KopierenAllClick);
    connect(eintrag(m, "Einfuegen1", QStringLiteral("&Einfügen"), 1), &QAction::triggered, this,
            &TextView::EinfuegenAllClick);
    m->addSeparator();
    QMenu* zeichen = m->addMenu(QStringLiteral("Zeichen"));
    zeichen->setObjectName(QStringLiteral("Zeichen1"));
    m_ausrichtung = {eintrag(zeichen, "Links1", QStringLiteral("Links"), 1),
                     eintrag(zeichen, "Rechts1", QStringLiteral("Rechts"), 1),
                     eintrag(zeichen, "Zentriert1", QStringLiteral("Zentriert"), 1)};
    for (QAction* a : m_ausrichtung) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, a] { AusrichtenAllClick(a); });
    }
    m_ausrichtung[0]->setChecked(true);
    zeichen->addSeparator();
    for (QAction* a : {eintrag(zeichen, "Klein1", QStringLiteral("Klein"), 8),
                       eintrag(zeichen, "Mittel1", QStringLiteral("Mittel"), 10),
                       eintrag(zeichen, "Gro1", QStringLiteral("Groß"), 14)})
        connect(a, &QAction::triggered, this, [this, a] { ZeichengroesseAllClick(a); });
    zeichen->addSeparator();
    connect(eintrag(zeichen, "Font1", QStringLiteral("Font"), 1), &QAction::triggered, this,
            &TextView::FontAllClick);
}

void TextView::connectWidgets()
{
    QAction& a = m_host.actions().action(Aktion::TextAnstelleFlaechen);
    connect(&a, &QAction::triggered, this, [this] {
        const ColourDocument::Operation ansicht(m_host.dokument(), StepKind::view);
        TextAnstelleFlaechenExecute();
    });
    a.setEnabled(true);
    for (QTextEdit* edit : richEdits()) {
        edit->viewport()->installEventFilter(this);
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint& p) {
            RichEdit1MouseDown(edit); // also when the keyboard asks for the menu
            m_popupMenu1->popup(edit->viewport()->mapToGlobal(p));
        });
    }
}

std::array<QTextEdit*, 6> TextView::richEdits() const
{
    const MainWidgets& w = m_host.w();
    return {w.RichEdit1, w.RichEdit2, w.RichEdit3, w.RichEdit4, w.RichEdit5, w.RichEdit6};
}

bool TextView::eventFilter(QObject* watched, QEvent* event)
{
    const bool druck = event->type() == QEvent::MouseButtonPress;
    const bool loslassen = event->type() == QEvent::MouseButtonRelease;
    if (druck || loslassen) {
        for (QTextEdit* edit : richEdits()) {
            if (watched != edit->viewport())
                continue;
            if (druck)
                RichEdit1MouseDown(edit);
            else if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                RichEditMouseUp(edit);
        }
    }
    return QObject::eventFilter(watched, event);
}

// --- the action ---

void TextView::TextAnstelleFlaechenExecute()
{
    // The state says what was on; a triggered checkable action has already flipped its mark.
    if (m_host.state().aktionen.textAnstelleFlaechen)
        ausschalten();
    else
        einschalten();
}

void TextView::einschalten()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    QAction& aktion = m_host.actions().action(Aktion::TextAnstelleFlaechen);
    if (istReihenModus(s.modus())) {
        aktion.setChecked(false);
        const LanguageTable& t = m_host.sprache();
        QMessageBox::information(&m_host.hauptfenster(), t.text(Txt::hinweis),
                                 t.text(Txt::textAnsichtNichtVerfuegbar));
        return;
    }
    m_host.actions().action(s.aktionen.realistisch ? Aktion::realistisch : Aktion::luminoes).trigger();
    if (s.separatModus)
        checkBoxenResetten();
    if (s.fixLinksAktiv) {
        for (QTextEdit* e : {w.RichEdit4, w.RichEdit5, w.RichEdit6})
            e->show();
    } else {
        schriftFarbe(w.RichEdit1, w.KleinRechts->colour());
        farbeNeuSetzen(w.RichEdit2, w.KleinLinks->colour());
        farbeNeuSetzen(w.RichEdit3, w.KleinMitte->colour());
        for (QTextEdit* e : {w.RichEdit1, w.RichEdit2, w.RichEdit3})
            e->show();
    }
    m_host.dokument().textStattFlaechenSetzen(true);
    if (s.aktionen.fixieren) {
        const std::array<std::pair<QTextEdit*, ColourPanel*>, 3> rechts{{{w.RichEdit1, w.FixedKleinRechts},
                                                                         {w.RichEdit2, w.FixedKleinLinks},
                                                                         {w.RichEdit3, w.FixedKleinMitte}}};
        for (const auto& [edit, feld] : rechts) {
            verschieben(edit, feld);
            schriftFarbe(edit, feld->colour());
        }
        schriftFarbe(w.RichEdit4, w.FixedLinksKleinRechts->colour());
        schriftFarbe(w.RichEdit5, w.FixedLinksKleinLinks->colour());
        schriftFarbe(w.RichEdit6, w.FixedLinksKleinMitte->colour());
    }
}

// The edited half's rich edits as the state's text view has them; their colours
// are the painting's.
void TextView::zeigen()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    const auto edits = s.fixLinksAktiv ? std::array{w.RichEdit4, w.RichEdit5, w.RichEdit6}
                                       : std::array{w.RichEdit1, w.RichEdit2, w.RichEdit3};
    const bool an = s.aktionen.textAnstelleFlaechen && !istReihenModus(s.modus());
    for (QTextEdit* e : edits)
        e->setVisible(an);
    if (!an || !s.fixiert || s.fixLinksAktiv)
        return;
    const std::array<std::pair<QTextEdit*, ColourPanel*>, 3> rechts{{{w.RichEdit1, w.FixedKleinRechts},
                                                                     {w.RichEdit2, w.FixedKleinLinks},
                                                                     {w.RichEdit3, w.FixedKleinMitte}}};
    for (const auto& [edit, feld] : rechts)
        verschieben(edit, feld);
}

// The other fixed half keeps its texts.
void TextView::ausschalten()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    const auto edits = s.fixLinksAktiv ? std::array{w.RichEdit4, w.RichEdit5, w.RichEdit6}
                                       : std::array{w.RichEdit1, w.RichEdit2, w.RichEdit3};
    for (QTextEdit* e : edits)
        e->hide();
    m_host.dokument().textStattFlaechenSetzen(false);
}

void TextView::schriftFarbe(QTextEdit* edit, const QColor& farbe)
{
    QPalette p = edit->palette();
    p.setColor(QPalette::Text, farbe);
    edit->setPalette(p);
}

// Text put back after the colour change takes the colour throughout.
void TextView::farbeNeuSetzen(QTextEdit* edit, const QColor& farbe)
{
    const QString text = edit->toPlainText();
    edit->clear();
    schriftFarbe(edit, farbe);
    edit->setPlainText(text);
}

void TextView::checkBoxenResetten()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    FieldSelection& auswahl = *m_parts.selection;
    const Feld zuletzt = w.RadioButton2->isChecked()   ? Feld::links
                         : w.RadioButton3->isChecked() ? Feld::mitte
                         : w.RadioButton4->isChecked() ? Feld::rechts
                                                       : Feld::gross;
    const bool fixiert = s.aktionen.fixieren;
    const std::array<std::pair<Feld, ColourPanel*>, 3> kleine{
        {{Feld::mitte, fixiert ? w.FixedKleinMitte : w.KleinMitte},
         {Feld::links, fixiert ? w.FixedKleinLinks : w.KleinLinks},
         {Feld::rechts, fixiert ? w.FixedKleinRechts : w.KleinRechts}}};
    {
        const QScopedValueRollback sammeln(m_host.dokument().ablauf().sammelLauf, true);
        if (zuletzt != Feld::gross)
            auswahl.waehlen(Feld::gross);
        for (const auto& [feld, panel] : kleine)
            if (feld != zuletzt && panel->isVisibleTo(&m_host.hauptfenster()))
                auswahl.waehlen(feld);
    }
    auswahl.waehlen(zuletzt);
}

// --- mouse ---

void TextView::RichEdit1MouseDown(QTextEdit* edit)
{
    m_menuTag = edit->property("tag").toInt();
}

void TextView::RichEditMouseUp(QTextEdit* edit)
{
    MainWidgets& w = m_host.w();
    FieldSelection& auswahl = *m_parts.selection;
    if (edit == w.RichEdit1)
        auswahl.KleinRechtsClick();
    else if (edit == w.RichEdit2)
        auswahl.KleinLinksClick();
    else if (edit == w.RichEdit3)
        auswahl.KleinMitteClick();
    else if (edit == w.RichEdit4)
        auswahl.klickAusloesen(w.FixedLinksKleinRechts);
    else if (edit == w.RichEdit5)
        auswahl.klickAusloesen(w.FixedLinksKleinLinks);
    else if (edit == w.RichEdit6)
        auswahl.klickAusloesen(w.FixedLinksKleinMitte);
}

// --- the menu ---

QTextEdit* TextView::richEdit() const
{
    if (m_menuTag < 1 || m_menuTag > 6)
        return nullptr;
    return richEdits()[static_cast<std::size_t>(m_menuTag - 1)];
}

void TextView::AusschneidenAllClick()
{
    if (QTextEdit* e = richEdit())
        e->cut();
}

void TextView::KopierenAllClick()
{
    if (QTextEdit* e = richEdit())
        e->copy();
}

void TextView::EinfuegenAllClick()
{
    if (QTextEdit* e = richEdit())
        e->paste();
}

void TextView::AusrichtenAllClick(QAction* gewaehlt)
{
    QTextEdit* e = richEdit();
    if (!e)
        return;
    for (QAction* a : m_ausrichtung)
        a->setChecked(false);
    const bool alles = !e->textCursor().hasSelection();
    if (alles)
        e->selectAll();
    gewaehlt->setChecked(true);
    e->setAlignment(gewaehlt == m_ausrichtung[1]   ? Qt::AlignRight
                    : gewaehlt == m_ausrichtung[2] ? Qt::AlignHCenter
                                                   : Qt::AlignLeft);
    if (alles) {
        QTextCursor c = e->textCursor();
        c.movePosition(QTextCursor::End);
        e->setTextCursor(c);
    }
}

void TextView::ZeichengroesseAllClick(QAction* groesse)
{
    QTextEdit* e = richEdit();
    if (!e)
        return;
    const int punkte = groesse->data().toInt();
    const bool fett = punkte > 9;
    QFont f = e->font();
    f.setPointSize(punkte);
    f.setBold(fett);
    e->setFont(f);
    QTextCharFormat format;
    format.setFontPointSize(punkte);
    format.setFontWeight(fett ? QFont::Bold : QFont::Normal);
    ganzerTextFormat(e, format);
}

void TextView::FontAllClick()
{
    QTextEdit* e = richEdit();
    if (!e)
        return;
    QFontDialog dialog(e->font(), &m_host.hauptfenster());
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    if (dialog.exec() == QDialog::Accepted) {
        e->setFont(dialog.selectedFont());
        QTextCharFormat format;
        format.setFont(dialog.selectedFont());
        ganzerTextFormat(e, format);
    }
    e->setFocus();
}
