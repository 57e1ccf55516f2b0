#include "platform/desktop/WindowActivation.h"

#include <QWidget>

void bringWindowToFront(QWidget* window)
{
    if (window == nullptr)
        return;
    const Qt::WindowStates state = window->windowState();
    if (state.testFlag(Qt::WindowMinimized))
        window->setWindowState(state & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
