#pragma once

#include <QEvent>
#include <QObject>
#include <QTest>
#include <QWidget>

#include <initializer_list>

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(std::initializer_list<QWidget*> widgets)
    {
        for (QWidget* w : widgets)
            w->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// Asks `zeuge` for a repaint and waits until it has happened. Qt paints all
// dirty widgets of a window in one pass, so every repaint requested before in
// the same window has happened by then: a widget that still shows no paint was
// never asked to repaint.
inline bool allesGemalt(QWidget* zeuge)
{
    PaintCounter painted{zeuge};
    zeuge->update();
    return QTest::qWaitFor([&] { return painted.count > 0; });
}
