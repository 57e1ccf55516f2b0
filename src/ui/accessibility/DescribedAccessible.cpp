#include "ui/accessibility/DescribedAccessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

#include <memory>

namespace
{

using Shared = std::shared_ptr<const AccessibleDescription>;

QHash<const QObject*, Shared>& descriptions()
{
    static QHash<const QObject*, Shared> all;
    return all;
}

class DescribedWidget : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    DescribedWidget(QWidget* widget, Shared description)
        : QAccessibleWidget(widget, description->role), m_d(std::move(description))
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return m_d->name ? m_d->name() : QString();
        case QAccessible::Value:
            if (m_d->valueText)
                return m_d->valueText();
            return m_d->value ? QString::number(m_d->value()) : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (m_d->checked) {
            s.checkable = true;
            s.checked = m_d->checked();
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface && m_d->value)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (m_d->press)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && m_d->press)
            m_d->press();
        else
            QAccessibleWidget::doAction(action);
    }

    QVariant currentValue() const override { return m_d->value ? m_d->value() : 0; }
    void setCurrentValue(const QVariant& value) override
    {
        if (m_d->setValue)
            m_d->setValue(value.toInt());
    }
    QVariant maximumValue() const override { return m_d->maximum ? m_d->maximum() : 0; }
    QVariant minimumValue() const override { return m_d->minimum ? m_d->minimum() : 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    Shared m_d;
};

QAccessibleInterface* describedFactory(const QString& /*className*/, QObject* object)
{
    const auto it = descriptions().constFind(object);
    if (it == descriptions().constEnd())
        return nullptr;
    return new DescribedWidget(static_cast<QWidget*>(object), *it);
}

} // namespace

void describeWidget(QWidget* widget, AccessibleDescription description)
{
    static const bool installed = [] {
        QAccessible::installFactory(describedFactory);
        return true;
    }();
    (void)installed;
    descriptions().insert(widget, std::make_shared<const AccessibleDescription>(std::move(description)));
    QObject::connect(widget, &QObject::destroyed, [widget] { descriptions().remove(widget); });
    // Qt makes and keeps its own interface at a widget's first announcement (a
    // label's first text, a slider's range), screen reader or not; that one would
    // stand in front of the description.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (face && !dynamic_cast<DescribedWidget*>(face))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

void announceNameChange(QWidget* widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void announceValueChange(QWidget* widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    QAccessibleValueInterface* value = face ? face->valueInterface() : nullptr;
    if (!value)
        return;
    QAccessibleValueChangeEvent event(widget, value->currentValue());
    QAccessible::updateAccessibility(&event);
}
