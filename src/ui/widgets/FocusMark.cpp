#include "ui/widgets/FocusMark.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

namespace
{

bool byKeyboard(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

} // namespace

FocusMark::FocusMark(QWidget* home, const QList<QWidget*>& controls) : QWidget(home)
{
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (QWidget* control : controls) {
        m_controls.insert(control);
        control->installEventFilter(this);
    }
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event)
{
    // While the ring shows, a click anywhere takes it away.
    if (event->type() == QEvent::MouseButtonPress) {
        if (isVisible())
            hideMark();
        return false;
    }
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control)
        return false;
    if (!m_controls.contains(control)) {
        // A child of the marked control raised over the ring (the band's other picture).
        if (event->type() == QEvent::ZOrderChange && m_target && control->parent() == m_target)
            raise();
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        if (byKeyboard(static_cast<QFocusEvent*>(event)->reason()))
            showOn(control);
        break;
    case QEvent::KeyPress:
        if (control->hasFocus() && m_target != control)
            showOn(control);
        break;
    case QEvent::FocusOut:
        if (m_target == control)
            hideMark();
        break;
    case QEvent::Resize:
        if (m_target == control)
            setGeometry(control->rect());
        break;
    case QEvent::ChildAdded:
        // A child added later must not cover the ring.
        if (m_target == control) {
            raise();
            if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
                child && child != this)
                child->installEventFilter(this);
        }
        break;
    default:
        break;
    }
    return false;
}

void FocusMark::showOn(QWidget* control)
{
    m_target = control;
    setParent(control);
    for (QWidget* child : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != this)
            child->installEventFilter(this);
    setGeometry(control->rect());
    raise();
    show();
    qApp->installEventFilter(this);
}

void FocusMark::hideMark()
{
    hide();
    m_target = nullptr;
    qApp->removeEventFilter(this);
}

void FocusMark::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect outer = rect();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    const auto ring = [&](const QRect& r, const QColor& colour) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
    };
    ring(outer, Qt::black);
    ring(outer.adjusted(1, 1, -1, -1), Qt::white);
}
