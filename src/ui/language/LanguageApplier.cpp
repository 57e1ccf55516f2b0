#include "ui/language/LanguageApplier.h"

#include "core/language/LanguageTable.h"
#include "ui/language/ActionRegistry.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
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
bool belongsToWindow(const QObject* o, const QWidget& topWindow)
{
    for (const QObject* p = o; p != nullptr; p = p->parent()) {
        if (p == &topWindow)
            return true;
        const auto* w = qobject_cast<const QWidget*>(p);
        if (w != nullptr && w->isWindow() && qobject_cast<const QMenu*>(w) == nullptr)
            return false;
    }
    return false;
}

// The window's objects by name, found in one walk: a search per text would walk
// the window's few hundred widgets a hundred times at every start.
class WindowIndex
{
public:
    explicit WindowIndex(QWidget& topWindow)
    {
        for (QObject* o : topWindow.findChildren<QObject*>())
            if (!o->objectName().isEmpty() && belongsToWindow(o, topWindow))
                m_byName[o->objectName()].append(o);
    }
    template <typename T = QObject> QList<T*> named(const QString& name) const
    {
        QList<T*> r;
        for (QObject* o : m_byName.value(name))
            if (T* t = qobject_cast<T*>(o))
                r << t;
        return r;
    }

private:
    QHash<QString, QList<QObject*>> m_byName;
};

void applyText(QObject& o, const QString& text)
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

void applyHint(QObject& o, const QString& hint)
{
    if (auto* a = qobject_cast<QAction*>(&o))
        a->setToolTip(hint);
    else if (auto* w = qobject_cast<QWidget*>(&o))
        w->setToolTip(hint);
}

void setLines(QObject& o, const QString& text)
{
    if (auto* t = qobject_cast<QTextEdit*>(&o))
        t->setPlainText(text);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(&o))
        p->setPlainText(text);
}

} // namespace

void setControlTexts(QWidget& topWindow, std::span<const ControlText> items, const LanguageTable& textSet)
{
    const WindowIndex index(topWindow);
    for (const ControlText& c : items) {
        const QString value = c.prefix + textSet.text(c.txt);
        for (QObject* o : index.named(c.name)) {
            if (c.controlProperty == ControlProperty::text)
                applyText(*o, value);
            else if (c.controlProperty == ControlProperty::hint)
                applyHint(*o, value);
            else if (auto* w = qobject_cast<QWidget*>(o))
                w->setAccessibleName(value);
        }
    }
}

void fillComboBoxes(QWidget& topWindow, std::span<const ComboTexts> items, const LanguageTable& textSet)
{
    const WindowIndex index(topWindow);
    for (const ComboTexts& c : items) {
        QStringList entryItems;
        for (Txt t : c.entryItems)
            entryItems << textSet.text(t);
        for (QComboBox* box : index.named<QComboBox>(QString::fromLatin1(c.name))) {
            const QSignalBlocker still(box);
            box->clear();
            box->addItems(entryItems);
            box->setCurrentIndex(c.index);
            if (c.dropDownRows > 0)
                box->setMaxVisibleItems(c.dropDownRows);
        }
    }
}

void setLineTexts(QWidget& topWindow, std::span<const LineTexts> items, const LanguageTable& textSet)
{
    const WindowIndex index(topWindow);
    for (const LineTexts& z : items) {
        QStringList rowList;
        for (Txt t : z.rowList)
            rowList << textSet.text(t);
        for (QObject* o : index.named(QString::fromLatin1(z.name)))
            setLines(*o, rowList.join(QLatin1Char('\n')));
    }
}

void spracheZuweisen(QMainWindow& form, const LanguageTable& textSet, const ActionRegistry& actionSet)
{
    setMenuTexts(actionSet, textSet);
    setActionTexts(actionSet, textSet);
    form.setWindowTitle(textSet.mainWindowTitle());
    setControlTexts(form, mainWindowTexts(), textSet);
    setControlTexts(form, popupMenuTexts(), textSet);
    fillComboBoxes(form, mainWindowComboBoxes(), textSet);
    setLineTexts(form, mainWindowRowTexts(), textSet);
}
