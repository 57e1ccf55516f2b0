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
#include <QTextCursor>
#include <QTextEdit>

namespace
{

QAction* addEntry(QMenu* menu, const char* name, const QString& text, int tag)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setData(tag);
    return a;
}

// The whole text takes the font, also parts that brought their own (pasted text).
void formatWholeText(QTextEdit* edit, const QTextCharFormat& format)
{
    QTextCursor alles(edit->document());
    alles.select(QTextCursor::Document);
    alles.mergeCharFormat(format);
}

// Reparenting hides a widget; it keeps whether it was shown and fills its new field.
void reparentInto(QWidget* widget, QWidget* target)
{
    if (widget->parentWidget() == target)
        return;
    const bool visible = !widget->isHidden();
    widget->setParent(target);
    alignClientChildren(target);
    widget->setVisible(visible);
}

} // namespace

TextView::TextView(DisplayHost& host, Widgets widgets, DisplayParts& parts)
    : m_host(host), m_w(widgets), m_parts(parts)
{
    buildPopupMenu();
}

void TextView::buildPopupMenu()
{
    m_popupMenu1 = new QMenu(&m_host.mainWindow());
    m_popupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* m = m_popupMenu1;
    connect(addEntry(m, "Ausschneiden1", QStringLiteral("&Ausschneiden"), 1), &QAction::triggered, this,
            &TextView::AusschneidenAllClick);
    connect(addEntry(m, "Kopieren1", QStringLiteral("&Kopieren"), 1), &QAction::triggered, this,
            &TextView::KopierenAllClick);
    connect(addEntry(m, "Einfuegen1", QStringLiteral("&Einfügen"), 1), &QAction::triggered, this,
            &TextView::EinfuegenAllClick);
    m->addSeparator();
    QMenu* zeichen = m->addMenu(QStringLiteral("Zeichen"));
    zeichen->setObjectName(QStringLiteral("Zeichen1"));
    m_ausrichtung = {addEntry(zeichen, "Links1", QStringLiteral("Links"), 1),
                     addEntry(zeichen, "Rechts1", QStringLiteral("Rechts"), 1),
                     addEntry(zeichen, "Zentriert1", QStringLiteral("Zentriert"), 1)};
    for (QAction* a : m_ausrichtung) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, a] { AusrichtenAllClick(a); });
    }
    m_ausrichtung[0]->setChecked(true);
    zeichen->addSeparator();
    for (QAction* a : {addEntry(zeichen, "Klein1", QStringLiteral("Klein"), 8),
                       addEntry(zeichen, "Mittel1", QStringLiteral("Mittel"), 10),
                       addEntry(zeichen, "Gro1", QStringLiteral("Groß"), 14)})
        connect(a, &QAction::triggered, this, [this, a] { ZeichengroesseAllClick(a); });
    zeichen->addSeparator();
    connect(addEntry(zeichen, "Font1", QStringLiteral("Font"), 1), &QAction::triggered, this,
            &TextView::FontAllClick);
}

void TextView::connectWidgets()
{
    QAction& a = m_host.actions().action(ActionId::TextAnstelleFlaechen);
    connect(&a, &QAction::triggered, this, [this] {
        const ColourDocument::Operation viewOptions(m_host.colourDocument(), StepKind::view);
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
    const auto& w = m_w;
    return {w.fields.RichEdit1, w.fields.RichEdit2, w.fields.RichEdit3,
            w.fields.RichEdit4, w.fields.RichEdit5, w.fields.RichEdit6};
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
    if (m_host.state().actionSet.textInsteadOfFields)
        switchOff();
    else
        switchOn();
}

void TextView::switchOn()
{
    const MainState& s = m_host.state();
    auto& w = m_w;
    QAction& actionItem = m_host.actions().action(ActionId::TextAnstelleFlaechen);
    if (isRowMode(s.harmonyMode())) {
        actionItem.setChecked(false);
        const LanguageTable& t = m_host.uiLanguage();
        QMessageBox::information(&m_host.mainWindow(), t.text(Txt::note), t.text(Txt::textViewUnavailable));
        return;
    }
    m_host.switchBandType(!s.actionSet.realistisch);
    if (s.separatModus)
        checkBoxenResetten();
    if (s.fixLinksAktiv) {
        for (QTextEdit* e : {w.fields.RichEdit4, w.fields.RichEdit5, w.fields.RichEdit6})
            e->show();
    } else {
        setTextColour(w.fields.RichEdit1, w.fields.KleinRechts->colour());
        reapplyColour(w.fields.RichEdit2, w.fields.KleinLinks->colour());
        reapplyColour(w.fields.RichEdit3, w.fields.KleinMitte->colour());
        for (QTextEdit* e : {w.fields.RichEdit1, w.fields.RichEdit2, w.fields.RichEdit3})
            e->show();
    }
    m_host.colourDocument().setTextInsteadOfFields(true);
    if (s.actionSet.fixieren) {
        const std::array<std::pair<QTextEdit*, ColourPanel*>, 3> right{
            {{w.fields.RichEdit1, w.fields.FixedKleinRechts},
             {w.fields.RichEdit2, w.fields.FixedKleinLinks},
             {w.fields.RichEdit3, w.fields.FixedKleinMitte}}};
        for (const auto& [edit, field] : right) {
            reparentInto(edit, field);
            setTextColour(edit, field->colour());
        }
        setTextColour(w.fields.RichEdit4, w.fields.FixedLinksKleinRechts->colour());
        setTextColour(w.fields.RichEdit5, w.fields.FixedLinksKleinLinks->colour());
        setTextColour(w.fields.RichEdit6, w.fields.FixedLinksKleinMitte->colour());
    }
}

PerField<bool> TextView::textsOnShow() const
{
    const auto visible = [this](QTextEdit* e) { return e->isVisibleTo(&m_host.mainWindow()); };
    return {
        {true, visible(m_w.fields.RichEdit1), visible(m_w.fields.RichEdit2), visible(m_w.fields.RichEdit3)}};
}

// The edited half's rich edits as the state's text view has them; their colours
// are the painting's.
void TextView::present()
{
    present(m_host.state());
}

void TextView::present(const MainState& s)
{
    auto& w = m_w;
    const auto edits = s.fixLinksAktiv
                           ? std::array{w.fields.RichEdit4, w.fields.RichEdit5, w.fields.RichEdit6}
                           : std::array{w.fields.RichEdit1, w.fields.RichEdit2, w.fields.RichEdit3};
    const bool an = s.actionSet.textInsteadOfFields && !isRowMode(s.harmonyMode());
    for (QTextEdit* e : edits)
        e->setVisible(an);
    if (!an || !s.fixiert || s.fixLinksAktiv)
        return;
    const std::array<std::pair<QTextEdit*, ColourPanel*>, 3> right{
        {{w.fields.RichEdit1, w.fields.FixedKleinRechts},
         {w.fields.RichEdit2, w.fields.FixedKleinLinks},
         {w.fields.RichEdit3, w.fields.FixedKleinMitte}}};
    for (const auto& [edit, field] : right)
        reparentInto(edit, field);
}

// The other fixed half keeps its texts.
void TextView::switchOff()
{
    const MainState& s = m_host.state();
    auto& w = m_w;
    const auto edits = s.fixLinksAktiv
                           ? std::array{w.fields.RichEdit4, w.fields.RichEdit5, w.fields.RichEdit6}
                           : std::array{w.fields.RichEdit1, w.fields.RichEdit2, w.fields.RichEdit3};
    for (QTextEdit* e : edits)
        e->hide();
    m_host.colourDocument().setTextInsteadOfFields(false);
}

void TextView::setTextColour(QTextEdit* edit, const QColor& colourValue)
{
    QPalette p = edit->palette();
    p.setColor(QPalette::Text, colourValue);
    edit->setPalette(p);
}

// Text put back after the colour change takes the colour throughout.
void TextView::reapplyColour(QTextEdit* edit, const QColor& colourValue)
{
    const QString text = edit->toPlainText();
    edit->clear();
    setTextColour(edit, colourValue);
    edit->setPlainText(text);
}

void TextView::checkBoxenResetten()
{
    const MainState& s = m_host.state();
    auto& w = m_w;
    FieldSelection& choice = *m_parts.selection;
    const Field zuletzt = s.separateChoice;
    const bool fixiert = s.actionSet.fixieren;
    const std::array<std::pair<Field, ColourPanel*>, 3> kleine{
        {{Field::centre, fixiert ? w.fields.FixedKleinMitte : w.fields.KleinMitte},
         {Field::left, fixiert ? w.fields.FixedKleinLinks : w.fields.KleinLinks},
         {Field::right, fixiert ? w.fields.FixedKleinRechts : w.fields.KleinRechts}}};
    std::vector<Field> inTurn;
    if (zuletzt != Field::big)
        inTurn.push_back(Field::big);
    for (const auto& [field, panel] : kleine)
        if (field != zuletzt && panel->isVisibleTo(&m_host.mainWindow()))
            inTurn.push_back(field);
    choice.selectInTurn(inTurn, zuletzt);
}

// --- mouse ---

void TextView::RichEdit1MouseDown(QTextEdit* edit)
{
    m_menuTag = edit->property("tag").toInt();
}

void TextView::RichEditMouseUp(QTextEdit* edit)
{
    auto& w = m_w;
    FieldSelection& choice = *m_parts.selection;
    if (edit == w.fields.RichEdit1)
        choice.KleinRechtsClick();
    else if (edit == w.fields.RichEdit2)
        choice.KleinLinksClick();
    else if (edit == w.fields.RichEdit3)
        choice.KleinMitteClick();
    else if (edit == w.fields.RichEdit4)
        choice.triggerClick(w.fields.FixedLinksKleinRechts);
    else if (edit == w.fields.RichEdit5)
        choice.triggerClick(w.fields.FixedLinksKleinLinks);
    else if (edit == w.fields.RichEdit6)
        choice.triggerClick(w.fields.FixedLinksKleinMitte);
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

void TextView::AusrichtenAllClick(QAction* chosen)
{
    QTextEdit* e = richEdit();
    if (!e)
        return;
    for (QAction* a : m_ausrichtung)
        a->setChecked(false);
    const bool alles = !e->textCursor().hasSelection();
    if (alles)
        e->selectAll();
    chosen->setChecked(true);
    e->setAlignment(chosen == m_ausrichtung[1]   ? Qt::AlignRight
                    : chosen == m_ausrichtung[2] ? Qt::AlignHCenter
                                                 : Qt::AlignLeft);
    if (alles) {
        QTextCursor c = e->textCursor();
        c.movePosition(QTextCursor::End);
        e->setTextCursor(c);
    }
}

void TextView::ZeichengroesseAllClick(QAction* extent)
{
    QTextEdit* e = richEdit();
    if (!e)
        return;
    const int punkte = extent->data().toInt();
    const bool fett = punkte > 9;
    QFont f = e->font();
    f.setPointSize(punkte);
    f.setBold(fett);
    e->setFont(f);
    QTextCharFormat format;
    format.setFontPointSize(punkte);
    format.setFontWeight(fett ? QFont::Bold : QFont::Normal);
    formatWholeText(e, format);
}

void TextView::FontAllClick()
{
    QTextEdit* e = richEdit();
    if (!e)
        return;
    QFontDialog dialog(e->font(), &m_host.mainWindow());
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    if (dialog.exec() == QDialog::Accepted) {
        e->setFont(dialog.selectedFont());
        QTextCharFormat format;
        format.setFont(dialog.selectedFont());
        formatWholeText(e, format);
    }
    e->setFocus();
}
