#include "ui/layout/ScreenFit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

QSize clampToScreen(const QWidget& topWindow, QSize requested)
{
    const QScreen* bildschirm = topWindow.screen() ? topWindow.screen() : QGuiApplication::primaryScreen();
    if (!bildschirm)
        return requested;
    const QSize frame = topWindow.frameGeometry().size() - topWindow.geometry().size();
    return requested.boundedTo(bildschirm->availableGeometry().size() - frame);
}

void fitToContent(QWidget& topWindow, bool growOnly)
{
    if (QLayout* l = topWindow.layout())
        l->activate();
    QSize target = topWindow.sizeHint().expandedTo(topWindow.minimumSizeHint());
    if (growOnly)
        target = target.expandedTo(topWindow.size());
    target = clampToScreen(topWindow, target);
    if (target != topWindow.size())
        topWindow.resize(target);
}
