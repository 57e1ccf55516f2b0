#include "ui/language/SpracheZuweisen.h"

#include "ui/language/ActionRegistry.h"
#include "core/language/LanguageTable.h"
#include "platform/screen/PortalColourPicker.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStringList>
#include <QTextEdit>

namespace
{

// A child of another top-level window (a dialog parented to this one) may use
// the same names; pop-up menus count as part of the window that owns them.
bool gehoertZuFenster(const QObject* o, const QWidget& fenster)
{
    for (const QObject* p = o; p != nullptr; p = p->parent()) {
        if (p == &fenster)
            return true;
        const auto* w = qobject_cast<const QWidget*>(p);
        if (w != nullptr && w->isWindow() && qobject_cast<const QMenu*>(w) == nullptr)
            return false;
    }
    return false;
}

template <typename T> QList<T*> kinderDesFensters(QWidget& fenster, const QString& name)
{
    QList<T*> r;
    for (T* o : fenster.findChildren<T*>(name))
        if (gehoertZuFenster(o, fenster))
            r << o;
    return r;
}

void textSetzen(QObject& o, const QString& text)
{
    if (auto* a = qobject_cast<QAction*>(&o))
        a->setText(text);
    else if (auto* m = qobject_cast<QMenu*>(&o))
        m->setTitle(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(&o))
        b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(&o))
        l->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(&o))
        g->setTitle(text);
    else if (auto* e = qobject_cast<QLineEdit*>(&o))
        e->setText(text);
    else
        o.setProperty("text", text);
}

void hintSetzen(QObject& o, const QString& hint)
{
    if (auto* a = qobject_cast<QAction*>(&o))
        a->setToolTip(hint);
    else if (auto* w = qobject_cast<QWidget*>(&o))
        w->setToolTip(hint);
}

void zeilenSetzen(QObject& o, const QString& text)
{
    if (auto* t = qobject_cast<QTextEdit*>(&o))
        t->setPlainText(text);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(&o))
        p->setPlainText(text);
}

} // namespace

void aktionsTexteSetzen(const ActionRegistry& aktionen, const LanguageTable& texte)
{
    for (const ActionDef& s : actionDefs()) {
        QAction& a = aktionen.action(s.id);
        const QString& caption = texte.text(s.caption);
        a.setText(caption);
        a.setToolTip(s.hint ? texte.text(*s.hint) : ohneAccelerator(caption));
        a.setStatusTip(s.hint ? texte.text(*s.hint) : QString());
        if (s.toolBarCaption)
            a.setIconText(texte.text(*s.toolBarCaption));
        a.setShortcuts(shortcutsFor(s, texte.sprache()));
    }
    // Where the screen may not be read, the desktop's picker stands in for the pipette window.
    if (PortalColourPicker::portalSitzung()) {
        QAction& pipette = aktionen.action(Aktion::pipette);
        const QString satz = texte.text(Txt::pipetteWayland);
        pipette.setToolTip(pipette.toolTip() + QLatin1Char('\n') + satz);
        pipette.setStatusTip(pipette.statusTip() + QStringLiteral(" – ") + satz);
    }
}

void menueTexteSetzen(const ActionRegistry& aktionen, const LanguageTable& texte)
{
    for (const MenuDef& m : menuDefs())
        aktionen.menu(m.id).setTitle(texte.text(m.caption));
}

void steuerelementTexteSetzen(QWidget& fenster, std::span<const ControlText> liste,
                              const LanguageTable& texte)
{
    for (const ControlText& c : liste) {
        const QString wert = c.praefix + texte.text(c.txt);
        for (QObject* o : kinderDesFensters<QObject>(fenster, c.name)) {
            if (c.eigenschaft == Eigenschaft::text)
                textSetzen(*o, wert);
            else
                hintSetzen(*o, wert);
        }
    }
}

void comboBoxenFuellen(QWidget& fenster, std::span<const ComboTexte> liste, const LanguageTable& texte)
{
    for (const ComboTexte& c : liste) {
        QStringList eintraege;
        for (Txt t : c.eintraege)
            eintraege << texte.text(t);
        for (QComboBox* box : kinderDesFensters<QComboBox>(fenster, QString::fromLatin1(c.name))) {
            const QSignalBlocker still(box);
            box->clear();
            box->addItems(eintraege);
            box->setCurrentIndex(c.index);
            if (c.dropDownZeilen > 0)
                box->setMaxVisibleItems(c.dropDownZeilen);
        }
    }
}

void zeilenTexteSetzen(QWidget& fenster, std::span<const ZeilenTexte> liste, const LanguageTable& texte)
{
    for (const ZeilenTexte& z : liste) {
        QStringList zeilen;
        for (Txt t : z.zeilen)
            zeilen << texte.text(t);
        for (QObject* o : kinderDesFensters<QObject>(fenster, QString::fromLatin1(z.name)))
            zeilenSetzen(*o, zeilen.join(QLatin1Char('\n')));
    }
}

void spracheZuweisen(QMainWindow& form, const LanguageTable& texte, const ActionRegistry& aktionen)
{
    menueTexteSetzen(aktionen, texte);
    aktionsTexteSetzen(aktionen, texte);
    form.setWindowTitle(texte.fensterTitel());
    steuerelementTexteSetzen(form, hauptfensterTexte(), texte);
    steuerelementTexteSetzen(form, popupMenueTexte(), texte);
    comboBoxenFuellen(form, hauptfensterComboBoxen(), texte);
    zeilenTexteSetzen(form, hauptfensterZeilenTexte(), texte);
}
