#pragma once

#include "support/FieldHelpers.h"
#include "support/WindowFixture.h"

#include "ui/display/DisplayParts.h"
#include "ui/display/ModeActions.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolBar>
#include <QWidget>

#include <gtest/gtest.h>

// A shown main window (so the angle controls act) with mouse helpers that
// drive its widgets the way a user does.
struct ShownWindow : WindowFixture {
    explicit ShownWindow(QSize bildschirm = QSize(1280, 1024)) : WindowFixture({}, bildschirm)
    {
        form->show();
        // Room for the whole design, also on the small offscreen screen.
        form->setWindowState(Qt::WindowNoState);
        form->resize(988, 728);
    }

    void harmonyMode(const char* actionItem) { form->actionItem(actionItem)->trigger(); }
};

// Mouse events sent to a widget as the window would deliver them (a point of
// (0, 0) included, which QTest would move to the centre).
inline void mausEreignis(QWidget* w, QEvent::Type typ, QPoint p, Qt::MouseButton button,
                         Qt::MouseButtons gehalten)
{
    QMouseEvent e(typ, QPointF(p), QPointF(w->mapToGlobal(p)), button, gehalten, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void drueck(QWidget* w, QPoint p)
{
    mausEreignis(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
}

// A move with the left button still held.
inline void zieh(QWidget* w, QPoint p)
{
    mausEreignis(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
}

inline void loslass(QWidget* w, QPoint p)
{
    mausEreignis(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
}

inline void klick(QWidget* w, QPoint p)
{
    drueck(w, p);
    loslass(w, p);
}

inline void klick(QWidget* w)
{
    klick(w, w->rect().center());
}

// The tool bar button of an action, clicked as a user does.
inline void werkzeug(ShownWindow& f, ActionId actionItem)
{
    QWidget* button = f.form->actions().toolBar().widgetForAction(&f.form->actions().action(actionItem));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}
