#pragma once

#include <QObject>
#include <QWidget>

// A widget's place among its siblings; later siblings lie on top.
inline int stapelPlatz(const QWidget* w)
{
    return static_cast<int>(w->parent()->children().indexOf(const_cast<QWidget*>(w)));
}

// The child of `flaeche` that lies in front of all its other shown children.
inline const QWidget* vorderstes(const QWidget* flaeche)
{
    const QWidget* vorn = nullptr;
    for (const QObject* k : flaeche->children())
        if (const auto* w = qobject_cast<const QWidget*>(k); w && !w->isHidden())
            vorn = w;
    return vorn;
}
